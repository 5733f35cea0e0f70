// What the pictures and texts say agrees with the game: the light shows the
// phase the game means, animations really move, the four classes look
// different, water tiles show the water the game plays a water sound for,
// and the depot texts tell the numbers of the game's own tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "game/route.h"
#include "game/tram_layout.h"
#include "tests/assets/asset_reader.h"

namespace {

using asset_test::N;
using asset_test::Picture;
using asset_test::ReadPicture;

int R(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
int G(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
int B(std::uint32_t p) { return static_cast<int>(p & 0xFF); }

int Differences(const Picture& a, const Picture& b) {
    int d = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) d += a.pixels[i] != b.pixels[i];
    return d;
}

TEST(AssetContent, TrafficLightLightsRedAtTheTopAmberInTheMiddleGreenAtTheBottom) {
    // Phase 0 is the long (go) phase, 1 the short one before red, 2 red.
    for (const char* family : {"Textures/Semafory/Semafor", "Textures/Semafory/MalySemafor"}) {
        for (int phase = 0; phase <= 2; ++phase) {
            const Picture p = ReadPicture(family + N(phase) + ".bmp");
            // The lamps share the housing in three equal rows.
            int head = 0;
            for (int y = 0; y < p.height; ++y)
                if (p.At(p.width / 2, y) == 0x24272B) head = y;
            double sumY = 0;
            int lit = 0;
            for (int y = 0; y <= head; ++y)
                for (int x = 0; x < p.width; ++x) {
                    const std::uint32_t c = p.At(x, y);
                    if (c == asset_test::kKey) continue;
                    const bool red = R(c) > 230 && G(c) < 90, amber = R(c) > 230 && G(c) > 150 && B(c) < 60,
                               green = G(c) > 200 && R(c) < 100;
                    if ((phase == 2 && red) || (phase == 1 && amber) || (phase == 0 && green)) {
                        sumY += y;
                        ++lit;
                    }
                }
            ASSERT_GT(lit, 20) << family << phase;
            const double row = (sumY / lit) / (head + 1);
            EXPECT_NEAR(row, phase == 2 ? 1 / 6.0 : phase == 1 ? 0.5 : 5 / 6.0, 0.12) << family << phase;
        }
    }
}

TEST(AssetContent, WalkingWheelsAndCarsAnimateWhilePosesOnlyShift) {
    for (int cls = 0; cls <= 3; ++cls)
        for (int v = 0; v <= 3; ++v)
            for (int w = 0; w <= 3; ++w) {
                const Picture a = ReadPicture("Textures/LidePohyb1/" + N(cls) + "/" + N(v) + N(w) + ".bmp");
                const Picture b = ReadPicture("Textures/LidePohyb1/" + N(cls) + "/" + N(v) + N((w + 1) % 4) + ".bmp");
                EXPECT_GT(Differences(a, b), 4) << "class " << cls << " facing " << v << " frame " << w;
            }
    // Pose variants of a waiting figure change it a little, not into someone else.
    for (int cls = 0; cls <= 3; ++cls)
        for (int c = 0; c <= 5; ++c) {
            const Picture base = ReadPicture("Textures/LideStatic/" + N(cls) + "/301.bmp");
            const Picture pose = ReadPicture("Textures/LideStatic/" + N(cls) + "/30" + N(c) + ".bmp");
            EXPECT_LT(Differences(base, pose), 15 * 55 / 5) << cls << " pose " << c;
        }
    for (int m = 0; m <= 6; ++m)
        for (int f = 0; f <= 3; ++f)
            EXPECT_GT(Differences(ReadPicture("Textures/Kola/" + N(m) + N(f) + ".bmp"),
                                  ReadPicture("Textures/Kola/" + N(m) + N((f + 1) % 4) + ".bmp")),
                      0)
                << "wheels of model " << m << " stand still at frame " << f;
    for (int u = 0; u <= 9; ++u)
        EXPECT_GT(Differences(ReadPicture("Textures/Doprava/AutaDoprava/" + N(u) + "0.bmp"),
                              ReadPicture("Textures/Doprava/AutaDoprava/" + N(u) + "1.bmp")),
                  0)
            << "car " << u;
}

TEST(AssetContent, TheFourClassesWearDifferentColours) {
    // The colour covering most of a class's front view (its coat).
    std::uint32_t coat[4];
    for (int cls = 0; cls <= 3; ++cls) {
        const Picture p = ReadPicture("Textures/LideStatic/" + N(cls) + "/301.bmp");
        int best = 0;
        for (std::uint32_t c : p.pixels) {
            if (c == asset_test::kKey) continue;
            const int n = static_cast<int>(std::count(p.pixels.begin(), p.pixels.end(), c));
            if (n > best) best = n, coat[cls] = c;
        }
    }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            const int d = std::abs(R(coat[a]) - R(coat[b])) + std::abs(G(coat[a]) - G(coat[b])) +
                          std::abs(B(coat[a]) - B(coat[b]));
            EXPECT_GT(d, 90) << "classes " << a << " and " << b << " look alike";
        }
}

TEST(AssetContent, TilesWithAWaterSoundShowWater) {
    auto waterShare = [](int tile) {
        const Picture p = ReadPicture("Textures/Maps/Map" + N(tile) + ".bmp");
        // The band just above the garden wall, where the sky is pale.
        int water = 0, all = 0;
        for (int y = 170; y < 262; ++y)
            for (int x = 0; x < p.width; ++x, ++all) {
                const std::uint32_t c = p.At(x, y);
                water += B(c) > R(c) + 50 && B(c) > G(c) + 15 && G(c) > R(c) + 45 && R(c) < 150;
            }
        return static_cast<double>(water) / all;
    };
    for (int tile : {0, 9, 32, 36, 15, 26}) EXPECT_GT(waterShare(tile), 0.12) << "river or harbour " << tile;
    for (int tile : {1, 16, 28}) EXPECT_GT(waterShare(tile), 0.001) << "fountain " << tile;
    for (int tile : {3, 5, 10, 12, 19, 20, 22, 25, 34, 500, 501, 503, 504})
        EXPECT_LT(waterShare(tile), 0.01) << "dry tile " << tile;
}

TEST(AssetContent, DepotTextsTellTheNumbersOfTheGamesTables) {
    for (int line = 0; line < kLineCount; ++line) {
        const std::string text = asset_test::Bytes("Textures/Nahledy/Linky/" + N(line) + ".txt");
        EXPECT_NE(text.find("Line " + N(line) + ": " + N(g_lines[line].stops) + " stops"), std::string::npos) << text;
        EXPECT_NE(text.find(N(g_route[g_lines[line].endRow].scheduledMinute) + " minutes"), std::string::npos) << text;
    }
    for (int tram = 1; tram <= kTramCount; ++tram) {
        const std::string text = asset_test::Bytes("Textures/Nahledy/Tramvaje/" + N(tram - 1) + ".txt");
        EXPECT_NE(text.find("Tram " + N(tram)), std::string::npos) << text;
        EXPECT_NE(text.find(N(TramModelOf(tram)->places) + " places"), std::string::npos) << text;
        int doors = 0;
        for (const auto& d : TramModelOf(tram)->doors) doors += d[0] != kAbsentDoorPos;
        EXPECT_NE(text.find(N(doors) + " doors"), std::string::npos) << text;
    }
}

}  // namespace
