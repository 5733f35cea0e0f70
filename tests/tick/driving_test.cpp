// Speed, the engine's pitch, the route's sections and the street.
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"

namespace {

class Driving : public TickTest {
protected:
    // Speed steps (each after the tick's engine step) until `speed`.
    int StepsUntil(int32 speed) {
        int steps = 0;
        for (; g_speed != speed && steps < 1000; ++steps) {
            UpdateEngineSounds(form());
            SpeedStep(form());
        }
        return steps;
    }
    void ChangeSectionNow() {
        LandscapeEdgeAt(1300);
        Tick();
    }
};

TEST_F(Driving, FromRestToSixtyAndBackWithTheEnginePitch) {
    StartRun();
    form().btnSpeed60Click(nullptr);
    EXPECT_EQ(StepsUntil(1), 4);  // the button for 60 waits four steps
    EXPECT_EQ(4 + StepsUntil(60), 214);
    EXPECT_NEAR(g_soundChannels[0].freq, 1.658, 0.002);
    EXPECT_NEAR(g_soundChannels[1].freq, 1.558, 0.002);
    // Two pitch calls per km/h and two as the loops start.
    EXPECT_EQ(sound.CallsNamed("_SoundNastavFreq@8").size(), 2u + 2 * 60);

    form().btnSpeed0Click(nullptr);
    EXPECT_EQ(StepsUntil(0), 60);  // braking does not wait
    EXPECT_NEAR(g_soundChannels[0].freq, 0.698, 0.002);
    EXPECT_NEAR(g_soundChannels[1].freq, 0.598, 0.002);
    sound.ClearLog();
    StepsUntil(-1);  // 1000 steps at rest: the high loop stops once, the low one hums on
    ASSERT_EQ(sound.Calls().size(), 1u);
    EXPECT_EQ(sound.Calls()[0].name, "_SoundZastav@4");
    EXPECT_TRUE(sound.IsPlaying(static_cast<int>(g_soundChannels[1].handle)));
}

TEST_F(Driving, SectionsChangeBelow1300AndTheLineStartsOverAfterItsTerminus) {
    StartRun(1, 2);
    Cruise(10);
    Tick();
    g_stopServed = 1;
    LandscapeEdgeAt(1301);
    Tick();
    EXPECT_EQ(g_sectionIndex, 14) << "an edge of exactly 1300 changes nothing";
    Tick();
    EXPECT_EQ(g_sectionIndex, 15);
    EXPECT_EQ(form().imgKrajina2->Picture->FileName(), "Textures//Maps//Map0.bmp");
    EXPECT_EQ(form().imgKrajina2->Left, form().imgKrajina1->Left + form().imgKrajina1->Width - 150);
    EXPECT_EQ(g_stopServed, 0);
    EXPECT_EQ(StartsOf("Zvuky//Okoli//Voda0.wav"), 1);

    g_sectionIndex = 27;
    g_stopsRemaining = 1;
    ChangeSectionNow();
    EXPECT_EQ(g_sectionIndex, 14);
    EXPECT_EQ(g_stopsRemaining, 12);
    EXPECT_EQ(form().imgKrajina1->Picture->FileName(), "Textures//Maps//Map502.bmp");
}

TEST_F(Driving, OverTheLimitOfTheSectionLeftCostsFiftyOncePerChangeNeverInTheTutorial) {
    StartRun();
    Cruise(46);
    Tick();
    const int32 money = g_money;
    g_sectionIndex = 4;  // limit 45
    ChangeSectionNow();
    EXPECT_EQ(g_money, money - 50);
    EXPECT_EQ(Message(), "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed!");
    EXPECT_EQ(form().panVarovani->Color, clMaroon);
    ChangeSectionNow();  // the terminus allows 60; line 0 starts over at row 0
    EXPECT_EQ(g_sectionIndex, 0);
    g_tutorialStep = 1;
    g_sectionIndex = 4;
    ChangeSectionNow();
    EXPECT_EQ(g_money, money - 50);
}

// Lines 7 and 8 are where the terminus just left and the row stored
// before the line's first row allow different speeds: 45 then 60 on
// line 7, 60 then 45 on line 8. The wrap judges the stored row.
TEST_F(Driving, AfterTheWrapTheLimitIsTheRowBeforeTheLinesFirstRow) {
    struct Case {
        int32 line, terminus, firstRow, speed, fine;
    };
    for (const Case& c : {Case{7, 86, 76, 60, 0}, Case{8, 97, 87, 50, 50}}) {
        StartRun(1, c.line);
        Cruise(c.speed);
        Tick();
        const int32 money = g_money;
        g_sectionIndex = c.terminus;
        ChangeSectionNow();
        EXPECT_EQ(g_sectionIndex, c.firstRow) << "line " << c.line;
        EXPECT_EQ(money - g_money, c.fine) << "line " << c.line;
    }
}

TEST_F(Driving, AStopIsPlacedAt3200AndScrollsInByTheSpeedBand) {
    for (const auto& [speed, step] : {std::pair{5, 1}, {6, 2}, {60, 12}}) {
        StartRun();
        Cruise(speed);
        g_sectionIndex = 1;
        Tick();
        EXPECT_EQ(form().imgStanice->Left, 3200);
        ASSERT_EQ(g_persons[0].state, PersonState::Waiting);
        const int32 x = g_persons[0].x;
        Tick();
        EXPECT_EQ(form().imgStanice->Left, 3200 - step) << speed;
        EXPECT_EQ(form().imgStanice2->Left, 3200 - step) << speed;
        EXPECT_EQ(g_persons[0].x, x - step) << "the waiting stay with their stop";
    }
}

}  // namespace
