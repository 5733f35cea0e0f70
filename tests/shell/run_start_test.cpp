// Starting a run from the depot: refused without a tram or a chosen one,
// and every run starting from the same values.
#include <gtest/gtest.h>

#include <vector>

#include "game/records.h"
#include "game/route.h"
#include "game/tram_layout.h"
#include "tests/shell/shell_support.h"

using namespace shell_test;

namespace {

class RunStartTest : public GameFixture {};

TEST_F(RunStartTest, WithoutATramTheDepotStays) {
    DepotWith(*this, Career(300, 0, 0, 0));
    ui().Click("btnNovyKurs");
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Unklik.wav").size(), 1u);
    EXPECT_TRUE(form().panPrestavka->IsShowing());
    EXPECT_EQ(g_runActive, 0);
    EXPECT_TRUE(sound.StartsOf("Zvuky//Pocasi//Vitr.wav").empty());
}

// An owned tram that is not chosen (an edited file) has no layout to
// drive with: the start waits until the player chooses one.
TEST_F(RunStartTest, OwnedButUnchosenTramWaitsForAChoice) {
    DepotWith(*this, Career(0, 1, 1, 0));
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_runActive, 0);
    ui().Click("btnTramvajNext");
    ui().Click("btnNovyKurs");
    EXPECT_EQ(g_runActive, 1);
}

// A run after an abandoned one starts from the same scene as the first:
// nothing of the run before shows.
TEST_F(RunStartTest, ARunAfterAnAbandonedOneStartsFromTheSetUpValues) {
    DepotWith(*this, Career(0, 1, 1, 1));
    ui().Click("btnNovyKurs");
    ui().Key('t');  // drive a while, stop, open the doors, give up
    ui().Advance(20000);
    ui().Key('q');
    ui().Advance(8000);
    form().btnDvere->Enabled = true;
    ui().Key('d');
    ui().Advance(400);
    ui().Click("BitBtn1");
    ui().Advance(2000);  // the door movement ends behind the menu
    ui().Click("labMenu3");
    ui().Click("btnNovyKurs");

    TForm1& f = form();
    const int tile = f.imgKrajina1->Width, road = f.imgSilnice1->Width;
    const std::vector<std::pair<TControl*, int>> lefts = {
        {f.imgKrajina1, -130}, {f.imgKrajina2, tile - 260}, {f.imgSilnice1, 0}, {f.imgSilnice2, road - 2},
        {f.imgStanice, 1500},  {f.imgStanice2, 1500},       {f.imgSemafor, -500}, {f.imgPrechodProChodce, -500},
        {f.imgZnacka, -50},    {f.imgTramvaj, 495}};
    for (const auto& [c, left] : lefts) EXPECT_EQ(c->Left, left) << c->Name;
    for (const char* label : {"labZrychlitNa", "labAktualniRychlost", "labVolnychMist", "labObsazenoMist"})
        EXPECT_EQ(Caption(*this, label), "0") << label;
    EXPECT_EQ(Caption(*this, "labMinuty") + Caption(*this, "labSekundy"), "0000");
    EXPECT_EQ(Caption(*this, "labPrijem"), "$0");
    for (TControl* hidden : std::initializer_list<TControl*>{f.labPrijem, f.panVarovani, f.panVystrahaSemafor,
                                                              f.panVystrahaStanice, f.panPrestavka})
        EXPECT_FALSE(hidden->Visible) << hidden->Name;
    EXPECT_FALSE(f.tDvere->Enabled());
    EXPECT_EQ(std::vector<int32>({g_speed, g_targetSpeed, g_doorsOpen, g_sectionIndex, g_stopsRemaining, g_clockSeconds,
                                  g_carSpawnCountdown, g_warningTimer}),
              std::vector<int32>({0, 0, 0, 0, 4, 0, 5, -1}));
    for (const PersonRecord& p : g_persons) EXPECT_EQ(p.state, PersonState::Free);
    for (const PedestrianRecord& p : g_pedestrians) EXPECT_EQ(p.active, 0);
}

}  // namespace
