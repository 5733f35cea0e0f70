// A whole career played by the autopilot: level 0 on line 0, level 1 on
// line 1, level 2 on line 2, until the game says it is finished. Every run
// keeps to the timetable and the rules, so the money only grows by fares
// and purchases; after every run the saved game holds what the depot shows.
#include <gtest/gtest.h>

#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

class Career : public GameFixture {};

TEST_F(Career, FromLevelZeroToTheFinishedGameOverLinesZeroOneAndTwo) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();

    int levelMessages = 0, finishedMessages = 0;
    long ticks = 0;
    const auto runs = player.PlayCareer(40, [&](const e2e::Player::CareerRun& run) {
        SCOPED_TRACE("run ending at tick " + std::to_string(ticks + run.log.ticks) + ": " + run.log.Describe());
        ticks += run.log.ticks;
        ASSERT_TRUE(run.log.reachedDepot);
        EXPECT_EQ(run.log.line, run.level);
        EXPECT_TRUE(e2e::NoPenalty(run.log));
        int fares = 0;
        for (const e2e::StopVisit& s : run.log.stops) {
            EXPECT_LE(s.minuteAtOpen, s.scheduledMinute) << "late at row " << s.row;
            fares += s.moneyAfter - s.moneyBefore;
        }
        EXPECT_EQ(player.Money(), run.moneyBefore + fares);
        for (const std::string& m : run.log.messages) {
            levelMessages += m == e2e::kLevelDoneMessage;
            finishedMessages += m == e2e::kGameFinishedMessage;
        }
        // The level shown is the one the messages announced, and the file
        // holds what the depot shows.
        const e2e::Dashboard shown = e2e::ReadDashboard(*this);
        const int level = std::min(levelMessages, 2);
        EXPECT_EQ(e2e::LevelOfGoals(shown), run.finished ? 10 : level);  // the finished game shows the last row
        e2e::ExpectSaveMatches(*this, shown, run.finished ? 1 : 0, run.trams, run.trams, level);
    });
    ASSERT_FALSE(runs.empty());
    EXPECT_TRUE(runs.back().finished) << runs.size() << " runs did not finish the game";
    EXPECT_EQ(levelMessages, 2);
    EXPECT_EQ(finishedMessages, 1);
    // Each line was driven until its level was done.
    EXPECT_EQ(runs.front().level, 0);
    EXPECT_EQ(runs.back().level, 2);
    EXPECT_EQ(ReportsText(), "");
    RecordProperty("runs", static_cast<int>(runs.size()));
    RecordProperty("ticks", static_cast<int>(ticks));
}

}  // namespace
