// The main window as built: the creation order that stays in effect, the
// handlers every control answers with, the timers and the form's own
// pictures.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "assets/form_artwork.h"
#include "tests/support/game_fixture.h"

namespace {

class FormTreeTest : public GameFixture {};

// The scene's pictures are restacked before every run; what stays in
// creation order is the windowed controls over them and the two landscape
// tiles behind them, which overlap.
TEST_F(FormTreeTest, WindowedControlsTilesAndTimersKeepTheirCreationOrder) {
    TForm1& f = CreateForm();
    std::vector<std::string> windowed;
    for (TControl* c : f.Children())
        if (c->IsWindowed()) windowed.push_back(c->Name);
    EXPECT_EQ(windowed, (std::vector<std::string>{"btnSpeed0", "btnSpeed15", "btnSpeed30", "btnSpeed45",
                                                  "btnSpeed60", "btnDvere", "BitBtn1", "panVystrahaSemafor",
                                                  "panVystrahaStanice", "panMainMenu", "panPrestavka",
                                                  "panVarovani", "panKryti", "memoTutorial", "btnTutorial"}));
    EXPECT_LT(f.imgKrajina2->StackIndex(), f.imgKrajina1->StackIndex());

    std::vector<std::string> timers;
    for (TTimer* t : f.Timers()) timers.push_back(t->Name);
    EXPECT_EQ(timers, (std::vector<std::string>{"tDvere", "tSemafor", "tMainTimer", "tStart"}));
    EXPECT_TRUE(f.tDvere->Interval() == 100 && !f.tDvere->Enabled());
    EXPECT_TRUE(f.tSemafor->Interval() == 30000 && f.tSemafor->Enabled());
    EXPECT_TRUE(f.tMainTimer->Interval() == 10 && f.tMainTimer->Enabled());
    EXPECT_TRUE(f.tStart->Interval() == 100 && f.tStart->Enabled());
}

// The dashboard never moves: each caption sits over its field of the
// panel pictures.
TEST_F(FormTreeTest, DashboardCaptionsAndPanelsSitOverTheirFields) {
    TForm1& f = CreateForm();
    const std::vector<std::pair<TControl*, std::array<int, 2>>> places = {
        {f.imgUPpanel, {0, 0}},           {f.imgDOWNpanel, {615, 538}},    {f.imgSchema, {2, 538}},
        {f.labKasa, {736, 10}},           {f.labVolnychMist, {972, 544}},  {f.labObsazenoMist, {972, 592}},
        {f.labZrychlitNa, {670, 544}},    {f.labAktualniRychlost, {670, 592}}, {f.labMinuty, {758, 544}},
        {f.Label11, {814, 542}},          {f.labSekundy, {832, 544}},      {f.labPrijem, {808, 56}},
        {f.labElitaPrevezeno, {770, 610}}, {f.labUredniciPrevezeno, {770, 651}},
        {f.labDelniciPrevezeno, {770, 691}}, {f.labNemajetniPrevezeno, {770, 732}},
        {f.labElitaCil, {848, 610}},      {f.labUredniciCil, {848, 651}},  {f.labDelniciCil, {848, 691}},
        {f.labNemajetniCil, {848, 732}},  {f.Shape1, {8, 544}},            {f.BitBtn1, {899, 8}},
        {f.panVystrahaSemafor, {618, 639}}, {f.panVystrahaStanice, {924, 639}}, {f.memoTutorial, {16, 56}},
        {f.btnTutorial, {941, 206}},
    };
    for (const auto& [c, at] : places) EXPECT_EQ((std::array{c->Left, c->Top}), at) << c->Name;
    EXPECT_EQ((std::array{f.imgDOWNpanel->Width, f.imgDOWNpanel->Height}), (std::array{407, 230}));
    EXPECT_EQ((std::array{f.imgSchema->Width, f.imgSchema->Height}), (std::array{613, 230}));
}

TEST_F(FormTreeTest, EveryControlTheGameAnswersHasItsHandlerAndNoOtherHasOne) {
    const std::set<std::string> clickable = {
        "btnSpeed0", "btnSpeed15",       "btnSpeed30",      "btnSpeed45",      "btnSpeed60",
        "btnDvere",  "BitBtn1",          "labMenu1",        "labMenu2",        "labMenu3",
        "labMenu4",  "labMenu5",         "btnUpozorneniAno", "btnUpozorneniNe", "labVarovani",
        "btnTutorial", "btnLinkaPrevious", "btnLinkaNext",  "btnTramvajPrevious", "btnTramvajNext",
        "btnKoupitNovouTramvaj", "btnNovyKurs"};
    const std::set<std::string> hoverable = {"labMenu1", "labMenu2", "labMenu3", "labMenu4", "labMenu5"};
    TForm1& f = CreateForm();
    std::set<std::string> withClick, withMove;
    for (TControl* c : f.AllControls()) {
        if (c->OnClick) withClick.insert(c->Name);
        if (c->OnMouseMove) withMove.insert(c->Name);
    }
    EXPECT_EQ(withClick, clickable);
    EXPECT_EQ(withMove, hoverable);
    for (TTimer* t : f.Timers()) EXPECT_TRUE(static_cast<bool>(t->OnTimer)) << t->Name;
    EXPECT_TRUE(static_cast<bool>(f.OnCreate));

    const char keys[] = {'Q', 'W', 'E', 'R', 'T'};
    TBitBtn* speeds[] = {f.btnSpeed0, f.btnSpeed15, f.btnSpeed30, f.btnSpeed45, f.btnSpeed60};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(speeds[i]->Caption, std::string("&") + keys[i]);
    EXPECT_EQ(f.btnDvere->Caption, "&D");
}

TEST_F(FormTreeTest, FormArtworkComesFromItsOwnFolder) {
    TForm1& f = CreateForm();
    EXPECT_EQ(f.imgSemafor->Picture->FileName(), "Textures/Form/imgSemafor.bmp");
    EXPECT_EQ(f.Image1->Picture->FileName(), "Textures/Form/Image1.bmp");
    for (TImage* k : f.Kolemjdouci) EXPECT_EQ(k->Picture->FileName(), "Textures/Form/Kolemjdouci.bmp");
    for (TBitBtn* b : {f.BitBtn1, f.btnNovyKurs, f.btnTutorial, f.btnLinkaPrevious, f.btnUpozorneniNe})
        EXPECT_FALSE(b->Glyph->Empty()) << b->Name;
    EXPECT_TRUE(f.Clovek[0]->Picture->Empty()) << "passengers carry no picture of their own";

    // Every picture the asset set makes for the form is taken by a widget.
    std::set<std::string> taken;
    for (TControl* c : f.AllControls()) {
        if (auto* img = dynamic_cast<TImage*>(c)) taken.insert(img->Picture->FileName());
        if (auto* btn = dynamic_cast<TBitBtn*>(c)) taken.insert(btn->Glyph->FileName());
    }
    for (const auto& pic : form_artwork::kPictures) EXPECT_TRUE(taken.count(form_artwork::PathOf(pic.name))) << pic.name;
}

TEST_F(FormTreeTest, MissingFormArtworkIsNoGameError) {
    HideAsset("Textures/Form/Kolemjdouci.bmp");
    HideAsset("Textures/Form/BitBtn1.bmp");
    StartToMenu();
    EXPECT_TRUE(Application->Reports().empty()) << ReportsText();
    EXPECT_TRUE(form().Kolemjdouci[19]->Picture->Empty());
    EXPECT_TRUE(form().BitBtn1->Glyph->Empty());
}

}  // namespace
