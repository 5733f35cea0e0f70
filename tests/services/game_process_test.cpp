// The built game as a process on an unfriendly machine: started without a
// display, its output on a pipe nobody reads, stop signals while a system
// box waits for a click, killed outright, its terminal closed under it,
// its X server ended under it. Nothing of that kills it unasked, holds it
// up, leaves a process behind or loses a career whose save failed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // An empty driver name names none.
    for (const std::string driver : {"-SDL_VIDEODRIVER", "SDL_VIDEODRIVER="}) {
        RealGame game;
        game.Start({driver});
        const int status = game.Ended(10s);
        ASSERT_NE(status, -1) << driver << ": the game ran on without a display";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << driver << ": " << status;
        EXPECT_NE(game.Errors().find("there is no display to show the game on"), std::string::npos)
            << driver << ": " << game.Errors();
        EXPECT_FALSE(fs::exists(game.SettingsFile())) << driver << ": the launch was counted";
    }
}

TEST_F(GameProcess, AHangUpEndsItWithCodeZero) {
    game_.Start({"SDL_VIDEODRIVER=dummy"});
    ASSERT_TRUE(game_.WaitForLaunch()) << game_.Errors();
    game_.Signal(SIGHUP);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
}

// The system box that ends a start without the statistics library, on a
// real X server: a stop signal takes it down and ends the game at once,
// and a game killed outright takes its box with it.
class SystemBoxUp : public GameProcess {
protected:
    void SetUp() override {
        GameProcess::SetUp();
        if (IsSkipped()) return;
        if (display_.Name().empty()) GTEST_SKIP() << "needs Xvfb";
    }

    // A copy without the library next to it, its error box up.
    void StartWithTheBoxUp(RealGame& game) {
        const std::string copy = game.Folder() + "/korvalo";
        fs::copy_file(fs::path(testsupport::GameDir()) / "korvalo", copy);
        game.UseExecutable(copy);
        game.Start({"DISPLAY=" + display_.Name()});
        ASSERT_TRUE(game.WaitForError("knihovna send.dll nebyla nactena", 30s)) << game.Errors();
        // The box is drawn by processes beside the game.
        ASSERT_TRUE(testsupport::WaitUntil([&] { return game.ProcessesLeft() > 1; }, 10s))
            << "no box came up (are X's fonts installed?)";
        std::this_thread::sleep_for(300ms);
    }

    testsupport::VirtualDisplay display_;
};

TEST_F(SystemBoxUp, AStopSignalTakesItDownAndEndsTheGame) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        RealGame game;
        ASSERT_NO_FATAL_FAILURE(StartWithTheBoxUp(game));
        game.Signal(sig);
        EXPECT_EQ(game.Ended(3s), 0) << strsignal(sig) << ": wait status; -1: ran on";
        EXPECT_TRUE(testsupport::WaitUntil([&] { return game.ProcessesLeft() == 0; }, 2s))
            << strsignal(sig) << ": the box outlived the game";
    }
}

TEST_F(SystemBoxUp, AGameKilledOutrightTakesItsBoxWithIt) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheBoxUp(game_));
    game_.Signal(SIGKILL);
    game_.Ended(3s);
    EXPECT_TRUE(testsupport::WaitUntil([&] { return game_.ProcessesLeft() == 0; }, 3s))
        << "the box outlived the game";
}

// True when the folder watched by `watch` got a temporary of Save.gqs.
bool SawASaveBegin(int watch) {
    alignas(inotify_event) char events[4096];
    bool seen = false;
    for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
        for (char* at = events; at < events + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(at);
            if (e->len > 0 && std::string(e->name).starts_with("Save.gqs.tmp.")) seen = true;
            at += sizeof(inotify_event) + e->len;
        }
    }
    return seen;
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
    }

    // Until the game has tried to save a new career and failed; its output
    // goes to `out` when given.
    void PlayANewCareerThatCannotBeSaved(int out = -1) {
        if (out >= 0) game_.UseStreams(out, out);
        game_.Start({"DISPLAY=" + display_.Name()});
        ASSERT_TRUE(game_.WaitForLaunch()) << game_.Errors();
        std::this_thread::sleep_for(1s);
        fs::create_directory(game_.SaveFile());
        // A save begins with a temporary beside Save.gqs; the rename over
        // the folder then fails. Clicks during the logo and the loading
        // only hurry them on.
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, game_.Folder().c_str(), IN_CREATE), 0);
        const bool tried = testsupport::WaitUntil(
            [&] {
                game_.Click(display_, 514, 360);  // NEW GAME
                game_.Click(display_, 375, 345);  // YES
                return SawASaveBegin(watch);
            },
            60s);
        close(watch);
        ASSERT_TRUE(tried) << game_.Errors();
        std::this_thread::sleep_for(500ms);
        if (out < 0) {
            EXPECT_NE(game_.Errors().find("could not be saved"), std::string::npos) << game_.Errors();
        }
    }

    void ExpectNewCareerSaved() {
        SaveRecord saved{};
        ASSERT_EQ(ReadSaveRecordFile(game_.SaveFile(), saved), SaveReadResult::Loaded) << game_.Errors();
        EXPECT_EQ(JoinSplit(saved.moneyHi, saved.moneyLo), 300);
    }

    testsupport::VirtualDisplay display_;
};

TEST_F(UnsavedCareerEnd, AHangUpSavesItAndEndsWithCodeZero) {
    ASSERT_NO_FATAL_FAILURE(PlayANewCareerThatCannotBeSaved());
    fs::remove(game_.SaveFile());
    game_.Signal(SIGHUP);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
    ExpectNewCareerSaved();
    EXPECT_NE(game_.Errors().find("The game has now been saved to Save.gqs."), std::string::npos) << game_.Errors();
}

TEST_F(UnsavedCareerEnd, TheEndOfTheXServerSavesItBeforeTheGameEnds) {
    ASSERT_NO_FATAL_FAILURE(PlayANewCareerThatCannotBeSaved());
    fs::remove(game_.SaveFile());
    display_.End();
    ASSERT_NE(game_.Ended(5s), -1) << "the game ran on without its display";
    ExpectNewCareerSaved();
}

// The last try fails too: the game is ending on a signal, so the report
// goes to stderr and no box waits for a click.
TEST_F(UnsavedCareerEnd, AStopSignalWhileTheLastTryFailsWaitsForNoClick) {
    ASSERT_NO_FATAL_FAILURE(PlayANewCareerThatCannotBeSaved());
    game_.Signal(SIGTERM);
    EXPECT_EQ(game_.Ended(3s), 0) << "wait status; -1: ran on";
    EXPECT_NE(game_.Errors().find("The progress since the last save is lost."), std::string::npos) << game_.Errors();
    EXPECT_TRUE(testsupport::WaitUntil([&] { return game_.ProcessesLeft() == 0; }, 2s)) << "a box outlived the game";
}

// `korvalo 2>&1 | less`, and less has been quit before the game starts:
// every line the game writes fails, the failed save's report included.
TEST_F(UnsavedCareerEnd, AClosedOutputPipeNeitherEndsTheGameNorLosesTheCareer) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);
    ASSERT_NO_FATAL_FAILURE(PlayANewCareerThatCannotBeSaved(fds[1]));
    close(fds[1]);
    ASSERT_TRUE(game_.Running()) << "the game ended, wait status " << game_.Ended(0ms);
    fs::remove(game_.SaveFile());
    game_.Signal(SIGTERM);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
    ExpectNewCareerSaved();
}

}  // namespace
