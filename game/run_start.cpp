// The depot's start button.
#include "app/form1.h"
#include "game/menu_sound.h"
#include "game/route.h"
#include "game/run_start.h"
#include "game/state.h"
#include "game/tram_layout.h"

namespace {

// The chosen line's stop count and first route row; a line the table does
// not know leaves both as they were.
void SetLineStart(int line) {
    if (!IsLine(line)) return;
    g_stopsRemaining = g_lines[line].stops;
    g_sectionIndex = g_lines[line].firstRow;
}

}  // namespace

void EnterRun(TForm1& form) {
    form.panPrestavka->Visible = false;
    form.panMainMenu->Visible = false;
    g_runActive = 1;
    form.labMinuty->SetCaption("00");
    form.labSekundy->SetCaption("00");
    form.labZrychlitNa->SetCaption("0");
    form.labAktualniRychlost->SetCaption("0");
}

void TForm1::btnNovyKursClick(TObject*) {
    PlayUnclick();
    g_line = g_selectedLine;
    SetLineStart(g_line);
    const bool tramLaidOut = ApplyTramLayout(*this, g_selectedTram);
    // Without a tram bought there is nothing to drive. A career that owns a
    // tram but has none chosen has no layout to run with either: it stays
    // in the depot until a tram is chosen.
    if (g_tramsBought == 0 || !tramLaidOut) return;

    PrepareRun(*this);
    Shape1->Visible = true;
    tMainTimer->SetEnabled(true);
    EnterRun(*this);
}
