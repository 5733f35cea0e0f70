// The speed and door keys during a run, and the traffic light's own cycle.
#include <gtest/gtest.h>

#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class ControlsTest : public GameFixture {
protected:
    void StartRun() {
        WriteSave(Career(0, 1, 1, 1));
        StartToMenu();
        ContinueToDepot(*this);
        ui().Click("btnNovyKurs");
        ASSERT_EQ(g_runActive, 1);
    }
};

TEST_F(ControlsTest, SpeedKeysSetTheTargetAndTheCountdown) {
    StartRun();
    struct Press {
        char key;
        int target;
        int accelDelay;
    };
    g_accelDelay = 7;
    for (const Press& p : {Press{'q', 0, 7}, Press{'w', 15, 1}, Press{'e', 30, 2}, Press{'r', 45, 3},
                           Press{'t', 60, 4}, Press{'q', 0, 4}}) {
        ui().Key(p.key);
        EXPECT_EQ(g_targetSpeed, p.target) << p.key;
        EXPECT_EQ(g_accelDelay, p.accelDelay) << p.key;
        EXPECT_EQ(Caption(*this, "labZrychlitNa"), std::to_string(p.target)) << p.key;
    }
}

TEST_F(ControlsTest, KeysDoNothingInTheDepot) {
    WriteSave(Career(0, 1, 1, 1));
    StartToMenu();
    ContinueToDepot(*this);
    ui().Key('t');
    EXPECT_EQ(g_targetSpeed, 0);
}

TEST_F(ControlsTest, DoorKeyPlaysTheSoundOfTheDoorsStateAndStartsTheDoorTimer) {
    StartRun();
    TForm1& f = form();
    f.btnDvere->Enabled = true;  // as the tick enables it at a stop
    sound.ClearLog();
    ui().Key('d');
    ASSERT_EQ(sound.StartsOf("Zvuky//Tramvaje//DvereOpen.wav").size(), 1u);
    EXPECT_FLOAT_EQ(sound.StartsOf("Zvuky//Tramvaje//DvereOpen.wav")[0].value, 0.5f);
    EXPECT_TRUE(f.tDvere->Enabled());
    EXPECT_FALSE(f.btnDvere->Enabled);
    ui().Key('d');  // a disabled button ignores its key
    EXPECT_EQ(sound.StartsOf("Zvuky//Tramvaje//DvereOpen.wav").size(), 1u);

    g_doorsOpen = 1;
    f.btnDvere->Enabled = true;
    f.tDvere->SetEnabled(false);
    ui().Key('d');
    EXPECT_EQ(sound.StartsOf("Zvuky//Tramvaje//DvereClose.wav").size(), 1u);
    EXPECT_TRUE(f.tDvere->Enabled());
}

TEST_F(ControlsTest, LightChangesAfterThirtyThirtySixFiftyOneAndSeventySixSeconds) {
    StartToMenu();  // the light cycles in the menu too
    TForm1& f = form();
    struct Change {
        std::int64_t atMs;
        int phase;
    };
    for (const Change& c : {Change{30000, 1}, Change{36000, 2}, Change{51000, 0}, Change{76000, 1}}) {
        ui().Advance(c.atMs - 1 - ui().Now());
        EXPECT_NE(g_lightPhase, c.phase) << "before " << c.atMs;
        ui().Advance(1);
        EXPECT_EQ(g_lightPhase, c.phase) << "at " << c.atMs;
        EXPECT_EQ(PictureOf(*this, "imgSemafor"), "Textures//Semafory//Semafor" + std::to_string(c.phase) + ".bmp");
        EXPECT_EQ(PictureOf(*this, "imgVystraha"),
                  "Textures//Semafory//MalySemafor" + std::to_string(c.phase) + ".bmp");
    }
    EXPECT_EQ(f.tSemafor->Interval(), 6000);
}

TEST_F(ControlsTest, RunStartLeavesTheLightAsItIs) {
    WriteSave(Career(0, 1, 1, 1));
    StartToMenu();
    ui().Advance(40000 - ui().Now());
    ASSERT_EQ(g_lightPhase, 2);
    ContinueToDepot(*this);
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_lightPhase, 2);
    ui().Advance(11000);
    EXPECT_EQ(g_lightPhase, 0);
}

}  // namespace
