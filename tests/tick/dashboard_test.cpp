// Level goals, the run clock and the door button.
#include "game/save.h"
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"

namespace {

constexpr const char* kApplause = "Zvuky//Obecne//Potlesk.wav";

class Dashboard : public TickTest {
protected:
    void Carried(int32 c0, int32 c1) {
        g_carriedByClass[0] = c0;
        g_carriedByClass[1] = c1;
    }
    std::string Goals() {
        TForm1& f = form();
        std::string text;
        for (TLabel* label : {f.labNemajetniCil, f.labDelniciCil, f.labUredniciCil, f.labElitaCil})
            text += label->Caption() + (label->Font().Color == clLime ? "+ " : "- ");
        return text;
    }
};

TEST_F(Dashboard, MeetingTheGoalsRaisesTheLevelOncePerTick) {
    StartRun();
    g_money = -30;
    Carried(100, 30);
    Tick();
    EXPECT_EQ(form().labKasa->Caption(), "0");
    EXPECT_EQ(g_level, 1);
    EXPECT_EQ(form().panVarovani->Color, clPurple);
    EXPECT_EQ(Message(),
              "You have fulfilled demands of this level! Congratulations! Now arrive at the home terminal and then "
              "try the newly declassified line. ;-)");
    EXPECT_EQ(g_warningTimer, 10);
    EXPECT_EQ(Goals(), "50+ 0+ 0+ 0+ ");  // the old goals, coloured against the new
    Tick();
    EXPECT_EQ(g_level, 2);
    EXPECT_EQ(Goals(), "100- 30- 0+ 0+ ");
    EXPECT_EQ(StartsOf(kApplause), 2);
}

TEST_F(Dashboard, TheLastLevelFinishesTheGameOnce) {
    StartRun();
    g_level = 2;
    Carried(300, 200);
    Tick();
    EXPECT_EQ(g_saveRecord.gameFinished, 1);
    EXPECT_EQ(form().panVarovani->Color, clNavy);
    EXPECT_EQ(Message(),
              "YOU\xB4VE FINISHED PLAYING THE GAME! CONGRATULATIONS! Now you can play another my biger games clicking "
              "here.");
    EXPECT_EQ(g_warningTimer, 15);
    EXPECT_EQ(sound.PlayingCount(kApplause), 2);
    Tick(20);
    EXPECT_EQ(Goals(), "1900+ 2400+ 1800+ 1000+ ");
    EXPECT_EQ(StartsOf(kApplause), 2);
    EXPECT_EQ(g_level, 2);
}

TEST_F(Dashboard, TheClockShowsTheTimeInTheColourOfTheTimetable) {
    StartRun();
    g_sectionIndex = 4;  // timetable minute 3
    const struct {
        int32 seconds;
        const char* caption;
        TColor colour;
    } cases[] = {{179, "02:59", clAqua}, {180, "03:00", clLime}, {240, "04:00", clYellow}, {6000, "100:00", clYellow}};
    for (const auto& c : cases) {
        g_clockSeconds = c.seconds - 1;
        g_gateClock = 0;
        Tick();
        EXPECT_EQ(form().labMinuty->Caption() + ":" + form().labSekundy->Caption(), c.caption);
        EXPECT_EQ(form().labSekundy->Font().Color, c.colour) << c.caption;
    }
    g_stopDeparted = 1;  // after the doors closed on row 4, row 5's minute 4 counts
    g_clockSeconds = 180;
    g_gateClock = 0;
    Tick();
    EXPECT_EQ(form().labMinuty->Font().Color, clAqua);
}

TEST_F(Dashboard, TheDoorButtonOpensAtAnUnservedStopAndClosesWhenNobodyIsOnTheWay) {
    StartRun();
    TForm1& f = form();
    g_sectionIndex = 1;
    auto enabled = [&](int stopAhead) {
        f.imgStanice->Left = f.imgTramvaj->Left + stopAhead;
        UpdateDoorButton(f);
        return f.btnDvere->Enabled;
    };
    EXPECT_TRUE(enabled(199));
    EXPECT_TRUE(enabled(-700)) << "driven past, still on this section";
    EXPECT_FALSE(enabled(200));
    g_stopServed = 1;
    EXPECT_FALSE(enabled(0));

    g_doorsOpen = 1;
    for (int32 state = 1; state <= 11; ++state) {
        g_persons[40].state = state;
        const bool holdsTheDoors = state <= 3 || state == 9 || state == 10;
        EXPECT_EQ(enabled(0), !holdsTheDoors) << "state " << state;
    }
}

}  // namespace
