// The tram speeds up and slows down 1 km/h per speed step, and the two
// engine loops follow in pitch.
#include "platform/fake_sound.h"
#include "tests/tick/tick_fixture.h"
#include "tick/blocks.h"

namespace {

class SpeedAndEngine : public TickTest {
protected:
    // One speed step as the tick makes it: the engine step of the tick
    // comes first, the speed step later.
    void Step(int n = 1) {
        for (int i = 0; i < n; ++i) {
            UpdateEngineSounds(form());
            SpeedStep(form());
        }
    }
    // Steps until the speed reaches `speed`; the number of steps taken.
    int StepsUntil(int32 speed) {
        int steps = 0;
        while (g_speed != speed && steps < 1000) {
            Step();
            ++steps;
        }
        return steps;
    }
    int Calls(const char* name) const { return static_cast<int>(sound.CallsNamed(name).size()); }
    const SoundChannel& High() const { return g_soundChannels[0]; }
    const SoundChannel& Low() const { return g_soundChannels[1]; }
};

TEST_F(SpeedAndEngine, FromRestToSixtyAndBackWithTheEnginePitch) {
    StartRun(0);
    form().btnSpeed60Click(nullptr);  // waits 4 steps for the first km/h

    EXPECT_EQ(StepsUntil(1), 4);
    EXPECT_EQ(g_accelDelay, 2);
    // The loops start on the next tick, at their own pitch.
    Step();
    EXPECT_EQ(StartsOf("Zvuky//Tramvaje//Tram1.wav"), 1);
    EXPECT_EQ(StartsOf("Zvuky//Tramvaje//Tram0.wav"), 1);
    EXPECT_FLOAT_EQ(High().freq, 0.7f);
    EXPECT_FLOAT_EQ(Low().freq, 0.6f);
    EXPECT_EQ(g_landscapeMoving, 1);
    EXPECT_EQ(g_streetMoving, 1);

    EXPECT_EQ(5 + StepsUntil(60), 214);
    EXPECT_EQ(form().labAktualniRychlost->Caption(), "60");
    EXPECT_NEAR(High().freq, 1.658, 0.002);
    EXPECT_NEAR(Low().freq, 1.558, 0.002);
    // Two pitch calls at the start, two per km/h after 1 km/h (59 of them)
    // and two for the first km/h.
    EXPECT_EQ(Calls("_SoundNastavFreq@8"), 2 + 2 * 60);
    Step(5);
    EXPECT_EQ(g_speed, 60);  // never above the target

    sound.ClearLog();
    form().btnSpeed0Click(nullptr);
    EXPECT_EQ(StepsUntil(0), 60);
    EXPECT_EQ(Calls("_SoundNastavFreq@8"), 2 * 60);
    EXPECT_NEAR(High().freq, 0.698, 0.002);
    EXPECT_NEAR(Low().freq, 0.598, 0.002);
    EXPECT_EQ(form().labAktualniRychlost->Caption(), "0");

    // At rest the high loop stops once; the low one hums on.
    Step(10);
    EXPECT_EQ(Calls("_SoundZastav@4"), 1);
    EXPECT_EQ(High().playing, 0.0f);
    EXPECT_TRUE(sound.IsPlaying(static_cast<int>(Low().handle)));
    EXPECT_FALSE(sound.IsPlaying(static_cast<int>(High().handle)));
    EXPECT_EQ(sound.Calls().size(), static_cast<size_t>(2 * 60 + 1));
    EXPECT_EQ(g_landscapeMoving, 0);
    EXPECT_EQ(g_streetMoving, 0);
}

TEST_F(SpeedAndEngine, ChangingTheTargetOnTheWay) {
    StartRun(0);
    form().btnSpeed15Click(nullptr);
    EXPECT_EQ(StepsUntil(1), 1);  // the button for 15 waits one step
    EXPECT_EQ(StepsUntil(15), 28);  // two steps per km/h below 30
    Step(4);
    EXPECT_EQ(g_speed, 15);

    // Up to 30 and back to 15 without stopping: braking takes more pitch
    // (0.016 a step) than speeding up below 30 gives (0.012).
    const float high = High().freq, low = Low().freq;
    form().btnSpeed30Click(nullptr);
    StepsUntil(30);
    form().btnSpeed15Click(nullptr);
    EXPECT_EQ(StepsUntil(15), 15);  // braking does not wait
    EXPECT_NEAR(High().freq, high - 0.06, 0.002);
    EXPECT_NEAR(Low().freq, low - 0.06, 0.002);

    // Q leaves the wait alone; the next press sets it again.
    const int32 delay = g_accelDelay;
    form().btnSpeed0Click(nullptr);
    EXPECT_EQ(g_accelDelay, delay);
    StepsUntil(0);
    form().btnSpeed45Click(nullptr);
    EXPECT_EQ(StepsUntil(1), 3);
}

TEST_F(SpeedAndEngine, PitchFloorsWhenBrakingFromTheStartValues) {
    StartRun(0);
    g_soundChannels[0].freq = 0.7f;
    g_soundChannels[1].freq = 0.6f;
    g_speed = 40;  // braking to 0, far more steps than the pitch can fall
    form().btnSpeed0Click(nullptr);
    StepsUntil(0);
    EXPECT_NEAR(High().freq, 0.492, 1e-6);  // the first value at or below 0.5
    EXPECT_NEAR(Low().freq, 0.584, 1e-6);   // the float 0.6 lies above the double 0.6
}

}  // namespace
