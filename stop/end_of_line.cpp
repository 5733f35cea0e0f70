// The end of a run: the doors have closed at the last stop of the line.
// The career is saved and read back, the dashboard cleared, the run's
// sounds silenced, and the player is back in the depot.
#include "app/form1.h"
#include "game/controls.h"
#include "game/depot.h"
#include "game/menu.h"
#include "game/menu_sound.h"
#include "game/save.h"
#include "game/state.h"
#include "stop/door_steps.h"

namespace {

// The depot's previews are files too; one that cannot be opened is
// reported, and the run still ends (the tick must stop, the doors close).
void RefreshDepotReported(TForm1& form) {
    try {
        RefreshDepotPanel(form);
    } catch (const Exception& e) {
        if (Application) Application->ShowException(e, "tDvere");
    }
}

// The career as the file holds it after the write, or as packed when the
// file could not be written or read back: a failing disk must not take
// the run's progress (or the whole career) away. After a failed write the
// file is not read at all: it holds an older career, and a report that it
// "could not be read" would only confuse the one the player already got.
void RestoreCareer(TForm1& form, bool written, const SaveRecord& packed) {
    const bool readBack = written && ReadSaveFile(form) == SaveReadResult::Loaded;
    if (!readBack) g_saveRecord = packed;
    UnpackCareer(g_saveRecord);
}

}  // namespace

void EndRunAtTerminus() {
    TForm1& form = *Form1;
    PackCareer(g_saveRecord);
    const SaveRecord packed = g_saveRecord;
    const bool written = SaveCareerOrSay(form);  // a failure is told to the player
    form.panPrestavka->Visible = true;
    form.panVarovani->Visible = false;
    ResetDashboardForDepot(form);
    form.memoTutorial->Visible = false;
    form.btnTutorial->Visible = false;
    g_tutorialStep = 0;
    StopRunChannels();
    RestoreCareer(form, written, packed);
    RestoreMenuMusic();
    g_runActive = 0;
    RefreshDepotReported(form);
    EnableSpeedButtons(form, false);
    form.tMainTimer->SetEnabled(false);
}
