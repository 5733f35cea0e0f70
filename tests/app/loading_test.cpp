// The loading sequence: which files are read in which step, the progress
// bar and its captions, and what a missing picture does to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/state.h"
#include "game/tram_layout.h"
#include "platform/picture.h"
#include "tests/support/game_fixture.h"

namespace {

struct Load {
    std::string widget;
    std::string path;
    bool operator==(const Load&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Load& l) { return os << l.widget << " <- " << l.path; }

std::string S(int n) { return std::to_string(n); }

// The picture families of steps 31..41 as the loading table lists them.
std::vector<Load> ExpectedFamily(int step) {
    std::vector<Load> out;
    auto alternate = [&](const std::vector<std::string>& widgets, const std::vector<std::string>& paths) {
        for (size_t i = 0; i < paths.size(); ++i) out.push_back({widgets[i % widgets.size()], paths[i]});
    };
    std::vector<std::string> paths;
    switch (step) {
        case 31:
        case 32: {
            const std::string side = step == 31 ? "AutaDoprava" : "AutaDoleva";
            for (int m = 0; m <= 8; ++m)
                for (int f = 0; f <= 2; ++f) paths.push_back("Textures//Doprava//" + side + "//" + S(m) + S(f) + ".bmp");
            const std::string w = step == 31 ? "imgAutoDoprava" : "imgAutoDoleva";
            alternate({w + "1", w + "2", w + "3", w + "4"}, paths);
            break;
        }
        case 33:
            for (int n = 0; n <= 10; ++n) paths.push_back("Textures//Maps//Map" + S(n) + ".bmp");
            alternate({"imgKrajina1", "imgKrajina2"}, paths);
            break;
        case 34:
            for (int n = 0; n <= 3; ++n) paths.push_back("Textures//Maps//Map50" + S(n) + ".bmp");
            alternate({"imgKrajina1", "imgKrajina2"}, paths);
            break;
        case 35:
            for (int n = 0; n <= 36; ++n) paths.push_back("Textures//Silnice//Silnice" + S(n) + ".bmp");
            alternate({"imgSilnice1", "imgSilnice2"}, paths);
            break;
        case 36:
            for (int n = 0; n <= 3; ++n) paths.push_back("Textures//Silnice//Silnice50" + S(n) + ".bmp");
            alternate({"imgSilnice1", "imgSilnice2"}, paths);
            break;
        case 37:
            for (int n = 0; n <= 5; ++n) out.push_back({"imgStanice", "Textures//Stanice//Stanice" + S(n) + ".bmp"});
            break;
        case 38:
            for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 40})
                out.push_back({"imgStanice2", "Textures//Stanice2//Stanice" + S(n) + ".bmp"});
            break;
        case 39:
            out = {{"imgUPpanel", "Textures//Panely//UPpanel.bmp"},
                   {"imgDOWNpanel", "Textures//Panely//DOWNpanel.bmp"},
                   {"imgPrestavka", "Textures//Panely//PanelPrestavka.bmp"}};
            break;
        case 40:
            for (int i = 0; i <= 2; ++i)
                for (int j = 0; j <= 2; ++j)
                    for (int c = 0; c <= 1; ++c)
                        out.push_back({"Clovek1", "Textures//LidePohyb1//" + S(c) + "//" + S(i) + S(j) + ".bmp"});
            break;
        case 41:
            for (int i = 0; i <= 2; ++i)
                for (int j = 0; j <= 2; ++j)
                    for (int k = 0; k <= 4; ++k)
                        for (int c = 0; c <= 1; ++c)
                            out.push_back(
                                {"Clovek1", "Textures//LideStatic//" + S(c) + "//" + S(i) + S(j) + S(k) + ".bmp"});
            break;
    }
    return out;
}

const char* const kCaptions[] = {
    "... loading traffic ...",    "... loading cars ...",     "... loading buildings ...",
    "... loading landscapes ...", "... loading streets ...",  "... loading forrest ...",
    "... loading floors ...",     "... loading stations ...", "... loading panels ...",
    "... loading people ...",     "... loading passengers ...",
};

