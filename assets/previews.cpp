// Tram previews for the depot (Nahledy/Tramvaje/-1..6, 120 x 120): tram
// n + 1 rolling out of the depot hall; -1 is the empty track shown while no
// tram is selected.
#include <algorithm>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/tram_art.h"

namespace assets {

namespace {

constexpr int kSize = 120;
constexpr int kPlaces[7] = {34, 68, 34, 68, 68, 62, 68};

void Hall(cairo_t* cr) {
    GradientRect(cr, 0, 0, kSize, kSize, 0x3A2E28, 0x1E1814);
    for (int y = 0, row = 0; y < 92; y += 6, ++row)
        for (int x = (row % 2) * 8 - 16; x < kSize; x += 16) FillRect(cr, x + 1, y + 1, 14, 4, 0xA85E44, 0.18);
    GradientRect(cr, 0, 92, kSize, 28, 0x4A4640, 0x2A2824);
    FillRect(cr, 0, 96, kSize, 2, 0xC4C8CC);
    FillRect(cr, 0, 104, kSize, 2, 0xA8ACB0);
}

Raster TramPreview(int n) {
    Surface s(kSize, kSize);
    cairo_t* cr = s.cr();
    Hall(cr);
    if (n < 0) {
        DrawText(cr, "NO TRAM", kSize / 2.0, 44, 17, Font::SansBold, 0xE8B840, Align::Centre);
        DrawText(cr, "buy one first", kSize / 2.0, 64, 11, Font::Sans, 0xD8D0BC, Align::Centre);
        FillRect(cr, 14, 82, 10, 14, 0xB8322A);
        FillRect(cr, 96, 82, 10, 14, 0xB8322A);
        FillRect(cr, 10, 80, 100, 4, 0xF2F0EA);
        for (int x = 14; x < 106; x += 16) FillRect(cr, x, 80, 8, 4, 0xB8322A);
        return s.Opaque();
    }
    const TramModel& m = TramModels()[static_cast<size_t>(n)];
    const Raster tram = ComposeTram(m);
    // Front to the right, the whole tram inside the picture: a long one
    // is drawn smaller.
    const double scale = std::min(112.0 / 540, 112.0 / tram.width);
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tram.width, tram.height);
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int y = 0; y < tram.height; ++y)
        for (int x = 0; x < tram.width; ++x) {
            const std::uint32_t p = tram.At(x, y);
            reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride)[x] = p == kKey ? 0u : 0xFF000000u | p;
        }
    cairo_surface_mark_dirty(img);
    cairo_save(cr);
    cairo_translate(cr, kSize - 4 - tram.width * scale, 100 - (m.WheelRelY() + m.wheelHeight) * scale);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
    FillRoundRect(cr, 4, 4, 62, 20, 4, 0x0A0E14);
    DrawText(cr, "TRAM " + std::to_string(n + 1), 35, 19, 13, Font::SansBold, 0xE8B840, Align::Centre);
    FillRoundRect(cr, 4, 104, 74, 13, 3, 0x0A0E14);
    DrawText(cr, std::to_string(kPlaces[n]) + " PLACES", 41, 114, 9, Font::SansBold, 0xD8D0BC, Align::Centre);
    return s.Opaque();
}

}  // namespace

void AddPreviews(Catalogue& c) {
    for (int n = -1; n <= 6; ++n)
        c.Picture("Textures/Nahledy/Tramvaje/" + std::to_string(n) + ".bmp", [n] { return TramPreview(n); });
}

}  // namespace assets
