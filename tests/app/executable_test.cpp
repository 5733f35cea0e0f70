// The built game itself, on SDL's dummy video driver and OpenAL's null
// device: it starts, gets through the logo, the intro and the loading to
// the menu without a single error report, and ends with code 0 when the
// window is closed. Its two launch reports reach the test's own server,
// named in KORVALO_STATS_ENDPOINT.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/services/http_server.h"
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
    TestHttpServer stats;

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(work.path().c_str()) != 0) _exit(90);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        setenv("XDG_CONFIG_HOME", work.path().c_str(), 1);
        setenv("KORVALO_STATS_ENDPOINT", stats.Address().c_str(), 1);
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
    // The launch report (its own thread) and the loading's report, both
    // sent to this test's server and nowhere else.
    EXPECT_TRUE(stats.WaitForRequests(2, std::chrono::seconds(10)));
    std::vector<std::string> requests = stats.Requests();
    std::sort(requests.begin(), requests.end());
    EXPECT_EQ(requests, (std::vector<std::string>{"GET /data.php?program=spusten&count=1 HTTP/1.1",
                                                  "GET /stats/data.php?program=spusteno HTTP/1.1"}));
}

}  // namespace
