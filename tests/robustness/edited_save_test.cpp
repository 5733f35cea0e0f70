// An edited saved game whose figures sit at the very limit of 32 bits:
// the game takes it like any file it could have written, and the fares
// and seconds of a run stop at the limit instead of overflowing (the
// sanitizer build checks that no sum ever wraps).
#include <gtest/gtest.h>

#include <climits>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

class EditedSave : public GameFixture {};

TEST_F(EditedSave, MoneyPassengersAndTimeNearTheLimitStopThereDuringARun) {
    SaveRecord rec{};
    rec.tramsBought = rec.fleetSize = rec.selectedTram = 1;
    rec.moneyHi = SplitHi(INT_MAX - 3);
    rec.moneyLo = SplitLo(INT_MAX - 3);
    rec.carriedTotalHi = SplitHi(INT_MAX - 2);
    rec.carriedTotalLo = SplitLo(INT_MAX - 2);
    rec.totalSecondsHi = SplitHi(INT_MAX - 10);
    rec.totalSecondsLo = SplitLo(INT_MAX - 10);
    WriteSave(rec);

    e2e::Player player(*this);
    player.StartGame();
    player.ContinueGame();
    ASSERT_EQ(player.Money(), INT_MAX - 3);
    player.StartRun();
    const e2e::RunLog run = player.DriveToTerminus();
    ASSERT_TRUE(run.reachedDepot) << run.Describe();

    const e2e::Dashboard after = e2e::ReadDashboard(*this);
    ASSERT_GT(after.carriedRun, 3);
    ASSERT_GT(after.runSeconds, 10);
    EXPECT_EQ(after.money, INT_MAX);
    EXPECT_EQ(after.carriedTotal, INT_MAX);
    EXPECT_EQ(after.totalSeconds, INT_MAX);
    EXPECT_EQ(form().labCelkemPrevezeno->Caption(), "2147483647");
    e2e::ExpectSaveMatches(*this, after, 0, 1, 1, e2e::LevelOfGoals(after));
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
