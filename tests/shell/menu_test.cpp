// The main menu as a player meets it: hovering, a new game, continuing,
// leaving a run and quitting.
#include <gtest/gtest.h>

#include "app/statistics.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

constexpr TColor kDarkRed = 0x000064;

class MenuTest : public GameFixture {};

TEST_F(MenuTest, HoveredEntryStaysDarkRedBetweenTheTwoCars) {
    StartToMenu();
    TForm1& f = form();
    EXPECT_FALSE(f.imgAutoMenuDoprava->Visible);

    ui().MouseMove("labMenu2");
    ui().MouseMoveAt(5, 5);  // the pointer leaves the entry
    EXPECT_EQ(f.labMenu2->Font().Color, kDarkRed);
    for (TLabel* other : {f.labMenu1, f.labMenu3, f.labMenu4, f.labMenu5}) EXPECT_EQ(other->Font().Color, clBlack);
    EXPECT_TRUE(f.imgAutoMenuDoprava->Visible);
    EXPECT_EQ(f.imgAutoMenuDoprava->Left, f.labMenu2->Left - f.imgAutoMenuDoprava->Width - 10);
    EXPECT_EQ(f.imgAutoMenuDoleva->Left, f.labMenu2->Left + f.labMenu2->Width + 10);
    EXPECT_EQ(f.imgAutoMenuDoleva->Top, f.labMenu2->Top - 10);

    ui().MouseMove("labMenu5");
    EXPECT_EQ(f.labMenu2->Font().Color, clBlack);
    EXPECT_EQ(f.labMenu5->Font().Color, kDarkRed);
    EXPECT_EQ(f.imgAutoMenuDoprava->Top, f.labMenu5->Top - 10);
}

TEST_F(MenuTest, NewGameConfirmedWritesAFreshCareerAndOpensTheDepot) {
    WriteSave(Career(5000, 2, 2, 2, 2));
    StartToMenu();
    ui().Click("labMenu2");
    EXPECT_TRUE(form().panUpozorneni->IsShowing());
    ui().Click("btnUpozorneniAno");

    long bytes = 0;
    const SaveWords words = ReadSaveWords(*this, &bytes);
    EXPECT_EQ(bytes, 76);
    for (int w = 0; w < 17; ++w) EXPECT_EQ(words[w], 0) << "word " << w;
    EXPECT_EQ(words[17], 1);
    EXPECT_EQ(words[18], 100);

    TForm1& f = form();
    EXPECT_TRUE(f.panPrestavka->IsShowing());
    EXPECT_FALSE(f.panMainMenu->Visible);
    EXPECT_FALSE(f.panUpozorneni->Visible);
    EXPECT_EQ(Caption(*this, "labKasa"), "300");
    EXPECT_EQ(Caption(*this, "labZmenitVuz"), "0");
    EXPECT_EQ(Caption(*this, "labZmenitLinku"), "0");
    EXPECT_EQ(Caption(*this, "labCenaNovehoVozu"), "300");
    EXPECT_EQ(PictureOf(*this, "imgZmenitVuz"), "Textures//Nahledy//Tramvaje//-1.bmp");
    EXPECT_EQ(PictureOf(*this, "imgSchema"), "Textures/Schemata/Schema0.bmp");
    EXPECT_EQ(g_money, 300);
    EXPECT_EQ(g_tramsBought, 0);
    EXPECT_EQ(g_level, 0);
}

TEST_F(MenuTest, NewGameDeclinedLeavesTheFileAndTheMenu) {
    WriteSave(Career(750, 1, 1, 1, 1));
    StartToMenu();
    const SaveWords before = ReadSaveWords(*this);
    ui().Click("labMenu2");
    ui().Click("btnUpozorneniNe");
    EXPECT_EQ(ReadSaveWords(*this), before);
    EXPECT_FALSE(form().panUpozorneni->Visible);
    EXPECT_TRUE(form().panMainMenu->IsShowing());
    EXPECT_FALSE(form().panPrestavka->Visible);
    EXPECT_EQ(g_money, 750);
}

