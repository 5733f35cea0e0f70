// NEW GAME (with its confirmation) and CONTINUE GAME: both lead into the
// depot with the career as the saved game holds it.
#include <string>

#include "app/form1.h"
#include "game/depot.h"
#include "game/menu.h"
#include "game/menu_sound.h"
#include "game/save.h"
#include "game/state.h"
#include "platform/services.h"

namespace {

const std::string kSaveFailedText = std::string("The game could not be saved to ") + kSaveFileName + ".";
const std::string kSavedText = std::string("The game has now been saved to ") + kSaveFileName + ".";

void Tell(const std::string& text, const char* where) {
    if (Application) Application->ShowException(Exception(text), where);
}

}  // namespace

// Until a save succeeds, the career the game could not write is the one
// in play: the older file would take the player's progress back.
void LoadCareer(TForm1& form) {
    if (const SaveRecord* unsaved = UnsavedCareer())
        g_saveRecord = *unsaved;
    else
        ReadSaveFile(form);
    UnpackCareer(g_saveRecord);
}

bool SaveCareerOrSay(TForm1& form) {
    const bool wasUnsaved = UnsavedCareer() != nullptr;
    if (WriteSaveFile(form)) {
        if (wasUnsaved) Tell(kSavedText, "SaveCareer");
        return true;
    }
    Tell(kSaveFailedText + " Your progress is kept in memory; the previous save is unchanged.", "SaveCareer");
    return false;
}

void SaveCareerBeforeExit() {
    switch (WriteUnsavedCareerLastTime()) {
    case LastSaveTry::NotMade:
        break;
    case LastSaveTry::Saved:
        Tell(kSavedText, "SaveCareer");
        break;
    case LastSaveTry::Failed:
        MessageBox(kSaveFailedText + " The progress since the last save is lost.", "Korvalo", MB_OK | MB_ICONERROR);
        break;
    }
}

void ResetDashboardForDepot(TForm1& f) {
    for (TLabel* label : {f.labZrychlitNa, f.labAktualniRychlost, f.labVolnychMist, f.labObsazenoMist})
        label->SetCaption("0");
    for (TLabel* label : {f.labMinuty, f.labSekundy}) {
        label->SetFontColor(clSilver);
        label->SetCaption("00");
    }
    f.panVystrahaSemafor->Visible = false;
    f.panVystrahaStanice->Visible = false;
    f.Shape1->Visible = false;
}

void TForm1::labMenu2Click(TObject*) {
    PlayClick();
    panUpozorneni->Visible = true;
}

void TForm1::btnUpozorneniNeClick(TObject*) {
    PlayClick();
    panUpozorneni->Visible = false;
}

// A new career: $300, exactly the price of the first tram, and nothing
// else. The last run's figures stay for the depot to show.
void TForm1::btnUpozorneniAnoClick(TObject*) {
    PlayClick();
    g_tutorialStep = 0;
    SetNewCareer(g_saveRecord);
    // Read back what reached the disk. When the write failed the old file
    // is still there, and reading it would quietly bring back the career
    // the player has just thrown away: the new one is used as it stands.
    if (SaveCareerOrSay(*this))
        LoadCareer(*this);
    else
        UnpackCareer(g_saveRecord);
    ResetDashboardForDepot(*this);
    ShowLineScheme(*this, 0);
    g_selectedLine = 0;
    RefreshDepotPanel(*this);
    panPrestavka->Visible = true;
    panUpozorneni->Visible = false;
    panMainMenu->Visible = false;
}

void TForm1::labMenu3Click(TObject*) {
    PlayClick();
    panUpozorneni->Visible = false;
    ResetDashboardForDepot(*this);
    ShowLineScheme(*this, 0);
    memoTutorial->Visible = false;
    btnTutorial->Visible = false;
    g_tutorialStep = 0;
    panPrestavka->Visible = true;
    panMainMenu->Visible = false;
    g_carriedRun = 0;
    g_runSeconds = 0;
    g_selectedLine = 0;
    LoadCareer(*this);
    RefreshDepotPanel(*this);
}
