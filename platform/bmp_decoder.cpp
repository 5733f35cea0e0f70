// Windows BMP decoder: core and info headers (v1..v5), 1/4/8-bit
// palettes, 16/32-bit bit fields, 24/32-bit RGB, RLE8 and RLE4. Every
// size is checked against the data before anything is allocated or read.
#include "platform/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

namespace {

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6;

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

// One colour channel described by a bit mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
        mask = (bits == 32 ? ~0u : (1u << bits) - 1) << shift;  // only the lowest run of set bits counts
    }
    std::uint32_t Extract(std::uint32_t v) const {
        if (!mask) return 0;
        std::uint32_t x = (v & mask) >> shift;
        if (bits >= 8) return x >> (bits - 8);
        // Widen to 8 bits by repeating the high bits.
        std::uint32_t max = (1u << bits) - 1;
        return (x * 255 + max / 2) / max;
    }
};

struct Header {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = BI_RGB;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    std::size_t paletteOffset = 0;
    int paletteEntrySize = 4;
    std::size_t pixelOffset = 0;
};

bool Fail(std::string* error, const char* why) {
    if (error) *error = why;
    return false;
}

bool ReadHeader(const std::uint8_t* d, std::size_t size, Header& h, std::string* error) {
    if (size < 14 + 12) return Fail(error, "file too short for a bitmap header");
    if (d[0] != 'B' || d[1] != 'M') return Fail(error, "not a bitmap (wrong magic)");
    h.pixelOffset = U32(d + 10);
    std::uint32_t dib = U32(d + 14);
    if (dib == 12) {
        h.width = U16(d + 18);
        h.height = U16(d + 20);
        h.bpp = static_cast<int>(U16(d + 24));
        h.paletteEntrySize = 3;
        h.paletteOffset = 14 + 12;
    } else if (dib >= 40 && dib <= 4096) {
        if (size < 14 + static_cast<std::size_t>(dib)) return Fail(error, "file too short for its header");
        h.width = I32(d + 18);
        std::int64_t height = I32(d + 22);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        h.bpp = static_cast<int>(U16(d + 28));
        h.compression = U32(d + 30);
        h.colorsUsed = U32(d + 46);
        h.paletteOffset = 14 + dib;
        if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
            if (dib >= 52) {
                for (int i = 0; i < 3; ++i) h.masks[i] = U32(d + 54 + 4 * i);
            } else {
                std::size_t n = h.compression == BI_ALPHABITFIELDS ? 16 : 12;
                if (size < h.paletteOffset + n) return Fail(error, "file too short for its colour masks");
                for (int i = 0; i < 3; ++i) h.masks[i] = U32(d + h.paletteOffset + 4 * i);
                h.paletteOffset += n;
            }
        }
    } else {
        return Fail(error, "unknown bitmap header");
    }
    if (h.width <= 0 || h.height <= 0) return Fail(error, "bitmap has no pixels");
    if (h.width > kMaxBitmapSide || h.height > kMaxBitmapSide || h.width * h.height > kMaxBitmapPixels)
        return Fail(error, "bitmap too large");
    switch (h.bpp) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return Fail(error, "unsupported bits per pixel");
    }
    switch (h.compression) {
        case BI_RGB: break;
        case BI_RLE8: if (h.bpp != 8 || h.topDown) return Fail(error, "bad RLE8 bitmap"); break;
        case BI_RLE4: if (h.bpp != 4 || h.topDown) return Fail(error, "bad RLE4 bitmap"); break;
        case BI_BITFIELDS:
        case BI_ALPHABITFIELDS:
            if (h.bpp != 16 && h.bpp != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
            break;
        default: return Fail(error, "unsupported compression");
    }
    if (h.pixelOffset >= size) return Fail(error, "pixel data missing");
    return true;
}

bool ReadPalette(const std::uint8_t* d, std::size_t size, const Header& h, std::array<std::uint32_t, 256>& pal,
                 std::string* error) {
    pal.fill(0);
    if (h.bpp > 8) return true;
    std::size_t count = h.colorsUsed ? h.colorsUsed : (1u << h.bpp);
    count = std::min<std::size_t>(count, 1u << h.bpp);
    std::size_t end = h.paletteOffset + count * h.paletteEntrySize;
    if (end > size) return Fail(error, "palette cut short");
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = d + h.paletteOffset + i * h.paletteEntrySize;
        pal[i] = (static_cast<std::uint32_t>(e[2]) << 16) | (e[1] << 8) | e[0];
    }
    return true;
}

