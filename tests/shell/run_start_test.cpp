// Starting a run from the depot: refused without a tram, the scene set up
// for line and tram, and every run starting from the same values.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "game/records.h"
#include "game/route.h"
#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class RunStartTest : public GameFixture {};

// Every value the run set-up writes (the figures' records as raw bytes),
// and where it puts the scenery and the tram.
std::vector<long> RunValues(TForm1& f) {
    std::vector<long> v = {
        g_targetSpeed, g_speed, g_carriedRun, g_runSeconds, g_stopIncome, g_menuMusicHold, g_doorsOpen,
        g_nearestDoorRight, g_nearestDoorLeft, g_spawnedCount, g_chosenCandidate, g_tmpClimbStep, g_tmpSeatStep,
        g_tmpExitRight, g_tmpExitLeft, g_tmpAlightStep, g_roll0, g_roll1, g_roll2, g_roll3, g_landscapeTileToggle,
        g_roadTileToggle, g_stopPlaced, g_accelDelay, g_lightPlaced, g_lightStepped, g_lightGauge, g_signPlaced,
        g_warningTimer, g_crossingPenalised, g_speedPenalised, g_wheelDelay, g_carSpawnCountdown, g_updateEnabled,
        g_paxEnabled, g_landscapeMoving, g_trafficEnabled, g_gateSpeedStep, g_gateWalk, g_gateStand, g_stopGauge,
        g_gateCarFrame, g_clockSeconds, g_gateTraffic, g_spawnTarget, g_stopDeparted, g_gateClock, g_stopServed,
        g_missedStopPenalised, g_streetMoving, g_sectionIndex, g_stopsRemaining, f.tDvere->Enabled(),
        f.panVarovani->Visible, f.labPrijem->Visible};
    v.insert(v.end(), std::begin(g_placeCandidate), std::end(g_placeCandidate));
    const auto* persons = reinterpret_cast<const unsigned char*>(g_persons);
    const auto* walkers = reinterpret_cast<const unsigned char*>(g_pedestrians);
    v.insert(v.end(), persons, persons + sizeof g_persons);
    v.insert(v.end(), walkers, walkers + sizeof g_pedestrians);
    for (TControl* c : std::vector<TControl*>{f.imgKrajina1, f.imgKrajina2, f.imgSilnice1, f.imgSilnice2,
                                              f.imgStanice, f.imgSemafor, f.imgZnacka, f.imgTramvaj,
                                              f.imgDvere[0], f.imgDvere[5], f.imgKola[3]})
        v.insert(v.end(), {c->Left, c->Top});
    return v;
}

TEST_F(RunStartTest, WithoutATramTheDepotStays) {
    DepotWith(*this, Career(300, 0, 0, 0));
    ui().Click("btnNovyKurs");
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Unklik.wav").size(), 1u);
    EXPECT_TRUE(form().panPrestavka->IsShowing());
    EXPECT_EQ(g_runActive, 0);
    EXPECT_TRUE(sound.StartsOf("Zvuky//Pocasi//Vitr.wav").empty());
}

// An owned tram that is not chosen (an edited file) has no layout to
// drive with: the start waits until the player chooses one.
TEST_F(RunStartTest, OwnedButUnchosenTramWaitsForAChoice) {
    DepotWith(*this, Career(0, 1, 1, 0));
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_runActive, 0);
    ui().Click("btnTramvajNext");
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_runActive, 1);
}

TEST_F(RunStartTest, LineTwoStartsAtRowFourteenWithItsScene) {
    DepotWith(*this, Career(0, 2, 2, 2, 2));
    ui().Click("btnLinkaNext");
    ui().Click("btnLinkaNext");
    ui().Click("btnNovyKurs");
    TForm1& f = form();

    EXPECT_EQ(g_sectionIndex, 14);
    EXPECT_EQ(g_stopsRemaining, 12);
    EXPECT_EQ(PictureOf(*this, "imgKrajina1"), "Textures/Maps/Map502.bmp");
    EXPECT_EQ(PictureOf(*this, "imgSilnice1"), "Textures/Silnice/Silnice502.bmp");
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema2.bmp");
    EXPECT_EQ(PictureOf(*this, "imgDvere6"), "Textures//Dvere//10.bmp");
    const std::vector<int32> gates = {g_gateSpeedStep, g_gateWalk, g_gateStand, g_gateCarFrame, g_gateTraffic, g_gateClock};
    EXPECT_EQ(gates, (std::vector<int32>{4, 6, 6, 2, 40, 40}));
    EXPECT_EQ(g_lightPlaced, 1);
    EXPECT_EQ(f.imgTramvaj->Left, g_tramLayout.bodyX);
    EXPECT_FALSE(f.panPrestavka->Visible);
    EXPECT_EQ(sound.Find(static_cast<int>(g_soundChannels[2].handle))->path, "Zvuky//Traffic//Doprava1.wav");
    EXPECT_EQ(sound.Find(static_cast<int>(g_soundChannels[3].handle))->path, "Zvuky//Pocasi//Vitr.wav");

    ui().Key('t');  // the tick takes over
    ui().Advance(3000);
    EXPECT_GT(g_speed, 0);
}

TEST_F(RunStartTest, TwoRunsInARowStartFromIdenticalValues) {
    DepotWith(*this, Career(0, 1, 1, 1));
    ui().Click("btnNovyKurs");
    const std::vector<long> first = RunValues(form());

    ui().Key('t');  // drive a while, stop, open the doors, give up
    ui().Advance(20000);
    ui().Key('q');
    ui().Advance(8000);
    form().btnDvere->Enabled = true;
    ui().Key('d');
    ui().Advance(400);
    ASSERT_NE(RunValues(form()), first);
    ui().Click("BitBtn1");
    ui().Advance(2000);  // the door movement ends behind the menu
    ui().Click("labMenu3");
    ui().Click("btnNovyKurs");
    EXPECT_EQ(RunValues(form()), first);
}

}  // namespace
