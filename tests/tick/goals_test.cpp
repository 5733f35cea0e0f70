// The dashboard and the level goals as the player sees them.
#include <array>

#include "game/save.h"
#include "tests/tick/tick_fixture.h"

namespace {

constexpr const char* kLevelText =
    "You have fulfilled demands of this level! Congratulations! Now arrive at the home terminal and then try the "
    "newly declassified line. ;-)";
constexpr const char* kFinishedText =
    "YOU\xB4VE FINISHED PLAYING THE GAME! CONGRATULATIONS! Now you can play another my biger games clicking here.";
constexpr const char* kApplause = "Zvuky//Obecne//Potlesk.wav";

class Dashboard : public TickTest {
protected:
    void Carried(int32 c0, int32 c1, int32 c2, int32 c3) {
        g_carriedByClass[0] = c0;
        g_carriedByClass[1] = c1;
        g_carriedByClass[2] = c2;
        g_carriedByClass[3] = c3;
    }
    std::array<TLabel*, 4> Goals() {
        TForm1& f = form();
        return {f.labNemajetniCil, f.labDelniciCil, f.labUredniciCil, f.labElitaCil};
    }
    std::string GoalCaptions() {
        std::string text;
        for (TLabel* label : Goals()) text += label->Caption() + " ";
        return text;
    }
    std::string GoalColours() {
        std::string text;
        for (TLabel* label : Goals()) text += label->Font().Color == clLime ? "lime " : label->Font().Color == clRed ? "red " : "? ";
        return text;
    }
};

TEST_F(Dashboard, ShowsMoneyCarriedPassengersPlacesAndTheSchemeMarker) {
    StartRun(0);
    TForm1& f = form();
    g_money = -30;
    Carried(12, 3, 0, 7);
    g_tramLayout.occupiedPlaces = 36;
    g_tramLayout.freePlaces = -2;
    g_sectionIndex = 3;
    Tick();
    EXPECT_EQ(g_money, 0);
    EXPECT_EQ(f.labKasa->Caption(), "0");
    EXPECT_EQ(f.labKasa->Font().Color, clLime);
    EXPECT_EQ(f.labNemajetniPrevezeno->Caption(), "12");
    EXPECT_EQ(f.labDelniciPrevezeno->Caption(), "3");
    EXPECT_EQ(f.labUredniciPrevezeno->Caption(), "0");
    EXPECT_EQ(f.labElitaPrevezeno->Caption(), "7");
    EXPECT_EQ(f.labObsazenoMist->Caption(), "36");
    EXPECT_EQ(f.labVolnychMist->Caption(), "0") << "never a negative count of free places";
    EXPECT_EQ(g_tramLayout.freePlaces, -2);
    EXPECT_EQ(f.Shape1->Left, 408);
    EXPECT_EQ(f.Shape1->Top, 608);
}

TEST_F(Dashboard, LevelZeroToOneWithThePurpleMessage) {
    StartRun(0);
    Carried(50, 0, 0, 0);
    Tick();
    EXPECT_EQ(g_level, 1);
    EXPECT_TRUE(form().panVarovani->Visible);
    EXPECT_EQ(form().panVarovani->Color, clPurple);
    EXPECT_EQ(Message(), kLevelText);
    EXPECT_EQ(g_warningTimer, 10);
    EXPECT_EQ(StartsOf(kApplause), 1);
    // This tick still shows the old goals, but colours against the new.
    EXPECT_EQ(GoalCaptions(), "50 0 0 0 ");
    EXPECT_EQ(GoalColours(), "red red lime lime ");
    Tick();
    EXPECT_EQ(GoalCaptions(), "100 30 0 0 ");
    EXPECT_EQ(StartsOf(kApplause), 1);
}

TEST_F(Dashboard, GoalsOfTwoLevelsAtOnceRaiseOneLevelPerTick) {
    StartRun(0);
    Carried(100, 30, 0, 0);
    Tick();
    EXPECT_EQ(g_level, 1);
    EXPECT_EQ(StartsOf(kApplause), 1);
    g_warningTimer = 3;
    Tick();
    EXPECT_EQ(g_level, 2);
    EXPECT_EQ(StartsOf(kApplause), 2);
    EXPECT_EQ(g_warningTimer, 10);
    EXPECT_EQ(Message(), kLevelText);
    Tick(5);
    EXPECT_EQ(g_level, 2);
    EXPECT_EQ(g_saveRecord.gameFinished, 0);
}

TEST_F(Dashboard, TheLastLevelFinishesTheGameOnce) {
    StartRun(0);
    g_level = 2;
    Carried(300, 200, 0, 0);
    Tick();
    EXPECT_EQ(g_saveRecord.gameFinished, 1);
    EXPECT_EQ(g_level, 2);
    EXPECT_EQ(form().panVarovani->Color, clNavy);
    EXPECT_EQ(Message(), kFinishedText);
    EXPECT_EQ(g_warningTimer, 15);
    EXPECT_EQ(StartsOf(kApplause), 2);
    EXPECT_EQ(sound.PlayingCount(kApplause), 2) << "both applauses at once";
    Tick();
    EXPECT_EQ(GoalCaptions(), "1900 2400 1800 1000 ");
    EXPECT_EQ(GoalColours(), "lime lime lime lime ");
    g_warningTimer = 2;
    Tick(50);
    EXPECT_EQ(StartsOf(kApplause), 2);
    EXPECT_NE(g_warningTimer, 15);
}

TEST_F(Dashboard, TheMenuMusicFadesOutOnceARunHasBegun) {
    StartRun(0);
    const int music = static_cast<int>(g_soundChannels[7].handle);
    ASSERT_FLOAT_EQ(g_soundChannels[7].volume, 0.4f);
    auto musicCalls = [&] {
        int n = 0;
        for (const auto& call : sound.CallsNamed("_SoundNastavHlasitost@8")) n += call.arg == music;
        return n;
    };
    Tick(100);
    EXPECT_EQ(musicCalls(), 41);
    EXPECT_EQ(g_soundChannels[7].volume, 0.0f);
    EXPECT_TRUE(sound.IsPlaying(music)) << "silent, not stopped";

    g_menuMusicHold = 1;
    g_soundChannels[7].volume = 0.4f;
    sound.ClearLog();
    Tick(10);
    EXPECT_EQ(musicCalls(), 0);
}

}  // namespace
