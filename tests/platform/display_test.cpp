// The SDL display service and the real back end's loop, run on SDL's
// dummy video driver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sdl_backend.h"
#include "platform/sdl_display.h"
#include "platform/vcl.h"

namespace {

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
