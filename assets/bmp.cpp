#include "assets/bmp.h"

#include <cstdint>

namespace assets {

namespace {

void Put16(std::string& s, std::uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

std::uint32_t Get(const std::string& s, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<size_t>(i)]);
    return v;
}

size_t RowBytes(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3); }

}  // namespace

std::string EncodeBmp(const Raster& raster) {
    const size_t row = RowBytes(raster.width);
    const size_t imageSize = row * static_cast<size_t>(raster.height);
    std::string out;
    out.reserve(54 + imageSize);
    out += "BM";
    Put32(out, static_cast<std::uint32_t>(54 + imageSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(raster.width));
    Put32(out, static_cast<std::uint32_t>(raster.height));  // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = raster.height - 1; y >= 0; --y) {
        for (int x = 0; x < raster.width; ++x) {
            const std::uint32_t p = raster.At(x, y);
            out.push_back(static_cast<char>(p & 0xFF));
            out.push_back(static_cast<char>((p >> 8) & 0xFF));
            out.push_back(static_cast<char>((p >> 16) & 0xFF));
        }
        for (size_t pad = static_cast<size_t>(raster.width) * 3; pad < row; ++pad) out.push_back(0);
    }
    return out;
}

bool DecodeBmp(const std::string& bytes, Raster& out) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint32_t offset = Get(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(Get(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(Get(bytes, 22, 4));
    if (Get(bytes, 28, 2) != 24 || Get(bytes, 30, 4) != 0) return false;
    if (width <= 0 || height <= 0 || width > 20000 || height > 20000) return false;
    const size_t row = RowBytes(width);
    if (bytes.size() < offset + row * static_cast<size_t>(height)) return false;
    out = Raster(width, height);
    for (int y = 0; y < height; ++y) {
        const size_t base = offset + row * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) out.At(x, y) = Get(bytes, base + static_cast<size_t>(x) * 3, 3);
    }
    return true;
}

}  // namespace assets
