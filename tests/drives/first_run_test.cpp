// The first start on a machine without a saved game, played through and
// traced: the loading sequence, the menu, NEW GAME and its question, the
// depot, the first tram bought, line 0 from stop to stop at every speed
// the route and the stops ask for, and the depot with the career saved.
#include "tests/drives/drive.h"

namespace {

class FirstRun : public drives::DriveFixture {};

TEST_F(FirstRun, LoadingMenuDepotAndLineZeroToTheTerminus) {
    StartGame(/*sampled=*/true, [this](int event) {
        if (event == 1) trace.Frame("logo");
        if (event == 38) trace.Frame("loading");
    });
    trace.Frame("menu");
    Click("labMenu2");
    trace.Frame("new-game-question");
    Click("btnUpozorneniAno");
    trace.Frame("depot");
    Click("btnKoupitNovouTramvaj");
    Click("btnNovyKurs");

    bool sectionChanged = false, boarding = false, message = false;
    const int firstRow = g_sectionIndex;
    const e2e::RunLog run = Drive(20000, [&] {
        if (!sectionChanged && g_sectionIndex != firstRow) {
            sectionChanged = true;
            trace.Frame("section-change");
        }
        if (!boarding && form().labObsazenoMist->Caption() == "5") {
            boarding = true;
            trace.Frame("boarding");
        }
        if (!message && form().panVarovani->IsShowing()) {
            message = true;
            trace.Frame("message");
        }
        return false;
    });
    EXPECT_TRUE(run.reachedDepot) << run.Describe();
    trace.Frame("depot-after-the-run");
    trace.SaveFile();
    drives::ExpectGolden("first_run", trace);
    EXPECT_EQ(ReportsText(), "");
}

}  // namespace
