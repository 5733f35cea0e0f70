// The depot: buying trams, choosing tram and line, and what the panel
// shows of the career.
#include <gtest/gtest.h>

#include "game/depot.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class DepotTest : public GameFixture {
protected:
    void NewGame() {
        StartToMenu();
        ui().Click("labMenu2");
        ui().Click("btnUpozorneniAno");
    }
};

TEST_F(DepotTest, FirstPurchaseSpendsEverythingAndGoesToDiskAtOnce) {
    NewGame();
    ui().Click("btnTramvajNext");  // nothing to step through yet
    EXPECT_EQ(g_selectedTram, 0);

    sound.ClearLog();
    ui().Click("btnKoupitNovouTramvaj");
    EXPECT_EQ(g_money, 0);
    EXPECT_EQ(g_tramsBought, 1);
    EXPECT_EQ(g_fleetSize, 1);
    EXPECT_EQ(g_selectedTram, 1);
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Penize0.wav").size(), 1u);

    const SaveWords words = ReadSaveWords(*this);
    EXPECT_EQ(words[3], 1);   // trams bought
    EXPECT_EQ(words[5], 1);   // fleet
    EXPECT_EQ(words[10], 1);  // selected tram
    EXPECT_EQ(words[17], 0);  // money 0
    EXPECT_EQ(words[18], 0);
    for (int w : {0, 1, 2, 4, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16}) EXPECT_EQ(words[w], 0) << "word " << w;

    EXPECT_EQ(Caption(*this, "labKasa"), "0");
    EXPECT_EQ(Caption(*this, "labZmenitVuz"), "1");
    EXPECT_EQ(Caption(*this, "labCenaNovehoVozu"), "300");
    EXPECT_EQ(PictureOf(*this, "imgZmenitVuz"), "Textures//Nahledy//Tramvaje//0.bmp");
    EXPECT_EQ(PictureOf(*this, "imgNovaTramvaj"), "Textures//Nahledy//Tramvaje//1.bmp");
    EXPECT_EQ(form().memoZmenitVuz->Lines.FileName(), "Textures//Nahledy//Tramvaje//0.txt");
}

TEST_F(DepotTest, PurchaseKeepsTheCareerWordsOfTheRecord) {
    SaveRecord rec = Career(650, 0, 0, 0, 1);
    rec.carriedTotalHi = 3;
    rec.carriedByClassLo[1] = 17;
    rec.totalSecondsLo = 42;
    WriteSave(rec);
    StartToMenu();
    ContinueToDepot(*this);
    ui().Click("btnKoupitNovouTramvaj");
    const SaveWords words = ReadSaveWords(*this);
    EXPECT_EQ(words[1], 3);
    EXPECT_EQ(words[4], 1);
    EXPECT_EQ(words[12], 42);
    EXPECT_EQ(words[14], 17);
    EXPECT_EQ(words[17], 1);   // 350 left
    EXPECT_EQ(words[18], 150);
}

TEST_F(DepotTest, ThirdTramIsRefusedAtItsPrice) {
    WriteSave(Career(5000, 2, 2, 2));
    StartToMenu();
    ContinueToDepot(*this);
    EXPECT_EQ(Caption(*this, "labCenaNovehoVozu"), "600");
    EXPECT_TRUE(form().btnKoupitNovouTramvaj->Enabled);
    const SaveWords before = ReadSaveWords(*this);
    sound.ClearLog();
    ui().Click("btnKoupitNovouTramvaj");
    EXPECT_EQ(g_money, 5000);
    EXPECT_EQ(g_tramsBought, 2);
    EXPECT_EQ(g_fleetSize, 2);
    EXPECT_TRUE(sound.StartsOf("Zvuky//Obecne//Penize0.wav").empty());
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Klik.wav").size(), 1u);
    EXPECT_EQ(ReadSaveWords(*this), before);
    EXPECT_EQ(PictureOf(*this, "imgNovaTramvaj"), "Textures//Nahledy//Tramvaje//2.bmp");
}

TEST_F(DepotTest, TooLittleMoneyOnlyChoosesTheFirstTram) {
    WriteSave(Career(299, 0, 0, 0));
    StartToMenu();
    ContinueToDepot(*this);
    ui().Click("btnKoupitNovouTramvaj");
    EXPECT_EQ(g_money, 299);
    EXPECT_EQ(g_tramsBought, 0);
    EXPECT_EQ(g_selectedTram, 1);
}

