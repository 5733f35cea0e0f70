// Block D: the street. While the tram moves the wheels turn, the road,
// the poles and everything standing on the street scroll by the speed
// band, the road streams in new tiles, and once per section the row's
// stop, traffic light and speed sign are placed far to the right.
#include "app/form1.h"
#include "game/records.h"
#include "game/route.h"
#include "game/tram_layout.h"
#include "stop/stop_service.h"
#include "tick/asset_path.h"
#include "tick/blocks.h"
#include "tick/car_image.h"
#include "tick/speed_band.h"
#include "tick/warnings.h"

namespace {

// Where the roadside objects are placed, ahead of the tram.
constexpr int kStopPlacedAt = 3200;
constexpr int kLightPlacedAt = 3000;
constexpr int kCrossingPlacedAt = 3090;
constexpr int kSignPlacedAt = 4310;
// Where they stop scrolling and wait to be placed again.
constexpr int kStopParkedBelow = -1300;
constexpr int kLightParkedBelow = -250;
constexpr int kSignParkedBelow = -40;
// A stop or light of an earlier section keeps scrolling while it is on
// its way across the screen (left of this), even on a row without one.
constexpr int kStillOnScreenBelow = 1000;

constexpr int kPoleWrapBelow = -20;
constexpr int kPoleWrapTo = 1200;
constexpr int kRoadChangeEdge = 1170;
constexpr int kRoadOverlap = 2;

// Ticks between wheel frames, by speed band 1..12.
constexpr int32 kWheelDelay[kSpeedBandCount + 1] = {0, 7, 6, 5, 4, 3, 3, 2, 2, 2, 1, 1, 1};
constexpr int32 kWheelFrames = 4;

void LoadRoadTile(TImage* leading, TImage* trailing) {
    trailing->Picture->LoadFromFile(
        NewPath().Text("Textures//Silnice//Silnice").Number(CurrentSection().roadTex).Text(".bmp").Str());
    trailing->Left = leading->Left + leading->Width - kRoadOverlap;
}

}  // namespace

void AnimateWheels(TForm1& form) {
    // A wheel picture that failed to load leaves the delay at 0 or below;
    // the next tick tries again rather than leaving the wheels stuck.
    if (--g_wheelDelay > 0) return;
    const AnsiString& path = NewPath()
                                 .Text("Textures//Kola//")
                                 .Number(g_tramLayout.tramModel)
                                 .Number(g_tramLayout.wheelFrame)
                                 .Text(".bmp")
                                 .Str();
    // Every wheel image gets the frame, also those the model does not use.
    for (TImage* wheel : form.imgKola) wheel->Picture->LoadFromFile(path);
    g_tramLayout.wheelFrame = (g_tramLayout.wheelFrame + 1) % kWheelFrames;
}

void WrapPolesAndCheckLight(TForm1& form) {
    for (TImage* pole : {form.imgSloup1, form.imgSloup2})
        if (pole->Left < kPoleWrapBelow) pole->Left = kPoleWrapTo;
    CheckCrossingPenalties(form);
}

void ScrollStreet(TForm1& form) {
    const int32 n = SpeedBand(g_speed);
    if (n == 0) return;
    const RouteSection& row = CurrentSection();

    for (TImage* image : {form.imgSilnice1, form.imgSilnice2, form.imgSloup1, form.imgSloup2}) image->Left -= n;
    for (PedestrianRecord& p : g_pedestrians) p.x -= n;
    for (int car = 0; car < kCarCount; ++car) {
        if (g_cars[car].active != 1) continue;
        if (DrivesLeftward(car))
            CarImage(form, car).Left -= 7 + n;
        else
            CarImage(form, car).Left += 7 - (n + 1) / 2;
    }
    if (g_wheelDelay <= 0) g_wheelDelay = kWheelDelay[n];

    auto stopMoves = [&] {
        return (row.hasStop == 1 || form.imgStanice->Left < kStillOnScreenBelow) &&
               form.imgStanice->Left > kStopParkedBelow;
    };
    if (stopMoves()) form.imgStanice->Left -= n;
    // Tested again after the shelter moved: the board may lag n behind.
    if (stopMoves()) form.imgStanice2->Left -= n;
    if ((row.hasLight == 1 || form.imgSemafor->Left < kStillOnScreenBelow) &&
        form.imgSemafor->Left > kLightParkedBelow) {
        form.imgSemafor->Left -= n;
        form.imgPrechodProChodce->Left -= n;
    }
    if (form.imgZnacka->Left > kSignParkedBelow) form.imgZnacka->Left -= n;

    for (PersonRecord& person : g_persons)
        if (person.state == PersonState::Waiting || person.state == PersonState::WalkAway) person.x -= n;
}

void ChangeRoadTile(TForm1& form) {
    if (form.imgSilnice1->Left + form.imgSilnice1->Width < kRoadChangeEdge && g_roadTileToggle == 0) {
        LoadRoadTile(form.imgSilnice1, form.imgSilnice2);
        g_roadTileToggle = 1;
    }
    if (form.imgSilnice2->Left + form.imgSilnice2->Width < kRoadChangeEdge && g_roadTileToggle == 1) {
        LoadRoadTile(form.imgSilnice2, form.imgSilnice1);
        g_roadTileToggle = 0;
    }
}

void PlaceStop(TForm1& form) {
    const RouteSection& row = CurrentSection();
    if (row.hasStop != 1 || g_stopPlaced != 0) return;
    form.panVystrahaStanice->Visible = true;
    form.imgStanice->Picture->LoadFromFile(
        NewPath().Text("Textures//Stanice//Stanice").Number(row.shelterTex).Text(".bmp").Str());
    form.imgStanice2->Picture->LoadFromFile(
        NewPath().Text("Textures//Stanice2//Stanice").Number(row.boardTex).Text(".bmp").Str());
    form.imgStanice->Left = kStopPlacedAt;
    form.imgStanice2->Left = kStopPlacedAt;
    SpawnStationPassengers(form);
    g_stopPlaced = 1;
    form.cgVystrahaStanice->SetProgress(100);
}

void PlaceLight(TForm1& form) {
    if (CurrentSection().hasLight != 1 || g_lightPlaced != 0) return;
    form.panVystrahaSemafor->Visible = true;
    form.imgSemafor->Left = kLightPlacedAt;
    form.imgPrechodProChodce->Left = kCrossingPlacedAt;
    g_lightPlaced = 1;
    form.cgVystrahaSemafor->SetProgress(100);
}

void PlaceSign(TForm1& form) {
    if (g_signPlaced != 0) return;
    form.imgZnacka->Left = kSignPlacedAt;
    g_signPlaced = 1;
    form.imgZnacka->Picture->LoadFromFile(
        NewPath().Text("Textures//Znacky//Znacka").Number(CurrentSection().speedLimit).Text(".bmp").Str());
}
