// The switch to full screen on the screens a player may have.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace {

class DisplayModeTest : public GameFixture {
protected:
    std::vector<std::string> SwitchOn(std::vector<DisplayMode> modes) {
        display.modes = std::move(modes);
        CreateForm();
        return display.calls;
    }
};

using Calls = std::vector<std::string>;

TEST_F(DisplayModeTest, ScreenWith1024x768IsSwitchedToExactlyThatMode) {
    EXPECT_EQ(SwitchOn({{800, 600, 32}, {1024, 768, 16}, {1024, 768, 32}, {1280, 1024, 32}}),
              (Calls{"Create", "SetCooperativeLevel 0x11", "SetDisplayMode 1024x768x32 ok"}));
    EXPECT_EQ(g_fallbackModeWidth, 0);
    EXPECT_EQ(g_fallbackModeHeight, 0);
}

TEST_F(DisplayModeTest, WithoutItTheFirstLargerListedModeIsSetAt32Bits) {
    // The first large enough mode wins whatever its depth and however
    // large it is: 1280 x 1024 is listed (at 16 bits) before 1600 x 1200.
    EXPECT_EQ(SwitchOn({{640, 480, 32}, {1024, 600, 32}, {1280, 1024, 16}, {1600, 1200, 32}, {1280, 1024, 32}}),
              (Calls{"Create", "SetCooperativeLevel 0x11", "SetDisplayMode 1024x768x32 failed", "EnumDisplayModes",
                     "SetDisplayMode 1280x1024x32 ok"}));
    EXPECT_EQ(g_fallbackModeWidth, 1280);
    EXPECT_EQ(g_fallbackModeHeight, 1024);
    EXPECT_EQ(display.modesListed, 3) << "the listing stops at the first match";
}

TEST_F(DisplayModeTest, ScreenNoLargerThan800x600StaysInItsMode) {
    EXPECT_EQ(SwitchOn({{640, 480, 32}, {800, 600, 32}}),
              (Calls{"Create", "SetCooperativeLevel 0x11", "SetDisplayMode 1024x768x32 failed", "EnumDisplayModes"}));
    EXPECT_EQ(g_fallbackModeWidth, 0);
    EXPECT_EQ(display.setModeCalls.size(), 1u);
    StartToMenu();  // and the game runs all the same
}

TEST_F(DisplayModeTest, RefusedDisplayOrFullScreenSkipsTheSwitchSilently) {
    display.failCreate = true;
    EXPECT_EQ(SwitchOn({{1024, 768, 32}}), (Calls{"Create failed"}));
    StartToMenu();
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

TEST_F(DisplayModeTest, RefusedFullScreenSkipsTheModeSetting) {
    display.failCooperativeLevel = true;
    EXPECT_EQ(SwitchOn({{1024, 768, 32}}), (Calls{"Create", "SetCooperativeLevel 0x11 failed"}));
    EXPECT_TRUE(display.setModeCalls.empty());
}

}  // namespace
