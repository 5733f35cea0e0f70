#include "tests/assets/asset_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/support.h"

namespace asset_test {

namespace {

std::uint32_t Le(const std::string& s, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
    return v;
}

}  // namespace

bool Exists(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

std::string Bytes(const std::string& path) { return testsupport::ReadFile(path); }

Picture ReadPicture(const std::string& path, std::string& error) {
    Picture p;
    const std::string s = Bytes(path);
    error.clear();
    if (s.size() < 54 || s[0] != 'B' || s[1] != 'M') {
        error = path + ": not a bitmap";
        return p;
    }
    const std::uint32_t offset = Le(s, 10, 4);
    const auto width = static_cast<std::int32_t>(Le(s, 18, 4));
    const auto height = static_cast<std::int32_t>(Le(s, 22, 4));
    if (Le(s, 14, 4) != 40 || Le(s, 26, 2) != 1 || Le(s, 28, 2) != 24 || Le(s, 30, 4) != 0) {
        error = path + ": not an uncompressed 24-bit bitmap";
        return p;
    }
    if (width <= 0 || height <= 0) {
        error = path + ": not bottom-up or empty";
        return p;
    }
    const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    if (Le(s, 2, 4) != s.size() || s.size() != offset + row * static_cast<size_t>(height)) {
        error = path + ": file size does not match the header";
        return p;
    }
    p.width = width;
    p.height = height;
    p.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.pixels[static_cast<size_t>(y) * width + x] =
                Le(s, offset + row * static_cast<size_t>(height - 1 - y) + static_cast<size_t>(x) * 3, 3);
    return p;
}

Picture ReadPicture(const std::string& path) {
    std::string error;
    Picture p = ReadPicture(path, error);
    EXPECT_EQ(error, "") << path;
    return p;
}

Wave ReadWave(const std::string& path, std::string& error) {
    Wave w;
    const std::string s = Bytes(path);
    error.clear();
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 8, "WAVEfmt ") != 0) {
        error = path + ": not a RIFF wave";
        return w;
    }
    if (Le(s, 4, 4) + 8 != s.size() || Le(s, 20, 2) != 1 || Le(s, 22, 2) != 1 || Le(s, 34, 2) != 16) {
        error = path + ": not 16-bit PCM mono";
        return w;
    }
    w.rate = static_cast<int>(Le(s, 24, 4));
    if (s.compare(36, 4, "data") != 0 || Le(s, 40, 4) + 44 != s.size() || Le(s, 40, 4) % 2 != 0) {
        error = path + ": bad data chunk";
        return w;
    }
    for (size_t at = 44; at + 1 < s.size(); at += 2)
        w.samples.push_back(static_cast<std::int16_t>(Le(s, at, 2)));
    return w;
}

Wave ReadWave(const std::string& path) {
    std::string error;
    Wave w = ReadWave(path, error);
    EXPECT_EQ(error, "") << path;
    return w;
}

bool NearKey(std::uint32_t rgb) {
    const int r = static_cast<int>((rgb >> 16) & 0xFF), g = static_cast<int>((rgb >> 8) & 0xFF),
              b = static_cast<int>(rgb & 0xFF);
    return r > 180 && b > 180 && g < 100;
}

std::vector<std::string> AllAssetFiles() {
    std::vector<std::string> out;
    for (const char* root : {"Textures", "Zvuky", "Data"}) {
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
             it != std::filesystem::recursive_directory_iterator(); ++it)
            if (it->is_regular_file()) out.push_back(it->path().generic_string());
    }
    return out;
}

}  // namespace asset_test
