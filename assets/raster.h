// An RGB picture in memory, and the conversions from cairo surfaces that
// enforce the transparency rule of the game's picture widgets: the colour of
// a bitmap's bottom-left pixel is see-through.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assets {

// The see-through colour of every sprite: pure magenta.
constexpr std::uint32_t kKey = 0xFF00FF;

// True for colours close enough to the key to read as a pink fringe.
bool NearKey(std::uint32_t rgb);

struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, top row first

    Raster() = default;
    Raster(int w, int h, std::uint32_t fill = 0);
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t BottomLeft() const { return At(0, height - 1); }
};

// A fully painted picture for an opaque widget. Any pixel that happens to be
// near the key colour is pulled away from it, so no rule change can punch a
// hole into it.
Raster FromOpaque(cairo_surface_t* surface);

// A picture for a transparent widget, drawn on a transparent surface. Pixels
// at least half covered keep their own (un-premultiplied) colour, the rest
// become the key: edges against the background are hard, so no colour is
// ever blended towards magenta. The bottom-left pixel is always the key.
Raster FromSprite(cairo_surface_t* surface);

// Copies `src` into `dst` at (x, y), skipping key pixels of `src`.
void Blit(Raster& dst, const Raster& src, int x, int y);

}  // namespace assets
