// The built game itself, on SDL's dummy video driver and OpenAL's null
// device: it starts, gets through the logo, the intro and the loading to
// the menu without a single error report, and ends with code 0 when the
// window is closed. Its two launch reports reach the test's own server,
// named in KORVALO_STATS_ENDPOINT.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "tests/support/http_server.h"
#include "tests/support/real_game.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

TEST(ExecutableTest, StartsToTheMenuWithoutReportsAndEndsCleanly) {
    if (!testsupport::RealGame::Built()) GTEST_SKIP() << "the game is not built";
    TestHttpServer stats;
    testsupport::RealGame game;
    game.Start({"SDL_VIDEODRIVER=dummy", "KORVALO_STATS_ENDPOINT=" + stats.Address()});
    // The logo stands 3 s, then the intro and 1.4 s of loading.
    std::this_thread::sleep_for(6s);
    ASSERT_TRUE(game.Running()) << "the game ended by itself";
    game.Signal(SIGTERM);  // the window manager's close
    EXPECT_EQ(game.Ended(30s), 0) << "wait status; -1: ran on";

    EXPECT_EQ(game.Errors(), "") << "the game reported something";
    EXPECT_TRUE(fs::exists(game.SettingsFile()));  // the launch was counted
    // The launch report (its own thread) and the loading's report, both
    // sent to this test's server and nowhere else.
    EXPECT_TRUE(stats.WaitForRequests(2, 10s));
    std::vector<std::string> requests = stats.Requests();
    std::sort(requests.begin(), requests.end());
    EXPECT_EQ(requests, (std::vector<std::string>{"GET /data.php?program=spusten&count=1 HTTP/1.1",
                                                  "GET /stats/data.php?program=spusteno HTTP/1.1"}));
}

}  // namespace
