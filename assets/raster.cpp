#include "assets/raster.h"

#include <algorithm>

namespace assets {

namespace {

std::uint32_t Rgb(int r, int g, int b) {
    return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}

// Moves a colour out of the key's neighbourhood by lifting its green.
std::uint32_t AwayFromKey(std::uint32_t rgb) {
    if (!NearKey(rgb)) return rgb;
    const int r = static_cast<int>((rgb >> 16) & 0xFF);
    const int b = static_cast<int>(rgb & 0xFF);
    return Rgb(std::min(r, 200), 120, std::min(b, 200));
}

}  // namespace

bool NearKey(std::uint32_t rgb) {
    const int r = static_cast<int>((rgb >> 16) & 0xFF);
    const int g = static_cast<int>((rgb >> 8) & 0xFF);
    const int b = static_cast<int>(rgb & 0xFF);
    return r > 180 && b > 180 && g < 100;
}

Raster::Raster(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

Raster FromOpaque(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Raster out(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) out.At(x, y) = AwayFromKey(row[x] & 0xFFFFFF);
    }
    return out;
}

Raster FromSprite(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Raster out(w, h, kKey);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const int a = static_cast<int>(p >> 24);
            if (a < 128) continue;
            auto channel = [&](int shift) {
                const int premultiplied = static_cast<int>((p >> shift) & 0xFF);
                return std::min(255, (premultiplied * 255 + a / 2) / a);
            };
            out.At(x, y) = AwayFromKey(Rgb(channel(16), channel(8), channel(0)));
        }
    }
    out.At(0, h - 1) = kKey;
    return out;
}

void Blit(Raster& dst, const Raster& src, int x, int y) {
    for (int sy = 0; sy < src.height; ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= dst.height) continue;
        for (int sx = 0; sx < src.width; ++sx) {
            const int dx = x + sx;
            if (dx < 0 || dx >= dst.width) continue;
            const std::uint32_t p = src.At(sx, sy);
            if (p != kKey) dst.At(dx, dy) = p;
        }
    }
}

}  // namespace assets
