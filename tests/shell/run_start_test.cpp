// Starting a run from the depot: refused without a tram, the scene set up
// for the chosen line and tram, and every run starting from the same
// values whatever the one before left.
#include <gtest/gtest.h>

#include <vector>

#include "game/records.h"
#include "game/route.h"
#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class RunStartTest : public GameFixture {
protected:
    // Depot with the given career, then line `line` chosen.
    void DepotOn(int line, const SaveRecord& rec) {
        WriteSave(rec);
        StartToMenu();
        ContinueToDepot(*this);
        for (int i = 0; i < line; ++i) ui().Click("btnLinkaNext");
        ASSERT_EQ(g_selectedLine, line);
    }
};

// Every value the run set-up writes, widgets included.
std::vector<long> RunValues(TForm1& f) {
    std::vector<long> v = {
        g_targetSpeed, g_speed, g_carriedRun, g_runSeconds, g_stopIncome, g_menuMusicHold, g_doorsOpen,
        g_nearestDoorRight, g_nearestDoorLeft, g_spawnedCount, g_chosenCandidate, g_tmpClimbStep, g_tmpSeatStep,
        g_tmpExitRight, g_tmpExitLeft, g_tmpAlightStep, g_roll0, g_roll1, g_roll2, g_roll3, g_landscapeTileToggle,
        g_roadTileToggle, g_stopPlaced, g_accelDelay, g_lightPlaced, g_lightStepped, g_lightGauge, g_signPlaced,
        g_warningTimer, g_crossingPenalised, g_speedPenalised, g_wheelDelay, g_carSpawnCountdown, g_updateEnabled,
        g_paxEnabled, g_landscapeMoving, g_trafficEnabled, g_gateSpeedStep, g_gateWalk, g_gateStand, g_stopGauge,
        g_gateCarFrame, g_clockSeconds, g_gateTraffic, g_spawnTarget, g_stopDeparted, g_gateClock, g_stopServed,
        g_missedStopPenalised, g_streetMoving, g_runActive, g_line, g_sectionIndex, g_stopsRemaining,
        static_cast<long>(g_soundChannels[0].playing), static_cast<long>(g_soundChannels[1].playing)};
    for (int c : g_placeCandidate) v.push_back(c);
    for (const PersonRecord& p : g_persons)
        v.insert(v.end(), {p.state, p.stepsLeft, p.x, p.y, p.facing, p.standB, p.standC, p.walkFrame, p.placeX,
                           p.placeY, p.stopsToRide, p.doorGroup, p.walkDir, p.passengerClass});
    for (const PedestrianRecord& p : g_pedestrians)
        v.insert(v.end(), {p.active, p.walking, p.direction, p.appearance, p.x, p.y, p.standA, p.standB, p.standC,
                           p.walkFrame, p.row});
    for (const TControl* c : {static_cast<TControl*>(f.imgKrajina1), static_cast<TControl*>(f.imgKrajina2),
                              static_cast<TControl*>(f.imgSilnice1), static_cast<TControl*>(f.imgSilnice2),
                              static_cast<TControl*>(f.imgStanice), static_cast<TControl*>(f.imgStanice2),
                              static_cast<TControl*>(f.imgSemafor), static_cast<TControl*>(f.imgZnacka),
                              static_cast<TControl*>(f.imgPrechodProChodce), static_cast<TControl*>(f.imgTramvaj),
                              static_cast<TControl*>(f.imgTramvajPozadi)})
        v.insert(v.end(), {c->Left, c->Top});
    for (const TImage* d : f.imgDvere) v.insert(v.end(), {d->Left, d->Top});
    for (const TImage* w : f.imgKola) v.insert(v.end(), {w->Left, w->Top});
    for (const TControl* hidden : {static_cast<TControl*>(f.labPrijem), static_cast<TControl*>(f.panVarovani),
                                   static_cast<TControl*>(f.panVystrahaSemafor),
                                   static_cast<TControl*>(f.panVystrahaStanice)})
        v.push_back(hidden->Visible);
    v.push_back(f.tDvere->Enabled());
    return v;
}

TEST_F(RunStartTest, WithoutATramTheDepotStays) {
    DepotOn(0, Career(300, 0, 0, 0));
    TForm1& f = form();
    const bool tickBefore = f.tMainTimer->Enabled();
    sound.ClearLog();
    ui().Click("btnNovyKurs");
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Unklik.wav").size(), 1u);
    EXPECT_TRUE(f.panPrestavka->IsShowing());
    EXPECT_EQ(g_runActive, 0);
    EXPECT_EQ(f.tMainTimer->Enabled(), tickBefore);
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_stopsRemaining, 4);
    EXPECT_TRUE(sound.StartsOf("Zvuky//Pocasi//Vitr.wav").empty());
}

