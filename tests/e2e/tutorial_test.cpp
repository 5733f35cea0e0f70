// The tutorial from the main menu to the terminus of line 0: the pages
// turn, nothing is charged or timed, the boardings count and are saved.
#include <gtest/gtest.h>

#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

class TutorialPlaythrough : public GameFixture {};

TEST_F(TutorialPlaythrough, FromTheMenuToTheTerminusWithoutChargesAndTheBoardingsSaved) {
    e2e::Player player(*this);
    player.StartGame();
    const int money = player.Money();
    EXPECT_EQ(money, 300);  // the new career a first start reads
    player.Tutorial();
    ASSERT_TRUE(form().memoTutorial->IsShowing());

    // The pages, one press each while driving to the first stop.
    int pagesTurned = 0;
    std::string lastPage;
    bool buttonAfterLastPage = true;
    const e2e::RunLog run = player.DriveToTerminus(200000, [&](const e2e::RunLog& log) {
        if (pagesTurned < 5 && log.ticks % 200 == 199) {
            player.NextTutorialPage();
            if (++pagesTurned == 5) {
                lastPage = form().memoTutorial->Lines.FileName();
                buttonAfterLastPage = form().btnTutorial->IsShowing();
            }
        }
        // No clock in the tutorial.
        EXPECT_EQ(form().labMinuty->Caption() + ":" + form().labSekundy->Caption(), "00:00");
        return false;
    });
    SCOPED_TRACE(run.Describe());
    ASSERT_TRUE(run.reachedDepot);
    EXPECT_EQ(pagesTurned, 5);
    EXPECT_EQ(lastPage, "Data//Tutorial//6.txt");
    EXPECT_FALSE(buttonAfterLastPage);
    ASSERT_EQ(run.stops.size(), 4u);
    // Nothing was said: no timetable, no penalty.
    EXPECT_TRUE(run.messages.empty());
    int boarded = 0;
    for (const e2e::StopVisit& s : run.stops) {
        EXPECT_EQ(s.moneyAfter, money);
        boarded += s.boarded;
    }
    EXPECT_GT(boarded, 0);

    // The depot: the boardings counted as carried, no fares, no time.
    EXPECT_FALSE(form().memoTutorial->IsShowing());
    EXPECT_FALSE(form().btnTutorial->IsShowing());
    const e2e::Dashboard shown = e2e::ReadDashboard(*this);
    EXPECT_EQ(shown.money, money);
    EXPECT_EQ(shown.carriedRun, boarded);
    EXPECT_EQ(shown.carriedTotal, boarded);
    EXPECT_EQ(shown.carriedByClass, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(shown.runSeconds, 0);
    EXPECT_EQ(shown.totalSeconds, 0);
    e2e::ExpectSaveMatches(*this, shown, 0, 0, 0, 0);
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
