// The waves: 16-bit PCM mono, peaks below full scale, loops that repeat
// without a click at the seam, one-shots that start and end in silence,
// lengths that suit their use, and a balance that holds at the volumes the
// game plays them at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

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
        const Wave w = asset_test::ReadWave(e.path);
        ASSERT_FALSE(w.samples.empty()) << e.path;
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
        const Wave w = asset_test::ReadWave(e.path);
        ASSERT_FALSE(w.samples.empty()) << e.path;
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

// Loudness as heard in the game: the wave's RMS level with the volume the
// game passes when it starts it, in dB below full scale.
double HeardDb(const char* path, double volume) {
    const Wave w = asset_test::ReadWave(path);
    double sum = 0;
    for (std::int16_t s : w.samples) sum += static_cast<double>(s) * s;
    const double rms = std::sqrt(sum / std::max<size_t>(w.samples.size(), 1)) / 32768.0;
    return 20 * std::log10(std::max(rms * volume, 1e-9));
}

TEST(AssetSounds, BalanceAtTheVolumesTheGamePlays) {
    // The running tram (channel 0 at 0.5) is what the player hears most.
    const double tram = HeardDb("Zvuky/Tramvaje/Tram1.wav", 0.5);
    EXPECT_NEAR(HeardDb("Zvuky/Tramvaje/Tram0.wav", 0.4), tram, 4) << "the two tram layers";
    // Beds that play under it for the whole ride stay under it; the wind,
    // started at full volume, furthest.
    EXPECT_LT(HeardDb("Zvuky/Pocasi/Vitr.wav", 1.0), tram - 8);
    const std::pair<const char*, double> beds[] = {{"Zvuky/Okoli/Voda0.wav", 0.2},
                                                   {"Zvuky/Okoli/Voda1.wav", 0.2},
                                                   {"Zvuky/Traffic/Doprava4.wav", 0.3}};
    for (const auto& [bed, volume] : beds) EXPECT_LT(HeardDb(bed, volume), tram - 5) << bed;
    // Busier streets sound busier.
    EXPECT_LT(HeardDb("Zvuky/Traffic/Doprava0.wav", 0.3), HeardDb("Zvuky/Traffic/Doprava4.wav", 0.3));
    // A penalty is heard over the engine, the applause of a level not far under it.
    EXPECT_GT(HeardDb("Zvuky/Obecne/Penalizace.wav", 0.3), tram - 3);
    EXPECT_GT(HeardDb("Zvuky/Obecne/Potlesk.wav", 0.3), tram - 8);
    // The menu music (0.4) is not drowned by the clicks on the menu (0.3)
    // nor louder than a ride.
    const double music = HeardDb("Zvuky/Hudba/MenuMusic.wav", 0.4);
    EXPECT_LT(music, tram);
    EXPECT_GT(music, HeardDb("Zvuky/Obecne/Klik.wav", 0.3) - 6);
}

TEST(AssetSounds, LongLoopsAreNotHiss) {
    // Mean step over mean magnitude: about 1.4 for white noise, well under 1
    // for sounds whose energy sits in the low and middle range.
    for (const Expected& e : kWaves) {
        if (!e.loop) continue;
        const Wave w = asset_test::ReadWave(e.path);
        ASSERT_FALSE(w.samples.empty()) << e.path;
        double steps = 0, magnitude = 0;
        for (size_t i = 0; i + 1 < w.samples.size(); ++i) {
            steps += std::abs(w.samples[i + 1] - w.samples[i]);
            magnitude += std::abs(static_cast<int>(w.samples[i]));
        }
        EXPECT_LT(steps / magnitude, 0.9) << e.path;
    }
}

}  // namespace
