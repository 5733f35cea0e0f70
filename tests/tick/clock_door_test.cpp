// The run clock against the timetable, and when the door button works.
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"

namespace {

class ClockAndDoors : public TickTest {
protected:
    // The next tick makes a clock step that shows `seconds`.
    void ClockShows(int32 seconds) {
        g_clockSeconds = seconds - 1;
        g_gateClock = 0;
        Tick();
    }
};

TEST_F(ClockAndDoors, TheClockShowsMinutesAndSecondsWithTwoDigitsAtLeast) {
    StartRun(0);
    struct Case {
        int32 seconds;
        const char* minutes;
        const char* secs;
    };
    for (const Case c : {Case{1, "00", "01"}, Case{59, "00", "59"}, Case{60, "01", "00"}, Case{600, "10", "00"},
                         Case{6000, "100", "00"}}) {
        ClockShows(c.seconds);
        EXPECT_EQ(form().labMinuty->Caption(), c.minutes) << c.seconds;
        EXPECT_EQ(form().labSekundy->Caption(), c.secs) << c.seconds;
    }
    EXPECT_EQ(g_runSeconds, 5);
    EXPECT_EQ(g_gateClock, 32);

    // Without a run the counters rest, but the step keeps its rhythm.
    g_runActive = 0;
    ClockShows(100);
    EXPECT_EQ(g_runSeconds, 5);
    EXPECT_EQ(g_clockSeconds, 99);
    EXPECT_EQ(g_gateClock, 32);
}

TEST_F(ClockAndDoors, TheClockColourSaysEarlyOnTimeOrLate) {
    StartRun(0);
    g_sectionIndex = 4;  // timetable minute 3
    struct Case {
        int32 minute;
        TColor colour;
    };
    for (const Case c : {Case{2, clAqua}, Case{3, clLime}, Case{4, clYellow}}) {
        ClockShows(c.minute * 60 + 30);
        EXPECT_EQ(form().labMinuty->Font().Color, c.colour) << c.minute;
        EXPECT_EQ(form().labSekundy->Font().Color, c.colour) << c.minute;
    }
    // Once the doors have closed at row 3's stop (minute 2), the clock
    // counts toward row 4's (minute 3).
    g_sectionIndex = 3;
    ClockShows(2 * 60 + 30);
    EXPECT_EQ(form().labMinuty->Font().Color, clLime);
    g_stopDeparted = 1;
    ClockShows(2 * 60 + 31);
    EXPECT_EQ(form().labMinuty->Font().Color, clAqua);
}

TEST_F(ClockAndDoors, TheDoorsOpenOnlyAtAnUnservedStopWithTheTramAtRest) {
    StartRun(0);
    TForm1& f = form();
    auto atStop = [&] {
        g_sectionIndex = 1;
        g_speed = 0;
        g_doorsOpen = 0;
        g_stopServed = 0;
        f.imgStanice->Left = f.imgTramvaj->Left + 150;
    };
    auto enabled = [&] {
        f.btnDvere->Enabled = !f.btnDvere->Enabled;  // decided afresh, whatever it was
        UpdateDoorButton(f);
        return f.btnDvere->Enabled;
    };
    atStop();
    EXPECT_TRUE(enabled());
    f.imgStanice->Left = f.imgTramvaj->Left - 700;  // driven past, still this section
    EXPECT_TRUE(enabled());
    f.imgStanice->Left = f.imgTramvaj->Left + 199;
    EXPECT_TRUE(enabled());
    f.imgStanice->Left = f.imgTramvaj->Left + 200;
    EXPECT_FALSE(enabled()) << "the stop is still ahead";
    atStop();
    g_speed = 3;
    EXPECT_FALSE(enabled()) << "moving";
    atStop();
    g_sectionIndex = 2;
    EXPECT_FALSE(enabled()) << "no stop on this section";
    atStop();
    g_stopServed = 1;
    EXPECT_FALSE(enabled()) << "served already";
}

TEST_F(ClockAndDoors, TheDoorsCloseOnlyWhenNobodyIsGettingOnOrOff) {
    StartRun(0);
    TForm1& f = form();
    g_doorsOpen = 1;
    g_stopServed = 1;
    EXPECT_TRUE((UpdateDoorButton(f), f.btnDvere->Enabled));
    for (int32 state = 1; state <= 11; ++state) {
        g_persons[40].state = state;
        UpdateDoorButton(f);
        const bool holds = state == 1 || state == 2 || state == 3 || state == 9 || state == 10;
        EXPECT_EQ(f.btnDvere->Enabled, !holds) << "state " << state;
    }
    g_persons[40].state = PersonState::Free;

    // In a whole tick the rule comes after everything else.
    f.btnDvere->Enabled = false;
    Tick();
    EXPECT_TRUE(f.btnDvere->Enabled);
}

}  // namespace
