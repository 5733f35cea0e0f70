// The order and rhythm of the tick as a run sees it.
#include <algorithm>
#include <iterator>
#include <vector>

#include "tests/tick/tick_fixture.h"

namespace {

class TickSchedule : public TickTest {};

TEST_F(TickSchedule, GatedStepsComeInTheirTicksAfterRunSetUp) {
    StartRun(0);
    g_warningTimer = 100;  // its countdown shows when the one-second step runs
    std::vector<int> speedSteps, clockSeconds, timerSteps, walkSteps;
    int32 seconds = g_runSeconds, warning = g_warningTimer;
    for (int tick = 1; tick <= 110; ++tick) {
        const bool speedStepDue = g_gateSpeedStep == 0, walkDue = g_gateWalk == 0;
        Tick();
        if (speedStepDue) speedSteps.push_back(tick);
        if (walkDue) walkSteps.push_back(tick);
        if (g_runSeconds != seconds) clockSeconds.push_back(tick);
        if (g_warningTimer != warning) timerSteps.push_back(tick);
        seconds = g_runSeconds;
        warning = g_warningTimer;
    }
    ASSERT_GE(speedSteps.size(), 3u);
    EXPECT_EQ(std::vector<int>(speedSteps.begin(), speedSteps.begin() + 3), (std::vector<int>{5, 9, 13}));
    EXPECT_EQ(speedSteps.size(), 27u);  // every 4th tick
    ASSERT_GE(walkSteps.size(), 2u);
    EXPECT_EQ(walkSteps[0], 7);
    EXPECT_EQ(walkSteps[1], 13);
    EXPECT_EQ(clockSeconds, (std::vector<int>{41, 74, 107}));
    EXPECT_EQ(timerSteps, (std::vector<int>{41, 74, 107}));
    EXPECT_EQ(form().labSekundy->Caption(), "03");
}

TEST_F(TickSchedule, AStandingTramScrollsAndPlacesNothing) {
    StartRun(0);
    ASSERT_EQ(g_streetMoving, 1);  // as run set-up leaves it
    TForm1& f = form();
    LandscapeEdgeAt(1250);          // a tile change would be due if it moved
    f.imgSloup1->Left = -30;        // so would a pole wrap
    const int landscape = f.imgKrajina1->Left, road = f.imgSilnice1->Left, sign = f.imgZnacka->Left;
    const int32 wheelFrame = g_tramLayout.wheelFrame;

    Tick(60);

    EXPECT_EQ(g_streetMoving, 0);
    EXPECT_EQ(g_landscapeMoving, 0);
    EXPECT_EQ(f.imgKrajina1->Left, landscape);
    EXPECT_EQ(f.imgSilnice1->Left, road);
    EXPECT_EQ(f.imgSloup1->Left, -30);
    EXPECT_EQ(f.imgZnacka->Left, sign);
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_signPlaced, 0);
    EXPECT_EQ(g_tramLayout.wheelFrame, wheelFrame);
    EXPECT_EQ(StartsOf("Zvuky//Tramvaje//Tram1.wav"), 0);

    // The first moving tick does all of it.
    Cruise(10);
    Tick();
    EXPECT_EQ(g_streetMoving, 1);
    EXPECT_EQ(g_sectionIndex, 1);
    EXPECT_EQ(g_signPlaced, 1);
    EXPECT_EQ(f.imgSloup1->Left, 1200 - 2);
}

TEST_F(TickSchedule, TheClockStandsInTheTutorialAndResumesAtOnce) {
    StartRun(0);
    g_tutorialStep = 1;
    Tick(100);
    EXPECT_EQ(g_gateClock, 0);
    EXPECT_EQ(g_runSeconds, 0);
    EXPECT_EQ(g_clockSeconds, 0);
    EXPECT_EQ(form().labSekundy->Caption(), "00");

    g_tutorialStep = 0;
    const int32 total = g_totalSeconds;
    Tick();
    EXPECT_EQ(g_runSeconds, 1);
    EXPECT_EQ(g_totalSeconds, total + 1);
    EXPECT_EQ(g_gateClock, 32);  // re-armed and counted down in the same tick
}

TEST_F(TickSchedule, AMissingPictureEndsTheTickOnceReportedAndTheRouteWaitsForIt) {
    StartRun(0);
    Cruise(10);
    Tick();
    HideAsset("Textures//Maps//Map0.bmp");  // row 1's landscape
    LandscapeEdgeAt(1300);
    const int32 gates[] = {g_gateSpeedStep, g_gateWalk, g_gateStand, g_gateCarFrame, g_gateTraffic, g_gateClock};

    Tick(5);

    EXPECT_EQ(g_sectionIndex, 0);  // not advanced, neither once nor five times
    EXPECT_EQ(g_landscapeTileToggle, 0);
    const int32 after[] = {g_gateSpeedStep, g_gateWalk, g_gateStand, g_gateCarFrame, g_gateTraffic, g_gateClock};
    EXPECT_TRUE(std::equal(std::begin(gates), std::end(gates), std::begin(after))) << "no countdown";
    ASSERT_EQ(Application->Reports().size(), 1u);
    EXPECT_EQ(Application->Reports()[0].message, "Cannot open file Textures//Maps//Map0.bmp");

    RestoreAsset("Textures//Maps//Map0.bmp");
    Tick();
    EXPECT_EQ(g_sectionIndex, 1);
    EXPECT_EQ(form().imgKrajina2->Picture->FileName(), "Textures//Maps//Map0.bmp");
    Tick(3);
    EXPECT_EQ(g_sectionIndex, 1);
    EXPECT_EQ(Application->Reports().size(), 1u);
}

}  // namespace
