// Small BMP files for tests and benchmarks: 24-bit (optionally top-down)
// from 0x00RRGGBB pixels, and raw byte images to break on purpose.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bmpfixture {

inline void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
inline void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// File and info headers; `paletteBytes` and `extra` header bytes (masks)
// sit between the info header and the pixels.
inline std::vector<std::uint8_t> Headers(int width, int height, int bpp, std::uint32_t compression,
                                         std::uint32_t pixelBytes, std::uint32_t paletteBytes = 0,
                                         std::uint32_t colorsUsed = 0) {
    std::vector<std::uint8_t> b;
    std::uint32_t offset = 14 + 40 + paletteBytes;
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + pixelBytes);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(bpp));
    Put32(b, compression);
    Put32(b, pixelBytes);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, colorsUsed);
    Put32(b, 0);
    return b;
}

// A 24-bit bitmap; pixels top row first.
inline std::vector<std::uint8_t> Bmp24(int width, int height, const std::vector<std::uint32_t>& pixels,
                                       bool topDown = false) {
    int stride = (width * 3 + 3) & ~3;
    auto b = Headers(width, topDown ? -height : height, 24, 0, static_cast<std::uint32_t>(stride * height));
    for (int row = 0; row < height; ++row) {
        int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            b.push_back(p & 0xFF);
            b.push_back((p >> 8) & 0xFF);
            b.push_back((p >> 16) & 0xFF);
        }
        for (int pad = width * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

inline std::vector<std::uint8_t> Solid24(int width, int height, std::uint32_t rgb) {
    return Bmp24(width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, rgb));
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace bmpfixture
