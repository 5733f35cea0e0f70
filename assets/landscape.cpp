// Landscape tiles Map0..Map37 and Map500..Map504: the town behind the street.
// Every tile has the same backdrop (sky, hedge, garden wall, overhead line)
// and keeps its own content away from both ends, so any tile joins any other
// at the 150-pixel overlap (and the 130-pixel one at a run's start).
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/scene_geometry.h"
#include "assets/scenery.h"
#include "assets/tile_kinds.h"
#include "assets/town_kit.h"

namespace assets {

namespace {

using namespace town;

constexpr int W = scene::kLandscapeWidth;
constexpr int H = scene::kLandscapeHeight;
constexpr double kGround = scene::kRoadTop - scene::kLandscapeTop;  // 288: the pavement's back edge
constexpr double kWallTop = kGround - 24;
constexpr double kHedgeTop = kWallTop - 14;
constexpr double kContentFrom = 40;
constexpr double kContentTo = W - scene::kLandscapeOverlap - 40;  // 1260
constexpr double kWireY = scene::kContactWireY - scene::kLandscapeTop;
constexpr double kMessengerY = scene::kMessengerWireY - scene::kLandscapeTop;
constexpr int kPeriod = 20;  // every pattern of the backdrop repeats after this

enum class Kind { Town, River, Fountain, Harbour, Airport, Airfield, Park, Church, Depot, Meadow, LineStart, Forest,
                  Fields };

struct TileDesign {
    int number;
    Kind kind;
    int variant;
};

// The surroundings of stop n are tile n; the ambient sound of a tile is
// chosen by the game from its number, so water tiles show water, bell tiles
// a church, bird tiles trees, and so on.
const TileDesign kTiles[] = {
    {0, Kind::River, 0},     {1, Kind::Fountain, 0},  {2, Kind::Church, 0},    {3, Kind::Town, 1},
    {4, Kind::Park, 0},      {5, Kind::Town, 2},      {6, Kind::Park, 1},      {7, Kind::Airport, 0},
    {8, Kind::Park, 2},      {9, Kind::River, 1},     {10, Kind::Town, 3},     {11, Kind::Park, 3},
    {12, Kind::Town, 4},     {13, Kind::Park, 4},     {14, Kind::Park, 5},     {15, Kind::Harbour, 0},
    {16, Kind::Fountain, 1}, {17, Kind::Park, 6},     {18, Kind::Church, 1},   {19, Kind::Town, 5},
    {20, Kind::Town, 6},     {21, Kind::Airfield, 0}, {22, Kind::Town, 7},     {23, Kind::Airport, 1},
    {24, Kind::Church, 2},   {25, Kind::Town, 8},     {26, Kind::Harbour, 1},  {27, Kind::Church, 3},
    {28, Kind::Fountain, 2}, {29, Kind::Park, 7},     {30, Kind::Park, 1},     {31, Kind::Park, 5},
    {32, Kind::River, 2},    {33, Kind::Park, 0},     {34, Kind::Town, 9},     {35, Kind::Airfield, 1},
    {36, Kind::River, 3},    {37, Kind::Park, 3},     {500, Kind::Depot, 0},   {501, Kind::Meadow, 0},
    {502, Kind::LineStart, 0}, {503, Kind::Forest, 0}, {504, Kind::Fields, 0},
};

// --- the common backdrop -------------------------------------------------

void Sky(cairo_t* cr) { GradientRect(cr, 0, 0, W, kWallTop, 0x5D9BD5, 0xD3E8F4); }

void Hedge(cairo_t* cr, double x0, double x1) {
    FillRect(cr, x0, kHedgeTop + 4, x1 - x0, kWallTop - kHedgeTop, 0x3F7434);
    for (double x = x0 - std::fmod(x0, 10.0) - 10; x < x1 + 10; x += 10) {
        cairo_save(cr);
        cairo_rectangle(cr, x0, 0, x1 - x0, H);
        cairo_clip(cr);
        FillCircle(cr, x + 5, kHedgeTop + 5, 6, 0x4C8A3C);
        FillCircle(cr, x + 3, kHedgeTop + 3, 2.5, 0x6BA552);
        cairo_restore(cr);
    }
}

void GardenWall(cairo_t* cr) {
    FillRect(cr, 0, kWallTop, W, kGround - kWallTop, 0xC9BFAE);
    FillRect(cr, 0, kWallTop, W, 4, 0xA89D8A);
    FillRect(cr, 0, kWallTop + 4, W, 1, 0x8A806E);
    const double mid = kWallTop + 14;
    FillRect(cr, 0, mid, W, 1, 0xA99F8E);
    for (int x = 0; x < W; x += kPeriod) {
        FillRect(cr, x, kWallTop + 5, 1, mid - kWallTop - 5, 0xA99F8E);
        FillRect(cr, x + kPeriod / 2, mid, 1, kGround - mid, 0xA99F8E);
    }
}

void Pillar(cairo_t* cr, double x) {
    FillRect(cr, x - 5, kHedgeTop - 4, 10, kGround - kHedgeTop + 4, 0xB3A994);
    FillRect(cr, x - 6, kHedgeTop - 7, 12, 4, 0x958B78);
}

// The hedge runs along every seam; a tile may replace it inside its content
// (a railing by the water, a fence at the airfield) between two pillars.
void Verge(cairo_t* cr, bool hedgeInside) {
    if (hedgeInside) {
        Hedge(cr, 0, W);
    } else {
        Hedge(cr, 0, kContentFrom - 6);
        Hedge(cr, kContentTo + 6, W);
    }
    GardenWall(cr);
    if (!hedgeInside) {
        Pillar(cr, kContentFrom - 6);
        Pillar(cr, kContentTo + 6);
    }
}

void OverheadLine(cairo_t* cr) {
    FillRect(cr, 0, kMessengerY, W, 1, 0x3A3F45);
    FillRect(cr, 0, kWireY, W, 1.5, 0x2A2F35);
    for (int x = 0; x < W; x += kPeriod) FillRect(cr, x + 7, kMessengerY, 1, kWireY - kMessengerY, 0x59606A);
}

// --- shared pieces of the compositions ----------------------------------

void Clouds(cairo_t* cr, Rng& rng, int count) {
    for (int i = 0; i < count; ++i) {
        const double w = rng.Range(90, 180);
        const double cx = rng.Range(kContentFrom + w / 2 + 10, kContentTo - w / 2 - 10);
        DrawCloud(cr, rng, cx, rng.Range(25, 95), w);
    }
}

// The water ends in green banks with a tree each, so that it does not stop
// in a straight cut against the sky beside it. `top` is the far shore.
void Banks(cairo_t* cr, Rng& rng, double top) {
    for (const double dir : {1.0, -1.0}) {
        const double edge = dir > 0 ? kContentFrom - 6 : kContentTo + 6;
        // A rounded hump: up from the hedge outside, down into the water.
        const double crest = top - 22;
        cairo_move_to(cr, edge, kHedgeTop + 4);
        cairo_curve_to(cr, edge + dir * 8, top - 6, edge + dir * 22, crest, edge + dir * 45, crest);
        cairo_curve_to(cr, edge + dir * 72, crest, edge + dir * 82, kWallTop - 30, edge + dir * 130, kWallTop);
        cairo_line_to(cr, edge, kWallTop);
        cairo_close_path(cr);
        FillPathGradient(cr, crest, kWallTop, 0x86B457, 0x5A8A3C);
        DrawBush(cr, rng, dir > 0 ? edge + 50 : edge - 50 - 34, kWallTop - 20, 34);
        DrawDeciduousTree(cr, rng, edge + dir * 44, crest + 4, rng.Range(64, 76));
    }
}

// Pale houses far away, above the verge.
void DistantRow(cairo_t* cr, Rng& rng, double x0, double x1, double base, std::uint32_t haze) {
    double x = x0;
    while (x < x1 - 30) {
        const double w = std::min(rng.Range(40, 90), x1 - x);
        const double h = rng.Range(40, 100);
        const std::uint32_t wall = Mix(rng.Chance(0.5) ? 0xD9C8A8 : 0xB8B0A8, haze, 0.45);
        FillRect(cr, x, base - h, w, h, wall);
        if (rng.Chance(0.6)) {
            cairo_move_to(cr, x - 2, base - h);
            cairo_line_to(cr, x + w / 2, base - h - w * 0.3);
            cairo_line_to(cr, x + w + 2, base - h);
            cairo_close_path(cr);
            SetColor(cr, Mix(0xA8472F, haze, 0.45));
            cairo_fill(cr);
        }
        for (double wy = base - h + 10; wy < base - 12; wy += 16)
            for (double wx = x + 6; wx < x + w - 8; wx += 12) FillRect(cr, wx, wy, 5, 7, Mix(0x506A84, haze, 0.4));
        x += w + rng.Range(0, 8);
    }
}

void Hills(cairo_t* cr, Rng& rng, double base, double height, std::uint32_t color) {
    // Rises from the horizon inside the content and sinks back before the ends.
    cairo_move_to(cr, kContentFrom, base);
    const int humps = rng.Int(2, 4);
    const double span = (kContentTo - kContentFrom) / humps;
    for (int i = 0; i < humps; ++i) {
        const double x0 = kContentFrom + i * span;
        const double h = height * rng.Range(0.6, 1.0);
        cairo_curve_to(cr, x0 + span * 0.3, base - h, x0 + span * 0.7, base - h, x0 + span, base - h * 0.3);
    }
    cairo_line_to(cr, kContentTo, base);
    cairo_close_path(cr);
    FillPathGradient(cr, base - height, base, Shade(color, 1.1), color);
}

void Birds(cairo_t* cr, Rng& rng, int count) {
    const double fx = rng.Range(kContentFrom + 80, kContentTo - 200);
    const double fy = rng.Range(30, 90);
    for (int i = 0; i < count; ++i)
        DrawBird(cr, fx + i * rng.Range(14, 24), fy + rng.Range(-12, 12), rng.Range(8, 12), rng.Range(1, 4));
}

// Fills [x0, x1) with houses standing on the ground line.
void HouseRow(cairo_t* cr, Rng& rng, double x0, double x1, int minFloors, int maxFloors) {
    double x = x0;
    while (x1 - x >= 70) {
        double w = rng.Range(90, 165);
        if (x1 - x - w < 70) w = x1 - x;
        DrawHouse(cr, rng, kGround, RandomHouse(rng, x, w, minFloors, maxFloors));
        x += w + (rng.Chance(0.3) ? rng.Range(4, 12) : 0);
    }
}

void TreeRow(cairo_t* cr, Rng& rng, double x0, double x1, double minH, double maxH, double conifers) {
    for (double x = x0 + rng.Range(10, 30); x < x1 - 20; x += rng.Range(40, 80)) {
        if (rng.Chance(conifers)) DrawConifer(cr, rng, x, kGround, rng.Range(minH, maxH));
        else DrawDeciduousTree(cr, rng, x, kGround, rng.Range(minH, maxH));
    }
}

// A public building: columns, pediment and its name in capitals.
void PublicBuilding(cairo_t* cr, Rng& rng, double x, double w, double h, std::uint32_t wall,
                    const std::string& name, bool dome, bool clockTower) {
    const double top = kGround - h;
    if (clockTower) {
        const double tx = x + w / 2 - 22;
        GradientRect(cr, tx, top - 90, 44, 95, Shade(wall, 1.05), Shade(wall, 0.9));
        DrawClock(cr, tx + 22, top - 58, 14, rng.Int(1, 12), rng.Int(0, 11) * 5);
        cairo_move_to(cr, tx - 4, top - 90);
        cairo_line_to(cr, tx + 22, top - 122);
        cairo_line_to(cr, tx + 48, top - 90);
        cairo_close_path(cr);
        SetColor(cr, 0x4E5866);
        cairo_fill(cr);
    }
    if (dome) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w / 2, top - 18, w * 0.2, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillPathGradient(cr, top - 18 - w * 0.2, top - 18, 0x7FBFA8, 0x4A8A74);
        FillRect(cr, x + w * 0.3, top - 20, w * 0.4, 20, Shade(wall, 0.95));
    }
    GradientRect(cr, x, top, w, h, Shade(wall, 1.06), Shade(wall, 0.9));
    FillRect(cr, x - 4, top - 6, w + 8, 8, Shade(wall, 0.8));
    // Pediment over the portico.
    const double px = x + w * 0.25, pw = w * 0.5;
    cairo_move_to(cr, px - 6, top - 6);
    cairo_line_to(cr, px + pw / 2, top - 34);
    cairo_line_to(cr, px + pw + 6, top - 6);
    cairo_close_path(cr);
    SetColor(cr, Shade(wall, 0.92));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetColor(cr, Shade(wall, 0.7));
    cairo_stroke(cr);
    const double size = FitText(cr, name, 13, Font::Serif, pw - 10);
    FillRect(cr, px, top + 4, pw, 18, Shade(wall, 0.85));
    DrawText(cr, name, px + pw / 2, top + 18, size, Font::Serif, 0x3A3026, Align::Centre);
    // Columns.
    const int columns = 6;
    for (int i = 0; i < columns; ++i) {
        const double cx = px + 6 + i * (pw - 12) / (columns - 1);
        GradientRect(cr, cx - 5, top + 24, 10, h - 34, 0xF4F1E8, 0xCFC8B8);
        FillRect(cr, cx - 7, top + 22, 14, 4, 0xE4DED0);
    }
    FillRect(cr, px - 8, kGround - 10, pw + 16, 10, Shade(wall, 0.75));
    // Wings with windows.
    for (int side = 0; side < 2; ++side) {
        const double wx0 = side == 0 ? x + 8 : px + pw + 8;
        const double wx1 = side == 0 ? px - 8 : x + w - 8;
        for (double wy = top + 18; wy < kGround - 40; wy += 44)
            for (double wx = wx0 + 4; wx < wx1 - 16; wx += 30) DrawWindow(cr, wx, wy, 16, 28, 0xF6F3EA, true);
    }
}

void StationBuilding(cairo_t* cr, Rng& rng, double x, double w) {
    const double h = 150, top = kGround - h;
    GradientRect(cr, x, top, w, h, 0xC47A5A, 0xA85E44);
    FillRect(cr, x - 4, top - 8, w + 8, 10, 0x8A4A34);
    // The great arched hall window.
    const double aw = w * 0.46, ax = x + w / 2 - aw / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, ax + aw / 2, top + 30 + aw / 2, aw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, ax + aw, kGround - 30);
    cairo_line_to(cr, ax, kGround - 30);
    cairo_close_path(cr);
    FillPathGradient(cr, top + 30, kGround - 30, 0x3A5674, 0x86A7C2);
    for (int i = 1; i < 6; ++i) Line(cr, ax + i * aw / 6, top + 30, ax + i * aw / 6, kGround - 30, 1.5, 0xEDE4D0);
    for (double y = top + 60; y < kGround - 30; y += 22) Line(cr, ax, y, ax + aw, y, 1.5, 0xEDE4D0);
    DrawClock(cr, x + w / 2, top + 18, 14, rng.Int(1, 12), rng.Int(0, 11) * 5);
    DrawSignBoard(cr, x + w / 2, kGround - 28, "MAIN STATION", 11, 0x1F3F66, 0xF4F1E8);
    for (int side = 0; side < 2; ++side) {
        const double wx = side == 0 ? x + 14 : x + w - 14 - (w - aw) / 2 + 20;
        for (double xx = wx; xx < wx + (w - aw) / 2 - 40; xx += 28)
            DrawWindow(cr, xx, top + 40, 16, 30, 0xEDE4D0, true), DrawWindow(cr, xx, top + 90, 16, 30, 0xEDE4D0, true);
    }
}

