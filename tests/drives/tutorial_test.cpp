// The tutorial from the main menu to the terminus of line 0, a page
// turned every two seconds while there are pages: nothing charged, no
// clock, the boardings counted and saved.
#include "tests/drives/drive.h"

namespace {

class Tutorial : public drives::DriveFixture {};

TEST_F(Tutorial, PagesBoardingsAndTheTerminus) {
    trace.SampleEvery(300);
    StartGame(/*sampled=*/false);
    Click("labMenu1");
    long tick = 0;
    const e2e::RunLog run = Drive(40000, [&] {
        if (++tick % 200 == 0 && form().btnTutorial->IsShowing()) Click("btnTutorial");
        return false;
    });
    EXPECT_TRUE(run.reachedDepot) << run.Describe();
    trace.SaveFile();
    drives::ExpectGolden("tutorial", trace);
}

}  // namespace
