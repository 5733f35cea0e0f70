#include "tests/support/run_fixture.h"

namespace {

class TimetableTest : public RunFixture {
protected:
    void SetUp() override {
        StartRun(1);
        g_sectionIndex = 3;  // scheduled minute 2
        g_money = 100;
    }
    // The penalty sounds so far, each checked for its volume.
    int Penalties() const {
        const auto starts = sound.StartsOf("Zvuky//Obecne//Penalizace.wav");
        for (const auto& start : starts) EXPECT_FLOAT_EQ(start.value, 0.3f);
        return static_cast<int>(starts.size());
    }
};

TEST_F(TimetableTest, ArrivalIsEarlyOnTimeOrLateByTheWholeMinute) {
    g_clockSeconds = 119;  // 1:59
    OpenDoors();
    EXPECT_EQ(Message(),
              "People are happy you\xB4ve arrived at the station early. However wait for the green "
              "timekeeping for leaving!");
    EXPECT_EQ(form().panVarovani->Color, clGreen);
    EXPECT_EQ(g_warningTimer, 7);

    for (int32 seconds : {120, 179}) {
        g_clockSeconds = seconds;
        OpenDoors();
        EXPECT_EQ(Message(), "You\xB4ve arrived at the station in time. You can go on.");
    }
    EXPECT_EQ(g_money, 100);
    EXPECT_EQ(Penalties(), 0);

    g_clockSeconds = 180;  // 3:00
    g_money = 10;
    OpenDoors();
    EXPECT_EQ(Message(),
              "(-20$) You\xB4ve arrived at the station late. Try to arrive at the station maximally "
              "at the green timekeeping. ");
    EXPECT_EQ(form().panVarovani->Color, clBlack);
    EXPECT_TRUE(form().panVarovani->Visible);
    EXPECT_EQ(g_money, -10);  // the tick raises it to 0 at its next tick
    EXPECT_EQ(form().labKasa->Caption(), "-10");
    EXPECT_EQ(Penalties(), 1);
}

TEST_F(TimetableTest, OnlyLeavingBeforeTheMinuteCostsAndNeverAtTheTerminus) {
    g_clockSeconds = 119;
    CloseDoors();
    EXPECT_EQ(Message(), "(-20$) You\xB4ve left earlier than you should have. Next time wait for the green timekeeping!");
    EXPECT_EQ(g_money, 80);
    EXPECT_EQ(g_warningTimer, 7);

    form().panVarovani->Visible = false;
    g_clockSeconds = 120;
    CloseDoors();
    EXPECT_EQ(g_money, 80);
    EXPECT_FALSE(form().panVarovani->Visible);

    g_sectionIndex = 5;  // the terminus, minute 4, closed at 2:00
    CloseDoors();
    EXPECT_EQ(g_money, 80);
    EXPECT_EQ(Penalties(), 1);
}

}  // namespace
