// Speed and door buttons. They only record the driver's wish: the tick's
// speed step moves the tram toward the target and the door timer moves
// the doors.
#include "app/form1.h"
#include "game/controls.h"
#include "game/menu_sound.h"
#include "game/state.h"

namespace {

struct SpeedChoice {
    int target;      // km/h
    int accelDelay;  // speed steps before the first +1 km/h; -1 keeps the countdown
};

// Q stops the tram without touching the countdown; the higher the target,
// the later the first increase after the press.
constexpr SpeedChoice kSpeedChoices[kSpeedButtonCount] = {{0, -1}, {15, 1}, {30, 2}, {45, 3}, {60, 4}};

void ChooseSpeed(TForm1& form, int button) {
    const SpeedChoice& choice = kSpeedChoices[button];
    g_targetSpeed = choice.target;
    form.labZrychlitNa->SetCaption(IntToStr(g_targetSpeed));
    if (choice.accelDelay >= 0) g_accelDelay = choice.accelDelay;
}

constexpr float kDoorSoundVolume = 0.5f;

}  // namespace

void EnableSpeedButtons(TForm1& form, bool on) {
    for (TBitBtn* b : {form.btnSpeed0, form.btnSpeed15, form.btnSpeed30, form.btnSpeed45, form.btnSpeed60})
        b->Enabled = on;
}

void TForm1::btnSpeed0Click(TObject*) { ChooseSpeed(*this, 0); }
void TForm1::btnSpeed15Click(TObject*) { ChooseSpeed(*this, 1); }
void TForm1::btnSpeed30Click(TObject*) { ChooseSpeed(*this, 2); }
void TForm1::btnSpeed45Click(TObject*) { ChooseSpeed(*this, 3); }
void TForm1::btnSpeed60Click(TObject*) { ChooseSpeed(*this, 4); }

void HoldTramForDoors(TForm1& form) {
    EnableSpeedButtons(form, false);
    if (g_targetSpeed == 0) return;
    g_targetSpeed = 0;
    form.labZrychlitNa->SetCaption("0");
}

// The sound follows the doors' state at the press; the door timer decides
// whether they open or close. The tick enables the button again. Shut
// doors are held from the press on: the door timer's first step comes
// only 100 ms later, time enough for the tram to start rolling.
void TForm1::btnDvereClick(TObject*) {
    if (g_doorsOpen == 0) {
        PlayOneShot("Zvuky//Tramvaje//DvereOpen.wav", kDoorSoundVolume);
        HoldTramForDoors(*this);
    }
    if (g_doorsOpen == 1) PlayOneShot("Zvuky//Tramvaje//DvereClose.wav", kDoorSoundVolume);
    tDvere->SetEnabled(true);
    btnDvere->Enabled = false;
}
