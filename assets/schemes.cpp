// Line schemes (Schema0..10): one town map with every line's route drawn
// faintly and the chosen line in its colour, through the very points the
// position marker visits, with its stops marked. Line previews for the
// depot (Nahledy/Linky) are the line's part of its scheme with its number.
#include <algorithm>
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/rng.h"
#include "assets/scheme_routes.h"

namespace assets {

namespace {

constexpr int W = 613;
constexpr int H = 230;
constexpr std::uint32_t kStopFill = 0xFFFDF2;  // not the white of the streets
constexpr std::uint32_t kLineColors[11] = {0xD23C32, 0x2A62C8, 0x2E9A48, 0xE07A1E, 0x1E9A9A, 0x8A5A2E,
                                           0x1E3A8A, 0x7A8A1E, 0x8A1E2E, 0x4A6A8A, 0x1E6A3A};

double Px(const RoutePoint& p) { return SchemePixelX(p.x); }
double Py(const RoutePoint& p) { return SchemePixelY(p.y); }

void RoutePath(cairo_t* cr, const std::vector<RoutePoint>& route) {
    cairo_move_to(cr, Px(route[0]), Py(route[0]));
    for (size_t i = 1; i < route.size(); ++i) cairo_line_to(cr, Px(route[i]), Py(route[i]));
}

void TownMap(cairo_t* cr) {
    FillRect(cr, 0, 0, W, H, 0xEFE8D4);
    Rng rng(4242);
    // Parks.
    const double parks[][4] = {{250, 20, 90, 40}, {470, 150, 70, 50}, {60, 40, 70, 50}, {320, 170, 80, 40}};
    for (const auto& p : parks) FillRoundRect(cr, p[0], p[1], p[2], p[3], 12, 0xC6DDB0);
    // The river.
    cairo_move_to(cr, -10, 190);
    cairo_curve_to(cr, 120, 150, 200, 110, 300, 100);
    cairo_curve_to(cr, 420, 90, 470, 120, 620, 60);
    cairo_set_line_width(cr, 14);
    SetColor(cr, 0xA8CCE4);
    cairo_stroke(cr);
    // Streets.
    for (int x = 20; x < W; x += 46) Line(cr, x + rng.Range(-6, 6), 0, x + rng.Range(-6, 6), H, 3, 0xFFFFFF);
    for (int y = 18; y < H; y += 38) Line(cr, 0, y + rng.Range(-5, 5), W, y + rng.Range(-5, 5), 3, 0xFFFFFF);
    // Every line of the network, faintly.
    for (int l = 0; l <= 10; ++l) {
        RoutePath(cr, LineRoute(l));
        cairo_set_line_width(cr, 3);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        SetColor(cr, 0xC9BFA8);
        cairo_stroke(cr);
    }
}

void DrawLine(cairo_t* cr, int line) {
    const auto& route = LineRoute(line);
    const std::uint32_t color = kLineColors[line];
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    RoutePath(cr, route);
    cairo_set_line_width(cr, 10);
    SetColor(cr, 0xFFFFFF);
    cairo_stroke(cr);
    RoutePath(cr, route);
    cairo_set_line_width(cr, 6);
    SetColor(cr, color);
    cairo_stroke(cr);
    // The depot at the start, stops as rings, the terminus as a square.
    const RoutePoint& start = route[0];
    FillRect(cr, Px(start) - 7, Py(start) - 5, 14, 10, 0x3A3A3A);
    cairo_move_to(cr, Px(start) - 9, Py(start) - 5);
    cairo_line_to(cr, Px(start), Py(start) - 11);
    cairo_line_to(cr, Px(start) + 9, Py(start) - 5);
    cairo_close_path(cr);
    SetColor(cr, 0x3A3A3A);
    cairo_fill(cr);
    for (const RoutePoint& p : route) {
        if (!p.stop) continue;
        if (p.terminus) {
            FillRect(cr, Px(p) - 7, Py(p) - 7, 14, 14, 0x222222);
            FillRect(cr, Px(p) - 4, Py(p) - 4, 8, 8, kStopFill);
        } else {
            FillCircle(cr, Px(p), Py(p), 5.5, 0x222222);
            FillCircle(cr, Px(p), Py(p), 3.5, kStopFill);
        }
    }
}

Raster Scheme(int line) {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    TownMap(cr);
    DrawLine(cr, line);
    // Title and legend.
    FillRoundRect(cr, 4, 4, 96, 24, 5, kLineColors[line]);
    DrawText(cr, "LINE " + std::to_string(line), 52, 22, 15, Font::SansBold, 0xFFFFFF, Align::Centre);
    FillRoundRect(cr, W - 148, H - 22, 144, 18, 4, 0xFFFFFF);
    FillCircle(cr, W - 138, H - 13, 4.5, 0x222222);
    FillCircle(cr, W - 138, H - 13, 2.5, 0xFFFFFF);
    DrawText(cr, "stop", W - 130, H - 9, 10, Font::Sans, 0x333333);
    FillRect(cr, W - 98, H - 18, 10, 10, 0x222222);
    DrawText(cr, "terminus", W - 84, H - 9, 10, Font::Sans, 0x333333);
    cairo_rectangle(cr, 0.5, 0.5, W - 1, H - 1);
    cairo_set_line_width(cr, 1);
    SetColor(cr, 0x8A806A);
    cairo_stroke(cr);
    return s.Opaque();
}

// The line's stretch of the map, enlarged to fill the preview.
Raster LinePreview(int line) {
    const Raster scheme = Scheme(line);
    const auto& route = LineRoute(line);
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const RoutePoint& p : route) {
        x0 = std::min(x0, Px(p));
        y0 = std::min(y0, Py(p));
        x1 = std::max(x1, Px(p));
        y1 = std::max(y1, Py(p));
    }
    const double side = std::max({x1 - x0, y1 - y0, 60.0}) + 30;
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double scale = 120.0 / side;
    Surface s(120, 120);
    cairo_t* cr = s.cr();
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride)[x] = scheme.At(x, y);
    cairo_surface_mark_dirty(img);
    FillRect(cr, 0, 0, 120, 120, 0xEFE8D4);
    cairo_save(cr);
    cairo_translate(cr, 60, 60);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -cx, -cy);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
    // The line's number.
    FillCircle(cr, 100, 20, 17, 0xFFFFFF);
    FillCircle(cr, 100, 20, 15, kLineColors[line]);
    DrawText(cr, std::to_string(line), 100, 27.5, line >= 10 ? 16 : 21, Font::SansBold, 0xFFFFFF, Align::Centre);
    return s.Opaque();
}

}  // namespace

void AddSchemes(Catalogue& c) {
    for (int line = 0; line <= 10; ++line) {
        c.Picture("Textures/Schemata/Schema" + std::to_string(line) + ".bmp", [line] { return Scheme(line); });
        c.Picture("Textures/Nahledy/Linky/" + std::to_string(line) + ".bmp", [line] { return LinePreview(line); });
    }
}

}  // namespace assets
