// Leaving a run midway for the main menu and continuing: nothing of the
// abandoned run is kept, the career is the one on disk, and the next run
// builds on it.
#include <gtest/gtest.h>

#include "game/save.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"
#include "tests/support/support.h"

namespace {

class LeaveAndContinue : public GameFixture {
protected:
    std::string SaveBytes() { return testsupport::ReadFile(WorkDir() + "/Save.gqs"); }
};

TEST_F(LeaveAndContinue, AnAbandonedRunLeavesTheCareerOnDiskAndTheNextRunBuildsOnIt) {
    // A career with one run behind it, on disk.
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();
    player.StartRun();
    ASSERT_TRUE(player.DriveToTerminus().reachedDepot);
    const e2e::Dashboard saved = e2e::ReadDashboard(*this);
    const std::string onDisk = SaveBytes();

    // Half a run: two stops served, then back to the menu.
    player.StartRun();
    const e2e::RunLog half =
        player.DriveToTerminus(200000, [](const e2e::RunLog& log) { return log.stops.size() == 2; });
    SCOPED_TRACE(half.Describe());
    ASSERT_EQ(half.stops.size(), 2u);
    ASSERT_GT(player.Money(), saved.money);  // fares taken in memory
    player.LeaveToMenu();
    EXPECT_TRUE(player.InMenu());
    EXPECT_FALSE(form().tMainTimer->Enabled());
    for (int ch = 0; ch <= 6; ++ch)
        EXPECT_FALSE(sound.IsPlaying(static_cast<int>(g_soundChannels[ch].handle))) << "channel " << ch;
    EXPECT_EQ(SaveBytes(), onDisk);

    // Time passes in the menu; nothing moves on.
    ui().Advance(5000);
    EXPECT_EQ(SaveBytes(), onDisk);

    // CONTINUE: the depot shows the career of the file.
    player.ContinueGame();
    ASSERT_TRUE(player.InDepot());
    const e2e::Dashboard continued = e2e::ReadDashboard(*this);
    EXPECT_EQ(continued.money, saved.money);
    EXPECT_EQ(continued.carriedTotal, saved.carriedTotal);
    EXPECT_EQ(continued.totalSeconds, saved.totalSeconds);
    EXPECT_EQ(continued.carriedRun, 0);
    EXPECT_EQ(continued.runSeconds, 0);
    EXPECT_EQ(continued.selectedTram, saved.selectedTram);

    // A whole run from there adds to the file's career, not to the lost one.
    player.StartRun();
    const e2e::RunLog full = player.DriveToTerminus();
    ASSERT_TRUE(full.reachedDepot) << full.Describe();
    EXPECT_TRUE(e2e::NoPenalty(full)) << full.Describe();
    const e2e::Dashboard after = e2e::ReadDashboard(*this);
    EXPECT_EQ(after.carriedTotal, saved.carriedTotal + after.carriedRun);
    EXPECT_EQ(after.totalSeconds, saved.totalSeconds + after.runSeconds);
    EXPECT_EQ(after.money - saved.money, after.carriedByClass[0] - saved.carriedByClass[0]);  // $1 fares on line 0
    e2e::ExpectSaveMatches(*this, after, 0, 1, 1, e2e::LevelOfGoals(after));
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
