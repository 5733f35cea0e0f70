// The run set-up: the one place where a run's state is made fresh, so two
// runs on the same line and tram start from identical values whatever the
// previous run left.
#include "app/form1.h"
#include "game/controls.h"
#include "game/depot.h"
#include "game/menu_sound.h"
#include "game/records.h"
#include "game/route.h"
#include "game/run_start.h"
#include "game/state.h"
#include "game/tram_layout.h"

namespace {

constexpr int kLandscapeOverlap = 130;
constexpr int kRoadOverlap = 2;

constexpr int kTrafficChannel = 2;
constexpr int kWindChannel = 3;

void ResetRunValues(const RouteSection& sec) {
    g_doorsOpen = 0;
    g_nearestDoorRight = 0;
    g_nearestDoorLeft = 0;
    g_spawnedCount = 0;
    for (int32& candidate : g_placeCandidate) candidate = -1;
    g_chosenCandidate = -1;
    for (int32* scratch : {&g_tmpClimbStep, &g_tmpSeatStep, &g_tmpExitRight, &g_tmpExitLeft, &g_tmpAlightStep,
                           &g_roll0, &g_roll1, &g_roll2, &g_roll3})
        *scratch = 0;

    g_landscapeTileToggle = 0;
    g_roadTileToggle = 0;
    g_stopPlaced = 0;
    g_accelDelay = 0;
    g_lightPlaced = 1;  // the first section never shows a traffic light
    g_lightStepped = 0;
    g_lightGauge = 0;
    g_signPlaced = 0;
    g_warningTimer = -1;
    g_crossingPenalised = 0;
    g_speedPenalised = 0;
    g_wheelDelay = 1;
    g_carSpawnCountdown = sec.traffic;
    g_updateEnabled = 1;
    g_paxEnabled = 1;
    g_landscapeMoving = 0;
    g_trafficEnabled = 1;
    g_gateSpeedStep = 4;
    g_gateWalk = 6;
    g_gateStand = 6;
    g_stopGauge = 0;
    g_gateCarFrame = 2;
    g_clockSeconds = 0;
    g_gateTraffic = 40;  // the first game second of a run comes a little later
    g_spawnTarget = 0;
    g_stopDeparted = 0;
    g_gateClock = 40;
    g_stopServed = 0;
    g_missedStopPenalised = 0;
}

void PlaceScenery(TForm1& f) {
    f.imgKrajina1->Left = -kLandscapeOverlap;
    f.imgKrajina2->Left = f.imgKrajina1->Left + f.imgKrajina1->Width - kLandscapeOverlap;
    f.imgSilnice1->Left = 0;
    f.imgSilnice2->Left = f.imgSilnice1->Left + f.imgSilnice1->Width - kRoadOverlap;
    f.imgStanice->Left = 1500;
    f.imgStanice2->Left = 1500;
    f.imgSemafor->Left = -500;
    f.imgPrechodProChodce->Left = -500;
}

void LoadSectionPictures(TForm1& f, const RouteSection& sec) {
    f.imgKrajina1->Picture->LoadFromFile("Textures/Maps/Map" + IntToStr(sec.mapTex) + ".bmp");
    f.imgSilnice1->Picture->LoadFromFile("Textures/Silnice/Silnice" + IntToStr(sec.roadTex) + ".bmp");
    ShowLineScheme(f, sec.line);
}

void LoadTramPictures(TForm1& f) {
    const AnsiString m = IntToStr(g_tramLayout.tramModel);
    f.imgTramvaj->Picture->LoadFromFile("Textures//Vozy//TKaroserie" + m + ".bmp");
    f.imgTramvajPozadi->Picture->LoadFromFile("Textures//Vozy//TInterier" + m + ".bmp");
    for (TImage* door : f.imgDvere) door->Picture->LoadFromFile("Textures//Dvere//" + m + "0.bmp");
    for (TImage* wheel : f.imgKola) wheel->Picture->LoadFromFile("Textures//Kola//" + m + "0.bmp");
    const AnsiString display = "Textures//Displeje//Displej" + IntToStr(g_line) + ".bmp";
    f.imgDisplej1->Picture->LoadFromFile(display);
    f.imgDisplej2->Picture->LoadFromFile(display);
}

}  // namespace

void PrepareRun(TForm1& f) {
    const RouteSection& sec = CurrentSection();

    g_soundChannels[0].playing = 0.0f;
    g_soundChannels[1].playing = 0.0f;
    g_menuMusicHold = 0;
    g_targetSpeed = 0;
    g_speed = 0;
    g_carriedRun = 0;
    g_runSeconds = 0;
    g_stopIncome = 0;
    f.labPrijem->SetCaption("$" + IntToStr(g_stopIncome));
    PlaceScenery(f);
    f.labKasa->SetCaption(IntToStr(g_money));
    LoadSectionPictures(f, sec);
    f.labPrijem->Visible = false;
    EnableSpeedButtons(f, true);
    f.imgZnacka->Left = -50;
    f.panVarovani->Visible = false;
    f.panVystrahaSemafor->Visible = false;
    f.panVystrahaStanice->Visible = false;
    ResetRunValues(sec);
    ResetPersonRecords();  // nobody waits, rides or walks when a run begins
    ResetPedestrianRecords();
    PlaceTram(f);
    LoadTramPictures(f);
    f.tDvere->SetEnabled(false);
    g_streetMoving = 1;
    if (const char* loop = TrafficLoopFile(sec.traffic)) StartChannel(kTrafficChannel, loop);
    StartChannel(kWindChannel, "Zvuky//Pocasi//Vitr.wav");
}
