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

struct Wave {
    int rate = 0;
    std::vector<std::int16_t> samples;
    double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0; }
};
Wave ReadWave(const std::string& path, std::string& error);

// True for a colour that would read as a pink fringe next to the key.
bool NearKey(std::uint32_t rgb);

// Every file below the folders of the asset set, "/"-separated.
std::vector<std::string> AllAssetFiles();

}  // namespace asset_test