void Factory(cairo_t* cr, double x, double w, const std::string& name) {
    // Saw-tooth hall and a tall chimney.
    const double h = 90, top = kGround - h;
    FillRect(cr, x + w - 40, kGround - 210, 22, 210, 0x9A4E36);
    for (double y = kGround - 200; y < kGround; y += 8)
        FillRect(cr, x + w - 40, y, 22, 1, 0x7A3A28);
    FillRect(cr, x + w - 43, kGround - 214, 28, 8, 0x6A3020);
    GradientRect(cr, x, top, w - 50, h, 0xB5654A, 0x94503A);
    for (double sx = x; sx < x + w - 60; sx += 40) {
        cairo_move_to(cr, sx, top);
        cairo_line_to(cr, sx + 40, top - 24);
        cairo_line_to(cr, sx + 40, top);
        cairo_close_path(cr);
        SetColor(cr, 0x6B5A50);
        cairo_fill(cr);
        FillRect(cr, sx + 30, top - 18, 8, 16, 0x86A7C2);
    }
    for (double wx = x + 12; wx < x + w - 70; wx += 34) DrawWindow(cr, wx, top + 20, 20, 30, 0xE6DCC8, true);
    DrawSignBoard(cr, x + (w - 50) / 2, kGround - 30, name, 11, 0xF2E2B0, 0x5A2A1A);
}

