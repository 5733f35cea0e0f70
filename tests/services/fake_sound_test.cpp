// The fake sound library the game's tests rely on, and the dispatch of the
// game's sound calls.
#include <gtest/gtest.h>

#include "platform/fake_sound.h"

namespace {

TEST(FakeSound, ModelsVoicesAndCountsMisuse) {
    std::int64_t now = 0;
    FakeSoundLibrary sound;
    sound.SetClock([&] { return now; });
    sound.SetDuration("Zvuky//Obecne//Klik.wav", 300);

    SoundSpust(L"Zvuky//Obecne//Klik.wav", 0, 0.3f);  // before Init
    SoundInit(0);
    const int music = SoundSpust(WidePath("Zvuky//Hudba//MenuMusic.wav"), 1, 0.4f);
    const int click = SoundSpust(L"Zvuky//Obecne//Klik.wav", 0, 0.3f);
    EXPECT_EQ(sound.CallsBeforeInit(), 1);
    EXPECT_EQ(sound.PlayingCount("Zvuky//Obecne//Klik.wav"), 2);

    now = 299;
    EXPECT_TRUE(sound.IsPlaying(click));
    now = 300;  // both clicks have run their 300 ms
    EXPECT_EQ(sound.PlayingCount("Zvuky//Obecne//Klik.wav"), 0);
    SoundNastavHlasitost(click, 0.9f);  // finished one-shot: stale
    SoundZastav(0);
    SoundNastavFreq(music, 1.2f);
    SoundNastavHlasitost(music, 0.1f);
    EXPECT_EQ(sound.StaleHandleCalls(), 2);
    EXPECT_FLOAT_EQ(sound.Find(music)->factor, 1.2f);
    EXPECT_FLOAT_EQ(sound.Find(music)->volume, 0.1f);
    EXPECT_FLOAT_EQ(sound.Find(click)->volume, 0.3f);

    sound.EndOneShots();
    EXPECT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 1);  // loops are not ended by hand
    SoundZastavVse(1);
    updateXaudio();
    SoundDestroy();
    SoundZastav(music);
    EXPECT_EQ(sound.CallsAfterDestroy(), 1);
    EXPECT_TRUE(sound.AllPlaying().empty());
    EXPECT_EQ(sound.Calls()[3].Text(), "_SoundSpust@12(Zvuky//Obecne//Klik.wav, 0, 0.3) -> 3");
    EXPECT_EQ(sound.CallsNamed("_SoundZastav@4").size(), 2u);
    EXPECT_EQ(sound.StartsOf("Zvuky//Obecne//Klik.wav").size(), 2u);
}

}  // namespace
