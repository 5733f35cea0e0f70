// The tutorial from the main menu when its first page is missing.
#include <gtest/gtest.h>

#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class TutorialTest : public GameFixture {};

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