void ModernBuilding(cairo_t* cr, double x, double w, double h, const std::string& name, bool redCross) {
    const double top = kGround - h;
    GradientRect(cr, x, top, w, h, 0xF2F2EE, 0xD6D8D4);
    for (double y = top + 12; y < kGround - 40; y += 26) {
        GradientRect(cr, x + 8, y, w - 16, 14, 0x3E5C7A, 0x86A7C2);
        for (double vx = x + 8; vx < x + w - 8; vx += 24) FillRect(cr, vx, y, 2, 14, 0xE6E8E4);
    }
    GradientRect(cr, x + w / 2 - 40, kGround - 34, 80, 34, 0x3E5C7A, 0x9CB8CE);
    FillRect(cr, x + w / 2 - 1, kGround - 34, 2, 34, 0xE6E8E4);
    DrawSignBoard(cr, x + w / 2, kGround - 52, name, 11, redCross ? 0xFFFFFF : 0x2B2B2B,
                  redCross ? 0xC0392B : 0xF2C230);
    if (redCross) {
        FillRect(cr, x + w - 40, top + 10, 24, 8, 0xD0312D);
        FillRect(cr, x + w - 32, top + 2, 8, 24, 0xD0312D);
    }
}

void MarketStalls(cairo_t* cr, Rng& rng, double x0, double x1) {
    const std::uint32_t roofs[] = {0xC43C32, 0x2F6E9E, 0x3C8A4C, 0xD08A24};
    for (double x = x0; x < x1 - 60; x += 70) {
        const std::uint32_t r = roofs[rng.Int(0, 3)];
        FillRect(cr, x + 4, kGround - 40, 2, 40, 0x5A4030);
        FillRect(cr, x + 54, kGround - 40, 2, 40, 0x5A4030);
        cairo_move_to(cr, x, kGround - 38);
        cairo_line_to(cr, x + 30, kGround - 54);
        cairo_line_to(cr, x + 60, kGround - 38);
        cairo_close_path(cr);
        SetColor(cr, r);
        cairo_fill(cr);
        for (int s = 0; s < 6; ++s)
            FillRect(cr, x + s * 10, kGround - 38, 5, 5, s % 2 ? 0xF4F1E8 : r);
        FillRect(cr, x + 2, kGround - 16, 56, 4, 0x8A5A34);
        for (double gx = x + 6; gx < x + 52; gx += 7)
            FillCircle(cr, gx, kGround - 19, 3, rng.Chance(0.5) ? 0xE0402E : (rng.Chance(0.5) ? 0xF0C030 : 0x6FAE3A));
    }
}

