// The window's content on SDL's dummy video driver (no graphics card, so
// the window's own framebuffer): the playing area scaled and centred, only
// the changed rectangles brought up to date, mouse positions mapped back.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/sdl_screen.h"

namespace {

class SdlScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        for (size_t i = 0; i < fb.pixels.size(); ++i)
            fb.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    }
    void TearDown() override {
        screen.Close();
        if (window) SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    void Open(int w, int h) {
        window = SDL_CreateWindow("test", 0, 0, w, h, SDL_WINDOW_HIDDEN);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        ASSERT_TRUE(screen.Open(window)) << SDL_GetError();
        ASSERT_TRUE(screen.UsesWindowSurface());
    }
    FrameBuffer Shown() {
        FrameBuffer out;
        EXPECT_TRUE(screen.Capture(&out));
        return out;
    }

    SDL_Window* window = nullptr;
    SdlScreen screen;
    FrameBuffer fb;
};

TEST_F(SdlScreenTest, AtThePlayingAreasSizeTheWindowShowsTheFrameAsItIs) {
    Open(kScreenWidth, kScreenHeight);
    ASSERT_TRUE(screen.Show(fb, {}));  // the first frame is whole
    EXPECT_EQ(Shown().pixels, fb.pixels);
    // Nothing changed: nothing to show.
    EXPECT_FALSE(screen.Show(fb, {}));
    // Changed in two places, only those handed over.
    const std::vector<std::uint32_t> before = fb.pixels;
    for (int y = 100; y < 140; ++y)
        for (int x = 30; x < 90; ++x) fb.pixels[y * kScreenWidth + x] = 0x123456;
    fb.pixels[767 * kScreenWidth + 1023] = 0xABCDEF;
    ASSERT_TRUE(screen.Show(fb, {{30, 100, 90, 140}, {1023, 767, 1024, 768}}));
    EXPECT_EQ(Shown().pixels, fb.pixels);
    // A change not handed over does not reach the window.
    fb.pixels[0] = ~fb.pixels[0] & 0xFFFFFF;
    ASSERT_TRUE(screen.Show(fb, {{500, 500, 501, 501}}));
    EXPECT_EQ(Shown().At(0, 0), before[0]);
    int x = 700, y = 300;
    screen.ToPlayingArea(&x, &y);
    EXPECT_EQ(x, 700);
    EXPECT_EQ(y, 300);
}

TEST_F(SdlScreenTest, OnAWideScreenTheAreaIsScaledCentredAndUpdatedLikeAWholeFrame) {
    // 1920 x 1080: the area is 1440 x 1080 between black bars of 240.
    Open(1920, 1080);
    ASSERT_TRUE(screen.Show(fb, {}));
    FrameBuffer whole = Shown();
    ASSERT_EQ(whole.width, 1920);
    EXPECT_EQ(whole.At(0, 540), 0u);
    EXPECT_EQ(whole.At(1919, 540), 0u);
    EXPECT_EQ(whole.At(239, 0), 0u);
    // Nearest pixels: window pixel (240 + X, Y) shows source (X / 1.40625, Y / 1.40625).
    for (int wy = 0; wy < 1080; wy += 37)
        for (int wx = 240; wx < 1680; wx += 41) {
            int sx = static_cast<int>(((wx - 240) + 0.5) / 1.40625), sy = static_cast<int>((wy + 0.5) / 1.40625);
            ASSERT_EQ(whole.At(wx, wy), fb.At(sx, sy)) << wx << "," << wy;
        }
    // Small changes scaled into the window match a whole new frame there.
    for (int y = 200; y < 213; ++y)
        for (int x = 333; x < 341; ++x) fb.pixels[y * kScreenWidth + x] ^= 0x808080;
    ASSERT_TRUE(screen.Show(fb, {{333, 200, 341, 213}}));
    FrameBuffer partial = Shown();
    screen.WindowChanged();
    ASSERT_TRUE(screen.Show(fb, {}));
    EXPECT_EQ(partial.pixels, Shown().pixels);
    // The mouse: window positions back into the area, outside it off its edges.
    int x = 240 + 1439, y = 1079;
    screen.ToPlayingArea(&x, &y);
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);
    x = 100, y = 0;
    screen.ToPlayingArea(&x, &y);
    EXPECT_LT(x, 0);
    EXPECT_EQ(y, 0);
}

// Painted in place: the window's own pixels take the frame one to one,
// with black bars where the window is wider than the area; a scaled
// window refuses, and frames then take the copying way.
TEST_F(SdlScreenTest, UnscaledTheFrameIsPaintedInTheWindowItself) {
    // 1100 x 768: unscaled, 38 black columns on either side.
    Open(1100, 768);
    PixelRows rows;
    ASSERT_TRUE(screen.BeginInPlace(&rows));
    for (int y = 0; y < kScreenHeight; ++y)
        std::copy_n(&fb.pixels[static_cast<size_t>(y) * kScreenWidth], kScreenWidth, rows.Row(y));
    ASSERT_TRUE(screen.ShowInPlace({}));  // the first frame is whole
    FrameBuffer shown = Shown();
    ASSERT_EQ(shown.width, 1100);
    EXPECT_EQ(shown.At(37, 300), 0u);
    EXPECT_EQ(shown.At(1062, 300), 0u);
    for (int y = 0; y < kScreenHeight; y += 7)
        for (int x = 0; x < kScreenWidth; x += 5) ASSERT_EQ(shown.At(38 + x, y), fb.At(x, y)) << x << "," << y;
    EXPECT_EQ(shown.At(38 + 1023, 767), fb.At(1023, 767));
    // Nothing handed over: nothing to show; a painted rectangle shows.
    ASSERT_TRUE(screen.BeginInPlace(&rows));
    EXPECT_FALSE(screen.ShowInPlace({}));
    ASSERT_TRUE(screen.BeginInPlace(&rows));
    rows.Row(767)[1023] = 0xABCDEF;
    ASSERT_TRUE(screen.ShowInPlace({{1023, 767, 1024, 768}}));
    EXPECT_EQ(Shown().At(38 + 1023, 767), 0xABCDEFu);
}

TEST_F(SdlScreenTest, AScaledWindowIsNotPaintedInPlace) {
    Open(1920, 1080);
    PixelRows rows;
    EXPECT_FALSE(screen.BeginInPlace(&rows));
}

}  // namespace
