// Buying a tram. The purchase goes to disk at once: only the tram and
// money words of the saved game change; the rest of the record is what the
// depot was entered with.
#include "app/form1.h"
#include "game/depot.h"
#include "game/menu.h"
#include "game/menu_sound.h"
#include "game/save.h"
#include "game/state.h"

namespace {

// The career allows two trams; the price table goes further than that.
constexpr int kMostTramsBought = 2;
constexpr float kCoinVolume = 0.3f;

void SavePurchase(TForm1& form) {
    PackPurchase(g_saveRecord);
    SaveCareerOrSay(form);
}

}  // namespace

void TForm1::btnKoupitNovouTramvajClick(TObject*) {
    PlayClick();
    const int price = NextTramPrice();
    if (g_tramsBought < kMostTramsBought && price <= g_money) {
        g_money -= price;
        labKasa->SetCaption(IntToStr(g_money));
        g_tramsBought += 1;
        g_fleetSize += 1;
        g_selectedTram = g_fleetSize;
        PlayOneShot("Zvuky//Obecne//Penize0.wav", kCoinVolume);
        SavePurchase(*this);
    }
    if (g_selectedTram == 0) g_selectedTram = 1;
    RefreshDepotPanel(*this);
}