std::vector<Load> TakeLog() {
    std::vector<Load> out;
    for (const LoadRecord& r : LoadLog()) out.push_back({r.widget, r.path});
    ClearLoadLog();
    return out;
}

class LoadingTest : public GameFixture {
protected:
    void SetUp() override {
        CreateForm();
        EnableLoadLog(true);
        ClearLoadLog();
        Show();
    }
    void TearDown() override { EnableLoadLog(false); }

    void NextEvent() { ui().AdvanceFires("tStart", 1); }

    int ReportsOf(const std::string& message) const {
        const auto& r = Application->Reports();
        return static_cast<int>(
            std::count_if(r.begin(), r.end(), [&](const ErrorReport& e) { return e.message == message; }));
    }
};

TEST_F(LoadingTest, EveryStepReadsItsFilesInOrderUnderItsCaption) {
    TForm1& f = form();
    const int labLoadingTop = f.labLoading->Top;

    // Thirty events on the logo: nothing is read, nothing shows but the
    // (hidden) caption moving to the centre.
    for (int step = 0; step < 30; ++step) NextEvent();
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(f.labLoading->Visible);
    EXPECT_EQ(f.labLoading->Top, labLoadingTop);
    EXPECT_EQ(f.imgMainMenu->Picture->FileName(), "Textures//MainMenu//Logo.bmp");

    NextEvent();  // step 30: the intro
    const std::vector<Load> intro = {{"imgMainMenu", "Textures//MainMenu//Intro.bmp"},
                                     {"imgLoading", "Textures//MainMenu//Loading.bmp"},
                                     {"imgAutoMenuDoprava", "Textures//Doprava//AutaDoprava//90.bmp"},
                                     {"imgAutoMenuDoleva", "Textures//Doprava//AutaDoleva//90.bmp"}};
    EXPECT_EQ(TakeLog(), intro);
    EXPECT_EQ(f.imgLoading->Left, 202);
    EXPECT_EQ(f.imgLoading->Top, 702);
    EXPECT_EQ(f.imgLoading->Width, 0);
    EXPECT_EQ(f.imgLoading->Height, 16);
    EXPECT_TRUE(f.labLoading->IsShowing());
    EXPECT_EQ(f.labLoading->Caption(), "");
    EXPECT_EQ(f.labLoading->Top, 670);

    for (int step = 31; step <= 41; ++step) {
        NextEvent();
        EXPECT_EQ(TakeLog(), ExpectedFamily(step)) << "step " << step;
        EXPECT_EQ(f.labLoading->Caption(), kCaptions[step - 31]) << "step " << step;
        EXPECT_EQ(f.imgLoading->Width, 50 * (step - 30)) << "step " << step;
        EXPECT_EQ(f.labLoading->Left, 512 - f.labLoading->Width / 2) << "step " << step;
    }
    EXPECT_EQ(f.imgLoading->Width, 550);
    EXPECT_TRUE(f.imgLoading->IsShowing());
    EXPECT_EQ(f.Clovek[0]->Picture->FileName(), "Textures//LideStatic//1//224.bmp");

    NextEvent();  // step 42: the menu picture and the question panel among the reads
    std::vector<Load> menu = TakeLog();
    const Load mainMenu{"imgMainMenu", "Textures//MainMenu//MainMenu.bmp"};
    const Load question{"imgUpozorneni", "Textures//Panely//Upozorneni.bmp"};
    auto m = std::find(menu.begin(), menu.end(), mainMenu), q = std::find(menu.begin(), menu.end(), question);
    EXPECT_TRUE(m != menu.end() && q != menu.end() && m < q);
    EXPECT_FALSE(f.imgLoading->Visible);
    EXPECT_FALSE(f.labLoading->Visible);

    NextEvent();  // step 43
    EXPECT_EQ(g_startupStep, 44);
    EXPECT_FALSE(f.tStart->Enabled());
    ui().Advance(1000);
    EXPECT_EQ(f.tStart->FireCount(), 44);
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
}

