// The built game as a process on an unfriendly machine: started without a
// display, its terminal closed under it, its X server ended under it. A
// career whose save failed still gets its last try before the game ends.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "game/save.h"
#include "tests/services/http_server.h"
#include "tests/support/support.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// `argv` with exactly `env` in `folder`, stderr to `errFile`, in a process
// group of its own (the test's own terminal is not the game's).
pid_t Start(std::vector<std::string> argv, std::vector<std::string> env, const std::string& folder,
            const std::string& errFile) {
    std::vector<char*> args, envp;
    for (auto& a : argv) args.push_back(a.data());
    for (auto& e : env) envp.push_back(e.data());
    args.push_back(nullptr);
    envp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = open("/dev/null", O_RDWR);
    if (err < 0 || null < 0 || chdir(folder.c_str()) != 0) _exit(90);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO}) dup2(null, fd);
    dup2(err, STDERR_FILENO);
    setpgid(0, 0);
    execve(args[0], args.data(), envp.data());
    _exit(92);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The wait status, or -1 when `pid` still runs after `limit` (it is killed).
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
    if (pid <= 0) return -1;
    int status = 0;
    if (WaitUntil([&] { return waitpid(pid, &status, WNOHANG) != 0; }, limit)) return status;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

// An X server on a display number no one uses (Xvfb picks it itself).
class VirtualDisplay {
public:
    VirtualDisplay() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            if (fds[1] != 3) dup2(fds[1], 3);
            dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        pollfd ready{fds[0], POLLIN, 0};
        for (char c = 0; poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n';) name_ += c;
        close(fds[0]);
        if (!name_.empty()) name_ = ":" + name_;
    }
    ~VirtualDisplay() { End(); }
    const std::string& Name() const { return name_; }
    void End() {
        if (pid_ > 0) kill(pid_, SIGTERM);
        WaitFor(std::exchange(pid_, -1), 10s);
    }

private:
    pid_t pid_ = -1;
    std::string name_;
};

class GameProcess : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(exe_)) GTEST_SKIP() << "the game is not built";
        testsupport::LinkAssetFolders(work_.path());
    }
    void TearDown() override { WaitFor(game_, 0ms); }

    // Its own settings store, OpenAL's null device, launch reports to a
    // port nothing listens on, and `extra`.
    void StartGame(const std::vector<std::string>& extra) {
        std::vector<std::string> env = {"HOME=" + work_.path(), "XDG_CONFIG_HOME=" + work_.path(),
                                        "ALSOFT_DRIVERS=null", "SDL_AUDIODRIVER=dummy",
                                        "KORVALO_STATS_ENDPOINT=http://127.0.0.1:" + std::to_string(ClosedPort())};
        // Under the sanitizers: what the X library's exit leaves is no leak.
        const char* asan = std::getenv("ASAN_OPTIONS");
        env.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") + "detect_leaks=0");
        env.insert(env.end(), extra.begin(), extra.end());
        game_ = Start({exe_}, env, work_.path(), work_.path() + "/stderr.txt");
    }

    void Signal(int sig) {
        if (game_ > 0) kill(game_, sig);
    }

    // Until the game has its window and has read the saved game (the
    // launch is counted just before).
    void WaitForLaunch() {
        ASSERT_GT(game_, 0);
        ASSERT_TRUE(WaitUntil([&] { return fs::exists(Settings()) || kill(game_, 0) != 0; }, 60s));
        ASSERT_TRUE(fs::exists(Settings())) << "the game did not start: " << Errors();
    }

    // The wait status of the game's end, -1 when it ran on past `limit`.
    int Ended(std::chrono::milliseconds limit) { return WaitFor(std::exchange(game_, -1), limit); }

    std::string Errors() const { return testsupport::ReadFile(work_.path() + "/stderr.txt"); }
    std::string Settings() const { return work_.path() + "/Qalt/Drevik.settings"; }
    std::string SaveFile() const { return work_.path() + "/Save.gqs"; }

    std::string exe_ = testsupport::GameDir() + "/korvalo";
    testsupport::TempDir work_;
    pid_t game_ = -1;
};

TEST_F(GameProcess, WithoutADisplayItSaysSoAndEndsWithAnError) {
    // A console with kernel mode setting is a display the game may use.
    if (fs::exists("/dev/dri/card0")) GTEST_SKIP() << "this machine has a graphics console";
    StartGame({});
    const int status = Ended(10s);
    ASSERT_NE(status, -1) << "the game ran on without a display";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
    EXPECT_NE(Errors().find("there is no display to show the game on"), std::string::npos) << Errors();
    EXPECT_FALSE(fs::exists(Settings())) << "the launch was counted";
}

TEST_F(GameProcess, AHangUpEndsItWithCodeZero) {
    StartGame({"SDL_VIDEODRIVER=dummy"});
    ASSERT_NO_FATAL_FAILURE(WaitForLaunch());
    Signal(SIGHUP);
    EXPECT_EQ(Ended(10s), 0) << "wait status; -1: ran on";
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
        if (display_.Name().empty() || access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "needs Xvfb, xdotool";
        StartGame({"DISPLAY=" + display_.Name()});
        ASSERT_NO_FATAL_FAILURE(WaitForLaunch());
        std::this_thread::sleep_for(1s);
        fs::create_directory(SaveFile());
        // Clicks during the logo and the loading only hurry them on.
        ASSERT_TRUE(WaitUntil(
            [&] {
                Click(514, 360);  // NEW GAME
                Click(375, 345);  // YES
                return Errors().find("could not be saved") != std::string::npos;
            },
            60s))
            << Errors();
        fs::remove(SaveFile());
    }

    void Click(int x, int y) {
        WaitFor(Start({"/usr/bin/xdotool", "mousemove", std::to_string(x), std::to_string(y), "click", "1"},
                      {"DISPLAY=" + display_.Name()}, work_.path(), "/dev/null"),
                10s);
        std::this_thread::sleep_for(500ms);
    }

    void ExpectNewCareerSaved() {
        SaveRecord saved{};
        ASSERT_EQ(ReadSaveRecordFile(SaveFile(), saved), SaveReadResult::Loaded) << Errors();
        EXPECT_EQ(JoinSplit(saved.moneyHi, saved.moneyLo), 300);
        EXPECT_NE(Errors().find("The game has now been saved to Save.gqs."), std::string::npos) << Errors();
    }

    VirtualDisplay display_;
};

TEST_F(UnsavedCareerEnd, AHangUpSavesItAndEndsWithCodeZero) {
    Signal(SIGHUP);
    EXPECT_EQ(Ended(10s), 0) << "wait status; -1: ran on";
    ExpectNewCareerSaved();
}

TEST_F(UnsavedCareerEnd, TheEndOfTheXServerSavesItBeforeTheGameEnds) {
    display_.End();
    ASSERT_NE(Ended(5s), -1) << "the game ran on without its display";
    ExpectNewCareerSaved();
}

}  // namespace
