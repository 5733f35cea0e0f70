// The tutorial from the main menu: its run, and a first page that cannot
// be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>

#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class TutorialTest : public GameFixture {};

// Line 0 with its four stops ahead, in tram 1 whatever the player owns.
TEST_F(TutorialTest, RidesLineZeroInTramOneWithFourStopsAhead) {
    DepotWith(*this, Career(0, 2, 2, 2));
    ui().Click("BitBtn1");
    ui().Click("labMenu1");
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_stopsRemaining, 4);
    EXPECT_EQ((std::array{form().imgTramvaj->Left, form().imgDisplej1->Left}), (std::array{495, 628}));
    EXPECT_EQ(Caption(*this, "labVolnychMist"), "0");  // until the first tick shows the 34 places
    ui().Advance(20);
    EXPECT_EQ(Caption(*this, "labVolnychMist"), "34");
    EXPECT_EQ(form().memoTutorial->Lines.FileName(), "Data//Tutorial//1.txt");
}

// A page that cannot be read, missing or a pipe in its place (which must
// not hold the game waiting for a writer), must not leave the tick running
// a run that was never set up behind the menu.
TEST_F(TutorialTest, AMissingPageOrAPipeInItsPlaceLeavesTheMenuAndTheTickAlone) {
    StartToMenu();
    const std::string page = WorkDir() + "/Data/Tutorial/1.txt";
    for (const bool pipe : {false, true}) {
        SCOPED_TRACE(pipe ? "a pipe" : "missing");
        Application->ClearReports();
        ui().Click("labMenu3");
        ui().Click("BitBtn1");
        if (pipe)
            ASSERT_EQ(mkfifo(page.c_str(), 0600), 0);
        else
            HideAsset("Data//Tutorial//1.txt");
        ASSERT_TRUE(testsupport::FinishesBesideAFifo(page, [this] { ui().Click("labMenu1"); }));
        EXPECT_NE(ReportsText().find("Data//Tutorial//1.txt"), std::string::npos) << ReportsText();
        EXPECT_TRUE(form().panMainMenu->IsShowing());
        EXPECT_FALSE(form().tMainTimer->Enabled());
    }
}

}  // namespace
