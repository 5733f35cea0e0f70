// Reads the generated files the way a strict consumer would: BMPs must be
// uncompressed 24-bit bottom-up, waves 16-bit PCM mono. Independent of the
// generator's own code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace asset_test {

constexpr std::uint32_t kKey = 0xFF00FF;

// Paths relative to the working directory (the built game folder).
bool Exists(const std::string& path);
std::string Bytes(const std::string& path);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, top row first
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool See(int x, int y) const { return At(x, y) == kKey; }  // see-through (key) pixel
};

// Empty `error` on success.
Picture ReadPicture(const std::string& path, std::string& error);
// The same, failing the calling test (with the reason) when it cannot be read.
Picture ReadPicture(const std::string& path);

struct Wave {
    int rate = 0;
    std::vector<std::int16_t> samples;
    double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};
Wave ReadWave(const std::string& path, std::string& error);
Wave ReadWave(const std::string& path);

// Every landscape and road tile number the route shows.
constexpr int kTiles[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,  15,  16,  17,  18,  19,  20, 21,
                          22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 500, 501, 502, 503, 504};

// A number as it stands in the asset names.
inline std::string N(int n) { return std::to_string(n); }

// True for a colour that would read as a pink fringe next to the key.
bool NearKey(std::uint32_t rgb);

// Every file below the folders of the asset set, "/"-separated.
std::vector<std::string> AllAssetFiles();

}  // namespace asset_test
