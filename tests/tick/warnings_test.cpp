// Penalties at the traffic light and at a missed stop, the approach
// gauges, and how long a message stays up.
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"
#include "tick/messages.h"

namespace {

constexpr const char* kRedText = "(-50$) You\xB4ve been penalized for overshooting the red light!";
constexpr const char* kRedAndFastText =
    "(-100$) You\xB4ve been penalized for overshooting the red light and for overrunning the maximum allowed "
    "speed when driving in the crossing!";
constexpr const char* kFastText =
    "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed when driving in the crossing!";
constexpr const char* kMissedStopText =
    "(-5$) Man you\xB4ve missed your stop! Stop immediately, open the door and wait for the passengers!";

class Warnings : public TickTest {
protected:
    // A moving run on row 3 (a stop and a light) with nothing placed ahead.
    void MovingOnRow3(int32 speed) {
        StartRun(0);
        Cruise(speed);
        g_sectionIndex = 3;
        g_stopPlaced = 1;
        g_lightPlaced = 1;
        g_signPlaced = 1;
        form().imgStanice->Left = 2000;
        form().imgSemafor->Left = 2000;
    }
    bool SpeedButtonsEnabled() {
        TForm1& f = form();
        return f.btnSpeed0->Enabled || f.btnSpeed15->Enabled || f.btnSpeed30->Enabled || f.btnSpeed45->Enabled ||
               f.btnSpeed60->Enabled;
    }
};

TEST_F(Warnings, TheCrossingIsJudgedByLightAndSpeedOncePerSection) {
    struct Case {
        int32 phase;
        int32 speed;
        int light;  // Left of the light when judged
        int32 fine;
        const char* text;
    };
    const Case cases[] = {
        {2, 33, 900, 50, kRedText},        {2, 34, 900, 100, kRedAndFastText}, {0, 34, 900, 50, kFastText},
        {1, 60, 831, 50, kFastText},       {0, 33, 900, 0, nullptr},           {1, 20, 900, 0, nullptr},
        {2, 20, 930, 0, nullptr},          {2, 20, 929, 50, kRedText},         {2, 20, 830, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << ", " << c.speed << " km/h at " << c.light);
        MovingOnRow3(c.speed);
        g_lightPhase = c.phase;
        form().imgSemafor->Left = c.light;
        const int32 money = g_money;
        Tick();
        EXPECT_EQ(g_money, money - c.fine);
        EXPECT_EQ(g_crossingPenalised, c.fine ? 1 : 0);
        EXPECT_EQ(StartsOf("Zvuky//Obecne//Penalizace.wav"), c.fine ? 1 : 0);
        if (!c.text) continue;
        EXPECT_EQ(Message(), c.text);
        EXPECT_EQ(form().panVarovani->Color, clMaroon);
        EXPECT_EQ(g_warningTimer, 7);
        // Still in the window on the next tick, but once is enough.
        g_lightPhase = 2;
        Tick();
        EXPECT_EQ(g_money, money - c.fine);
    }

    // No crossing penalty in the tutorial.
    MovingOnRow3(50);
    g_tutorialStep = 1;
    g_lightPhase = 2;
    form().imgSemafor->Left = 900;
    const int32 money = g_money;
    Tick();
    EXPECT_EQ(g_money, money);
    EXPECT_EQ(g_crossingPenalised, 0);
}

TEST_F(Warnings, TheApproachGaugesCountDownAndThePanelsGoOncePassed) {
    MovingOnRow3(10);
    TForm1& f = form();
    f.panVystrahaSemafor->Visible = true;
    f.panVystrahaStanice->Visible = true;
    struct Case {
        int left;
        int gauge;
    };
    for (const Case c : {Case{2999, 100}, Case{2930, 100}, Case{1930, 50}, Case{949, 0}, Case{930, 0}}) {
        f.imgSemafor->Left = c.left;
        UpdateLightWarning(f);
        EXPECT_EQ(f.cgVystrahaSemafor->Progress(), c.gauge) << c.left;
        EXPECT_TRUE(f.panVystrahaSemafor->Visible);
    }
    f.imgSemafor->Left = 929;
    UpdateLightWarning(f);
    EXPECT_FALSE(f.panVystrahaSemafor->Visible);

    for (const Case c : {Case{3199, 100}, Case{1500, 50}, Case{-117, 1}, Case{-118, 0}, Case{-135, 0}}) {
        f.imgStanice->Left = c.left;
        CheckStopApproach(f);
        EXPECT_EQ(f.cgVystrahaStanice->Progress(), c.gauge) << c.left;
        EXPECT_TRUE(f.panVystrahaStanice->Visible);
    }
    f.imgStanice->Left = -136;
    CheckStopApproach(f);
    EXPECT_FALSE(f.panVystrahaStanice->Visible);
}

TEST_F(Warnings, DrivingPastAnUnservedStopStopsTheTramAndCostsFive) {
    MovingOnRow3(20);  // band 4: the stop moves 4 pixels a tick
    TForm1& f = form();
    f.imgStanice->Left = -130;
    const int32 money = g_money;
    Tick(2);  // seen at -130 and -134: still in time
    EXPECT_EQ(g_targetSpeed, 20);
    EXPECT_TRUE(SpeedButtonsEnabled());

    Tick();  // seen at -138
    EXPECT_EQ(g_targetSpeed, 0);
    EXPECT_EQ(f.labZrychlitNa->Caption(), "0");
    EXPECT_FALSE(SpeedButtonsEnabled());
    EXPECT_EQ(g_money, money - 5);
    EXPECT_EQ(Message(), kMissedStopText);
    EXPECT_EQ(g_missedStopPenalised, 1);
    EXPECT_FALSE(f.panVystrahaStanice->Visible);

    Tick(3);  // -142, -146 in the window; then out of it
    EXPECT_EQ(g_money, money - 5);
    EXPECT_EQ(StartsOf("Zvuky//Obecne//Penalizace.wav"), 1);
}

TEST_F(Warnings, AServedStopMayBePassedAndTheTutorialOnlyStopsTheTram) {
    MovingOnRow3(20);
    g_stopServed = 1;
    form().imgStanice->Left = -138;
    const int32 money = g_money;
    Tick();
    EXPECT_EQ(g_targetSpeed, 20);
    EXPECT_TRUE(SpeedButtonsEnabled());
    EXPECT_EQ(g_money, money);

    MovingOnRow3(20);
    g_tutorialStep = 1;
    form().imgStanice->Left = -138;
    Tick();
    EXPECT_EQ(g_targetSpeed, 0);
    EXPECT_FALSE(SpeedButtonsEnabled());
    EXPECT_EQ(g_money, money);
    EXPECT_EQ(g_missedStopPenalised, 0);
    EXPECT_FALSE(form().panVarovani->Visible);
}

TEST_F(Warnings, AMessageStaysSevenGameSecondsFromItsLastShowing) {
    StartRun(0);
    TForm1& f = form();
    Tick();
    GivePenalty(f, 5, "first", g_missedStopPenalised);
    // The one-second steps of a run come in ticks 41, 74, 107, ...
    Tick(40 + 33 * 2 - 1);  // up to the tick before the third step
    EXPECT_EQ(g_warningTimer, 5);
    GivePenalty(f, 5, "second", g_crossingPenalised);
    EXPECT_EQ(g_warningTimer, 7);
    Tick(33 * 5);  // five more steps
    EXPECT_EQ(g_warningTimer, 2);
    Tick(33);
    EXPECT_TRUE(f.panVarovani->Visible);
    EXPECT_EQ(g_warningTimer, 1);
    Tick();  // the seventh step after the second message
    EXPECT_FALSE(f.panVarovani->Visible);
    EXPECT_EQ(g_warningTimer, 0);
    Tick(33 * 3);
    EXPECT_EQ(g_warningTimer, 0);
}

}  // namespace
