// The speed and door keys during a run, and the traffic light's cycle.
#include <gtest/gtest.h>

#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class ControlsTest : public GameFixture {};

TEST_F(ControlsTest, KeysRecordTheDriversWish) {
    DepotWith(*this, Career(0, 1, 1, 1));
    ui().Click("btnNovyKurs");
    g_accelDelay = 7;
    ui().Key('q');  // stops without touching the countdown
    EXPECT_EQ(g_accelDelay, 7);
    ui().Key('r');
    EXPECT_EQ(g_targetSpeed, 45);
    EXPECT_EQ(g_accelDelay, 3);
    EXPECT_EQ(Caption(*this, "labZrychlitNa"), "45");

    TForm1& f = form();
    f.btnDvere->Enabled = true;  // as the tick has it at a stop
    ui().Key('d');
    ui().Key('d');  // the button is off until the tick enables it again
    EXPECT_EQ(sound.StartsOf("Zvuky//Tramvaje//DvereOpen.wav").size(), 1u);
    EXPECT_TRUE(f.tDvere->Enabled());
}

TEST_F(ControlsTest, LightChangesAfterThirtyThirtySixFiftyOneAndSeventySixSeconds) {
    StartToMenu();  // the light cycles in the menu too
    for (auto [atMs, phase] : {std::pair{30000, 1}, std::pair{36000, 2}, std::pair{51000, 0}, std::pair{76000, 1}}) {
        ui().Advance(atMs - 1 - ui().Now());
        EXPECT_NE(g_lightPhase, phase) << "before " << atMs;
        ui().Advance(1);
        EXPECT_EQ(g_lightPhase, phase) << "at " << atMs;
        EXPECT_EQ(PictureOf(*this, "imgVystraha"), "Textures//Semafory//MalySemafor" + std::to_string(phase) + ".bmp");
    }
}

}  // namespace
