// A whole career played by the autopilot: level 0 on line 0, level 1 on
// line 1, level 2 on line 2, until the game says it is finished. Every run
// keeps to the timetable and the rules, so the money only grows by fares
// and purchases; after every run the saved game holds what the depot shows.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"
#include "tests/e2e/player.h"

namespace {

const std::string kLevelDone =
    "You have fulfilled demands of this level! Congratulations! Now arrive at the home terminal and then try the "
    "newly declassified line. ;-)";
const std::string kGameDone =
    "YOU\xB4VE FINISHED PLAYING THE GAME! CONGRATULATIONS! Now you can play another my biger games clicking here.";

class Career : public GameFixture {};

TEST_F(Career, FromLevelZeroToTheFinishedGameOverLinesZeroOneAndTwo) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();

    int level = 0, levelMessages = 0, finishedMessages = 0, trams = 1, runs = 0;
    long ticks = 0;
    while (finishedMessages == 0) {
        ASSERT_LT(runs, 40) << "the career does not end";
        // A second, larger tram as soon as the money allows.
        if (trams == 1 && player.Money() >= 300) {
            player.BuyTram();
            trams = 2;
        }
        player.ChooseTram(trams);
        player.ChooseLine(level);
        const int moneyBefore = player.Money();
        player.StartRun();
        const e2e::RunLog run = player.DriveToTerminus();
        ++runs;
        ticks += run.ticks;
        SCOPED_TRACE("run " + std::to_string(runs) + ": " + run.Describe());
        ASSERT_TRUE(run.reachedDepot);
        EXPECT_EQ(run.line, level);
        EXPECT_TRUE(e2e::NoPenalty(run));
        int fares = 0;
        for (const e2e::StopVisit& s : run.stops) {
            EXPECT_LE(s.minuteAtOpen, s.scheduledMinute) << "late at row " << s.row;
            fares += s.moneyAfter - s.moneyBefore;
        }
        EXPECT_EQ(player.Money(), moneyBefore + fares);
        for (const std::string& m : run.messages) {
            levelMessages += m == kLevelDone;
            finishedMessages += m == kGameDone;
        }
        const e2e::Dashboard shown = e2e::ReadDashboard(*this);
        const bool finished = finishedMessages > 0;
        if (!finished) level = e2e::LevelOfGoals(shown);
        ASSERT_GE(level, 0);
        EXPECT_EQ(level, std::min(levelMessages, 2));
        e2e::ExpectSaveMatches(*this, shown, finished ? 1 : 0, trams, trams, finished ? 2 : level);
        if (finished) {
            EXPECT_EQ(e2e::LevelOfGoals(shown), 10);  // the last row of the goal table
        }
    }
    EXPECT_EQ(levelMessages, 2);
    EXPECT_EQ(finishedMessages, 1);
    EXPECT_EQ(ReportsText(), "");
    RecordProperty("runs", runs);
    RecordProperty("ticks", static_cast<int>(ticks));
}

}  // namespace