// --- compositions --------------------------------------------------------

void Town(cairo_t* cr, Rng& rng, int variant) {
    Clouds(cr, rng, 3);
    Verge(cr, true);
    const double mid = (kContentFrom + kContentTo) / 2;
    switch (variant) {
        case 2:  // town hall
            HouseRow(cr, rng, kContentFrom, mid - 190, 3, 4);
            PublicBuilding(cr, rng, mid - 180, 360, 150, 0xE6D6B0, "TOWN HALL", false, true);
            HouseRow(cr, rng, mid + 190, kContentTo, 3, 4);
            break;
        case 3:  // main station
            HouseRow(cr, rng, kContentFrom, mid - 210, 3, 5);
            StationBuilding(cr, rng, mid - 200, 400);
            HouseRow(cr, rng, mid + 210, kContentTo, 3, 5);
            break;
        case 4:  // market street
            HouseRow(cr, rng, kContentFrom, kContentTo, 3, 4);
            MarketStalls(cr, rng, mid - 250, mid + 250);
            break;
        case 5:  // brewery
            HouseRow(cr, rng, kContentFrom, mid - 170, 2, 3);
            Factory(cr, mid - 160, 360, "BREWERY");
            HouseRow(cr, rng, mid + 210, kContentTo, 2, 3);
            break;
        case 6:  // theatre
            HouseRow(cr, rng, kContentFrom, mid - 200, 3, 5);
            PublicBuilding(cr, rng, mid - 190, 380, 160, 0xEADFC8, "THEATRE", true, false);
            HouseRow(cr, rng, mid + 200, kContentTo, 3, 5);
            break;
        case 7:  // hospital
            HouseRow(cr, rng, kContentFrom, mid - 190, 3, 4);
            ModernBuilding(cr, mid - 180, 360, 170, "HOSPITAL", true);
            HouseRow(cr, rng, mid + 190, kContentTo, 3, 4);
            break;
        case 8:  // museum
            HouseRow(cr, rng, kContentFrom, mid - 190, 3, 4);
            PublicBuilding(cr, rng, mid - 180, 360, 140, 0xE2E0D6, "MUSEUM", true, false);
            HouseRow(cr, rng, mid + 190, kContentTo, 3, 4);
            break;
        case 9:  // shopping centre
            HouseRow(cr, rng, kContentFrom, mid - 260, 4, 5);
            ModernBuilding(cr, mid - 250, 500, 140, "SHOPPING CENTRE", false);
            HouseRow(cr, rng, mid + 260, kContentTo, 4, 5);
            break;
        default:  // an ordinary street
            HouseRow(cr, rng, kContentFrom, kContentTo, 2, 5);
            break;
    }
    for (double x = kContentFrom + 60; x < kContentTo; x += 260) DrawLampPost(cr, x, kGround, 70);
}

void River(cairo_t* cr, Rng& rng, int variant) {
    const double far = 178;
    Clouds(cr, rng, 3);
    DistantRow(cr, rng, kContentFrom + 10, kContentTo - 10, far, 0xD3E8F4);
    for (double x = kContentFrom + 30; x < kContentTo - 30; x += rng.Range(60, 120))
        DrawDeciduousTree(cr, rng, x, far + 2, rng.Range(36, 56));
    // The water's ends lie under the banks (Banks).
    DrawWater(cr, rng, kContentFrom + 20, kContentTo - 20, far, kWallTop);
    if (variant == 1) {  // a stone bridge across the river, far away
        const double y = far - 14, x0 = kContentFrom + 200, x1 = kContentFrom + 960;
        FillRect(cr, x0, y, x1 - x0, 44, 0xB8AC96);
        FillRect(cr, x0, y - 6, x1 - x0, 6, 0x9C907A);
        for (double x = x0 + 6; x < x1 - 6; x += 12) FillRect(cr, x, y - 14, 2, 8, 0x6E6454);
        FillRect(cr, x0, y - 15, x1 - x0, 2, 0x6E6454);
        for (double x = x0 + 12; x + 72 <= x1; x += 95) {
            cairo_save(cr);
            cairo_rectangle(cr, x, y + 10, 72, 34);
            cairo_clip(cr);
            FillEllipse(cr, x + 36, y + 44, 36, 30, 0x5E93B8);
            cairo_restore(cr);
        }
    }
    if (variant == 2) {  // a lock with its gates
        const double gx = (kContentFrom + kContentTo) / 2;
        FillRect(cr, gx - 160, far + 10, 320, kWallTop - far - 10, 0x3A6E8E);
        for (int side = -1; side <= 1; side += 2) {
            FillRect(cr, gx + side * 150 - 8, far + 4, 16, kWallTop - far - 4, 0x5A3E28);
            for (double y = far + 10; y < kWallTop - 4; y += 10) FillRect(cr, gx + side * 150 - 8, y, 16, 2, 0x3E2A1A);
            FillRect(cr, gx + side * 150 - 20, far, 40, 4, 0x2F2F2F);
        }
        House keeper;
        keeper.x = gx + 190;
        keeper.width = 100;
        keeper.floors = 2;
        keeper.wall = 0xE9DDC0;
        keeper.roof = Roof::Gable;
        DrawHouse(cr, rng, far + 4, keeper);
    }
    if (variant == 3) {  // a boat house on the water
        const double bx = (kContentFrom + kContentTo) / 2 - 110;
        FillRect(cr, bx, far - 40, 220, 62, 0x8A5A34);
        for (double x = bx; x < bx + 220; x += 8) FillRect(cr, x, far - 40, 1, 62, 0x6A4224);
        cairo_move_to(cr, bx - 10, far - 40);
        cairo_line_to(cr, bx + 110, far - 78);
        cairo_line_to(cr, bx + 230, far - 40);
        cairo_close_path(cr);
        SetColor(cr, 0x4E5866);
        cairo_fill(cr);
        FillRect(cr, bx + 30, far - 20, 60, 42, 0x2A2A2A);
        FillRect(cr, bx + 130, far - 20, 60, 42, 0x2A2A2A);
        DrawSignBoard(cr, bx + 110, far - 62, "BOAT CLUB", 9, 0xF4F1E8, 0x2361A8);
        for (int i = 0; i < 3; ++i) DrawRowingBoat(cr, bx + 260 + i * 70, far + 40 + i * 14, 50, 0xC0392B);
    }
    for (int i = 0; i < 3; ++i)
        DrawRowingBoat(cr, rng.Range(kContentFrom + 40, kContentTo - 120), rng.Range(far + 25, kWallTop - 12),
                       rng.Range(36, 60), i % 2 ? 0x2E6E9E : 0xE8E2D0);
    for (int i = 0; i < 5; ++i) {  // ducks
        const double dx = rng.Range(kContentFrom + 60, kContentTo - 60), dy = rng.Range(far + 20, kWallTop - 10);
        FillEllipse(cr, dx, dy, 5, 2.5, 0x7A5A3A);
        FillCircle(cr, dx + 4, dy - 3, 2, 0x2E6B3A);
    }
    Banks(cr, rng, far);
    Verge(cr, false);
    DrawIronFence(cr, kContentFrom, kContentTo, kWallTop, 14);
    for (double x = kContentFrom + 100; x < kContentTo; x += 300) DrawLampPost(cr, x, kGround, 66);
    Birds(cr, rng, 3);
}

