// The rhythm of the tick as a run sees it, and a picture that is missing.
#include <vector>

#include "tests/tick/tick_fixture.h"

namespace {

class TickSchedule : public TickTest {};

TEST_F(TickSchedule, GatedStepsComeInTheirTicksAfterRunSetUp) {
    StartRun();
    g_warningTimer = 100;  // its countdown shows when the one-second step runs
    std::vector<int> speedSteps, seconds, timerSteps;
    for (int tick = 1; tick <= 110; ++tick) {
        const bool speedStepDue = g_gateSpeedStep == 0;
        const int32 run = g_runSeconds, warning = g_warningTimer;
        Tick();
        if (speedStepDue) speedSteps.push_back(tick);
        if (g_runSeconds != run) seconds.push_back(tick);
        if (g_warningTimer != warning) timerSteps.push_back(tick);
    }
    EXPECT_EQ(std::vector<int>(speedSteps.begin(), speedSteps.begin() + 3), (std::vector<int>{5, 9, 13}));
    EXPECT_EQ(seconds, (std::vector<int>{41, 74, 107}));
    EXPECT_EQ(timerSteps, seconds);

    // In the tutorial the clock's gate waits at 0; it runs at once after.
    g_tutorialStep = 1;
    Tick(40);
    EXPECT_EQ(g_gateClock, 0);
    EXPECT_EQ(g_runSeconds, 3);
    g_tutorialStep = 0;
    Tick();
    EXPECT_EQ(g_runSeconds, 4);
    EXPECT_EQ(g_gateClock, 32);  // re-armed and counted down in the same tick
}

TEST_F(TickSchedule, AStandingTramScrollsAndPlacesNothing) {
    StartRun();
    ASSERT_EQ(g_streetMoving, 1);  // as run set-up leaves it
    LandscapeEdgeAt(1250);         // a tile change would be due if it moved
    const int road = form().imgSilnice1->Left;
    Tick(60);
    EXPECT_EQ(form().imgSilnice1->Left, road);
    EXPECT_EQ(g_sectionIndex + g_signPlaced, 0);
    Cruise(10);  // the first moving tick does all of it
    Tick();
    EXPECT_EQ(form().imgSilnice1->Left, road - 2);
    EXPECT_EQ(g_sectionIndex + g_signPlaced, 1 + 1);
}

TEST_F(TickSchedule, AMissingPictureEndsTheTickIsReportedOnceAndTheRouteWaitsForIt) {
    StartRun();
    Cruise(10);
    Tick();
    HideAsset("Textures//Maps//Map0.bmp");  // row 1's landscape
    LandscapeEdgeAt(1300);
    const int32 gate = g_gateClock;
    Tick(5);
    EXPECT_EQ(g_sectionIndex, 0);  // not advanced, neither once nor five times
    EXPECT_EQ(g_gateClock, gate) << "no countdown";
    EXPECT_EQ(ReportsText(), "Cannot open file Textures//Maps//Map0.bmp\n");
    RestoreAsset("Textures//Maps//Map0.bmp");
    Tick(3);
    EXPECT_EQ(g_sectionIndex, 1);
    EXPECT_EQ(Application->Reports().size(), 1u);
}

}  // namespace
