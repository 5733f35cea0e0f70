// The depot: buying trams, choosing tram and line, the career figures.
#include <gtest/gtest.h>

#include "game/depot.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class DepotTest : public GameFixture {};

TEST_F(DepotTest, FirstTramAfterANewGameSpendsEverythingAndIsSavedAtOnce) {
    StartToMenu();
    ui().Click("labMenu2");
    ui().Click("btnUpozorneniAno");
    ui().Click("btnKoupitNovouTramvaj");
    EXPECT_EQ(g_money, 0);
    EXPECT_EQ(g_selectedTram, 1);
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Penize0.wav").size(), 1u);
    const auto w = e2e::SaveWords(*this);
    EXPECT_EQ((std::array<int32, 5>{w[3], w[5], w[10], w[17], w[18]}), (std::array<int32, 5>{1, 1, 1, 0, 0}));
    EXPECT_EQ(Caption(*this, "labKasa"), "0");
    EXPECT_EQ(PictureOf(*this, "imgZmenitVuz"), "Textures//Nahledy//Tramvaje//0.bmp");
    EXPECT_EQ(PictureOf(*this, "imgNovaTramvaj"), "Textures//Nahledy//Tramvaje//1.bmp");
}

// The price of the next tram, and the purchase at and just below it: a
// price equal to the money is affordable; a third tram never is.
TEST_F(DepotTest, EachTramCostsItsPriceAndOnlyWhatTheMoneyCovers) {
    struct Case {
        int money, bought, price;
        bool buys;
    };
    StartToMenu();
    for (const Case c : {Case{299, 0, 300, false}, Case{300, 0, 300, true}, Case{299, 1, 300, false},
                         Case{300, 1, 300, true}, Case{5000, 2, 600, false}}) {
        SCOPED_TRACE(testing::Message() << c.money << " dollars, " << c.bought << " bought");
        WriteSave(Career(c.money, c.bought, c.bought, c.bought));
        form().labMenu3Click(nullptr);  // CONTINUE GAME, as from the menu
        EXPECT_EQ(Caption(*this, "labCenaNovehoVozu"), std::to_string(c.price));
        const auto before = e2e::SaveWords(*this);
        sound.ClearLog();
        ui().Click("btnKoupitNovouTramvaj");
        const int money = c.buys ? c.money - c.price : c.money;
        const int fleet = c.buys ? c.bought + 1 : c.bought;
        EXPECT_EQ(Caption(*this, "labKasa"), std::to_string(money));
        EXPECT_EQ(Caption(*this, "labZmenitVuz"), std::to_string(std::max(fleet, 1)));
        const auto coins = sound.StartsOf("Zvuky//Obecne//Penize0.wav");
        EXPECT_EQ(coins.size(), c.buys ? 1u : 0u);
        if (c.buys) {
            EXPECT_FLOAT_EQ(coins[0].value, 0.3f);
            const auto w = e2e::SaveWords(*this);
            EXPECT_EQ((std::array{w[3], w[5], w[10], w[17], w[18]}),
                      (std::array{fleet, fleet, fleet, money / 200, money % 200}));
            EXPECT_EQ(Caption(*this, "labCenaNovehoVozu"), fleet == 1 ? "300" : "600");
        } else {
            EXPECT_EQ(e2e::SaveWords(*this), before);
        }
    }
}

TEST_F(DepotTest, TramAndLineStepWithinWhatThePlayerHas) {
    DepotWith(*this, Career(0, 2, 2, 1, 2));
    ui().Click("btnTramvajPrevious");
    EXPECT_EQ(g_selectedTram, 1);
    ui().Click("btnTramvajNext");
    ui().Click("btnTramvajNext");
    EXPECT_EQ(g_selectedTram, 2);

    form().imgSchema->Picture->LoadFromFile("Textures/Schemata/Schema5.bmp");
    ui().Click("btnLinkaPrevious");  // no change, yet the scheme is reloaded
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema0.bmp");
    for (int expected : {1, 2, 2}) {
        ui().Click("btnLinkaNext");
        EXPECT_EQ(g_selectedLine, expected);
    }
    EXPECT_EQ(Caption(*this, "labZmenitLinku"), "2");
    EXPECT_EQ(form().memoZmenitLinku->Lines.FileName(), "Textures//Nahledy//Linky//2.txt");
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema2.bmp");
}

TEST_F(DepotTest, DurationsShowAtLeastTwoDigitsInARow) {
    SaveRecord rec = Career(0, 0, 0, 0);
    rec.totalSecondsHi = 1800;  // 100 h 0 min 59 s
    rec.totalSecondsLo = 59;
    DepotWith(*this, rec);
    g_runSeconds = 3725;
    RefreshDepotPanel(form());
    TForm1& f = form();
    const std::array<TLabel*, 6> parts = {f.labOdjetoZaHod, f.labOdjetoZaMin, f.labOdjetoZaSec,
                                          f.labCasVeHreHod, f.labCasVeHreMin, f.labCasVeHreSec};
    const std::array<std::string, 6> expected = {"01", "02", "05", "100", "00", "59"};
    for (size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(parts[i]->Caption(), expected[i]);
    // The ":" after the three-digit hours still follows them.
    EXPECT_LE(f.labCasVeHreHod->Left + f.labCasVeHreHod->Width, f.Label16->Left);
}

}  // namespace
