// The route moves on one section per landscape tile: the section's
// objects start afresh, the sounds change with the tile, and the end of
// the line leads back to its start.
#include "tests/tick/tick_fixture.h"

namespace {

constexpr const char* kOverLimitText =
    "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed!";

class RouteProgress : public TickTest {
protected:
    // A tick in which the leading landscape tile leaves the 1300 line.
    void ChangeSectionNow() {
        LandscapeEdgeAt(1300);
        Tick();
    }
};

TEST_F(RouteProgress, ANewTileComesOnceTheLeadingEdgeIsBelow1300) {
    StartRun(0);
    Cruise(10);
    Tick();
    for (int32* flag : {&g_lightPlaced, &g_crossingPenalised, &g_speedPenalised, &g_stopDeparted, &g_stopServed,
                        &g_missedStopPenalised})
        *flag = 1;
    TForm1& f = form();
    LandscapeEdgeAt(1301);
    Tick();
    EXPECT_EQ(g_sectionIndex, 0) << "an edge of exactly 1300 changes nothing";

    sound.ClearLog();
    Tick();
    EXPECT_EQ(g_sectionIndex, 1);
    EXPECT_EQ(g_landscapeTileToggle, 1);
    EXPECT_EQ(f.imgKrajina2->Picture->FileName(), "Textures//Maps//Map0.bmp");
    EXPECT_EQ(f.imgKrajina2->Left, f.imgKrajina1->Left + f.imgKrajina1->Width - 150);
    EXPECT_LT(f.imgKrajina1->StackIndex(), f.imgKrajina2->StackIndex());
    EXPECT_EQ(f.imgKrajina1->StackIndex(), 0);
    for (int32 flag : {g_lightPlaced, g_crossingPenalised, g_speedPenalised, g_stopDeparted, g_stopServed,
                       g_missedStopPenalised})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(g_carSpawnCountdown, 5);
    // The street of the same tick places the new row's stop and sign.
    EXPECT_EQ(g_stopPlaced, 1);
    EXPECT_EQ(f.imgStanice->Left, 3200);
    EXPECT_EQ(f.imgZnacka->Left, 4310);
    // Row 1: traffic 5 and landscape 0 (water on channel 4).
    EXPECT_EQ(StartsOf("Zvuky//Traffic//Doprava1.wav"), 1);
    ASSERT_EQ(StartsOf("Zvuky//Okoli//Voda0.wav"), 1);
    const auto water = sound.StartsOf("Zvuky//Okoli//Voda0.wav")[0];
    EXPECT_EQ(water.arg, 1);
    EXPECT_FLOAT_EQ(water.value, g_soundChannels[4].volume);
    EXPECT_EQ(static_cast<int>(g_soundChannels[4].handle), water.handle);

    // The other image leads now; the test is made against it.
    LandscapeEdgeAt(1300);
    Tick();
    EXPECT_EQ(g_sectionIndex, 2);
    EXPECT_EQ(g_landscapeTileToggle, 0);
    EXPECT_EQ(f.imgKrajina1->Picture->FileName(), "Textures//Maps//Map501.bmp");
}

TEST_F(RouteProgress, EachTileBringsItsOwnSounds) {
    StartRun(0);
    Cruise(10);
    Tick();
    struct Expect {
        int32 row;
        const char* traffic;
        const char* ambient;  // nullptr: none
        int loop;
    };
    const Expect rows[] = {
        {1, "Zvuky//Traffic//Doprava1.wav", "Zvuky//Okoli//Voda0.wav", 1},
        {2, "Zvuky//Traffic//Doprava1.wav", nullptr, 0},  // same traffic: restarted all the same
        {3, "Zvuky//Traffic//Doprava1.wav", "Zvuky//Okoli//Voda1.wav", 1},
        {4, "Zvuky//Traffic//Doprava0.wav", "Zvuky//Okoli//Zvon.wav", 0},
    };
    for (const Expect& e : rows) {
        SCOPED_TRACE(e.row);
        const int traffic = static_cast<int>(g_soundChannels[2].handle);
        const int water0 = static_cast<int>(g_soundChannels[4].handle);
        const int water1 = static_cast<int>(g_soundChannels[5].handle);
        sound.ClearLog();
        ChangeSectionNow();
        ASSERT_EQ(g_sectionIndex, e.row);
        EXPECT_FALSE(sound.IsPlaying(traffic));
        EXPECT_EQ(StartsOf(e.traffic), 1);
        EXPECT_TRUE(sound.IsPlaying(static_cast<int>(g_soundChannels[2].handle)));
        // Both water loops stop at every change.
        EXPECT_FALSE(sound.IsPlaying(water0));
        EXPECT_FALSE(sound.IsPlaying(water1));
        if (e.ambient) {
            ASSERT_EQ(StartsOf(e.ambient), 1);
            EXPECT_EQ(sound.StartsOf(e.ambient)[0].arg, e.loop);
            if (!e.loop) {
                EXPECT_FLOAT_EQ(sound.StartsOf(e.ambient)[0].value, 0.25f);
            }
        }
        EXPECT_EQ(sound.CallsNamed("_SoundSpust@12").size(), e.ambient ? 2u : 1u);
    }
}

TEST_F(RouteProgress, PastTheTerminusTheLineStartsOver) {
    StartRun(2);
    ASSERT_EQ(g_sectionIndex, 14);
    ASSERT_EQ(g_stopsRemaining, 12);
    Cruise(10);
    Tick();
    g_sectionIndex = 27;
    g_stopsRemaining = 1;
    ChangeSectionNow();
    EXPECT_EQ(g_sectionIndex, 14);
    EXPECT_EQ(g_stopsRemaining, 12);
    EXPECT_EQ(form().imgKrajina2->Picture->FileName(), "Textures//Maps//Map502.bmp");
    ChangeSectionNow();
    EXPECT_EQ(g_sectionIndex, 15);
    EXPECT_EQ(g_stopsRemaining, 12);

    // Line 0 has no row before its first one; the terminus just left is
    // what the speed is judged against.
    StartRun(0);
    Cruise(60);
    Tick();
    g_sectionIndex = 5;
    const int32 money = g_money;
    ChangeSectionNow();
    EXPECT_EQ(g_sectionIndex, 0);
    EXPECT_EQ(g_stopsRemaining, 4);
    EXPECT_EQ(g_money, money);
}

TEST_F(RouteProgress, OverTheLimitOfTheSectionLeftCostsFiftyOncePerChange) {
    StartRun(0);
    Cruise(45);
    Tick();
    g_sectionIndex = 4;  // limit 45
    int32 money = g_money;
    ChangeSectionNow();
    EXPECT_EQ(g_money, money) << "at the limit";
    EXPECT_FALSE(form().panVarovani->Visible);

    Cruise(46);
    g_sectionIndex = 4;
    ChangeSectionNow();
    EXPECT_EQ(g_sectionIndex, 5);
    EXPECT_EQ(g_money, money - 50);
    EXPECT_EQ(form().labKasa->Caption(), IntToStr(money - 50));
    EXPECT_TRUE(form().panVarovani->Visible);
    EXPECT_EQ(form().panVarovani->Color, clMaroon);
    EXPECT_EQ(Message(), kOverLimitText);
    EXPECT_EQ(g_warningTimer, 7);
    EXPECT_EQ(g_speedPenalised, 1);
    ASSERT_EQ(StartsOf("Zvuky//Obecne//Penalizace.wav"), 1);
    EXPECT_FLOAT_EQ(sound.StartsOf("Zvuky//Obecne//Penalizace.wav")[0].value, 0.3f);

    // Row 5 allows 60: the next change costs nothing.
    money = g_money;
    ChangeSectionNow();
    EXPECT_EQ(g_money, money);
    EXPECT_EQ(StartsOf("Zvuky//Obecne//Penalizace.wav"), 1);

    // Never in the tutorial.
    g_tutorialStep = 1;
    g_sectionIndex = 4;
    ChangeSectionNow();
    EXPECT_EQ(g_money, money);
    EXPECT_EQ(g_speedPenalised, 0);
}

}  // namespace
