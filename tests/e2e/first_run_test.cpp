// The first start of the game on a machine without a saved game, played
// through: NEW GAME, the first tram, line 0 from stop to stop, and the
// depot at the terminus with the career on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/save.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

class FirstRun : public GameFixture {};

TEST_F(FirstRun, NewGameFirstTramLineZeroToTheTerminusAndTheCareerSaved) {
    e2e::Player player(*this);
    ASSERT_FALSE(std::filesystem::exists(WorkDir() + "/Save.gqs"));
    player.StartGame();
    EXPECT_TRUE(player.InMenu());
    EXPECT_EQ(ReportsText(), "");  // no saved game is nothing to report

    player.NewGame();
    ASSERT_TRUE(player.InDepot());
    EXPECT_EQ(player.Money(), 300);
    player.BuyTram();
    EXPECT_EQ(player.Money(), 0);
    player.StartRun();
    ASSERT_FALSE(player.InDepot());

    const e2e::RunLog run = player.DriveToTerminus();
    SCOPED_TRACE(run.Describe());
    ASSERT_TRUE(run.reachedDepot);
    // Line 0: rows 1, 3, 4 and the terminus 5, each served once, in order,
    // none of them late and none left early.
    ASSERT_EQ(run.stops.size(), 4u);
    const int rows[] = {1, 3, 4, 5};
    int fares = 0;
    for (size_t i = 0; i < run.stops.size(); ++i) {
        const e2e::StopVisit& s = run.stops[i];
        EXPECT_EQ(s.row, rows[i]);
        EXPECT_LE(s.minuteAtOpen, s.scheduledMinute) << "late at row " << s.row;
        if (s.row != 5) {
            EXPECT_GE(s.minuteAtClose, s.scheduledMinute) << "left row " << s.row << " early";
        }
        EXPECT_GE(s.moneyAfter, s.moneyBefore);
        fares += s.moneyAfter - s.moneyBefore;
    }
    EXPECT_GT(run.stops[0].boarded, 0);  // every ordinary stop has someone waiting
    EXPECT_TRUE(e2e::NoPenalty(run)) << run.Describe();

    // The depot shows the run and the career; the file holds the same.
    const e2e::Dashboard shown = e2e::ReadDashboard(*this);
    EXPECT_EQ(shown.money, fares);  // Nemajetni pay $1 each: class 0 only on line 0
    EXPECT_EQ(shown.carriedRun, shown.carriedTotal);
    EXPECT_GT(shown.carriedTotal, 0);
    EXPECT_EQ(shown.carriedByClass[0], shown.carriedTotal);
    EXPECT_EQ(shown.totalSeconds, shown.runSeconds);
    EXPECT_EQ(shown.selectedTram, 1);
    e2e::ExpectSaveMatches(*this, shown, /*gameFinished=*/0, /*tramsBought=*/1, /*fleet=*/1, /*level=*/0);
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
