// The built game itself, on SDL's dummy video driver and OpenAL's null
// device: it starts, gets through the logo, the intro and the loading to
// the menu without a single error report, and ends with code 0 when the
// window is closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/support.h"

namespace fs = std::filesystem;

namespace {

TEST(ExecutableTest, StartsToTheMenuWithoutReportsAndEndsCleanly) {
    const fs::path exe = fs::path(testsupport::GameDir()) / "korvalo";
    if (!fs::exists(exe)) GTEST_SKIP() << "the game is not built";

    // Its own working directory (the saved game) and settings store.
    testsupport::TempDir work;
    testsupport::LinkAssetFolders(work.path());
    const std::string errFile = work.path() + "/stderr.txt";

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(work.path().c_str()) != 0) _exit(90);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("XDG_CONFIG_HOME", work.path().c_str(), 1);
        if (!freopen(errFile.c_str(), "w", stderr)) _exit(91);
        execl(exe.c_str(), "korvalo", static_cast<char*>(nullptr));
        _exit(92);
    }
    // The logo stands 3 s, then the intro and 1.4 s of loading.
    std::this_thread::sleep_for(std::chrono::milliseconds(6000));
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the game ended by itself";
    kill(pid, SIGTERM);  // the window manager's close
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);

    EXPECT_EQ(testsupport::ReadFile(errFile), "") << "the game reported something";
    EXPECT_TRUE(fs::exists(fs::path(work.path()) / "Qalt" / "Drevik.settings"));  // the launch was counted
}

}  // namespace
