// The tutorial from the main menu.
#include <gtest/gtest.h>

#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class TutorialTest : public GameFixture {};

TEST_F(TutorialTest, RunsInTramOneOnLineZeroWithoutATramBought) {
    WriteSave(Career(300, 0, 0, 0));
    StartToMenu();
    ui().Click("labMenu1");
    TForm1& f = form();

    EXPECT_EQ(g_tutorialStep, 1);
    EXPECT_EQ(g_runActive, 1);
    EXPECT_EQ(g_line, 0);
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_stopsRemaining, 4);
    EXPECT_EQ(g_tramLayout.tramModel, 0);
    EXPECT_EQ(g_selectedTram, 0);  // the depot's choice is left alone
    EXPECT_FALSE(f.panMainMenu->Visible);
    EXPECT_TRUE(f.memoTutorial->IsShowing());
    EXPECT_TRUE(f.btnTutorial->IsShowing());
    EXPECT_EQ(f.memoTutorial->Lines.FileName(), "Data//Tutorial//1.txt");
    EXPECT_TRUE(f.tMainTimer->Enabled());

    for (int page = 2; page <= 6; ++page) {
        ui().Click("btnTutorial");
        EXPECT_EQ(g_tutorialStep, page);
        EXPECT_EQ(f.memoTutorial->Lines.FileName(), "Data//Tutorial//" + std::to_string(page) + ".txt");
        EXPECT_EQ(f.btnTutorial->Visible, page < 6);
    }
    EXPECT_TRUE(f.memoTutorial->IsShowing());

    // The clock stands and the money stays while the tram drives.
    ui().Key('t');
    ui().Advance(10000);
    EXPECT_EQ(g_clockSeconds, 0);
    EXPECT_EQ(g_money, 300);
}

TEST_F(TutorialTest, LeavingAndContinuingGivesANormalGame) {
    StartToMenu();
    ui().Click("labMenu1");
    ui().Click("btnTutorial");
    ui().Click("BitBtn1");
    EXPECT_EQ(g_tutorialStep, 2);  // kept until the next way into a run
    EXPECT_FALSE(form().memoTutorial->Visible);
    EXPECT_FALSE(form().btnTutorial->Visible);
    ContinueToDepot(*this);
    EXPECT_EQ(g_tutorialStep, 0);
}

TEST_F(TutorialTest, MissingPageLeavesTheMenuAndTheTickAlone) {
    StartToMenu();
    ui().Click("labMenu3");
    ui().Click("BitBtn1");  // the tick is off once the player has been in the depot
    HideAsset("Data//Tutorial//1.txt");
    ui().Click("labMenu1");
    EXPECT_NE(ReportsText().find("Data//Tutorial//1.txt"), std::string::npos) << ReportsText();
    EXPECT_TRUE(form().panMainMenu->IsShowing());
    EXPECT_FALSE(form().tMainTimer->Enabled());
    EXPECT_EQ(g_runActive, 0);
}

}  // namespace
