// The built game as a process on an unfriendly machine: started without a
// display, its terminal closed under it, its X server ended under it. A
// career whose save failed still gets its last try before the game ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <thread>

#include "game/save.h"
#include "tests/support/real_game.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::RealGame;

namespace {

class GameProcess : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RealGame::Built()) GTEST_SKIP() << "the game is not built";
    }
    RealGame game_;
};

TEST_F(GameProcess, WithoutADisplayItSaysSoAndEndsWithAnError) {
    // A console with kernel mode setting is a display the game may use.
    if (fs::exists("/dev/dri/card0")) GTEST_SKIP() << "this machine has a graphics console";
    game_.Start();
    const int status = game_.Ended(10s);
    ASSERT_NE(status, -1) << "the game ran on without a display";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
    EXPECT_NE(game_.Errors().find("there is no display to show the game on"), std::string::npos) << game_.Errors();
    EXPECT_FALSE(fs::exists(game_.SettingsFile())) << "the launch was counted";
}

TEST_F(GameProcess, AHangUpEndsItWithCodeZero) {
    game_.Start({"SDL_VIDEODRIVER=dummy"});
    ASSERT_TRUE(game_.WaitForLaunch()) << game_.Errors();
    game_.Signal(SIGHUP);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
}

// On a real X server, with no video driver named: NEW GAME while a folder
// stands where the saved game goes keeps the new career in memory only.
// The folder is then taken away, and the game is ended by a hang-up or by
// the end of its X server: the career reaches the disk all the same.
class UnsavedCareerEnd : public GameProcess {
protected:
    void SetUp() override {
        GameProcess::SetUp();
        if (IsSkipped()) return;
        if (display_.Name().empty() || !testsupport::CanDriveARealWindow()) GTEST_SKIP() << "needs Xvfb, xdotool";
        game_.Start({"DISPLAY=" + display_.Name()});
        ASSERT_TRUE(game_.WaitForLaunch()) << game_.Errors();
        std::this_thread::sleep_for(1s);
        fs::create_directory(game_.SaveFile());
        // Clicks during the logo and the loading only hurry them on.
        ASSERT_TRUE(testsupport::WaitUntil(
            [&] {
                game_.Click(display_, 514, 360);  // NEW GAME
                game_.Click(display_, 375, 345);  // YES
                return game_.Errors().find("could not be saved") != std::string::npos;
            },
            60s))
            << game_.Errors();
        fs::remove(game_.SaveFile());
    }

    void ExpectNewCareerSaved() {
        SaveRecord saved{};
        ASSERT_EQ(ReadSaveRecordFile(game_.SaveFile(), saved), SaveReadResult::Loaded) << game_.Errors();
        EXPECT_EQ(JoinSplit(saved.moneyHi, saved.moneyLo), 300);
        EXPECT_NE(game_.Errors().find("The game has now been saved to Save.gqs."), std::string::npos)
            << game_.Errors();
    }

    testsupport::VirtualDisplay display_;
};

TEST_F(UnsavedCareerEnd, AHangUpSavesItAndEndsWithCodeZero) {
    game_.Signal(SIGHUP);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
    ExpectNewCareerSaved();
}

TEST_F(UnsavedCareerEnd, TheEndOfTheXServerSavesItBeforeTheGameEnds) {
    display_.End();
    ASSERT_NE(game_.Ended(5s), -1) << "the game ran on without its display";
    ExpectNewCareerSaved();
}

}  // namespace