// A new game whose file cannot be written must not quietly bring back the
// career the player threw away by reading the old file.
TEST_F(MenuTest, NewGameThatCannotBeSavedStillStartsFresh) {
    WriteSave(Career(5000, 2, 2, 2, 2));
    StartToMenu();
    SetSaveWriteFault(SaveWriteFault::BeforeTemp);
    ui().Click("labMenu2");
    ui().Click("btnUpozorneniAno");
    SetSaveWriteFault(SaveWriteFault::None);
    EXPECT_EQ(g_money, 300);
    EXPECT_EQ(g_tramsBought, 0);
    EXPECT_EQ(g_level, 0);
    EXPECT_EQ(Caption(*this, "labKasa"), "300");
}

TEST_F(MenuTest, LeavingARunAndContinuingBringsBackTheFilesFigures) {
    SaveRecord rec = Career(450, 1, 1, 1);
    rec.carriedTotalHi = 6;
    rec.carriedTotalLo = 34;   // 1234 passengers
    rec.totalSecondsLo = 59;
    WriteSave(rec);
    StartToMenu();
    ContinueToDepot(*this);
    EXPECT_EQ(Caption(*this, "labCelkemPrevezeno"), "1234");
    EXPECT_EQ(Caption(*this, "labCasVeHreSec"), "59");
    ui().Click("btnNovyKurs");
    ASSERT_EQ(g_runActive, 1);

    // The career moves on in memory during the run ...
    g_money = 9999;
    g_carriedTotal = 2000;
    g_runSeconds = 77;
    ui().Advance(500);
    ui().Click("BitBtn1");
    TForm1& f = form();
    EXPECT_TRUE(f.panMainMenu->IsShowing());
    EXPECT_FALSE(f.tMainTimer->Enabled());
    EXPECT_FALSE(f.btnSpeed30->Enabled);
    EXPECT_FALSE(f.btnDvere->Enabled);
    EXPECT_EQ(g_menuMusicHold, 1);
    EXPECT_FLOAT_EQ(g_soundChannels[7].volume, 0.4f);
    for (int ch = 2; ch <= 3; ++ch) EXPECT_FALSE(sound.IsPlaying(static_cast<int>(g_soundChannels[ch].handle)));
    EXPECT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 1);

    // ... and CONTINUE reads the file again.
    ContinueToDepot(*this);
    EXPECT_EQ(g_money, 450);
    EXPECT_EQ(g_carriedTotal, 1234);
    EXPECT_EQ(Caption(*this, "labKasa"), "450");
    EXPECT_EQ(Caption(*this, "labCelkemPrevezeno"), "1234");
    EXPECT_EQ(Caption(*this, "labPrevezeno"), "0");
    EXPECT_EQ(Caption(*this, "labOdjetoZaSec"), "00");
    EXPECT_EQ(Caption(*this, "labMinuty"), "00");
    EXPECT_EQ(f.labMinuty->Font().Color, clSilver);
}

class QuitTest : public GameFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(QuitTest, StopsAllSoundOpensTheSiteAndEndsWithNoLaterSoundCall) {
    WriteSave(Career(300, 1, 1, 1));
    StartToMenu();
    if (std::string(GetParam()) == "labVarovani") {
        ContinueToDepot(*this);
        ui().Click("btnNovyKurs");
        ui().Advance(300);
        form().panVarovani->Visible = true;  // a message is on the bar
    }
    const SaveWords saved = ReadSaveWords(*this);
    sound.ClearLog();
    ui().Click(GetParam());

    const auto& calls = sound.Calls();
    ASSERT_EQ(calls.size(), 3u) << sound.LogText();
    EXPECT_EQ(calls[0].name, "_SoundZastavVse@4");
    EXPECT_EQ(calls[0].arg, 1);
    EXPECT_EQ(calls[1].name, "_updateXaudio@0");
    EXPECT_EQ(calls[2].name, "_SoundDestroy@0");
    EXPECT_TRUE(sound.AllPlaying().empty());
    ASSERT_EQ(services.shell.Opened().size(), 1u);
    EXPECT_EQ(services.shell.Opened()[0], WebSiteAddress());
    EXPECT_TRUE(form().Closed());

    ui().Advance(60000);
    EXPECT_EQ(sound.Calls().size(), 3u) << sound.LogText();
    EXPECT_EQ(sound.CallsAfterDestroy(), 0);
    EXPECT_EQ(ReadSaveWords(*this), saved);  // nothing is saved on quitting
}

INSTANTIATE_TEST_SUITE_P(Entries, QuitTest, ::testing::Values("labMenu4", "labMenu5", "labVarovani"));

}  // namespace
