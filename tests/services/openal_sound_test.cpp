// The OpenAL sound library, measured on OpenAL's loopback device.
#include <AL/alc.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/openal/openal_sound.h"
#include "tests/services/wave_files.h"
#include "tests/support/support.h"

namespace {

constexpr int kRate = 44100;
constexpr std::size_t kMs = kRate / 1000;  // samples per millisecond

class LoopbackSound : public ::testing::Test {
protected:
    void SetUp() override {
        tone_ = dir_.path() + "/tone.wav";
        shortBeep_ = dir_.path() + "/beep.wav";
        // 441 Hz: exactly 100 samples a period; 0.2 s is 88 whole periods,
        // so a loop joins without a click.
        WriteTone(tone_, 441, 0.2, 0.5);
        WriteTone(shortBeep_, 882, 0.05, 0.5);
        OpenAlSoundLibrary::Options options;
        options.loopback = true;
        options.loopbackRate = kRate;
        sound_ = std::make_unique<OpenAlSoundLibrary>(options);
        sound_->Init(0);
        ASSERT_TRUE(sound_->HasDevice()) << "OpenAL loopback device not available";
    }

    int Play(const std::string& path, int loop, float volume = 1.0f) {
        return sound_->Start(WidePath(path), loop, volume);
    }
    std::vector<float> Render(std::size_t ms) { return sound_->Render(static_cast<int>(ms * kMs)); }

    testsupport::TempDir dir_;
    std::string tone_, shortBeep_;
    std::unique_ptr<OpenAlSoundLibrary> sound_;
};

TEST_F(LoopbackSound, LoopKeepsPlayingPastItsLengthAndOneShotEndsAndFreesItsSource) {
    Play(tone_, 1);
    const auto out = Render(1000);  // five times the file's length
    const double early = Rms(out, 20 * kMs, 200 * kMs);
    const double late = Rms(out, 820 * kMs, 1000 * kMs);
    EXPECT_GT(early, 0.3);  // a 0.5 sine has an RMS of 0.354
    EXPECT_NEAR(late / early, 1.0, 0.02);

    sound_->StopAll(1);
    Play(tone_, 0);
    const auto once = Render(500);
    EXPECT_GT(Rms(once, 20 * kMs, 180 * kMs), 0.3);
    EXPECT_LT(Rms(once, 250 * kMs, 500 * kMs), 1e-4);
    EXPECT_EQ(sound_->ActiveVoices(), 0);
}

TEST_F(LoopbackSound, PitchTwoDoublesZeroCrossingsAndHalfVolumeHalvesRms) {
    const int h = Play(tone_, 1);
    const auto normal = Render(400);
    sound_->SetFrequency(h, 2.0f);
    const auto doubled = Render(400);
    const int base = ZeroCrossings(normal, 50 * kMs, 400 * kMs);
    EXPECT_NEAR(base, 441 * 2 * 0.35, 3);
    EXPECT_NEAR(static_cast<double>(ZeroCrossings(doubled, 50 * kMs, 400 * kMs)) / base, 2.0, 0.02);

    sound_->SetFrequency(h, 1.0f);
    const double full = Rms(Render(300), 50 * kMs, 300 * kMs);
    sound_->SetVolume(h, 0.5f);
    const double half = Rms(Render(300), 50 * kMs, 300 * kMs);
    EXPECT_NEAR(half / full, 0.5, 0.01);

    // The game's lowest engine pitch (0.492) still plays.
    sound_->SetFrequency(h, 0.492f);
    EXPECT_GT(Rms(Render(300), 50 * kMs, 300 * kMs), 0.1);
}

// A stopped voice, a finished one-shot and handles never given: calls on
// them neither revive anything nor touch the voice still playing.
TEST_F(LoopbackSound, StoppedAndStaleHandlesChangeNothingAndStopAllSilencesEverything) {
    const int music = Play(tone_, 1, 0.5f);
    const auto before = Render(300);
    const int beep = Play(shortBeep_, 0, 0.5f);
    const int stopped = Play(tone_, 1, 0.5f);
    Render(200);  // the beep has finished
    sound_->Stop(stopped);
    for (int stale : {beep, stopped, 0, 12345, -7, 16777215}) {
        sound_->Stop(stale);
        sound_->SetVolume(stale, 1.0f);
        sound_->SetFrequency(stale, 3.0f);
    }
    const auto after = Render(300);
    EXPECT_NEAR(Rms(after, 50 * kMs, 300 * kMs), Rms(before, 50 * kMs, 300 * kMs), 0.003);
    EXPECT_EQ(ZeroCrossings(after, 50 * kMs, 300 * kMs), ZeroCrossings(before, 50 * kMs, 300 * kMs));
    EXPECT_EQ(sound_->ActiveVoices(), 1);

    Play(shortBeep_, 1, 0.3f);
    Play(tone_, 0, 0.3f);
    sound_->StopAll(1);
    EXPECT_EQ(sound_->ActiveVoices(), 0);
    EXPECT_LT(Rms(Render(300), 0, 300 * kMs), 1e-4);
    sound_->Stop(music);
}

TEST_F(LoopbackSound, SameFileStartsAsIndependentVoices) {
    // Two coins in one tick: both play, so the sum is twice as loud.
    Play(tone_, 1, 0.25f);
    const double one = Rms(Render(200), 20 * kMs, 200 * kMs);
    Play(tone_, 1, 0.25f);
    const double two = Rms(Render(200), 20 * kMs, 200 * kMs);
    EXPECT_GT(two / one, 1.2);  // phases differ, but two voices are heard
    EXPECT_EQ(sound_->ActiveVoices(), 2);
}

TEST_F(LoopbackSound, OtherWaveFormatsAreConverted) {
    const std::string stereo8 = dir_.path() + "/stereo8.wav";
    WriteTone(stereo8, 441, 0.2, 0.5, 22050, 8, 2);
    Play(stereo8, 1);
    const auto out = Render(300);
    EXPECT_GT(Rms(out, 50 * kMs, 300 * kMs), 0.2);
    // 441 Hz whatever the file's own rate.
    EXPECT_NEAR(ZeroCrossings(out, 50 * kMs, 300 * kMs), 441 * 2 * 0.25, 4);
}

TEST_F(LoopbackSound, HandlesAreUniqueFloatExactAndMissingFilesStaySilent) {
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int h = Play(i % 2 ? tone_ : shortBeep_, 0, 0.01f);
        EXPECT_GT(h, 0);
        EXPECT_LT(h, 16777216);
        EXPECT_EQ(static_cast<int>(static_cast<float>(h)), h);
        EXPECT_TRUE(seen.insert(h).second) << "handle " << h << " given twice";
    }
    sound_->StopAll(1);