bool DecodeUncompressed(const std::uint8_t* d, std::size_t size, const Header& h,
                        const std::array<std::uint32_t, 256>& pal, Bitmap& bmp, std::string* error) {
    std::int64_t stride = ((h.width * h.bpp + 31) / 32) * 4;
    if (static_cast<std::int64_t>(h.pixelOffset) + stride * h.height > static_cast<std::int64_t>(size))
        return Fail(error, "pixel data cut short");
    Channel r, g, b;
    if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
        r = Channel(h.masks[0]), g = Channel(h.masks[1]), b = Channel(h.masks[2]);
    } else if (h.bpp == 16) {
        r = Channel(0x7C00), g = Channel(0x03E0), b = Channel(0x001F);
    }
    const int w = static_cast<int>(h.width), ht = static_cast<int>(h.height);
    for (int row = 0; row < ht; ++row) {
        const std::uint8_t* src = d + h.pixelOffset + stride * row;
        int y = h.topDown ? row : ht - 1 - row;
        std::uint32_t* dst = &bmp.pixels[static_cast<std::size_t>(y) * w];
        switch (h.bpp) {
            case 1: case 4: case 8: {
                int perByte = 8 / h.bpp, mask = (1 << h.bpp) - 1;
                for (int x = 0; x < w; ++x) {
                    int shift = 8 - h.bpp * (x % perByte + 1);
                    dst[x] = pal[(src[x / perByte] >> shift) & mask];
                }
                break;
            }
            case 16:
                for (int x = 0; x < w; ++x) {
                    std::uint32_t v = U16(src + 2 * x);
                    dst[x] = (r.Extract(v) << 16) | (g.Extract(v) << 8) | b.Extract(v);
                }
                break;
            case 24:
                for (int x = 0; x < w; ++x)
                    dst[x] = (static_cast<std::uint32_t>(src[3 * x + 2]) << 16) | (src[3 * x + 1] << 8) | src[3 * x];
                break;
            case 32:
                for (int x = 0; x < w; ++x) {
                    std::uint32_t v = U32(src + 4 * x);
                    dst[x] = r.mask ? (r.Extract(v) << 16) | (g.Extract(v) << 8) | b.Extract(v) : (v & 0xFFFFFF);
                }
                break;
        }
    }
    return true;
}

bool DecodeRle(const std::uint8_t* d, std::size_t size, const Header& h, const std::array<std::uint32_t, 256>& pal,
               Bitmap& bmp, std::string* error) {
    const bool four = h.compression == BI_RLE4;
    const int w = static_cast<int>(h.width), ht = static_cast<int>(h.height);
    std::size_t p = h.pixelOffset;
    int x = 0, row = 0;  // row counts from the bottom
    auto put = [&](int index) {
        if (x < w && row < ht) bmp.pixels[static_cast<std::size_t>(ht - 1 - row) * w + x] = pal[index & 0xFF];
        ++x;
    };
    while (true) {
        if (p + 2 > size) {
            if (row >= ht) return true;
            return Fail(error, "RLE data cut short");
        }
        int count = d[p], value = d[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            return true;
        } else if (value == 2) {  // delta
            if (p + 2 > size) return Fail(error, "RLE data cut short");
            x += d[p];
            row += d[p + 1];
            p += 2;
        } else {  // absolute run of `value` pixels, padded to 16 bits
            std::size_t bytes = four ? (value + 1) / 2 : value;
            std::size_t padded = (bytes + 1) & ~static_cast<std::size_t>(1);
            if (p + padded > size) return Fail(error, "RLE data cut short");
            for (int i = 0; i < value; ++i) put(four ? ((i & 1) ? d[p + i / 2] & 0x0F : d[p + i / 2] >> 4) : d[p + i]);
            p += padded;
        }
        if (row > ht) return true;  // ran past the last row: nothing more to draw
    }
}

}  // namespace

void Bitmap::Prepare() {
    static std::atomic<std::uint64_t> lastSerial{0};
    serial = ++lastSerial;
    transparentColor = (width > 0 && height > 0) ? At(0, height - 1) : 0;
    spans.clear();
    rowStart.assign(static_cast<std::size_t>(height) + 1, 0);
    solidTop = solidBottom = 0;
    int runTop = 0;
    for (int y = 0; y < height; ++y) {
        rowStart[y] = static_cast<std::uint32_t>(spans.size());
        const std::uint32_t* row = &pixels[static_cast<std::size_t>(y) * width];
        int x = 0;
        while (x < width) {
            while (x < width && row[x] == transparentColor) ++x;
            if (x >= width) break;
            int start = x;
            while (x < width && row[x] != transparentColor) ++x;
            spans.push_back({start, x});
        }
        const bool solid = spans.size() == rowStart[y] + 1 && spans.back().x0 == 0 && spans.back().x1 == width;
        if (!solid)
            runTop = y + 1;
        else if (y + 1 - runTop > solidBottom - solidTop)
            solidTop = runTop, solidBottom = y + 1;
    }
    rowStart[height] = static_cast<std::uint32_t>(spans.size());
}

std::shared_ptr<Bitmap> DecodeBmp(const std::uint8_t* data, std::size_t size, std::string* error) {
    Header h;
    if (!data || size == 0) {
        Fail(error, "empty file");
        return nullptr;
    }
    if (!ReadHeader(data, size, h, error)) return nullptr;
    std::array<std::uint32_t, 256> palette;
    if (!ReadPalette(data, size, h, palette, error)) return nullptr;
    auto bmp = std::make_shared<Bitmap>();
    bmp->width = static_cast<int>(h.width);
    bmp->height = static_cast<int>(h.height);
    bmp->pixels.assign(static_cast<std::size_t>(h.width * h.height), palette[0]);
    bool ok = (h.compression == BI_RLE8 || h.compression == BI_RLE4)
                  ? DecodeRle(data, size, h, palette, *bmp, error)
                  : DecodeUncompressed(data, size, h, palette, *bmp, error);
    if (!ok) return nullptr;
    bmp->Prepare();
    return bmp;
}
