// The door timer: one door frame per event while the doors move, and the
// work of a stop when they are fully open or fully closed.
#include "app/form1.h"
#include "game/controls.h"
#include "game/menu_sound.h"
#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "stop/door_steps.h"
#include "stop/picture_report.h"
#include "tick/sounds.h"

namespace {

constexpr int32 kDoorsClosedFrame = 0;
constexpr int32 kDoorsOpenFrame = 10;
constexpr int kCrowdChannel = 6;

// All six doors show the same frame, also those the tram lacks (parked
// off screen). A missing frame is reported once and the doors keep their
// last picture: the movement itself must still reach its end, or the
// doors would never count as open or closed again.
void ShowDoorFrame(TForm1& form) {
    const AnsiString path = "Textures/Dvere/" + IntToStr(g_tramLayout.tramModel) +
                            IntToStr(g_tramLayout.doorFrame) + ".bmp";
    for (TImage* door : form.imgDvere) {
        if (!LoadPictureReported(*door, path, "tDvere")) return;
    }
}

// Persons whose stop this is: waiting on the platform or about to get off.
int CountCrowd() {
    int n = 0;
    for (const PersonRecord& p : g_persons) {
        if (p.state == PersonState::Waiting || p.state == PersonState::ChooseExit) ++n;
    }
    return n;
}

// The crowd loop grows by one step for every eight persons, up to five.
AnsiString CrowdSoundPath(int persons) {
    const int step = persons / 8 < 4 ? persons / 8 : 4;
    return "Zvuky//Chodci//Chodci" + IntToStr(step) + ".wav";
}

void StartCrowdSound() {
    const int persons = CountCrowd();
    if (persons > 0) StartChannel(kCrowdChannel, CrowdSoundPath(persons));
    // Also when nothing started: the library ignores a stopped or zero handle.
    SendChannelFreq(kCrowdChannel);
}

void CentreIncomeOverTram(TForm1& form) {
    form.labPrijem->Visible = true;
    form.labPrijem->Left =
        form.imgTramvaj->Width / 2 - form.labPrijem->Width / 2 + form.imgTramvaj->Left;
}

void DoorsFullyOpen(TForm1& form) {
    StartCrowdSound();
    g_doorsOpen = 1;
    g_stopServed = 1;
    CentreIncomeOverTram(form);
    CheckArrivalTime();
    AssignBoardingPlaces();
    form.tDvere->SetEnabled(false);
}

void DoorsFullyClosed(TForm1& form) {
    StopChannel(kCrowdChannel);
    EnableSpeedButtons(form, true);
    CheckDepartureTime();
    form.labPrijem->Visible = false;
    g_stopIncome = 0;
    form.labPrijem->SetCaption("$" + IntToStr(g_stopIncome));
    if (CurrentSection().endOfLine == 1) EndRunAtTerminus();
    g_stopDeparted = 1;
    g_stopsRemaining -= 1;
    form.tDvere->SetEnabled(false);
    g_doorsOpen = 0;
}

void OpeningStep(TForm1& form) {
    HoldTramForDoors(form);
    g_tramLayout.doorFrame += 1;
    ShowDoorFrame(form);
    if (g_tramLayout.doorFrame >= kDoorsOpenFrame) DoorsFullyOpen(form);
}

void ClosingStep(TForm1& form) {
    g_tramLayout.doorFrame -= 1;
    ShowDoorFrame(form);
    if (g_tramLayout.doorFrame <= kDoorsClosedFrame) DoorsFullyClosed(form);
}

}  // namespace

void TForm1::tDvereTimer(TObject*) {
    if (g_doorsOpen == 0) {
        OpeningStep(*this);
    } else {
        ClosingStep(*this);
    }
}
