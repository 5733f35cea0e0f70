// Penalties at the traffic light and at a missed stop.
#include "tests/tick/tick_fixture.h"

namespace {

class Penalties : public TickTest {
protected:
    // Moving on row 3 (a stop and a light) with everything placed.
    void MovingOnRow3(int32 speed) {
        StartRun();
        Cruise(speed);
        g_sectionIndex = 3;
        g_stopPlaced = g_lightPlaced = g_signPlaced = 1;
        form().imgStanice->Left = 2000;
    }
};

TEST_F(Penalties, TheCrossingIsJudgedByLightAndSpeedOncePerSection) {
    const struct {
        int32 phase, speed;
        int light;
        int32 fine;
        const char* text;
    } cases[] = {
        {2, 33, 929, 50, "(-50$) You\xB4ve been penalized for overshooting the red light!"},
        {2, 34, 831, 100,
         "(-100$) You\xB4ve been penalized for overshooting the red light and for overrunning the maximum allowed "
         "speed when driving in the crossing!"},
        {1, 34, 900, 50,
         "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed when driving in the crossing!"},
        {0, 33, 900, 0, ""},
        {2, 60, 830, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << ", " << c.speed << " km/h at " << c.light);
        MovingOnRow3(c.speed);
        g_lightPhase = c.phase;
        form().imgSemafor->Left = c.light;
        const int32 money = g_money;
        Tick(3);  // still in the window after the first: once is enough
        EXPECT_EQ(g_money, money - c.fine);
        EXPECT_EQ(g_crossingPenalised, c.fine ? 1 : 0);
        if (c.fine) {
            EXPECT_EQ(Message(), c.text);
        }
    }
    MovingOnRow3(50);
    g_tutorialStep = 1;
    g_lightPhase = 2;
    form().imgSemafor->Left = 900;
    Tick();
    EXPECT_EQ(g_crossingPenalised, 0);
}

TEST_F(Penalties, DrivingPastAnUnservedStopStopsTheTramAndCostsFive) {
    MovingOnRow3(20);  // band 4
    TForm1& f = form();
    f.imgStanice->Left = -130;
    const int32 money = g_money;
    Tick(2);  // seen at -130 and -134: still in time
    EXPECT_EQ(g_targetSpeed, 20);
    Tick();  // seen at -138
    EXPECT_EQ(g_targetSpeed, 0);
    EXPECT_EQ(f.labZrychlitNa->Caption(), "0");
    EXPECT_FALSE(f.btnSpeed60->Enabled);
    EXPECT_FALSE(f.panVystrahaStanice->Visible);
    EXPECT_EQ(Message(),
              "(-5$) Man you\xB4ve missed your stop! Stop immediately, open the door and wait for the passengers!");
    Tick(3);
    EXPECT_EQ(g_money, money - 5);

    MovingOnRow3(20);  // after the doors opened here, passing costs nothing
    g_stopServed = 1;
    f.imgStanice->Left = -138;
    Tick();
    EXPECT_EQ(g_targetSpeed, 20);
    EXPECT_EQ(g_money, money - 5);
}

TEST_F(Penalties, AStopItsSectionHasLeftBehindHoldsTheTramNoLonger) {
    // Row 1's stop passing the window just after the landscape moved on
    // to row 2, which has no stop: served or not, it can no longer be
    // served there, so it costs nothing and the tram rolls on.
    for (const int32 served : {0, 1}) {
        SCOPED_TRACE(served ? "served" : "not served");
        StartRun();
        Cruise(20);
        g_sectionIndex = 1;
        g_stopPlaced = 1;
        g_stopServed = g_stopDeparted = served;
        form().imgStanice->Left = -120;
        LandscapeEdgeAt(1300);  // the next tick's scroll ends row 1
        const int32 money = g_money;
        Tick(8);
        EXPECT_EQ(g_sectionIndex, 2);
        EXPECT_LT(form().imgStanice->Left, -148);  // through the whole window
        EXPECT_EQ(g_targetSpeed, 20);
        EXPECT_EQ(g_money, money);
        EXPECT_EQ(g_missedStopPenalised, 0);
    }

    // Missed on its own section, and the section ends while the tram
    // brakes: the speed buttons come back with the new section, in the
    // tutorial as well.
    for (const int32 tutorial : {0, 1}) {
        SCOPED_TRACE(tutorial ? "tutorial" : "career run");
        StartRun();
        Cruise(20);
        g_tutorialStep = tutorial;
        g_sectionIndex = 1;
        g_stopPlaced = 1;
        form().imgStanice->Left = -137;
        Tick();
        ASSERT_EQ(g_targetSpeed, 0);
        ASSERT_FALSE(form().btnSpeed15->Enabled);
        LandscapeEdgeAt(1300);  // the next tick's scroll ends row 1
        Tick();
        EXPECT_EQ(g_sectionIndex, 2);
        for (TBitBtn* b : {form().btnSpeed0, form().btnSpeed15, form().btnSpeed30, form().btnSpeed45,
                           form().btnSpeed60})
            EXPECT_TRUE(b->Enabled);
        EXPECT_EQ(g_targetSpeed, 0);  // the tram still stops; the player drives on
    }
}

}  // namespace
