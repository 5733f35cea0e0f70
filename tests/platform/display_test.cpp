// The display services (fake and SDL) and the real back end's loop, run
// on SDL's dummy video driver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/fake_display.h"
#include "platform/sdl_backend.h"
#include "platform/sdl_display.h"
#include "platform/vcl.h"

namespace {

TEST(FakeDisplay, ListsModesInItsOrderUntilTheCallbackStops) {
    FakeDisplay display({{800, 600, 32}, {1280, 1024, 16}, {1600, 1200, 32}});
    std::vector<unsigned> seen;
    ASSERT_TRUE(display.Create());
    display.EnumDisplayModes([&](const DisplayMode& m) {
        seen.push_back(m.width);
        return m.width < 1024 ? DDENUMRET_OK : DDENUMRET_CANCEL;
    });
    EXPECT_EQ(seen, (std::vector<unsigned>{800, 1280}));
    EXPECT_EQ(display.modesListed, 2);
}

TEST(FakeDisplay, EachStepCanFailAndEveryCallIsLogged) {
    FakeDisplay display({{1024, 768, 32}});
    display.failCooperativeLevel = true;
    EXPECT_TRUE(display.Create());
    EXPECT_FALSE(display.SetCooperativeLevel(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));
    EXPECT_FALSE(display.SetDisplayMode(1024, 768, 32));  // not exclusive
    display.failCooperativeLevel = false;
    EXPECT_TRUE(display.SetCooperativeLevel(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));
    EXPECT_FALSE(display.SetDisplayMode(1280, 1024, 32));  // not listed
    EXPECT_TRUE(display.SetDisplayMode(1024, 768, 32));
    EXPECT_EQ(display.current.width, 1024u);
    display.failSetMode = true;
    EXPECT_FALSE(display.SetDisplayMode(1024, 768, 32));
    EXPECT_EQ(display.setModeCalls.size(), 4u);
    EXPECT_EQ(display.calls, (std::vector<std::string>{
                                 "Create", "SetCooperativeLevel 0x11 failed", "SetDisplayMode 1024x768x32 failed",
                                 "SetCooperativeLevel 0x11", "SetDisplayMode 1280x1024x32 failed",
                                 "SetDisplayMode 1024x768x32 ok", "SetDisplayMode 1024x768x32 failed"}));
    FakeDisplay broken;
    broken.failCreate = true;
    EXPECT_FALSE(broken.Create());
}

class SdlTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("KORVALO_WINDOWED", "1", 1);
    }
    void TearDown() override {
        unsetenv("KORVALO_WINDOWED");
        Application->Reset();
        Application->SetBackend(nullptr);
    }
};

TEST_F(SdlTest, TheDisplayOffersTheModeTheGameAsksFor) {
    SdlBackend backend;
    ASSERT_TRUE(backend.Open());
    IDisplay& display = backend.Display();
    ASSERT_TRUE(display.Create());
    int modes = 0;
    display.EnumDisplayModes([&](const DisplayMode& m) {
        EXPECT_GT(m.width, 0u);
        ++modes;
        return DDENUMRET_OK;
    });
    EXPECT_GT(modes, 0);
    EXPECT_TRUE(display.SetCooperativeLevel(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));
    EXPECT_TRUE(display.SetDisplayMode(1024, 768, 32));
}

TEST_F(SdlTest, TheLoopRunsTimersPresentsFramesAndEndsWhenTheFormCloses) {
    SdlBackend backend;
    ASSERT_TRUE(backend.Open());
    Application->SetBackend(&backend);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Color = clMaroon;
    auto* tick = new TTimer(form, "tMainTimer");
    tick->SetInterval(10);
    int ticks = 0;
    tick->OnTimer = [&](TObject*) {
        // A failing handler must not stop the loop.
        if (++ticks == 3) throw EFOpenError("missing.bmp");
        if (ticks == 20) form->Close();
    };
    Application->Run();
    EXPECT_EQ(ticks, 20);
    EXPECT_GE(Application->Scheduler().Now(), 190);
    EXPECT_GT(backend.FramesPresented(), 0);
    EXPECT_EQ(Application->Reports().size(), 1u);
    // The window shows the form's colour, not a blank texture.
    FrameBuffer shown;
    ASSERT_TRUE(backend.CaptureWindow(&shown));
    EXPECT_EQ(shown.At(shown.width / 2, shown.height / 4), ColorToRgb(clMaroon));
}

}  // namespace