void Fountain(cairo_t* cr, Rng& rng, int variant) {
    Clouds(cr, rng, 2);
    Verge(cr, false);
    const double mid = (kContentFrom + kContentTo) / 2;
    // The square: houses set back on both sides, paving in the middle.
    HouseRow(cr, rng, kContentFrom, mid - 260, 3, 5);
    HouseRow(cr, rng, mid + 260, kContentTo, 3, 5);
    FillRect(cr, mid - 260, kHedgeTop, 520, kGround - kHedgeTop, 0xCBC3B2);
    for (double y = kHedgeTop + 6; y < kGround; y += 8) FillRect(cr, mid - 260, y, 520, 1, 0xB8AF9C);
    if (variant == 1) {  // spa colonnade behind
        FillRect(cr, mid - 240, kHedgeTop - 90, 480, 12, 0xE8E0CC);
        for (double x = mid - 236; x < mid + 240; x += 30) GradientRect(cr, x, kHedgeTop - 78, 8, 78, 0xF4F1E8, 0xC9C0AC);
        DrawSignBoard(cr, mid, kHedgeTop - 112, "SPA GARDENS", 11, 0xE8E0CC, 0x5A4A30);
    } else {
        for (double x = mid - 230; x < mid + 240; x += 80) DrawDeciduousTree(cr, rng, x, kHedgeTop + 4, rng.Range(70, 100));
    }
    for (double x = mid - 250; x < mid + 250; x += 40) FillCircle(cr, x + 10, kGround - 26, 5, rng.Chance(0.5) ? 0xD8473C : 0xF2C230);
    DrawFountain(cr, mid, kGround - 2, variant == 2 ? 220 : 170);
    DrawBench(cr, mid - 200, kGround);
    DrawBench(cr, mid + 170, kGround);
    DrawLampPost(cr, mid - 130, kGround, 72);
    DrawLampPost(cr, mid + 130, kGround, 72);
    Birds(cr, rng, 2);
}

void Harbour(cairo_t* cr, Rng& rng, int variant) {
    const double quay = 180;
    Clouds(cr, rng, 3);
    // Warehouses and cranes on the far quay.
    for (double x = kContentFrom + 20; x < kContentTo - 140; x += 220) {
        FillRect(cr, x, quay - 60, 150, 60, Mix(0xA85E44, 0xD3E8F4, 0.35));
        cairo_move_to(cr, x - 4, quay - 60);
        cairo_line_to(cr, x + 75, quay - 82);
        cairo_line_to(cr, x + 154, quay - 60);
        cairo_close_path(cr);
        SetColor(cr, Mix(0x6B5A50, 0xD3E8F4, 0.35));
        cairo_fill(cr);
    }
    for (double x = kContentFrom + 160; x < kContentTo - 60; x += 330) DrawCrane(cr, x, quay, 120, x < 700);
    FillRect(cr, kContentFrom + 20, quay, kContentTo - kContentFrom - 40, 6, 0x8A8478);
    DrawWater(cr, rng, kContentFrom + 20, kContentTo - 20, quay + 6, kWallTop);
    if (variant == 0) {
        DrawShip(cr, kContentFrom + 240, kWallTop - 16, 620, 0x9E2A22, "KORVALO STAR");
    } else {
        DrawShip(cr, kContentFrom + 380, kWallTop - 18, 420, 0x1F3F66, "FERRY");
        ModernBuilding(cr, kContentFrom + 150, 220, 120, "FERRY PIER", false);  // clear of the bank
    }
    for (int i = 0; i < 3; ++i) {  // gulls
        DrawBird(cr, rng.Range(kContentFrom + 100, kContentTo - 100), rng.Range(30, 120), 10, 3);
    }
    Banks(cr, rng, quay + 6);
    Verge(cr, false);
    DrawIronFence(cr, kContentFrom, kContentTo, kWallTop, 14);
    // Bollards on the near quay.
    for (double x = kContentFrom + 50; x < kContentTo; x += 160) FillRect(cr, x, kWallTop - 8, 8, 8, 0x2F2F2F);
}

