// The tutorial from the main menu.
#include <gtest/gtest.h>

#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class TutorialTest : public GameFixture {};

TEST_F(TutorialTest, RunsInTramOneWithoutATramBoughtAndTurnsSixPages) {
    StartToMenu();  // no saved game: nothing owned
    ui().Click("labMenu1");
    TForm1& f = form();
    EXPECT_EQ(g_runActive, 1);
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_stopsRemaining, 4);
    EXPECT_EQ(g_tramLayout.tramModel, 0);
    EXPECT_FALSE(f.panMainMenu->Visible);
    EXPECT_EQ(f.memoTutorial->Lines.FileName(), "Data//Tutorial//1.txt");

    for (int page = 2; page <= 6; ++page) {
        ui().Click("btnTutorial");
        EXPECT_EQ(f.memoTutorial->Lines.FileName(), "Data//Tutorial//" + std::to_string(page) + ".txt");
        EXPECT_EQ(f.btnTutorial->Visible, page < 6);
    }
    ui().Key('t');
    ui().Advance(10000);
    EXPECT_EQ(g_clockSeconds, 0);  // the clock stands in a tutorial
    EXPECT_EQ(g_money, 300);
}

// A page that cannot be read must not leave the tick running a run that
// was never set up behind the menu.
TEST_F(TutorialTest, MissingPageLeavesTheMenuAndTheTickAlone) {
    StartToMenu();
    ui().Click("labMenu3");
    ui().Click("BitBtn1");
    HideAsset("Data//Tutorial//1.txt");
    ui().Click("labMenu1");
    EXPECT_NE(ReportsText().find("Data//Tutorial//1.txt"), std::string::npos) << ReportsText();
    EXPECT_TRUE(form().panMainMenu->IsShowing());
    EXPECT_FALSE(form().tMainTimer->Enabled());
}

}  // namespace