// A career may own a tram and have none chosen (an older or edited file):
// with no tram laid out there is nothing to drive until one is chosen.
TEST_F(RunStartTest, OwnedButUnchosenTramWaitsForAChoice) {
    DepotOn(0, Career(0, 1, 1, 0));
    ui().Click("btnNovyKurs");
    EXPECT_TRUE(form().panPrestavka->IsShowing());
    EXPECT_EQ(g_runActive, 0);

    ui().Click("btnTramvajNext");
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_runActive, 1);
    EXPECT_EQ(g_tramLayout.tramModel, 0);
}

TEST_F(RunStartTest, LineTwoStartsAtRowFourteenWithItsScene) {
    DepotOn(2, Career(0, 2, 2, 2, 2));
    ui().Click("btnNovyKurs");
    TForm1& f = form();

    EXPECT_EQ(g_line, 2);
    EXPECT_EQ(g_sectionIndex, 14);
    EXPECT_EQ(g_stopsRemaining, 12);
    EXPECT_EQ(PictureOf(*this, "imgKrajina1"), "Textures/Maps/Map502.bmp");
    EXPECT_EQ(PictureOf(*this, "imgSilnice1"), "Textures/Silnice/Silnice502.bmp");
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema2.bmp");
    EXPECT_EQ(PictureOf(*this, "imgDisplej1"), "Textures//Displeje//Displej2.bmp");
    EXPECT_EQ(PictureOf(*this, "imgTramvaj"), "Textures//Vozy//TKaroserie1.bmp");
    EXPECT_EQ(PictureOf(*this, "imgDvere6"), "Textures//Dvere//10.bmp");
    EXPECT_EQ(PictureOf(*this, "imgKola1"), "Textures//Kola//10.bmp");

    EXPECT_EQ(g_gateSpeedStep, 4);
    EXPECT_EQ(g_gateWalk, 6);
    EXPECT_EQ(g_gateStand, 6);
    EXPECT_EQ(g_gateCarFrame, 2);
    EXPECT_EQ(g_gateTraffic, 40);
    EXPECT_EQ(g_gateClock, 40);
    EXPECT_EQ(g_lightPlaced, 1);
    EXPECT_EQ(g_warningTimer, -1);
    EXPECT_EQ(g_carSpawnCountdown, g_route[14].traffic);

    EXPECT_EQ(f.imgKrajina1->Left, -130);
    EXPECT_EQ(f.imgSilnice2->Left, f.imgSilnice1->Width - 2);
    EXPECT_EQ(f.imgTramvaj->Left, g_tramLayout.bodyX);
    EXPECT_EQ(f.imgDvere[0]->Left, g_tramLayout.doors[0][0]);

    EXPECT_FALSE(f.panPrestavka->Visible);
    EXPECT_FALSE(f.panMainMenu->Visible);
    EXPECT_TRUE(f.Shape1->Visible);
    EXPECT_TRUE(f.tMainTimer->Enabled());
    EXPECT_TRUE(f.btnSpeed60->Enabled);
    EXPECT_EQ(g_runActive, 1);
    EXPECT_EQ(g_menuMusicHold, 0);

    // Row 14 has traffic 5: the street noise Doprava1 on channel 2, wind on 3.
    const auto* traffic = sound.Find(static_cast<int>(g_soundChannels[2].handle));
    ASSERT_NE(traffic, nullptr);
    EXPECT_EQ(traffic->path, "Zvuky//Traffic//Doprava1.wav");
    EXPECT_EQ(traffic->loop, 1);
    EXPECT_FLOAT_EQ(traffic->volume, 0.3f);
    const auto* wind = sound.Find(static_cast<int>(g_soundChannels[3].handle));
    ASSERT_NE(wind, nullptr);
    EXPECT_EQ(wind->path, "Zvuky//Pocasi//Vitr.wav");
    EXPECT_FLOAT_EQ(wind->volume, 1.0f);

    // The first tick sees a whole set-up and the drive begins.
    ui().Key('t');
    EXPECT_EQ(g_targetSpeed, 60);
    ui().Advance(3000);
    EXPECT_GT(g_speed, 0);
}

TEST_F(RunStartTest, TwoRunsInARowStartFromIdenticalValues) {
    DepotOn(0, Career(0, 1, 1, 1));
    ui().Click("btnNovyKurs");
    const std::vector<long> first = RunValues(form());

    // Drive a while, open the doors at whatever stop, then give up.
    ui().Key('t');
    ui().Advance(20000);
    ui().Key('q');
    ui().Advance(8000);
    ui().Key('d');
    ui().Advance(400);
    ASSERT_NE(RunValues(form()), first);
    ui().Click("BitBtn1");
    ui().Advance(2000);  // a door movement under way finishes behind the menu
    ContinueToDepot(*this);
    ui().Click("btnNovyKurs");

    EXPECT_EQ(RunValues(form()), first);
}

}  // namespace