TEST_F(DepotTest, TramAndLineStepWithinWhatThePlayerHas) {
    WriteSave(Career(0, 2, 2, 1, 2));
    StartToMenu();
    ContinueToDepot(*this);
    TForm1& f = form();

    ui().Click("btnTramvajPrevious");
    EXPECT_EQ(g_selectedTram, 1);
    ui().Click("btnTramvajNext");
    ui().Click("btnTramvajNext");
    EXPECT_EQ(g_selectedTram, 2);
    EXPECT_EQ(Caption(*this, "labZmenitVuz"), "2");
    EXPECT_EQ(PictureOf(*this, "imgZmenitVuz"), "Textures//Nahledy//Tramvaje//1.bmp");

    // The scheme is reloaded even when the line does not change.
    f.imgSchema->Picture->LoadFromFile("Textures/Schemata/Schema5.bmp");
    ui().Click("btnLinkaPrevious");
    EXPECT_EQ(g_selectedLine, 0);
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema0.bmp");
    for (int expected : {1, 2, 2}) {
        ui().Click("btnLinkaNext");
        EXPECT_EQ(g_selectedLine, expected);
    }
    EXPECT_EQ(Caption(*this, "labZmenitLinku"), "2");
    EXPECT_EQ(PictureOf(*this, "imgZmenitLinku"), "Textures//Nahledy//Linky//2.bmp");
    EXPECT_EQ(f.memoZmenitLinku->Lines.FileName(), "Textures//Nahledy//Linky//2.txt");
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema2.bmp");
}

TEST_F(DepotTest, DurationsShowTwoDigitsAndHoursGrow) {
    SaveRecord rec = Career(0, 0, 0, 0);
    rec.totalSecondsHi = 1800;  // 360000 s = 100 h
    rec.totalSecondsLo = 59;
    WriteSave(rec);
    StartToMenu();
    ContinueToDepot(*this);
    EXPECT_EQ(Caption(*this, "labCasVeHreHod"), "100");
    EXPECT_EQ(Caption(*this, "labCasVeHreMin"), "00");
    EXPECT_EQ(Caption(*this, "labCasVeHreSec"), "59");

    g_runSeconds = 3725;
    RefreshDepotPanel(form());
    EXPECT_EQ(Caption(*this, "labOdjetoZaHod"), "01");
    EXPECT_EQ(Caption(*this, "labOdjetoZaMin"), "02");
    EXPECT_EQ(Caption(*this, "labOdjetoZaSec"), "05");
    // The parts of a clock follow one another, whatever their width.
    TForm1& f = form();
    EXPECT_LT(f.labCasVeHreHod->Left + f.labCasVeHreHod->Width, f.Label16->Left + 1);
    EXPECT_LT(f.Label16->Left + f.Label16->Width, f.labCasVeHreMin->Left + 1);
}

TEST_F(DepotTest, MissingPreviewStopsTheRefreshThere) {
    WriteSave(Career(0, 1, 1, 1));
    StartToMenu();
    ContinueToDepot(*this);
    HideAsset("Textures//Nahledy//Linky//1.bmp");
    g_level = 1;
    Application->ClearReports();
    ui().Click("btnLinkaNext");
    EXPECT_NE(ReportsText().find("Cannot open file Textures//Nahledy//Linky//1.bmp"), std::string::npos)
        << ReportsText();
    EXPECT_EQ(Caption(*this, "labZmenitLinku"), "1");
    EXPECT_EQ(PictureOf(*this, "imgZmenitLinku"), "Textures//Nahledy//Linky//0.bmp");
}

TEST_F(DepotTest, EveryWidgetLiesInsideThePanel) {
    StartToMenu();
    for (TControl* c : form().panPrestavka->Children()) {
        EXPECT_GE(c->Left, 0) << c->Name;
        EXPECT_GE(c->Top, 0) << c->Name;
        EXPECT_LE(c->Left + c->Width, form().panPrestavka->Width) << c->Name;
        EXPECT_LE(c->Top + c->Height, form().panPrestavka->Height) << c->Name;
    }
}

}  // namespace
