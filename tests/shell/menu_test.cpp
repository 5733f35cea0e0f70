// The main menu as a player meets it: hovering, a new game, leaving a run
// and continuing, quitting.
#include <gtest/gtest.h>

#include "app/statistics.h"
#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class MenuTest : public GameFixture {};

TEST_F(MenuTest, HoveredEntryStaysDarkRedBetweenTheTwoCars) {
    StartToMenu();
    TForm1& f = form();
    ui().MouseMove("labMenu2");
    ui().MouseMoveAt(5, 5);  // the pointer leaves the entry
    EXPECT_EQ(f.labMenu2->Font().Color, 0x000064u);
    EXPECT_TRUE(f.imgAutoMenuDoprava->Visible);
    EXPECT_EQ(f.imgAutoMenuDoprava->Left, f.labMenu2->Left - f.imgAutoMenuDoprava->Width - 10);
    EXPECT_EQ(f.imgAutoMenuDoleva->Left, f.labMenu2->Left + f.labMenu2->Width + 10);

    ui().MouseMove("labMenu5");
    EXPECT_EQ(f.labMenu2->Font().Color, clBlack);
    EXPECT_EQ(f.labMenu5->Font().Color, 0x000064u);
    EXPECT_EQ(f.imgAutoMenuDoleva->Top, f.labMenu5->Top - 10);
}

// The question comes up over the entry the pointer was on, with the two
// cars beside it: nothing of them may show around the panel.
TEST_F(MenuTest, TheNewGameQuestionCoversTheCarsBesideItsEntry) {
    StartToMenu();
    TForm1& f = form();
    ui().MouseMove("labMenu2");
    ui().Click("labMenu2");
    const TPanel& panel = *f.panUpozorneni;
    ASSERT_TRUE(panel.IsShowing());
    for (const TImage* car : {f.imgAutoMenuDoprava, f.imgAutoMenuDoleva}) {
        ASSERT_TRUE(car->Visible);
        EXPECT_GE(car->Left, panel.Left) << car->Name;
        EXPECT_GE(car->Top, panel.Top) << car->Name;
        EXPECT_LE(car->Left + car->Width, panel.Left + panel.Width) << car->Name;
        EXPECT_LE(car->Top + car->Height, panel.Top + panel.Height) << car->Name;
    }
}

TEST_F(MenuTest, NewGameAsksFirstThenWritesAFreshCareer) {
    WriteSave(Career(5000, 2, 2, 2, 2));
    StartToMenu();
    const auto before = e2e::SaveWords(*this);
    ui().Click("labMenu2");
    ui().Click("btnUpozorneniNe");
    EXPECT_EQ(e2e::SaveWords(*this), before);
    EXPECT_TRUE(form().panMainMenu->IsShowing());
    EXPECT_FALSE(form().panUpozorneni->Visible);

    ui().Click("labMenu2");
    ui().Click("btnUpozorneniAno");
    bool whole = false;
    const auto words = e2e::SaveWords(*this, &whole);
    EXPECT_TRUE(whole);
    for (int w = 0; w < 17; ++w) EXPECT_EQ(words[w], 0) << "word " << w;
    EXPECT_EQ(words[17], 1);
    EXPECT_EQ(words[18], 100);
    EXPECT_TRUE(form().panPrestavka->IsShowing());
    EXPECT_EQ(Caption(*this, "labKasa"), "300");
    EXPECT_EQ(Caption(*this, "labZmenitLinku"), "0");
    EXPECT_EQ(PictureOf(*this, "imgZmenitVuz"), "Textures//Nahledy//Tramvaje//-1.bmp");
}

// When the new file cannot be written, reading it back would quietly
// restore the career the player has just thrown away.
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
    EXPECT_NE(ReportsText().find("could not be saved"), std::string::npos) << ReportsText();
}

// A door movement under way when the player leaves is given up with the
// run: finishing it behind the menu would judge and fine a run that no
// longer exists, leave its message bar over the menu (a click on it quits
// the game) and, at the terminus, save and open the depot over the menu.
TEST_F(MenuTest, LeavingWhileTheDoorsMoveLeavesNothingBehindTheMenu) {
    // Row 1: the doors are opening, ten minutes late. Row 5, the terminus:
    // they are closing, on time.
    for (const int32 row : {1, 5}) {
        SCOPED_TRACE(row);
        DepotWith(*this, Career(450, 1, 1, 1));
        const auto before = e2e::SaveWords(*this);
        ui().Click("btnNovyKurs");
        TForm1& f = form();
        g_sectionIndex = row;
        f.imgStanice->Left = f.imgTramvaj->Left;
        g_clockSeconds = row == 1 ? 600 : 240;
        ui().Advance(10);
        ASSERT_TRUE(f.btnDvere->Enabled);
        ui().Key('d');
        if (row == 5) {
            ui().Advance(1100);
            ui().Key('d');
        }
        ui().Advance(300);
        ui().Click("BitBtn1");
        ui().Advance(2000);

        EXPECT_FALSE(f.tDvere->Enabled());
        EXPECT_FALSE(f.panVarovani->Visible);
        EXPECT_FALSE(f.panPrestavka->Visible);
        EXPECT_TRUE(f.panMainMenu->IsShowing());
        EXPECT_EQ(g_money, 450);
        EXPECT_EQ(e2e::SaveWords(*this), before);

        // The next run starts with its doors closed.
        ui().Click("labMenu3");
        ui().Click("btnNovyKurs");
        EXPECT_EQ(g_doorsOpen, 0);
        EXPECT_EQ(g_tramLayout.doorFrame, 0);
        ui().Click("BitBtn1");
    }
}

class QuitTest : public GameFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(QuitTest, StopsAllSoundOpensTheSiteAndEndsWithNoLaterSoundCall) {
    DepotWith(*this, Career(300, 1, 1, 1));
    if (std::string(GetParam()) == "labVarovani") {
        ui().Click("btnNovyKurs");
        form().panVarovani->Visible = true;  // a message is on the bar
    } else {
        ui().Click("BitBtn1");
    }
    sound.ClearLog();
    ui().Click(GetParam());

    ASSERT_EQ(sound.Calls().size(), 3u) << sound.LogText();
    EXPECT_EQ(sound.Calls()[0].name, "_SoundZastavVse@4");
    EXPECT_EQ(sound.Calls()[0].arg, 1);
    EXPECT_EQ(sound.Calls()[1].name, "_updateXaudio@0");
    EXPECT_EQ(sound.Calls()[2].name, "_SoundDestroy@0");
    EXPECT_EQ(services.shell.Opened(), std::vector<AnsiString>{WebSiteAddress()});
    EXPECT_TRUE(form().Closed());
    ui().Advance(60000);
    EXPECT_EQ(sound.Calls().size(), 3u) << sound.LogText();
}

INSTANTIATE_TEST_SUITE_P(Entries, QuitTest, ::testing::Values("labMenu4", "labMenu5", "labVarovani"));

}  // namespace