TEST_F(LoadingTest, SecondLaunchReportGoesOutWithTheIntro) {
    for (int step = 0; step < 30; ++step) NextEvent();
    const size_t before = services.libraries.Requests().size();
    NextEvent();
    const auto requests = services.libraries.Requests();
    ASSERT_EQ(requests.size(), before + 1);
    EXPECT_NE(requests.back().url.find("/stats/data.php?program=spusteno"), std::string::npos);
    EXPECT_EQ(requests.back().method, "GET");
    EXPECT_TRUE(requests.back().onCreatorThread);
}

TEST_F(LoadingTest, MissingStreetPictureIsReportedOnceAndLoadingGoesOnWhenItIsBack) {
    const std::string missing = "Textures//Silnice//Silnice7.bmp";
    HideAsset(missing);
    TForm1& f = form();
    for (int step = 0; step <= 35; ++step) NextEvent();
    EXPECT_EQ(g_startupStep, 35);
    EXPECT_EQ(ReportsOf("Cannot open file " + missing), 1);
    EXPECT_EQ(f.imgLoading->Width, 200);  // still the bar of step 34

    ClearLoadLog();
    for (int i = 0; i < 20; ++i) NextEvent();
    EXPECT_EQ(g_startupStep, 35);
    EXPECT_EQ(ReportsOf("Cannot open file " + missing), 1);
    EXPECT_TRUE(TakeLog().empty()) << "the step waits instead of failing again every 100 ms";
    EXPECT_EQ(f.tStart->Interval(), 100);
    EXPECT_TRUE(f.tStart->Enabled());

    RestoreAsset(missing);
    NextEvent();
    EXPECT_EQ(g_startupStep, 36);
    EXPECT_EQ(TakeLog(), ExpectedFamily(35)) << "the family is read again from its first file";
    EXPECT_EQ(f.labLoading->Caption(), "... loading streets ...");

    StartToMenu();
    EXPECT_TRUE(f.labMenu1->IsShowing());
    EXPECT_EQ(ReportsOf("Cannot open file " + missing), 1);
}

TEST_F(LoadingTest, FirstLayoutPutsTheSceneInItsStartingPlaces) {
    StartToMenu();
    TForm1& f = form();
    auto at = [](TControl* c, int left, int top) { return c->Left == left && c->Top == top; };
    EXPECT_TRUE(at(f.imgStanice, 1500, 457)) << "the stop waits beyond the right edge";
    EXPECT_TRUE(at(f.imgSemafor, -100, 228)) << "the light beyond the left edge";
    EXPECT_TRUE(at(f.imgAutoDoleva[3], 1200, 381) && at(f.imgAutoDoprava[0], -220, 441));

    const TramLayout& t = kStartTramLayout;
    EXPECT_TRUE(at(f.imgTramvaj, t.bodyX, t.bodyY));
    EXPECT_TRUE(at(f.imgTramvajPozadi, t.interiorX, t.interiorY));
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(at(f.imgDvere[i], t.doors[i][0], t.doors[i][1])) << i;
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(at(f.imgKola[i], t.wheels[i][0], t.wheels[i][1])) << i;

    // The new-game question, laid out but hidden; depot and message bar placed.
    EXPECT_FALSE(f.panUpozorneni->Visible);
    EXPECT_TRUE(at(f.panUpozorneni, 200, 299) && f.panUpozorneni->Width == 600 && f.panUpozorneni->Height == 75);
    EXPECT_TRUE(at(f.imgUpozorneni, 0, 0) && f.imgUpozorneni->Width == 600 && f.imgUpozorneni->Height == 75);
    EXPECT_TRUE(at(f.btnUpozorneniAno, 75, 35) && f.btnUpozorneniAno->Width == 200);
    EXPECT_TRUE(at(f.btnUpozorneniNe, 325, 35) && f.btnUpozorneniNe->Height == 25);
    EXPECT_TRUE(at(f.panPrestavka, 0, 48));
    EXPECT_TRUE(at(f.panVarovani, 8, 514));
}

}  // namespace
