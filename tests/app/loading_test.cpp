// The loading sequence: which files are read in which step, the progress
// bar and its captions, and what a missing picture does to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
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

TEST_F(LoadingTest, EveryStepReadsItsOwnFilesUnderItsOwnCaption) {
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
    EXPECT_EQ(f.imgLoading->Width, 0);
    EXPECT_TRUE(f.labLoading->IsShowing());
    EXPECT_EQ(f.labLoading->Caption(), "");

    // Each family step reads its own files without a report, under its
    // caption, and moves the bar on by 50.
    const char* const captions[] = {
        "... loading traffic ...",    "... loading cars ...",    "... loading buildings ...",
        "... loading landscapes ...", "... loading streets ...", "... loading forrest ...",
        "... loading floors ...",     "... loading stations ...", "... loading panels ...",
        "... loading people ...",     "... loading passengers ...",
    };
    std::set<std::string> paths;
    for (int step = 31; step <= 41; ++step) {
        NextEvent();
        const std::vector<Load> family = TakeLog();
        EXPECT_FALSE(family.empty()) << "step " << step;
        for (const Load& l : family) EXPECT_TRUE(paths.insert(l.path).second) << l.path << " read twice";
        EXPECT_EQ(f.labLoading->Caption(), captions[step - 31]);
        EXPECT_EQ(f.imgLoading->Width, 50 * (step - 30)) << "step " << step;
        EXPECT_EQ(f.labLoading->Left, 512 - f.labLoading->Width / 2) << "step " << step;
    }
    EXPECT_EQ(paths.size(), 27u * 2 + 11 + 4 + 37 + 4 + 6 + 13 + 3 + 18 + 90);
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
    const std::vector<Load> again = TakeLog();
    ASSERT_EQ(again.size(), 37u) << "the family is read again from its first file";
    EXPECT_EQ(again.front(), (Load{"imgSilnice1", "Textures//Silnice//Silnice0.bmp"}));
    EXPECT_EQ(again.back().path, "Textures//Silnice//Silnice36.bmp");
    EXPECT_EQ(f.labLoading->Caption(), "... loading streets ...");

    StartToMenu();
    EXPECT_TRUE(f.labMenu1->IsShowing());
    EXPECT_EQ(ReportsOf("Cannot open file " + missing), 1);
}

// Where the first layout puts the scene, the message bar, the depot and
// the new-game question.
TEST_F(LoadingTest, FirstLayoutPutsEveryPictureInItsPlace) {
    StartToMenu();
    TForm1& f = form();
    const std::vector<std::pair<TControl*, std::array<int, 2>>> places = {
        {f.imgKrajina1, {-1, 50}},     {f.imgKrajina2, {-1, 50}},     {f.imgSilnice1, {-1, 338}},
        {f.imgSilnice2, {-1, 338}},    {f.imgStanice, {1500, 457}},   {f.imgStanice2, {1500, 353}},
        {f.imgSemafor, {-100, 228}},   {f.imgPrechodProChodce, {-100, 416}}, {f.imgZnacka, {-100, 354}},
        {f.imgSloup1, {288, 269}},     {f.imgSloup2, {864, 269}},     {f.labPrijem, {-1, 296}},
        {f.panPrestavka, {0, 48}},     {f.panVarovani, {8, 514}},     {f.panUpozorneni, {200, 299}},
        {f.btnUpozorneniAno, {75, 35}}, {f.btnUpozorneniNe, {325, 35}},
        {f.imgTramvaj, {kStartTramLayout.bodyX, kStartTramLayout.bodyY}},
    };
    for (const auto& [c, at] : places) {
        if (at[0] != -1) {  // -1: the run set-up places it
            EXPECT_EQ(c->Left, at[0]) << c->Name;
        }
        EXPECT_EQ(c->Top, at[1]) << c->Name;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ((std::array{f.imgAutoDoleva[i]->Left, f.imgAutoDoleva[i]->Top}), (std::array{1200, 381}));
        EXPECT_EQ((std::array{f.imgAutoDoprava[i]->Left, f.imgAutoDoprava[i]->Top}), (std::array{-220, 441}));
    }
    EXPECT_EQ(f.panUpozorneni->Width, 600);
    EXPECT_FALSE(f.panUpozorneni->Visible);
}

}  // namespace
