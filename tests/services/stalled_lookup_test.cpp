// The launch reports to a statistics host given by name whose lookup
// never answers (a name server that is not there): each report still
// gives up within its time limits, the intro goes on to the main menu and
// a signal ends the game as promptly as with a refused port.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/real_game.h"

using namespace std::chrono_literals;
using testsupport::RealGame;

namespace {

// What the game is started with: the stalling lookup preloaded, behind
// the sanitizer runtime when the game has one (it must come first);
// empty when that runtime cannot be found.
std::string Preload() {
#if defined(__SANITIZE_ADDRESS__)
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto path = line.find('/');
        if (path != std::string::npos && line.find("/libasan.so", path) != std::string::npos)
            return "LD_PRELOAD=" + line.substr(path) + " " + KORVALO_STALLED_LOOKUP;
    }
    return "";
#else
    return std::string("LD_PRELOAD=") + KORVALO_STALLED_LOOKUP;
#endif
}

class StalledLookup : public ::testing::Test {
protected:
    void SetUp() override {
        if (!RealGame::Built()) GTEST_SKIP() << "the game is not built";
        if (Preload().empty()) GTEST_SKIP() << "the sanitizer runtime to preload first was not found";
        game_.Start({"SDL_VIDEODRIVER=dummy", Preload(), "KORVALO_STATS_ENDPOINT=http://reports.stall.test:8080",
                     "KORVALO_LOOP_STATS=" + Stats()});
        ASSERT_TRUE(game_.WaitForLaunch()) << game_.Errors();
    }

    std::string Stats() const { return game_.Folder() + "/loop.txt"; }
    // The lookups that have started to wait: the first is the launch
    // report's thread, the second the intro's report on the game's own.
    int Stalls() const {
        const std::string err = game_.Errors();
        int n = 0;
        for (auto at = err.find("stalled lookup"); at != std::string::npos; at = err.find("stalled lookup", at + 1))
            ++n;
        return n;
    }
    // The loading sequence has run all its 44 steps: the main menu is up.
    bool AtTheMenu() const {
        return testsupport::ReadFile(Stats()).find(" tStart=44") != std::string::npos;
    }

    RealGame game_;
};

// The lookups stall for a minute; the menu follows the 3 s logo and the
// report's 2 s connect limit.
TEST_F(StalledLookup, TheIntroGoesOnToTheMenuWithinTheReportLimit) {
    ASSERT_TRUE(testsupport::WaitUntil([&] { return Stalls() >= 2; }, 30s)) << game_.Errors();
    EXPECT_TRUE(testsupport::WaitUntil([&] { return AtTheMenu(); }, 20s))
        << "the intro stood still on its report\n" << testsupport::ReadFile(Stats());
}

TEST_F(StalledLookup, ASignalWhileTheIntroWaitsOnItsReportEndsTheGame) {
    ASSERT_TRUE(testsupport::WaitUntil([&] { return Stalls() >= 2; }, 30s)) << game_.Errors();
    game_.Signal(SIGTERM);
    EXPECT_EQ(game_.Ended(10s), 0) << "wait status; -1: ran on";
}

}  // namespace
