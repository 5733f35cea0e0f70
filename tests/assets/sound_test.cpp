// The waves: 16-bit PCM mono, peaks below full scale, loops that repeat
// without a click at the seam, one-shots that start and end in silence,
// and lengths that suit their use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/assets/asset_reader.h"

namespace {

using asset_test::Wave;

struct Expected {
    const char* path;
    bool loop;
    double minSeconds, maxSeconds;
};

const Expected kWaves[] = {
    {"Zvuky/Hudba/MenuMusic.wav", true, 20, 60},     {"Zvuky/Tramvaje/Tram0.wav", true, 1, 3},
    {"Zvuky/Tramvaje/Tram1.wav", true, 1, 3},        {"Zvuky/Pocasi/Vitr.wav", true, 2, 8},
    {"Zvuky/Okoli/Voda0.wav", true, 2, 8},           {"Zvuky/Okoli/Voda1.wav", true, 2, 8},
    {"Zvuky/Traffic/Doprava0.wav", true, 2, 8},      {"Zvuky/Traffic/Doprava1.wav", true, 2, 8},
    {"Zvuky/Traffic/Doprava2.wav", true, 2, 8},      {"Zvuky/Traffic/Doprava3.wav", true, 2, 8},
    {"Zvuky/Traffic/Doprava4.wav", true, 2, 8},      {"Zvuky/Chodci/Chodci0.wav", true, 2, 8},
    {"Zvuky/Chodci/Chodci1.wav", true, 2, 8},        {"Zvuky/Chodci/Chodci2.wav", true, 2, 8},
    {"Zvuky/Chodci/Chodci3.wav", true, 2, 8},        {"Zvuky/Chodci/Chodci4.wav", true, 2, 8},
    {"Zvuky/Obecne/Klik.wav", false, 0.02, 0.1},     {"Zvuky/Obecne/Unklik.wav", false, 0.02, 0.1},
    {"Zvuky/Obecne/Penalizace.wav", false, 0.3, 1},  {"Zvuky/Obecne/Penize0.wav", false, 0.3, 1.2},
    {"Zvuky/Obecne/Penize1.wav", false, 0.1, 0.5},   {"Zvuky/Obecne/Potlesk.wav", false, 2, 5},
    {"Zvuky/Tramvaje/DvereOpen.wav", false, 0.6, 1.5}, {"Zvuky/Tramvaje/DvereClose.wav", false, 0.6, 1.5},
    {"Zvuky/Okoli/Letadlo0.wav", false, 2, 8},       {"Zvuky/Okoli/Letadlo1.wav", false, 2, 8},
    {"Zvuky/Okoli/Lod.wav", false, 2, 8},            {"Zvuky/Okoli/Ptaci0.wav", false, 1, 8},
    {"Zvuky/Okoli/Ptaci1.wav", false, 1, 8},         {"Zvuky/Okoli/Zvon.wav", false, 2, 8},
};

int Step(const Wave& w, size_t i) {  // |s[i+1] - s[i]|, wrapping at the end
    const size_t n = w.samples.size();
    return std::abs(w.samples[(i + 1) % n] - w.samples[i]);
}

TEST(AssetSounds, WavesAreMonoPcmBelowFullScaleAndOfSuitableLength) {
    for (const Expected& e : kWaves) {
        std::string error;
        const Wave w = asset_test::ReadWave(e.path, error);
        ASSERT_EQ(error, "") << e.path;
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << e.path;
        EXPECT_GE(w.Seconds(), e.minSeconds) << e.path;
        EXPECT_LE(w.Seconds(), e.maxSeconds) << e.path;
        int peak = 0;
        long long sum = 0;
        for (std::int16_t s : w.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            sum += s;
        }
        EXPECT_LT(peak, 31000) << e.path;
        EXPECT_GT(peak, 3000) << e.path << " is near silent";
        EXPECT_LT(std::abs(sum / static_cast<long long>(w.samples.size())), 600) << e.path << " sits off centre";
    }
}

TEST(AssetSounds, LoopsRunOnWithoutAClickAndOneShotsStartAndEndSilent) {
    for (const Expected& e : kWaves) {
        std::string error;
        const Wave w = asset_test::ReadWave(e.path, error);
        ASSERT_EQ(error, "") << e.path;
        const size_t n = w.samples.size();
        if (e.loop) {
            // The jump from the last sample to the first is no larger than the
            // steps the sound makes anyway around that place.
            int local = 0;
            for (size_t i = n - 300; i < n - 1; ++i) local = std::max(local, Step(w, i));
            for (size_t i = 0; i < 300; ++i) local = std::max(local, Step(w, i));
            EXPECT_LE(Step(w, n - 1), local + 200) << e.path;
        } else {
            EXPECT_LT(std::abs(w.samples.front()), 300) << e.path;
            EXPECT_LT(std::abs(w.samples.back()), 300) << e.path;
        }
    }
}

}  // namespace
