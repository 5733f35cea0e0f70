// The built game as a process on an unfriendly machine: started without a
// display or without its standard streams, its output on a pipe nobody
// reads, a proxy and a file-size limit set, a second copy on its career,
// stop signals while a system box waits for a click, killed outright, its
// terminal closed under it, its X server ended under it. Nothing of that
// kills it unasked, holds it up, leaves a process behind, sends its
// reports astray or loses a career.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <thread>

#include "game/save.h"
#include "tests/support/http_server.h"
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

// `korvalo 2>&-` from a launcher, on a real X server, while another program
// holds the settings' lock: the line saying the launch was not counted
// goes nowhere (not into the X connection, which the next descriptor
// opened would be, and which it would hold for ever), and the game plays on
// until a signal ends it.
TEST_F(GameProcess, WithItsStderrClosedItPlaysOnUntilASignal) {
    testsupport::VirtualDisplay display;
    if (display.Name().empty()) GTEST_SKIP() << "needs Xvfb";
    const std::string settings = game_.Folder() + "/Qalt";
    fs::create_directory(settings);
    const int holder = open(settings.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    game_.CloseStderr();
    game_.Start({"DISPLAY=" + display.Name()});
    const auto waitsForTheLock = [&] {
        for (const auto& [fd, name] : testsupport::OpenFiles(game_.Pid()))
            if (name == fs::canonical(settings)) return true;
        return false;
    };
    ASSERT_TRUE(testsupport::WaitUntil(waitsForTheLock, 60s));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !waitsForTheLock(); }, 10s));
    std::this_thread::sleep_for(1s);  // the line is written
    EXPECT_EQ(testsupport::OpenFiles(game_.Pid())[2], "/dev/null");
    ASSERT_TRUE(game_.Running()) << "wait status " << game_.Ended(0ms);
    game_.Signal(SIGTERM);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
    close(holder);
}

// A player's proxy, a file-size limit (`ulimit -f 0`) and a second copy on
// the same career, in its folder or through a link to its save: the launch
// report to the loopback endpoint goes there, not to the proxy; the
// settings write the limit stops fails as on a full disk, leaving nothing
// behind; each second copy says so and ends with code 1 before it touches
// anything; the first plays on.
TEST_F(GameProcess, AProxyAFileSizeLimitAndASecondCopyNeitherMisleadNorKillIt) {
    TestHttpServer proxy, stats;
    game_.LimitFileSize(0);
    game_.Start({"SDL_VIDEODRIVER=dummy", "KORVALO_STATS_ENDPOINT=" + stats.Address(),
                 "http_proxy=" + proxy.Address(), "ALL_PROXY=" + proxy.Address()});
    ASSERT_TRUE(stats.WaitForRequests(1, 60s)) << "no report, or not here";
    EXPECT_EQ(proxy.Requests(), std::vector<std::string>{});
    RealGame beside(game_.Folder()), linked;
    fs::create_symlink(game_.SaveFile(), linked.SaveFile());
    for (RealGame* second : {&beside, &linked}) {
        second->Start({"SDL_VIDEODRIVER=dummy"});
        EXPECT_EQ(second->Ended(30s), 1 << 8) << second->Errors();
        EXPECT_NE(second->Errors().find("already running"), std::string::npos) << second->Errors();
    }
    EXPECT_FALSE(fs::exists(linked.SettingsFile())) << "the refused launch was counted";
    EXPECT_FALSE(fs::exists(game_.SaveFile())) << "the career was touched";
    ASSERT_TRUE(game_.Running()) << "wait status " << game_.Ended(0ms);
    game_.Signal(SIGTERM);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
    EXPECT_EQ(testsupport::NamesIn(game_.Folder() + "/Qalt"), std::vector<std::string>{});
}

// The system box that ends a start without the statistics library, on a
// real X server: a stop signal takes it down and ends the failed start at
// once, and a game killed outright takes its box with it.
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
        EXPECT_EQ(game.Ended(3s), 1 << 8) << strsignal(sig) << ": wait status; -1: ran on";
        EXPECT_TRUE(testsupport::WaitUntil([&] { return game.ProcessesLeft() == 0; }, 2s))
            << strsignal(sig) << ": the box outlived the game";
    }
}

TEST_F(SystemBoxUp, ItHoldsNoneOfTheGamesFilesAndGoesWithAGameKilledOutright) {
    ASSERT_NO_FATAL_FAILURE(StartWithTheBoxUp(game_));
    // What the box's processes have open beyond their standard streams is
    // their own: an inherited descriptor names what the game's names.
    std::set<std::string> gameFiles;
    for (const auto& [fd, name] : testsupport::OpenFiles(game_.Pid()))
        if (fd > 2) gameFiles.insert(name);
    for (pid_t box : game_.LiveProcesses())
        for (const auto& [fd, name] : testsupport::OpenFiles(box))
            if (box != game_.Pid() && fd > 2) {
                EXPECT_EQ(gameFiles.count(name), 0u) << fd << " " << name;
            }
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
