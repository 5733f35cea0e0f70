// A whole career played by the autopilot: level 0 on line 0, level 1 on
// line 1, level 2 on line 2, until the game says it is finished. Every run
// keeps to the timetable and the rules, so the money only grows by the
// fares of the passengers carried and by purchases; each level ends the
// moment the passengers carried reach its goals; after every run the saved
// game holds what the depot shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

// Dollars per passenger of each class, and each level's goals by class.
constexpr std::array<int, 4> kFares = {1, 3, 6, 10};
constexpr int kGoals[3][4] = {{50, 0, 0, 0}, {100, 30, 0, 0}, {300, 200, 0, 0}};

bool GoalsMet(const std::array<int, 4>& carried, int level) {
    for (int c = 0; c < 4; ++c)
        if (carried[c] < kGoals[level][c]) return false;
    return true;
}

class WholeCareer : public GameFixture {
protected:
    // The passengers of each class carried in the career, as the dashboard shows them.
    std::array<int, 4> CarriedShown() {
        TForm1& f = form();
        std::array<int, 4> carried{};
        const TLabel* labels[] = {f.labNemajetniPrevezeno, f.labDelniciPrevezeno, f.labUredniciPrevezeno,
                                  f.labElitaPrevezeno};
        for (int c = 0; c < 4; ++c) carried[c] = std::stoi(labels[c]->Caption());
        return carried;
    }
    // The message of a level done (or of the finished game) is on the screen.
    bool Announcing() {
        const std::string& text = form().labVarovani->Caption();
        return form().panVarovani->IsShowing() &&
               (text == e2e::kLevelDoneMessage || text == e2e::kGameFinishedMessage);
    }
};

TEST_F(WholeCareer, FromLevelZeroToTheFinishedGameOverLinesZeroOneAndTwo) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();

    // Each level ends at the very step its goals are met: level 0, 1, then 2.
    int announced = 0;
    bool announcing = false;
    std::array<int, 4> carriedBefore = CarriedShown();
    player.SetStepHook([&] {
        const std::array<int, 4> carried = CarriedShown();
        if (Announcing() && !announcing) {
            ASSERT_LT(announced, 3);
            EXPECT_TRUE(GoalsMet(carried, announced) && !GoalsMet(carriedBefore, announced))
                << "level " << announced << " ended with " << carried[0] << "/" << carried[1] << " carried, "
                << carriedBefore[0] << "/" << carriedBefore[1] << " a step before";
            ++announced;
        }
        announcing = Announcing();
        carriedBefore = carried;
    });

    int levelMessages = 0, finishedMessages = 0;
    long ticks = 0;
    std::array<int, 4> carriedAtStart = CarriedShown();
    const auto runs = player.PlayCareer(40, [&](const e2e::Player::CareerRun& run) {
        SCOPED_TRACE("run ending at tick " + std::to_string(ticks + run.log.ticks) + ": " + run.log.Describe());
        ticks += run.log.ticks;
        ASSERT_TRUE(run.log.reachedDepot);
        EXPECT_EQ(run.log.line, run.level);
        EXPECT_TRUE(e2e::NoPenalty(run.log));
        int taken = 0;
        for (const e2e::StopVisit& s : run.log.stops) {
            EXPECT_LE(s.minuteAtOpen, s.scheduledMinute) << "late at row " << s.row;
            taken += s.moneyAfter - s.moneyBefore;
        }
        const e2e::Dashboard shown = e2e::ReadDashboard(*this);
        int fares = 0;
        for (int c = 0; c < 4; ++c) fares += (shown.carriedByClass[c] - carriedAtStart[c]) * kFares[c];
        carriedAtStart = shown.carriedByClass;
        EXPECT_EQ(taken, fares) << "the money taken at the stops against the passengers carried";
        EXPECT_EQ(shown.money, run.moneyBefore + fares);
        for (const std::string& m : run.log.messages) {
            levelMessages += m == e2e::kLevelDoneMessage;
            finishedMessages += m == e2e::kGameFinishedMessage;
        }

        // The level shown is the one the messages announced, and the file
        // holds what the depot shows.
        const int level = std::min(levelMessages, 2);
        EXPECT_EQ(e2e::LevelOfGoals(shown), run.finished ? 10 : level);  // the finished game shows the last row
        e2e::ExpectSaveMatches(*this, shown, run.finished ? 1 : 0, run.trams, run.trams, level);
    });
    ASSERT_FALSE(runs.empty());
    EXPECT_TRUE(runs.back().finished) << runs.size() << " runs did not finish the game";
    EXPECT_EQ(levelMessages, 2);
    EXPECT_EQ(finishedMessages, 1);
    EXPECT_EQ(announced, 3);
    // Each line was driven until its level was done.
    EXPECT_EQ(runs.front().level, 0);
    EXPECT_EQ(runs.back().level, 2);
    EXPECT_EQ(ReportsText(), "");
    RecordProperty("runs", static_cast<int>(runs.size()));
    RecordProperty("ticks", static_cast<int>(ticks));
}

}  // namespace
