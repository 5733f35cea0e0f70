// A disk that refuses the save for a while: the career in memory stays the
// career in play through MAIN MENU and CONTINUE, every later save moment
// tries again, and quitting writes it once the disk takes it. The player
// is told each time it failed and once when it is safe.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "game/menu.h"
#include "game/save.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"
#include "tests/support/support.h"

namespace {

constexpr const char* kFailed = "The game could not be saved to Save.gqs. Your progress is kept in memory";
constexpr const char* kSaved = "The game has now been saved to Save.gqs.";

class FailedSave : public GameFixture {
protected:
    void TearDown() override { SetSaveWriteFault(SaveWriteFault::None); }

    std::string SaveBytes() { return testsupport::ReadFile(WorkDir() + "/Save.gqs"); }

    // How many reports began with `text`.
    int Told(const std::string& text) const {
        return static_cast<int>(std::count_if(Application->Reports().begin(), Application->Reports().end(),
                                              [&](const ErrorReport& r) { return r.message.rfind(text, 0) == 0; }));
    }

    void ExpectSameCareer(const e2e::Dashboard& got, const e2e::Dashboard& want) {
        EXPECT_EQ(got.money, want.money);
        EXPECT_EQ(got.carriedTotal, want.carriedTotal);
        EXPECT_EQ(got.totalSeconds, want.totalSeconds);
        EXPECT_EQ(got.carriedByClass, want.carriedByClass);
        EXPECT_EQ(got.selectedTram, want.selectedTram);
        EXPECT_EQ(got.tramsBought, want.tramsBought);
    }

    // The report box is over the screen; the player reads it and presses Enter.
    void ReadTheReport() {
        EXPECT_FALSE(Application->ShownReports().empty());
        ui().Key('\r');
    }

    // A new career whose first purchase cannot be saved; the player has
    // read the report.
    void BuyWithFailedSave(e2e::Player& player, SaveWriteFault fault) {
        player.StartGame();
        player.NewGame();
        SetSaveWriteFault(fault);
        player.BuyTram();
        ReadTheReport();
    }

    e2e::Dashboard DriveWholeRun(e2e::Player& player) {
        player.StartRun();
        const e2e::RunLog run = player.DriveToTerminus();
        EXPECT_TRUE(run.reachedDepot) << run.Describe();
        return e2e::ReadDashboard(*this);
    }
};

TEST_F(FailedSave, TheCareerInMemoryIsPlayedOnThroughMenuAndContinueAndReachesTheDiskAtQuit) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();
    const e2e::Dashboard first = DriveWholeRun(player);
    const std::string onDisk = SaveBytes();

    // The disk refuses the save at the end of the next run.
    SetSaveWriteFault(SaveWriteFault::BeforeTemp);
    const e2e::Dashboard second = DriveWholeRun(player);
    ASSERT_GT(second.carriedTotal, first.carriedTotal);
    EXPECT_EQ(Told(kFailed), 1) << ReportsText();
    EXPECT_EQ(SaveBytes(), onDisk);
    ReadTheReport();

    // MAIN MENU, CONTINUE: the depot still shows the second run's career,
    // not the older file's.
    player.LeaveToMenu();
    player.ContinueGame();
    ASSERT_TRUE(player.InDepot());
    ExpectSameCareer(e2e::ReadDashboard(*this), second);

    // Another run on that career; its save fails too and the player is
    // told again.
    const e2e::Dashboard third = DriveWholeRun(player);
    EXPECT_EQ(third.carriedTotal, second.carriedTotal + third.carriedRun);
    EXPECT_EQ(Told(kFailed), 2) << ReportsText();
    EXPECT_EQ(Told(kSaved), 0);
    EXPECT_EQ(SaveBytes(), onDisk);
    ReadTheReport();

    // The disk works again; nothing saves until the player quits.
    SetSaveWriteFault(SaveWriteFault::None);
    player.LeaveToMenu();
    player.ContinueGame();
    ExpectSameCareer(e2e::ReadDashboard(*this), third);
    EXPECT_EQ(SaveBytes(), onDisk);
    player.LeaveToMenu();
    ui().Click("labMenu5");  // QUIT GAME
    EXPECT_TRUE(form().Closed());
    EXPECT_EQ(Told(kSaved), 1) << ReportsText();
    e2e::ExpectSaveMatches(*this, third, 0, 1, 1, e2e::LevelOfGoals(third));
    EXPECT_TRUE(services.messageBoxes.Shown().empty());
}

