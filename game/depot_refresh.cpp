// Filling the depot from the game state, in a fixed order: a preview that
// cannot be opened stops the refresh there and leaves the rest as it was.
#include "app/form1.h"
#include "game/depot.h"
#include "game/state.h"
#include "game/tables.h"

namespace {

constexpr int kFullFleet = 7;

const AnsiString kTramPreviews = "Textures//Nahledy//Tramvaje//";
const AnsiString kLinePreviews = "Textures//Nahledy//Linky//";

// At least two digits: 5 -> "05", 100 -> "100".
AnsiString TwoDigits(int value) { return value < 10 ? "0" + IntToStr(value) : IntToStr(value); }

void ShowDuration(int seconds, TLabel* hours, TLabel* minutes, TLabel* secs) {
    hours->SetCaption(TwoDigits(seconds / 3600));
    minutes->SetCaption(TwoDigits((seconds % 3600) / 60));
    secs->SetCaption(TwoDigits((seconds % 3600) % 60));
}

void ShowPreview(const AnsiString& folder, int number, TImage* picture, TMemo* text) {
    picture->Picture->LoadFromFile(folder + IntToStr(number) + ".bmp");
    text->Lines.LoadFromFile(folder + IntToStr(number) + ".txt");
}

}  // namespace

int NextTramPrice() {
    const int index = g_tramsBought < 0 ? 0 : (g_tramsBought >= kTramPriceCount ? kTramPriceCount - 1 : g_tramsBought);
    return g_tramPrices[index];
}

void RefreshDepotPanel(TForm1& f) {
    f.labKasa->SetCaption(IntToStr(g_money));
    f.btnKoupitNovouTramvaj->Enabled = g_fleetSize != kFullFleet;
    f.labCenaNovehoVozu->SetCaption(IntToStr(NextTramPrice()));
    ShowPreview(kTramPreviews, g_tramsBought, f.imgNovaTramvaj, f.memoNovaTramvaj);

    f.labZmenitLinku->SetCaption(IntToStr(g_selectedLine));
    ShowPreview(kLinePreviews, g_selectedLine, f.imgZmenitLinku, f.memoZmenitLinku);

    // Tram n has preview n - 1; with no tram chosen that is the "-1" pair,
    // which says so.
    f.labZmenitVuz->SetCaption(IntToStr(g_selectedTram));
    ShowPreview(kTramPreviews, g_selectedTram - 1, f.imgZmenitVuz, f.memoZmenitVuz);

    f.labPrevezeno->SetCaption(IntToStr(g_carriedRun));
    ShowDuration(g_runSeconds, f.labOdjetoZaHod, f.labOdjetoZaMin, f.labOdjetoZaSec);
    ShowDuration(g_totalSeconds, f.labCasVeHreHod, f.labCasVeHreMin, f.labCasVeHreSec);
    f.labCelkemPrevezeno->SetCaption(IntToStr(g_carriedTotal));
    FlowDepotClocks(f);
}