void Airport(cairo_t* cr, Rng& rng, int variant, bool airfield) {
    const double field = 200;
    Clouds(cr, rng, 2);
    FillRect(cr, kContentFrom - 6, field, kContentTo - kContentFrom + 12, kWallTop - field, 0x8DBA5A);
    FillRect(cr, kContentFrom - 6, field + 14, kContentTo - kContentFrom + 12, 10, 0x6A6E72);
    for (double x = kContentFrom; x < kContentTo; x += 40) FillRect(cr, x, field + 18, 18, 2, 0xF4F4F0);
    // Trees at both ends, so the field does not end in a straight step.
    for (const double dir : {1.0, -1.0}) {
        const double edge = dir > 0 ? kContentFrom - 6 : kContentTo + 6;
        DrawConifer(cr, rng, edge + dir * 12, kHedgeTop + 6, rng.Range(62, 72));
        DrawDeciduousTree(cr, rng, edge + dir * 34, kHedgeTop + 6, rng.Range(56, 66));
    }
    const double mid = (kContentFrom + kContentTo) / 2;
    if (!airfield) {
        ModernBuilding(cr, kContentFrom + 60, 420, 120, "AIRPORT", false);
        // Control tower.
        FillRect(cr, mid + 220, kGround - 200, 26, 200, 0xE6E8E4);
        GradientRect(cr, mid + 206, kGround - 232, 54, 32, 0x3E5C7A, 0x9CB8CE);
        FillRect(cr, mid + 202, kGround - 238, 62, 6, 0x5A6470);
        DrawPlane(cr, mid + 380, field + 8, 190, 0, true);
        DrawPlane(cr, kContentFrom + 260 + variant * 500, 60, 150, 0.18, true);
    } else {
        // A round-roofed hangar and small propeller planes.
        const double hx = kContentFrom + 140 + variant * 420;
        cairo_new_sub_path(cr);
        cairo_arc(cr, hx + 130, kGround - 10, 130, M_PI, 2 * M_PI);
        cairo_close_path(cr);
        FillPathGradient(cr, kGround - 140, kGround, 0xB8C0C8, 0x7F8890);
        for (double a = M_PI * 1.1; a < M_PI * 1.95; a += 0.12)
            Line(cr, hx + 130 + std::cos(a) * 128, kGround - 10 + std::sin(a) * 128, hx + 130 + std::cos(a) * 60,
                 kGround - 10 + std::sin(a) * 60, 1, 0x6A737C);
        FillRect(cr, hx + 60, kGround - 70, 140, 70, 0x3A3F45);
        DrawSignBoard(cr, hx + 130, kGround - 98, variant ? "FLIGHT SCHOOL" : "FLYING CLUB", 10, 0xF4F1E8, 0xC0392B);
        DrawPlane(cr, hx + 400, field + 16, 90, 0, false);
        DrawPlane(cr, mid + 300 - variant * 500, 70, 80, 0.22, false);
        // Windsock.
        const double wx = kContentTo - 60;
        FillRect(cr, wx, field - 60, 2, 70, 0x555555);
        cairo_move_to(cr, wx + 2, field - 60);
        cairo_line_to(cr, wx + 36, field - 55);
        cairo_line_to(cr, wx + 36, field - 50);
        cairo_line_to(cr, wx + 2, field - 46);
        cairo_close_path(cr);
        SetColor(cr, 0xE8702A);
        cairo_fill(cr);
    }
    Verge(cr, false);
    // Chain-link fence along the field.
    FillRect(cr, kContentFrom, kHedgeTop - 24, kContentTo - kContentFrom, 1.5, 0x6A6E72);
    for (double x = kContentFrom; x < kContentTo; x += 6) {
        Line(cr, x, kHedgeTop - 24, x + 6, kWallTop, 0.6, 0x8A8E92);
        Line(cr, x + 6, kHedgeTop - 24, x, kWallTop, 0.6, 0x8A8E92);
    }
    for (double x = kContentFrom; x <= kContentTo; x += 60) FillRect(cr, x, kHedgeTop - 26, 3, kWallTop - kHedgeTop + 26, 0x5A5E62);
}

void Park(cairo_t* cr, Rng& rng, int variant) {
    Clouds(cr, rng, 3);
    DistantRow(cr, rng, kContentFrom + 10, kContentTo - 10, kHedgeTop + 2, 0xD3E8F4);
    const double mid = (kContentFrom + kContentTo) / 2;
    Verge(cr, true);
    switch (variant) {
        case 2: {  // botanic garden: a glasshouse
            cairo_new_sub_path(cr);
            cairo_arc(cr, mid, kGround - 20, 120, M_PI, 2 * M_PI);
            cairo_close_path(cr);
            FillPathGradient(cr, kGround - 140, kGround, 0xBFE0EC, 0x7FB3C8);
            for (double a = M_PI; a <= 2 * M_PI + 0.01; a += M_PI / 10)
                Line(cr, mid, kGround - 20, mid + std::cos(a) * 120, kGround - 20 + std::sin(a) * 120, 1.2, 0xF4F4F0);
            for (double r = 40; r < 120; r += 40) {
                cairo_arc(cr, mid, kGround - 20, r, M_PI, 2 * M_PI);
                cairo_set_line_width(cr, 1.2);
                SetColor(cr, 0xF4F4F0);
                cairo_stroke(cr);
            }
            FillRect(cr, mid - 124, kGround - 22, 248, 22, 0xE8E4D8);
            DrawSignBoard(cr, mid, kGround - 18, "BOTANIC GARDEN", 9, 0x3C6E3A, 0xF4F1E8);
            TreeRow(cr, rng, kContentFrom, mid - 140, 70, 120, 0.3);
            TreeRow(cr, rng, mid + 140, kContentTo, 70, 120, 0.3);
            break;
        }
        case 4: {  // zoo gate with a giraffe looking over the wall
            TreeRow(cr, rng, kContentFrom, mid - 150, 80, 130, 0.2);
            TreeRow(cr, rng, mid + 150, kContentTo, 80, 130, 0.2);
            const double gx = mid + 60;
            FillRect(cr, gx, kGround - 150, 10, 110, 0xD8A848);
            FillEllipse(cr, gx + 8, kGround - 150, 12, 7, 0xD8A848);
            for (int i = 0; i < 6; ++i) FillCircle(cr, gx + 3 + (i % 2) * 5, kGround - 140 + i * 16, 2.5, 0x8A5A24);
            FillRect(cr, mid - 110, kGround - 110, 20, 110, 0x6E5A44);
            FillRect(cr, mid + 90, kGround - 110, 20, 110, 0x6E5A44);
            FillRect(cr, mid - 120, kGround - 130, 240, 26, 0x3C6E3A);
            DrawText(cr, "CITY ZOO", mid, kGround - 111, 18, Font::SansBold, 0xF2D45A, Align::Centre);
            break;
        }
        case 6: {  // university behind the lawn
            PublicBuilding(cr, rng, mid - 220, 440, 150, 0xD8CBB0, "UNIVERSITY", false, true);
            TreeRow(cr, rng, kContentFrom, mid - 230, 80, 130, 0.1);
            TreeRow(cr, rng, mid + 230, kContentTo, 80, 130, 0.1);
            break;
        }
        case 3: {  // orchard / blossom
            for (double x = kContentFrom + 30; x < kContentTo - 20; x += 55) {
                DrawDeciduousTree(cr, rng, x, kGround, rng.Range(60, 85));
                for (int i = 0; i < 10; ++i)
                    FillCircle(cr, x + rng.Range(-22, 22), kGround - rng.Range(40, 75), 2.2,
                               rng.Chance(0.5) ? 0xF6F0F4 : 0xE07A5A);
            }
            break;
        }
        case 5: {  // oak hill: big old trees on a green hill
            Hills(cr, rng, kHedgeTop + 4, 60, 0x7FAF4A);
            TreeRow(cr, rng, kContentFrom, kContentTo, 110, 170, 0.15);
            break;
        }
        default: {  // park with a bandstand
            const double bx = mid - 60 + variant * 40;
            TreeRow(cr, rng, kContentFrom, bx - 40, 80, 150, variant == 1 ? 0.0 : 0.25);
            TreeRow(cr, rng, bx + 160, kContentTo, 80, 150, variant == 1 ? 0.0 : 0.25);
            FillRect(cr, bx, kGround - 16, 120, 16, 0xE8E4D8);
            for (double x = bx + 6; x < bx + 120; x += 27) FillRect(cr, x, kGround - 70, 4, 54, 0xF4F4F0);
            cairo_move_to(cr, bx - 10, kGround - 70);
            cairo_line_to(cr, bx + 60, kGround - 104);
            cairo_line_to(cr, bx + 130, kGround - 70);
            cairo_close_path(cr);
            SetColor(cr, 0x3F7A68);
            cairo_fill(cr);
            break;
        }
    }
    for (double x = kContentFrom + 40; x < kContentTo - 40; x += rng.Range(120, 220)) DrawBush(cr, rng, x, kGround, 40);
    DrawBench(cr, mid - 300, kGround);
    DrawBench(cr, mid + 260, kGround);
    DrawLampPost(cr, mid - 350, kGround, 70);
    DrawLampPost(cr, mid + 330, kGround, 70);
    Birds(cr, rng, 5);
    for (int i = 0; i < 4; ++i) DrawBird(cr, rng.Range(kContentFrom + 40, kContentTo - 40), kMessengerY - 3, 6, -1);
}

