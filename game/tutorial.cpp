// The tutorial: a practice run on line 0 in tram 1, whatever the player
// owns, with a text page above the scene. While g_tutorialStep is not 0
// the game charges nothing and the run clock stands still.
#include "app/form1.h"
#include "game/menu_sound.h"
#include "game/run_start.h"
#include "game/state.h"
#include "game/tram_layout.h"

namespace {

constexpr int kLastPage = 6;
constexpr int kTutorialStops = 4;

void ShowPage(TForm1& form, int page) {
    form.memoTutorial->Lines.LoadFromFile("Data//Tutorial//" + IntToStr(page) + ".txt");
}

}  // namespace

void TForm1::labMenu1Click(TObject*) {
    Shape1->Visible = true;
    PlayClick();
    panUpozorneni->Visible = false;
    memoTutorial->Visible = true;
    btnTutorial->Visible = true;
    g_tutorialStep = 1;
    ShowPage(*this, g_tutorialStep);
    g_line = 0;
    g_stopsRemaining = kTutorialStops;
    g_sectionIndex = 0;
    ApplyTramLayout1(*this);
    PrepareRun(*this);
    // The tick starts only once the run is set up, so a page or picture
    // that cannot be opened leaves it off instead of ticking a run that
    // was never prepared behind the menu.
    tMainTimer->SetEnabled(true);
    EnterRun(*this);
}

void TForm1::btnTutorialClick(TObject*) {
    PlayClick();
    if (g_tutorialStep < kLastPage) g_tutorialStep += 1;
    ShowPage(*this, g_tutorialStep);
    if (g_tutorialStep == kLastPage) btnTutorial->Visible = false;
}