// A purchase whose save failed is saved with the next run's end, and the
// player hears that it is safe now.
TEST_F(FailedSave, ThePurchaseThatCouldNotBeSavedIsSavedAtTheNextMoment) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    SetSaveWriteFault(SaveWriteFault::AfterTempWritten);
    player.BuyTram();
    EXPECT_EQ(Told(kFailed), 1) << ReportsText();
    ReadTheReport();
    player.LeaveToMenu();
    player.ContinueGame();
    EXPECT_EQ(player.Money(), 0);  // not the $300 of the file
    EXPECT_EQ(e2e::ReadDashboard(*this).selectedTram, 1);

    SetSaveWriteFault(SaveWriteFault::None);
    const e2e::Dashboard after = DriveWholeRun(player);
    EXPECT_EQ(Told(kSaved), 1) << ReportsText();
    ReadTheReport();
    e2e::ExpectSaveMatches(*this, after, 0, 1, 1, e2e::LevelOfGoals(after));

    // Saved is saved: the next success says nothing more.
    DriveWholeRun(player);
    EXPECT_EQ(Told(kSaved), 1) << ReportsText();
}

// The last try at quitting fails as well: the player is told, in a box
// that outlives the window, that the progress since the last save is lost.
TEST_F(FailedSave, QuittingWithADiskThatStillRefusesSaysWhatIsLost) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    const std::string onDisk = SaveBytes();
    SetSaveWriteFault(SaveWriteFault::BeforeTemp);
    player.BuyTram();
    ReadTheReport();
    player.LeaveToMenu();
    ui().Click("labMenu5");
    EXPECT_TRUE(form().Closed());
    ASSERT_EQ(services.messageBoxes.Shown().size(), 1u);
    EXPECT_EQ(services.messageBoxes.Shown()[0].text,
              "The game could not be saved to Save.gqs. The progress since the last save is lost.");
    EXPECT_EQ(SaveBytes(), onDisk);
    EXPECT_EQ(Told(kSaved), 0);
}

// The program's end after the quit sequence (the window is closed) asks for
// the last try again: it is not made a second time, and the player is not
// told twice that the progress is lost.
TEST_F(FailedSave, TheLastTryIsMadeAndReportedOnceThoughTheEndOfTheProgramAsksAgain) {
    e2e::Player player(*this);
    BuyWithFailedSave(player, SaveWriteFault::BeforeTemp);
    player.LeaveToMenu();
    testing::internal::CaptureStderr();
    ui().Click("labMenu5");
    ASSERT_TRUE(form().Closed());
    SaveCareerBeforeExit();  // as the program does once the window is gone
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(services.messageBoxes.Shown().size(), 1u);
    const std::string tried = "the game could not be saved to Save.gqs";
    EXPECT_EQ(err.find(tried), err.rfind(tried)) << err;
}

// A window closed without the quit sequence: the end of the program makes
// the last try, and it is the only one.
TEST_F(FailedSave, AWindowClosedAnotherWayStillGetsTheLastTry) {
    e2e::Player player(*this);
    BuyWithFailedSave(player, SaveWriteFault::AfterTempWritten);
    SetSaveWriteFault(SaveWriteFault::None);
    SaveCareerBeforeExit();
    SaveCareerBeforeExit();
    EXPECT_EQ(Told(kSaved), 1) << ReportsText();
    EXPECT_TRUE(services.messageBoxes.Shown().empty());
    const auto words = e2e::SaveWords(*this);
    EXPECT_EQ(words[3], 1);                     // the tram bought
    EXPECT_EQ(words[17] * 200 + words[18], 0);  // and paid for
}

// At the terminus the save is read back only when it was written: after a
// failed write the file holds an older career (or one nobody can read),
// and reading it would bring that career back or add a "could not be
// read" report to the one the player already got.
TEST_F(FailedSave, AFailedSaveAtTheTerminusIsNotReadBack) {
    e2e::Player player(*this);
    player.StartGame();
    player.NewGame();
    player.BuyTram();
    const e2e::Dashboard first = DriveWholeRun(player);

    // An older career in the file.
    SetSaveWriteFault(SaveWriteFault::AfterTempWritten);
    const e2e::Dashboard second = DriveWholeRun(player);
    ASSERT_GT(second.carriedRun, 0);
    EXPECT_EQ(second.carriedTotal, first.carriedTotal + second.carriedRun);
    ReadTheReport();

    // Something else wrote the file meanwhile: it cannot be read.
    std::ofstream(WorkDir() + "/Save.gqs", std::ios::trunc) << "not a saved game";
    const e2e::Dashboard third = DriveWholeRun(player);
    ASSERT_GT(third.carriedRun, 0);
    EXPECT_EQ(third.carriedTotal, second.carriedTotal + third.carriedRun);
    EXPECT_EQ(Told(kFailed), 2) << ReportsText();
    EXPECT_EQ(ReportsText().find("could not be read"), std::string::npos) << ReportsText();
    EXPECT_EQ(SaveBytes(), "not a saved game");
}

}  // namespace