void Church(cairo_t* cr, Rng& rng, int variant) {
    Clouds(cr, rng, 2);
    Verge(cr, true);
    const double mid = (kContentFrom + kContentTo) / 2;
    switch (variant) {
        case 1:  // cathedral: large, two towers
            HouseRow(cr, rng, kContentFrom, mid - 220, 3, 4);
            DrawChurch(cr, rng, mid + 40, kGround, 1.15, 0xD8CCB4, 0x4E5866);
            DrawChurch(cr, rng, mid - 190, kGround, 1.15, 0xD8CCB4, 0x4E5866);
            HouseRow(cr, rng, mid + 330, kContentTo, 3, 4);
            break;
        case 2:  // chapel among trees
            TreeRow(cr, rng, kContentFrom, mid - 120, 80, 140, 0.3);
            DrawChurch(cr, rng, mid - 100, kGround, 0.75, 0xEDE6D6, 0xA8472F);
            TreeRow(cr, rng, mid + 110, kContentTo, 80, 140, 0.3);
            break;
        case 3: {  // monastery with a cloister wall
            DrawChurch(cr, rng, mid - 250, kGround, 1.0, 0xE6D8BC, 0xA8472F);
            House wing;
            wing.x = mid + 20;
            wing.width = 330;
            wing.floors = 2;
            wing.wall = 0xE6D8BC;
            wing.roofColor = 0xA8472F;
            wing.windowsPerFloor = 7;
            wing.chimney = false;
            DrawHouse(cr, rng, kGround, wing);
            TreeRow(cr, rng, kContentFrom, mid - 270, 80, 130, 0.5);
            TreeRow(cr, rng, mid + 370, kContentTo, 80, 130, 0.5);
            break;
        }
        default:
            HouseRow(cr, rng, kContentFrom, mid - 150, 2, 4);
            DrawChurch(cr, rng, mid - 130, kGround, 1.0, 0xE9DDC0, 0xA8472F);
            HouseRow(cr, rng, mid + 130, kContentTo, 2, 4);
            break;
    }
    Birds(cr, rng, 3);
}

void Depot(cairo_t* cr, Rng& rng) {
    Clouds(cr, rng, 2);
    Verge(cr, false);
    const double x = kContentFrom + 120, w = 900, h = 150, top = kGround - h;
    GradientRect(cr, x, top, w, h, 0xB5654A, 0x94503A);
    for (double y = top + 6; y < kGround; y += 6) FillRect(cr, x, y, w, 1, 0x8A4A34, 0.35);
    // Saw-tooth roof lights.
    for (double sx = x; sx < x + w; sx += 60) {
        cairo_move_to(cr, sx, top);
        cairo_line_to(cr, sx + 60, top - 28);
        cairo_line_to(cr, sx + 60, top);
        cairo_close_path(cr);
        SetColor(cr, 0x5A5550);
        cairo_fill(cr);
        FillRect(cr, sx + 44, top - 20, 12, 18, 0x86A7C2);
    }
    // Three great gates, one with a tram peeping out.
    for (int g = 0; g < 3; ++g) {
        const double gx = x + 80 + g * 270, gw = 200;
        cairo_save(cr);
        cairo_translate(cr, gx + gw / 2, top + 80);
        cairo_scale(cr, gw / 2, 45);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_restore(cr);
        cairo_line_to(cr, gx + gw, kGround);
        cairo_line_to(cr, gx, kGround);
        cairo_close_path(cr);
        SetColor(cr, 0x2A2622);
        cairo_fill(cr);
        if (g == 1) {
            FillRoundRect(cr, gx + 30, kGround - 90, 170, 84, 10, 0xEFE6CF);
            FillRect(cr, gx + 30, kGround - 36, 170, 18, 0xB8322A);
            for (double wx = gx + 40; wx < gx + 190; wx += 38) FillRect(cr, wx, kGround - 78, 28, 28, 0x3A5674);
            FillRect(cr, gx + 150, kGround - 100, 40, 14, 0x111111);
            DrawText(cr, "0", gx + 170, kGround - 89, 11, Font::SansBold, 0xFFB020, Align::Centre);
        }
        FillRect(cr, gx - 6, top + 30, 6, h - 30, 0x7A3A28);
        FillRect(cr, gx + gw, top + 30, 6, h - 30, 0x7A3A28);
    }
    DrawSignBoard(cr, x + w / 2, top + 6, "TRAM DEPOT", 16, 0xF2E2B0, 0x5A2A1A);
    TreeRow(cr, rng, kContentFrom, x - 10, 90, 140, 0.4);
    TreeRow(cr, rng, x + w + 10, kContentTo, 90, 140, 0.4);
}

