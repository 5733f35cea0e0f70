// Road tiles Silnice0..Silnice37 and Silnice500..Silnice504: back pavement,
// the far lane, the tram track, the island, the near lane and the front
// pavement. One cross-section for all, every pattern repeating after 1200
// pixels, so any tile joins any other at the 2-pixel overlap; each tile's
// own paving and details stay inside, behind stone edging strips.
#include <cstdint>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/rng.h"
#include "assets/scene_geometry.h"
#include "assets/scenery.h"
#include "assets/tile_kinds.h"

namespace assets {

namespace {

constexpr int W = scene::kRoadWidth;
constexpr int H = scene::kRoadHeight;
constexpr int kPeriod = scene::kRoadPeriod;
constexpr double Y(int screenY) { return screenY - scene::kRoadTop; }

constexpr double kEdgeZone = 48;  // standard paving at both ends of a tile
constexpr std::uint32_t kAsphalt = 0x5A5D62;
constexpr std::uint32_t kSlab = 0xC2BCB0;
constexpr std::uint32_t kKerb = 0xB0AA9E;

// A value in [0, 1) fixed by the position within the repeating period.
double Hash(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(((x % kPeriod) + kPeriod) % kPeriod) * 73856093u ^
                      static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFF) / 65536.0;
}

void Slabs(cairo_t* cr, double x0, double x1, double y0, double y1, std::uint32_t base, double rowH, double slabW) {
    FillRect(cr, x0, y0, x1 - x0, y1 - y0, Shade(base, 0.82));
    int row = 0;
    for (double y = y0; y < y1; y += rowH, ++row) {
        const double off = (row % 2) * slabW / 2;
        for (double x = -slabW; x < W; x += slabW) {
            const double sx = x + off;
            if (sx + slabW <= x0 || sx >= x1) continue;
            const double t = Hash(static_cast<int>(sx) + 600, row);
            const double cx0 = std::max(sx + 1, x0), cx1 = std::min(sx + slabW - 1, x1);
            FillRect(cr, cx0, y + 1, cx1 - cx0, std::min(rowH, y1 - y) - 1, Shade(base, 0.95 + 0.1 * t));
        }
    }
}

void Bricks(cairo_t* cr, double x0, double x1, double y0, double y1, std::uint32_t base) {
    FillRect(cr, x0, y0, x1 - x0, y1 - y0, Shade(base, 0.75));
    int row = 0;
    for (double y = y0; y < y1; y += 6, ++row)
        for (double x = x0 - 16 + (row % 2) * 8; x < x1; x += 16) {
            const double a = std::max(x + 1, x0), b = std::min(x + 15, x1);
            if (b > a) FillRect(cr, a, y + 1, b - a, std::min(5.0, y1 - y - 1), Shade(base, 0.92 + 0.14 * Hash(static_cast<int>(x) + 300, row)));
        }
}

void Grass(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1) {
    GradientRect(cr, x0, y0, x1 - x0, y1 - y0, 0x6E9E48, 0x5A8A3A);
    for (int i = 0; i < static_cast<int>((x1 - x0) * (y1 - y0) / 30); ++i) {
        const double x = rng.Range(x0, x1 - 2), y = rng.Range(y0 + 2, y1);
        Line(cr, x, y, x + rng.Range(-1.5, 1.5), y - rng.Range(2, 4), 1, rng.Chance(0.5) ? 0x84B45A : 0x4E7E32);
    }
    for (int i = 0; i < static_cast<int>((x1 - x0) / 60); ++i)
        FillCircle(cr, rng.Range(x0 + 4, x1 - 4), rng.Range(y0 + 4, y1 - 3), 1.5,
                   rng.Chance(0.5) ? 0xF4F0E0 : 0xF2C230);
}

void EdgingStrip(cairo_t* cr, double x, double y0, double y1) { FillRect(cr, x, y0, 4, y1 - y0, 0x8E887C); }

void Manhole(cairo_t* cr, double cx, double cy) {
    FillEllipse(cr, cx, cy, 14, 3.5, 0x3E4044);
    FillEllipse(cr, cx, cy, 11, 2.5, 0x4C4F54);
    for (int i = -2; i <= 2; ++i) Line(cr, cx + i * 4 - 2, cy - 1.5, cx + i * 4 + 2, cy + 1.5, 0.8, 0x36383C);
}

void Drain(cairo_t* cr, double x, double y) {
    FillRect(cr, x, y, 22, 4, 0x2E3034);
    for (double gx = x + 2; gx < x + 21; gx += 3) FillRect(cr, gx, y + 1, 1, 2, 0x6A6D72);
}

void Bollard(cairo_t* cr, double x, double foot) {
    FillRect(cr, x, foot - 14, 5, 14, 0x3A3F45);
    FillRect(cr, x, foot - 11, 5, 2, 0xD9D4C8);
}

Raster DrawRoad(int n) {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    Rng rng(static_cast<std::uint64_t>(n) * 104729 + 7);
    const Place place = PlaceOfTile(n);
    const double inner0 = kEdgeZone, inner1 = kPeriod - kEdgeZone;

    // Back pavement: the standard slabs, the tile's own paving inside.
    const double backTop = 0, backBottom = Y(scene::kBackKerbTop);
    Slabs(cr, 0, W, backTop, backBottom, kSlab, 15, 40);
    FillRect(cr, 0, 0, W, 3, 0x8A8478);
    switch (place) {
        case Place::Park:
        case Place::Square:
            Bricks(cr, inner0, inner1, backTop + 3, backBottom, 0xB8735A);
            break;
        case Place::Country:
            Grass(cr, rng, inner0, inner1, backTop, backBottom - 22);
            FillRect(cr, inner0, backBottom - 22, inner1 - inner0, 22, 0xC8B898);
            for (int i = 0; i < 400; ++i)
                FillRect(cr, rng.Range(inner0, inner1 - 2), rng.Range(backBottom - 21, backBottom - 2), 1.5, 1.5,
                         rng.Chance(0.5) ? 0xA89878 : 0xE0D4B8);
            break;
        case Place::Depot:
            for (double y = backTop + 3; y < backBottom; y += 7)
                for (double x = inner0 + (static_cast<int>(y) % 2) * 5; x < inner1 - 8; x += 10)
                    FillRoundRect(cr, x, y, 9, 6, 2, Shade(0x8A8A86, 0.9 + 0.2 * Hash(static_cast<int>(x), static_cast<int>(y))));
            break;
        default:
            Slabs(cr, inner0, inner1, backTop + 3, backBottom, Mix(kSlab, rng.Chance(0.5) ? 0xD8C8A8 : 0xB8BCC4, 0.4), 15, 30);
            break;
    }
    if (place != Place::Town && place != Place::Water && place != Place::Airfield) {
        EdgingStrip(cr, inner0 - 4, backTop, backBottom);
        EdgingStrip(cr, inner1, backTop, backBottom);
    } else {
        EdgingStrip(cr, inner0 - 4, backTop + 3, backBottom);
        EdgingStrip(cr, inner1, backTop + 3, backBottom);
    }
    // Details of the back pavement.
    if (place == Place::Park || place == Place::Square) {
        for (double x = inner0 + 120; x < inner1 - 100; x += 330) {
            FillEllipse(cr, x, backBottom - 30, 28, 8, 0x6E4A30);
            FillEllipse(cr, x, backBottom - 31, 24, 6, 0x5E8A3A);
        }
    } else if (place == Place::Town || place == Place::Water) {
        for (double x = inner0 + 90 + rng.Range(0, 60); x < inner1 - 60; x += rng.Range(180, 320)) Bollard(cr, x, backBottom - 4);
    }

    // Back kerb.
    FillRect(cr, 0, Y(scene::kBackKerbTop), W, 3, 0xD4CEC2);
    FillRect(cr, 0, Y(scene::kBackKerbTop) + 3, W, Y(scene::kFarLaneTop) - Y(scene::kBackKerbTop) - 3, kKerb);
    for (int x = 0; x < W; x += 60) FillRect(cr, x, Y(scene::kBackKerbTop), 1, 7, 0x8E887C);

    // Far lane.
    GradientRect(cr, 0, Y(scene::kFarLaneTop), W, Y(scene::kFarLaneBottom) - Y(scene::kFarLaneTop), Shade(kAsphalt, 0.9),
                 kAsphalt);
    FillRect(cr, 0, Y(scene::kFarLaneTop) + 2, W, 1.5, 0xE8E6E0);
    for (int x = 0; x < W; x += 60) FillRect(cr, x + 10, Y(scene::kFarLaneBottom) - 3, 30, 1.5, 0xE8E6E0);

    // Track bed: granite setts and two grooved rails.
    const double t0 = Y(scene::kTrackTop), t1 = Y(scene::kIslandTop);
    FillRect(cr, 0, t0, W, t1 - t0, 0x6E6A66);
    int row = 0;
    for (double y = t0; y < t1; y += 4, ++row)
        for (int x = (row % 2) * 6 - 12; x < W; x += 12)
            FillRect(cr, x + 1, y + 1, 10, 3, Shade(0x85807A, 0.9 + 0.2 * Hash(x + 900, row)));
    for (int rail = 0; rail < 2; ++rail) {
        const double ry = Y(rail == 0 ? scene::kFarRailTop : scene::kRailTop);
        FillRect(cr, 0, ry - 1, W, 1, 0x3A3836);
        FillRect(cr, 0, ry, W, 2, rail == 0 ? 0xA8ACB0 : 0xC4C8CC);
        FillRect(cr, 0, ry + 2, W, 1.5, 0x2A2826);
    }

    // Island between the track and the near lane.
    const double i0 = Y(scene::kIslandTop), i1 = Y(scene::kIslandKerbTop);
    FillRect(cr, 0, i0, W, i1 - i0, 0xB4AEA2);
    for (int x = 0; x < W; x += 40) FillRect(cr, x, i0, 1, i1 - i0, 0x9A9488);
    FillRect(cr, 0, i0, W, 1.5, 0xD0CABE);
    FillRect(cr, 0, i1, W, Y(scene::kNearLaneTop) - i1, 0x96908A);

    // Near lane.
    const double n0 = Y(scene::kNearLaneTop), n1 = Y(scene::kNearLaneBottom);
    GradientRect(cr, 0, n0, W, n1 - n0, kAsphalt, Shade(kAsphalt, 1.06));
    FillRect(cr, 0, n1 - 4, W, 1.5, 0xE8E6E0);
    for (int x = 0; x < W; x += 60) FillRect(cr, x + 10, n0 + 2, 30, 1.5, 0xE8E6E0);

    // Front kerb and pavement.
    FillRect(cr, 0, Y(scene::kFrontKerbTop), W, 2, 0xD4CEC2);
    FillRect(cr, 0, Y(scene::kFrontKerbTop) + 2, W, Y(scene::kFrontPavementTop) - Y(scene::kFrontKerbTop) - 2, kKerb);
    const double f0 = Y(scene::kFrontPavementTop);
    Slabs(cr, 0, W, f0, H, kSlab, 13, 40);
    if (place == Place::Country || place == Place::Depot) {
        Grass(cr, rng, inner0, inner1, f0 + 12, H);
        EdgingStrip(cr, inner0 - 4, f0 + 12, H);
        EdgingStrip(cr, inner1, f0 + 12, H);
    } else if (place == Place::Park || place == Place::Square) {
        Bricks(cr, inner0, inner1, f0, H, 0xB8735A);
        EdgingStrip(cr, inner0 - 4, f0, H);
        EdgingStrip(cr, inner1, f0, H);
    }

    // Manholes, drains and patches inside the tile.
    for (int i = 0; i < 2; ++i) Manhole(cr, rng.Range(inner0 + 40, inner1 - 40), Y(i ? 432 : 496));
    for (double x = inner0 + 60 + rng.Range(0, 80); x < inner1 - 90; x += rng.Range(250, 400)) {
        Drain(cr, x, Y(scene::kFarLaneTop) + 3);
        Drain(cr, x + 40, Y(scene::kNearLaneBottom) - 8);
    }
    if (rng.Chance(0.6)) {
        const double px = rng.Range(inner0 + 60, inner1 - 200);
        FillRect(cr, px, Y(425), rng.Range(60, 160), rng.Range(8, 16), Shade(kAsphalt, 0.85), 0.9);
    }

    Raster r = s.Sprite();
    // Fine grain of the asphalt, fixed by the position within the period.
    for (int y = 0; y < H; ++y) {
        const int sy = y + scene::kRoadTop;
        const bool asphalt = (sy >= scene::kFarLaneTop + 4 && sy < scene::kFarLaneBottom - 4) ||
                             (sy >= scene::kNearLaneTop + 4 && sy < scene::kNearLaneBottom - 5);
        if (!asphalt) continue;
        for (int x = 0; x < W; ++x) {
            std::uint32_t& p = r.At(x, y);
            if (p == kKey) continue;
            const double g = Hash(x, y + 5000);
            if (g < 0.12) p = Shade(p, 0.88);
            else if (g > 0.9) p = Shade(p, 1.08);
        }
    }
    return r;
}

}  // namespace

Raster DrawRoadTile(int number) { return DrawRoad(number); }

void AddRoads(Catalogue& c) {
    for (int n : kTileNumbers)
        c.Picture("Textures/Silnice/Silnice" + std::to_string(n) + ".bmp", [n] { return DrawRoad(n); });
}

}  // namespace assets
