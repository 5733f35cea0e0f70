// Stepping through the owned trams and the unlocked lines. The choice of
// tram is saved with the next purchase or line end; the line is not saved.
#include "app/form1.h"
#include "game/depot.h"
#include "game/menu_sound.h"
#include "game/state.h"

void ShowLineScheme(TForm1& form, int line) {
    form.imgSchema->Picture->LoadFromFile("Textures/Schemata/Schema" + IntToStr(line) + ".bmp");
}

void TForm1::btnTramvajPreviousClick(TObject*) {
    PlayClick();
    if (g_selectedTram > 1) g_selectedTram -= 1;
    RefreshDepotPanel(*this);
}

void TForm1::btnTramvajNextClick(TObject*) {
    PlayClick();
    if (g_selectedTram < g_fleetSize) g_selectedTram += 1;
    RefreshDepotPanel(*this);
}

void TForm1::btnLinkaPreviousClick(TObject*) {
    PlayClick();
    if (g_selectedLine > 0) g_selectedLine -= 1;
    ShowLineScheme(*this, g_selectedLine);
    RefreshDepotPanel(*this);
}

void TForm1::btnLinkaNextClick(TObject*) {
    PlayClick();
    if (g_selectedLine < g_level) g_selectedLine += 1;
    ShowLineScheme(*this, g_selectedLine);
    RefreshDepotPanel(*this);
}