void Country(cairo_t* cr, Rng& rng, Kind kind) {
    Clouds(cr, rng, 4);
    Hills(cr, rng, kHedgeTop + 6, 90, 0x86B45A);
    Hills(cr, rng, kHedgeTop + 6, 50, 0x6FA048);
    const double mid = (kContentFrom + kContentTo) / 2;
    if (kind == Kind::Fields) {
        for (int i = 0; i < 5; ++i) {
            const double y = kHedgeTop - 46 + i * 10;
            FillRoundRect(cr, kContentFrom + 60 - i * 8, y, kContentTo - kContentFrom - 120 + i * 16, 11, 5,
                          i % 2 ? 0xD8C070 : 0xB8A850);
        }
    }
    Verge(cr, kind != Kind::Forest);
    if (kind == Kind::Fields) {
        DrawWindmill(cr, mid + 260, kGround, 200, 0.4);
        House farm;
        farm.x = mid - 300;
        farm.width = 140;
        farm.floors = 2;
        farm.wall = 0xF0E8D4;
        farm.roof = Roof::Pitched;
        farm.roofColor = 0xA8472F;
        DrawHouse(cr, rng, kGround, farm);
        for (int i = 0; i < 4; ++i) FillEllipse(cr, kContentFrom + 120 + i * 70, kGround - 10, 16, 12, 0xE0C060);
        TreeRow(cr, rng, kContentTo - 260, kContentTo, 90, 140, 0.2);
    }
    if (kind == Kind::Forest) {
        for (int row = 0; row < 2; ++row)
            for (double x = kContentFrom + (row ? 20 : 0); x < kContentTo - 10; x += rng.Range(22, 40)) {
                const double base = kGround - (row ? 0 : 20);
                if (rng.Chance(0.65)) DrawConifer(cr, rng, x, base, rng.Range(110, 180) * (row ? 1.0 : 0.8));
                else DrawDeciduousTree(cr, rng, x, base, rng.Range(100, 160) * (row ? 1.0 : 0.8));
            }
        Birds(cr, rng, 2);
    } else if (kind == Kind::Meadow) {
        TreeRow(cr, rng, kContentFrom, mid - 200, 80, 130, 0.3);
        House cottage;
        cottage.x = mid - 120;
        cottage.width = 110;
        cottage.floors = 1;
        cottage.floorHeight = 40;
        cottage.wall = 0xF0E8D4;
        cottage.roof = Roof::Gable;
        cottage.roofColor = 0x6B4A35;
        DrawHouse(cr, rng, kGround, cottage);
        // A barn.
        FillRect(cr, mid + 60, kGround - 70, 150, 70, 0x9E3A2A);
        cairo_move_to(cr, mid + 52, kGround - 70);
        cairo_line_to(cr, mid + 135, kGround - 110);
        cairo_line_to(cr, mid + 218, kGround - 70);
        cairo_close_path(cr);
        SetColor(cr, 0x5A4A40);
        cairo_fill(cr);
        FillRect(cr, mid + 110, kGround - 50, 50, 50, 0x6A2418);
        TreeRow(cr, rng, mid + 240, kContentTo, 80, 150, 0.5);
    } else if (kind == Kind::LineStart) {
        TreeRow(cr, rng, kContentFrom, mid - 220, 100, 160, 0.4);
        // The terminus loop's waiting hall and a kiosk.
        FillRect(cr, mid - 180, kGround - 74, 230, 74, 0xE9DDC0);
        FillRect(cr, mid - 190, kGround - 84, 250, 12, 0x3F7A68);
        for (double wx = mid - 165; wx < mid + 40; wx += 44) DrawWindow(cr, wx, kGround - 62, 28, 34, 0xF6F3EA, true);
        DrawClock(cr, mid - 65, kGround - 100, 12, 8, 15);
        DrawSignBoard(cr, mid - 65, kGround - 134, "TRAM TERMINUS", 11, 0x1F3F66, 0xF4F1E8);
        FillRect(cr, mid + 90, kGround - 56, 70, 56, 0x3C6E9E);
        for (int s = 0; s < 9; ++s) FillRect(cr, mid + 86 + s * 8.5, kGround - 62, 8, 8, s % 2 ? 0xF4F1E8 : 0xC43C32);
        DrawSignBoard(cr, mid + 125, kGround - 46, "NEWS", 9, 0xF2C230, 0x222222);
        TreeRow(cr, rng, mid + 190, kContentTo, 100, 160, 0.4);
        DrawBench(cr, mid - 230, kGround);
    }
}

Raster DrawTile(const TileDesign& t) {
    Surface s(W, H);
    cairo_t* cr = s.cr();
    Rng rng(static_cast<std::uint64_t>(t.number) * 7919 + 13);
    Sky(cr);
    switch (t.kind) {
        case Kind::Town: Town(cr, rng, t.variant); break;
        case Kind::River: River(cr, rng, t.variant); break;
        case Kind::Fountain: Fountain(cr, rng, t.variant); break;
        case Kind::Harbour: Harbour(cr, rng, t.variant); break;
        case Kind::Airport: Airport(cr, rng, t.variant, false); break;
        case Kind::Airfield: Airport(cr, rng, t.variant, true); break;
        case Kind::Park: Park(cr, rng, t.variant); break;
        case Kind::Church: Church(cr, rng, t.variant); break;
        case Kind::Depot: Depot(cr, rng); break;
        default: Country(cr, rng, t.kind); break;
    }
    OverheadLine(cr);
    // Everything beyond the content is the common backdrop: repaint it so no
    // stray branch or cloud reaches a seam.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kContentFrom - 12, H);
    cairo_rectangle(cr, kContentTo + 12, 0, W - kContentTo - 12, H);
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    Sky(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    Hedge(cr, 0, W);
    GardenWall(cr);
    OverheadLine(cr);
    cairo_restore(cr);
    // Below the ground line the road covers the tile: paint it plain.
    FillRect(cr, 0, kGround, W, H - kGround, 0x8A8478);
    Raster r = s.Sprite();
    return r;
}

}  // namespace

Place PlaceOfTile(int number) {
    for (const TileDesign& t : kTiles) {
        if (t.number != number) continue;
        switch (t.kind) {
            case Kind::Town:
            case Kind::Church: return Place::Town;
            case Kind::River:
            case Kind::Harbour: return Place::Water;
            case Kind::Fountain: return Place::Square;
            case Kind::Park: return Place::Park;
            case Kind::Airport:
            case Kind::Airfield: return Place::Airfield;
            case Kind::Depot: return Place::Depot;
            default: return Place::Country;
        }
    }
    return Place::Town;
}

Raster DrawLandscapeTile(int number) {
    for (const TileDesign& t : kTiles)
        if (t.number == number) return DrawTile(t);
    return DrawTile(kTiles[0]);
}

void AddLandscapes(Catalogue& c) {
    for (const TileDesign& t : kTiles)
        c.Picture("Textures/Maps/Map" + std::to_string(t.number) + ".bmp", [t] { return DrawTile(t); });
}

}  // namespace assets