    testing::internal::CaptureStderr();
    const int a = Play("Zvuky//Nikde//Chybi.wav", 1);
    const int b = Play("Zvuky//Nikde//Chybi.wav", 1);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_GT(a, 0);
    EXPECT_NE(a, b);
    EXPECT_FALSE(seen.count(a));
    // One line for the file, however often it is asked for.
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("Zvuky//Nikde//Chybi.wav"), std::string::npos);
    sound_->SetVolume(a, 0.5f);
    sound_->Stop(b);
    EXPECT_EQ(sound_->ActiveVoices(), 0);
    EXPECT_LT(Rms(Render(100), 0, 100 * kMs), 1e-4);
}

TEST_F(LoopbackSound, AfterDestroyNothingReachesOpenAl) {
    Play(tone_, 1);
    sound_->Update();
    sound_->Destroy();
    EXPECT_FALSE(sound_->HasDevice());
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
    const int h = Play(tone_, 1);
    EXPECT_GT(h, 0);
    sound_->SetVolume(h, 1.0f);
    sound_->SetFrequency(h, 2.0f);
    sound_->Stop(h);
    sound_->StopAll(1);
    sound_->Update();
    sound_->Destroy();
    EXPECT_EQ(sound_->ActiveVoices(), 0);
    EXPECT_TRUE(sound_->Render(100).empty());
}

TEST(SoundDevice, WithoutADeviceEveryCallStillBehaves) {
    OpenAlSoundLibrary::Options options;
    options.deviceName = "Korvalo test: no such device";
    OpenAlSoundLibrary sound(options);
    testing::internal::CaptureStderr();
    sound.Init(0);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(sound.HasDevice());
    const int a = sound.Start(L"Zvuky//Hudba//MenuMusic.wav", 1, 0.4f);
    const int b = sound.Start(L"Zvuky//Obecne//Klik.wav", 0, 0.3f);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, a);
    sound.SetVolume(a, 0.0f);
    sound.SetFrequency(a, 1.2f);
    sound.Stop(a);
    sound.StopAll(1);
    sound.Update();
    sound.Destroy();
    EXPECT_EQ(sound.ActiveVoices(), 0);
}

