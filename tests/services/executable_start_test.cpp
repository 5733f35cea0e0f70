// The real game executable started without a usable statistics library:
// a failed start, and the launcher that started it is told so.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>

#include "tests/support/real_game.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class GameStart : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testsupport::RealGame::Built()) GTEST_SKIP() << "the game executable is not built yet";
        // The executable is copied (it finds its libraries beside its real
        // path); the statistics library is left out.
        fs::copy_file(fs::path(testsupport::GameDir()) / "korvalo", exe_);
    }

    void ExpectCleanFailure(const std::string& message) {
        game_.UseExecutable(exe_.string());
        game_.Start({"SDL_VIDEODRIVER=dummy"});
        const int status = game_.Ended(60s);
        ASSERT_NE(status, -1) << "the game did not end within a minute";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status << game_.Errors();
        // No display: the box's text goes to stderr.
        EXPECT_NE(game_.Errors().find(message), std::string::npos) << game_.Errors();
        // The start ended before the launch was counted.
        EXPECT_FALSE(fs::exists(fs::path(game_.Folder()) / "Qalt")) << "launch counted";
    }

    testsupport::RealGame game_;
    fs::path exe_ = fs::path(game_.Folder()) / "korvalo";
};

TEST_F(GameStart, WithoutTheStatisticsLibraryEndsWithCodeOne) {
    ExpectCleanFailure("Nastala chyba v inicializaci programu, knihovna send.dll nebyla nactena");
}

TEST_F(GameStart, WithALibraryLackingTheEntryEndsWithCodeOne) {
    fs::copy_file(KORVALO_LIBRARY_WITHOUT_ENTRY, fs::path(game_.Folder()) / "libsend.so");
    ExpectCleanFailure("Knihovna send.dll neni platna!");
}

}  // namespace
