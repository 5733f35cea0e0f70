// Full-screen pictures: the maker's logo, the intro with the loading bar's
// plate, the main menu behind its black entries, and the loading bar.
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/scenery.h"
#include "assets/tram_art.h"

namespace assets {

namespace {

constexpr int W = 1024;
constexpr int H = 768;
constexpr std::uint32_t kGold = 0xE8B840;
constexpr std::uint32_t kCream = 0xF3EBD6;

void Title(cairo_t* cr, double cy, double size) {
    DrawOutlinedText(cr, "KORVALO", W / 2.0 + 3, cy + 4, size, Font::Serif, 0x000000, 0x000000, 6, Align::Centre);
    DrawOutlinedText(cr, "KORVALO", W / 2.0, cy, size, Font::Serif, kGold, 0x3A2408, 5, Align::Centre);
}

// A tram front seen head-on, for the logo.
void TramFace(cairo_t* cr, double cx, double cy, double s) {
    Line(cr, cx - 10 * s, cy - 60 * s, cx + 14 * s, cy - 92 * s, 3 * s, kGold);
    Line(cr, cx + 14 * s, cy - 92 * s, cx - 6 * s, cy - 110 * s, 3 * s, kGold);
    Line(cr, cx - 30 * s, cy - 112 * s, cx + 20 * s, cy - 112 * s, 3 * s, kGold);
    GradientRoundRect(cr, cx - 60 * s, cy - 62 * s, 120 * s, 130 * s, 22 * s, 0xF4ECD6, 0xD8CCB0);
    FillRect(cr, cx - 60 * s, cy + 28 * s, 120 * s, 22 * s, 0xB8322A);
    GradientRoundRect(cr, cx - 46 * s, cy - 44 * s, 92 * s, 56 * s, 10 * s, 0x2F4A66, 0x7497B5);
    FillRoundRect(cr, cx - 22 * s, cy - 58 * s, 44 * s, 12 * s, 3 * s, 0x111111);
    DrawText(cr, "K", cx, cy - 48.5 * s, 10 * s, Font::SansBold, 0xFFB020, Align::Centre);
    FillCircle(cr, cx - 40 * s, cy + 20 * s, 7 * s, 0xFFF4C8);
    FillCircle(cr, cx + 40 * s, cy + 20 * s, 7 * s, 0xFFF4C8);
}

Raster Logo() {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    FillRect(cr, 0, 0, W, H, 0x000000);
    cairo_pattern_t* glow = cairo_pattern_create_radial(W / 2.0, 320, 20, W / 2.0, 320, 260);
    cairo_pattern_add_color_stop_rgb(glow, 0, 0.16, 0.12, 0.05);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0, 0, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, W / 2.0, 320, 150, 0, 2 * M_PI);
    cairo_set_line_width(cr, 8);
    SetColor(cr, kGold);
    cairo_stroke(cr);
    cairo_arc(cr, W / 2.0, 320, 136, 0, 2 * M_PI);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    TramFace(cr, W / 2.0, 340, 1.3);
    DrawText(cr, "KORVALO", W / 2.0, 560, 72, Font::Serif, kGold, Align::Centre);
    DrawText(cr, "G A M E S", W / 2.0, 610, 26, Font::SansBold, 0xB8A070, Align::Centre);
    return s.Opaque();
}

// A street of the town with a tram, its road's top at `roadTop`.
void Street(Raster& canvas, double roadTop, int tile, int model, int tramX) {
    Blit(canvas, DrawLandscapeTile(tile), -150, static_cast<int>(roadTop) - 288);
    Blit(canvas, DrawRoadTile(tile), 0, static_cast<int>(roadTop));
    Blit(canvas, DrawCarPicture(1, 0, false), 640, static_cast<int>(roadTop) + 103 - 44);
    const TramModel& m = TramModels()[static_cast<size_t>(model)];
    Blit(canvas, ComposeTram(m), tramX, static_cast<int>(roadTop) - 338 + m.bodyY);
    Blit(canvas, DrawCarPicture(4, 0, true), 150, static_cast<int>(roadTop) + 163 - 52);
    Blit(canvas, DrawCarPicture(0, 0, true), 820, static_cast<int>(roadTop) + 163 - 44);
}

Raster Intro() {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    GradientRect(cr, 0, 0, W, H, 0x5D9BD5, 0xD3E8F4);
    Raster r = s.Opaque();
    Street(r, 430, 2, 1, 5);
    Surface top(W, H);
    cairo_t* t = top.cr();
    Title(t, 150, 120);
    DrawOutlinedText(t, "DRIVE THE TRAMS OF A LIVELY TOWN", W / 2.0, 205, 24, Font::SansBold, 0xFFFFFF, 0x1A2A44, 4,
                     Align::Centre);
    // A light, plain plate for the caption (top 670) and the bar (202..751 x 702..717).
    FillRect(t, 0, 640, W, H - 640, 0x1A2330);
    FillRoundRect(t, 172, 656, 680, 80, 10, kCream);
    FillRoundRect(t, 198, 698, 558, 24, 4, 0x6E6A60);
    FillRect(t, 201, 701, 552, 18, 0xD8D0BC);
    Blit(r, top.Sprite(), 0, 0);
    return r;
}

Raster MainMenu() {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    GradientRect(cr, 0, 0, W, H, 0x4A86C4, 0xD3E8F4);
    Raster r = s.Opaque();
    Street(r, 570, 4, 0, 40);
    Surface top(W, H);
    cairo_t* t = top.cr();
    Title(t, 170, 130);
    DrawOutlinedText(t, "CITY TRAMWAYS", W / 2.0, 222, 22, Font::SansBold, 0xFFFFFF, 0x1A2A44, 4, Align::Centre);
    // The card behind the five black entries (and the cars beside them).
    FillRoundRect(t, 56, 268, 912, 286, 16, 0x3A2408);
    GradientRoundRect(t, 60, 272, 904, 278, 14, 0xFBF6E8, 0xEADFC2);
    RoundRectPath(t, 68, 280, 888, 262, 10);
    cairo_set_line_width(t, 2);
    SetColor(t, kGold);
    cairo_stroke(t);
    Blit(r, top.Sprite(), 0, 0);
    return r;
}

// The bar's fill, read in steps of 50 pixels: each step is one segment.
Raster LoadingBar() {
    Surface s(550, 16);
    cairo_t* cr = s.cr();
    for (int seg = 0; seg < 11; ++seg) {
        const double x = seg * 50;
        GradientRoundRect(cr, x + 1, 1, 48, 14, 3, 0xF2D060, 0xC88A10);
        FillRect(cr, x + 4, 3, 42, 3, 0xFFFFFF, 0.35);
    }
    return s.Opaque();
}

}  // namespace

void AddScreens(Catalogue& c) {
    c.Picture("Textures/MainMenu/Logo.bmp", Logo);
    c.Picture("Textures/MainMenu/Intro.bmp", Intro);
    c.Picture("Textures/MainMenu/MainMenu.bmp", MainMenu);
    c.Picture("Textures/MainMenu/Loading.bmp", LoadingBar);
}

}  // namespace assets
