// The speed and door keys during a run, and the traffic light's cycle.
#include <gtest/gtest.h>

#include <map>

#include "tests/shell/shell_support.h"
#include "tests/support/run_fixture.h"

using namespace shell_test;

namespace {

class ControlsTest : public GameFixture {};

class SpeedKeysTest : public RunFixture {
protected:
    // Ticks until a speed step has just run, so the next comes 4 ticks on.
    void AfterASpeedStep() {
        while (g_gateSpeedStep != 0) Tick();
        Tick();
    }
    // The tick (counted from now) at which each speed is reached, up to
    // `ticks`; what the street and the landscape moved in the ticks at
    // each speed.
    void Drive(int ticks) {
        for (int t = 1; t <= ticks; ++t) {
            const int speed = g_speed;
            const int pole = form().imgSloup1->Left, tile = form().imgKrajina1->Left;
            const int32 section = g_sectionIndex;
            g_stopServed = 1;  // no stop passed unserved brings the tram to a halt
            Tick();
            if (g_speed != speed) reachedAt[g_speed] = t;
            if (g_sectionIndex != section) {  // the new tile lies over the old where they overlap
                TImage* fresh = g_landscapeTileToggle == 1 ? form().imgKrajina2 : form().imgKrajina1;
                TImage* old = fresh == form().imgKrajina1 ? form().imgKrajina2 : form().imgKrajina1;
                EXPECT_GT(fresh->StackIndex(), old->StackIndex()) << "row " << g_sectionIndex;
            }
            // A pole or tile put back ahead is no scroll.
            if (form().imgSloup1->Left <= pole) streetStep[speed] = pole - form().imgSloup1->Left;
            if (form().imgKrajina1->Left <= tile) landscapeStep[speed] = tile - form().imgKrajina1->Left;
        }
    }
    std::map<int, int> reachedAt, streetStep, landscapeStep;
};

// Each key's target, and the speed steps (4 ticks each) before its first
// +1 km/h; the higher the target, the later the tram starts.
TEST_F(SpeedKeysTest, EachKeySetsItsTargetAndTheWaitForTheFirstStep) {
    const std::pair<char, int> keys[] = {{'w', 15}, {'e', 30}, {'r', 45}, {'t', 60}};
    for (int k = 0; k < 4; ++k) {
        const auto [key, target] = keys[k];
        SCOPED_TRACE(key);
        StartRun();
        AfterASpeedStep();
        ui().Key(key);
        EXPECT_EQ(form().labZrychlitNa->Caption(), std::to_string(target));
        reachedAt.clear();
        Drive(4 * (k + 1));
        EXPECT_EQ(reachedAt, (std::map<int, int>{{1, 4 * (k + 1)}}));
        EXPECT_EQ(form().labAktualniRychlost->Caption(), "1");
    }
    ui().Key('q');
    EXPECT_EQ(form().labZrychlitNa->Caption(), "0");
}

// T from a standstill: 60 km/h after 856 ticks; meanwhile the street
// scrolls by its 5 km/h band and the landscape by its three steps.
TEST_F(SpeedKeysTest, StreetAndLandscapeScrollByTheSpeedAtEachEdge) {
    StartRun();
    AfterASpeedStep();
    ui().Key('t');
    Drive(900);
    EXPECT_EQ(reachedAt[60], 856);
    for (auto [speed, px] : {std::pair{1, 1}, {5, 1}, {6, 2}, {30, 6}, {31, 7}, {45, 9}, {46, 10}, {59, 12}, {60, 12}})
        EXPECT_EQ(streetStep[speed], px) << speed << " km/h";
    for (auto [speed, px] : {std::pair{1, 1}, {30, 1}, {31, 2}, {45, 2}, {46, 3}, {60, 3}})
        EXPECT_EQ(landscapeStep[speed], px) << speed << " km/h";
}

TEST_F(SpeedKeysTest, LeavingASectionAtItsLimitCostsNothing) {
    StartRun();
    g_speed = g_targetSpeed = 45;
    g_sectionIndex = 4;  // limit 45
    form().imgKrajina1->Left = 1299 - form().imgKrajina1->Width;
    const int32 money = g_money;
    Tick();
    EXPECT_EQ(g_sectionIndex, 5);
    EXPECT_EQ(g_money, money);
}

TEST_F(ControlsTest, DoorKeyPlaysTheDoorSoundOnce) {
    DepotWith(*this, Career(0, 1, 1, 1));
    ui().Click("btnNovyKurs");
    TForm1& f = form();
    f.btnDvere->Enabled = true;  // as the tick has it at a stop
    ui().Key('d');
    ui().Key('d');  // the button is off until the tick enables it again
    const auto opens = sound.StartsOf("Zvuky//Tramvaje//DvereOpen.wav");
    ASSERT_EQ(opens.size(), 1u);
    EXPECT_FLOAT_EQ(opens[0].value, 0.5f);
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