TEST(SoundDevice, NullDriverOpensAsTheRealGameDoesInCi) {
    const char* drivers = std::getenv("ALSOFT_DRIVERS");
    if (!drivers || std::string(drivers) != "null") GTEST_SKIP() << "needs ALSOFT_DRIVERS=null";
    testsupport::TempDir dir;
    WriteTone(dir.path() + "/t.wav", 441, 0.2, 0.5);
    OpenAlSoundLibrary sound;
    sound.Init(0);
    ASSERT_TRUE(sound.HasDevice());
    const int h = sound.Start(WidePath(dir.path() + "/t.wav"), 1, 0.4f);
    EXPECT_EQ(sound.ActiveVoices(), 1);
    sound.SetFrequency(h, 0.6f);
    sound.StopAll(1);
    sound.Destroy();
    EXPECT_FALSE(sound.HasDevice());
}

// A pipe or a device under a sound's name (the click, the menu music) is
// a sound that cannot be played, as a missing file is: nothing waits for a
// writer or reads without end, and the other sounds play as before.
TEST(SoundDevice, PipesAndDevicesAsSoundFilesStaySilentWithoutWaiting) {
    const char* drivers = std::getenv("ALSOFT_DRIVERS");
    if (!drivers || std::string(drivers) != "null") GTEST_SKIP() << "needs ALSOFT_DRIVERS=null";
    testsupport::TempDir dir;
    const std::string click = dir.path() + "/Klik.wav", music = dir.path() + "/MenuMusic.wav";
    const std::string device = dir.path() + "/Zero.wav", tone = dir.path() + "/t.wav";
    ASSERT_EQ(::mkfifo(click.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(music.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", device);
    WriteTone(tone, 441, 0.2, 0.5);
    OpenAlSoundLibrary sound;
    sound.Init(0);
    ASSERT_TRUE(sound.HasDevice());

    testing::internal::CaptureStderr();
    for (const std::string& pipe : {music, click, click})
        ASSERT_TRUE(testsupport::FinishesBesideAFifo(pipe, [&] {
            EXPECT_GT(sound.Start(WidePath(pipe), pipe == music, 0.4f), 0);
        })) << "the sound library waited on " << pipe;
    EXPECT_GT(sound.Start(WidePath(device), 0, 0.4f), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.ActiveVoices(), 0);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << err;  // one line a file
    for (const std::string& file : {click, music, device})
        EXPECT_NE(err.find("cannot play " + file + ": not a plain file"), std::string::npos) << err;
    sound.Start(WidePath(tone), 1, 0.4f);
    EXPECT_EQ(sound.ActiveVoices(), 1);
}

// A sound file far beyond any of the game's (here the header of a wave of
// silence 64 MiB long) is a sound that cannot be played: it is neither
// decoded nor held in memory, and the other sounds play as before.
TEST(SoundDevice, AWaveFileOverTheSizeCapStaysSilent) {
    const char* drivers = std::getenv("ALSOFT_DRIVERS");
    if (!drivers || std::string(drivers) != "null") GTEST_SKIP() << "needs ALSOFT_DRIVERS=null";
    testsupport::TempDir dir;
    const std::string huge = dir.path() + "/MenuMusic.wav", tone = dir.path() + "/t.wav";
    WriteSilenceOfSize(huge, 64u * 1024 * 1024);
    WriteTone(tone, 441, 0.2, 0.5);
    OpenAlSoundLibrary sound;
    sound.Init(0);
    ASSERT_TRUE(sound.HasDevice());

    testing::internal::CaptureStderr();
    EXPECT_GT(sound.Start(WidePath(huge), 1, 0.4f), 0);
    EXPECT_GT(sound.Start(WidePath(huge), 0, 0.4f), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.ActiveVoices(), 0);
    EXPECT_EQ(err, "Korvalo: cannot play " + huge + ": file too large\n");
    sound.Start(WidePath(tone), 1, 0.4f);
    EXPECT_EQ(sound.ActiveVoices(), 1);
}

}  // namespace
