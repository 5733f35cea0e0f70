// The real game executable started without a usable statistics library.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/services/http_server.h"
#include "tests/support/support.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    std::string stderrText;
};

// Runs `exe` in `folder` with a clean, display-less environment; a report
// it sent all the same would find no listener.
Outcome RunGameIn(const std::string& folder, const std::string& exe, const std::string& home) {
    std::vector<std::string> env = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                                    "ALSOFT_DRIVERS=null",   "HOME=" + home,
                                    "XDG_CONFIG_HOME=" + home + "/config", "PATH=/usr/bin:/bin",
                                    "KORVALO_STATS_ENDPOINT=http://127.0.0.1:" + std::to_string(ClosedPort())};
    // A sanitizer build: the process ends at once by design, so what it
    // still holds at that moment is not a leak.
    const char* asan = std::getenv("ASAN_OPTIONS");
    env.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") + "detect_leaks=0");
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = exe;
    char* argv[] = {program.data(), nullptr};

    const std::string errFile = home + "/stderr.txt";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addchdir_np(&files, folder.c_str());
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.c_str(), &files, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&files);
    Outcome out;
    if (rc != 0) return out;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return out;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    out.finished = true;
    out.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    out.stderrText = testsupport::ReadFile(errFile);
    return out;
}

class GameStart : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path built = fs::path(testsupport::GameDir()) / "korvalo";
        if (!fs::exists(built)) GTEST_SKIP() << "the game executable is not built yet";
        // The executable is copied (it finds its libraries beside its real
        // path); the assets are linked; the statistics library is left out.
        game_ = fs::path(dir_.path()) / "game";
        home_ = fs::path(dir_.path()) / "home";
        fs::create_directories(game_);
        fs::create_directories(home_);
        fs::copy_file(built, game_ / "korvalo");
        testsupport::LinkAssetFolders(game_.string());
    }

    void ExpectCleanFailure(const std::string& message) {
        const Outcome out = RunGameIn(game_.string(), (game_ / "korvalo").string(), home_.string());
        ASSERT_TRUE(out.finished) << "the game did not end within a minute";
        EXPECT_EQ(out.exitCode, 0) << out.stderrText;
        // No display: the box's text goes to stderr.
        EXPECT_NE(out.stderrText.find(message), std::string::npos) << out.stderrText;
        // The start ended before the launch was counted.
        EXPECT_FALSE(fs::exists(home_ / "config" / "Qalt")) << "launch counted";
    }

    testsupport::TempDir dir_;
    fs::path game_, home_;
};

TEST_F(GameStart, WithoutTheStatisticsLibraryEndsWithCodeZero) {
    ExpectCleanFailure("Nastala chyba v inicializaci programu, knihovna send.dll nebyla nactena");
}

TEST_F(GameStart, WithALibraryLackingTheEntryEndsWithCodeZero) {
    fs::copy_file(KORVALO_LIBRARY_WITHOUT_ENTRY, game_ / "libsend.so");
    ExpectCleanFailure("Knihovna send.dll neni platna!");
}

}  // namespace
