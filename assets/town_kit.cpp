#include "assets/town_kit.h"

#include <algorithm>
#include <cmath>

#include "assets/paint.h"

namespace assets::town {

namespace {

constexpr std::uint32_t kGlassTop = 0x2F4A66;
constexpr std::uint32_t kGlassBottom = 0x7497B5;
constexpr std::uint32_t kDoorWood = 0x6E4A2E;

const std::uint32_t kWalls[] = {0xE9DDC0, 0xDDB46A, 0xE2A48C, 0xB9CCD8, 0xC3D9B9, 0xEDEBE4,
                                0xA4553E, 0xC9C2B4, 0xEACF7A, 0xD7C3A3, 0xBFB3D1, 0xE6C6A0};
const std::uint32_t kRoofs[] = {0xA8472F, 0x4E5866, 0x6B4A35, 0x5E9C8A, 0x8A3B2A};
const std::uint32_t kAwnings[] = {0xC43C32, 0x2F6E9E, 0x3C8A4C, 0xD08A24, 0x7A4E9A};
const char* const kShops[] = {"BAKERY", "CAFE", "BOOKS", "FLOWERS", "PHARMACY", "BUTCHER", "SHOES",
                              "GROCER", "HOTEL", "BAR", "TOYS", "BANK", "POST", "BARBER", "MUSIC"};

void WindowBox(cairo_t* cr, double x, double y, double w) {
    FillRect(cr, x - 1, y, w + 2, 4, 0x7A5236);
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t bloom = (i % 2 == 0) ? 0xD8473C : 0xF2C230;
        FillCircle(cr, x + 2 + i * (w - 4) / 3.0, y - 1, 2.2, bloom);
    }
    FillRect(cr, x, y - 3, w, 2, 0x3F7A34, 0.9);
}

}  // namespace

void DrawWindow(cairo_t* cr, double x, double y, double w, double h, std::uint32_t frame, bool arched) {
    cairo_save(cr);
    if (arched) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
        cairo_line_to(cr, x + w, y + h);
        cairo_line_to(cr, x, y + h);
        cairo_close_path(cr);
    } else {
        cairo_rectangle(cr, x, y, w, h);
    }
    cairo_path_t* outline = cairo_copy_path(cr);
    FillPathGradient(cr, y, y + h, kGlassTop, kGlassBottom);
    // A soft reflection of the sky, from the upper left.
    cairo_append_path(cr, outline);
    cairo_clip(cr);
    cairo_move_to(cr, x, y + h * 0.55);
    cairo_line_to(cr, x + w * 0.55, y);
    cairo_line_to(cr, x + w * 0.85, y);
    cairo_line_to(cr, x, y + h * 0.9);
    cairo_close_path(cr);
    SetColor(cr, 0xFFFFFF, 0.22);
    cairo_fill(cr);
    cairo_reset_clip(cr);
    cairo_append_path(cr, outline);
    cairo_set_line_width(cr, 2);
    SetColor(cr, frame);
    cairo_stroke(cr);
    cairo_path_destroy(outline);
    if (w >= 12) Line(cr, x + w / 2, y + (arched ? w / 2 : 0), x + w / 2, y + h, 1.5, frame);
    if (h >= 18) Line(cr, x, y + h * 0.4, x + w, y + h * 0.4, 1.5, frame);
    FillRect(cr, x - 2, y + h, w + 4, 3, Shade(frame, 0.8));
    cairo_restore(cr);
}

void DrawHouse(cairo_t* cr, Rng& rng, double ground, const House& h) {
    const double bodyH = h.floors * h.floorHeight + 8;
    const double top = ground - bodyH;
    // Facade, lighter to the upper left.
    GradientRect(cr, h.x, top, h.width, bodyH, Shade(h.wall, 1.06), Shade(h.wall, 0.92));
    FillRect(cr, h.x + h.width - 5, top, 5, bodyH, 0x000000, 0.10);
    // Plinth and cornice.
    FillRect(cr, h.x, ground - 8, h.width, 8, Shade(h.wall, 0.72));
    FillRect(cr, h.x - 3, top - 4, h.width + 6, 5, Shade(h.trim, 0.92));
    FillRect(cr, h.x - 3, top + 1, h.width + 6, 2, 0x000000, 0.15);
    // Floor bands.
    for (int f = 1; f < h.floors; ++f)
        FillRect(cr, h.x, ground - 8 - f * h.floorHeight, h.width, 3, Shade(h.wall, 0.85));

    // Roof.
    switch (h.roof) {
        case Roof::Flat:
            FillRect(cr, h.x - 2, top - 10, h.width + 4, 6, Shade(h.wall, 0.8));
            break;
        case Roof::Pitched: {
            const double rh = std::min(34.0, h.width * 0.28);
            cairo_move_to(cr, h.x - 5, top - 3);
            cairo_line_to(cr, h.x + 14, top - 3 - rh);
            cairo_line_to(cr, h.x + h.width - 14, top - 3 - rh);
            cairo_line_to(cr, h.x + h.width + 5, top - 3);
            cairo_close_path(cr);
            FillPathGradient(cr, top - 3 - rh, top - 3, Shade(h.roofColor, 1.1), Shade(h.roofColor, 0.8));
            for (double ty = top - rh; ty < top - 4; ty += 6)
                Line(cr, h.x + 2, ty, h.x + h.width - 2, ty, 1, 0x000000, 0.12);
            if (h.width > 90) {  // a dormer
                const double dx = h.x + h.width / 2 - 9;
                FillRect(cr, dx, top - 3 - rh * 0.75, 18, rh * 0.75, Shade(h.wall, 0.95));
                DrawWindow(cr, dx + 4, top - rh * 0.65, 10, rh * 0.45, h.trim);
            }
            if (h.chimney) FillRect(cr, h.x + h.width * 0.75, top - rh - 12, 9, 16, Shade(h.roofColor, 0.7));
            break;
        }
        case Roof::Mansard: {
            const double rh = 26;
            cairo_move_to(cr, h.x - 4, top - 3);
            cairo_line_to(cr, h.x + 6, top - 3 - rh);
            cairo_line_to(cr, h.x + h.width - 6, top - 3 - rh);
            cairo_line_to(cr, h.x + h.width + 4, top - 3);
            cairo_close_path(cr);
            FillPathGradient(cr, top - 3 - rh, top - 3, Shade(h.roofColor, 1.05), Shade(h.roofColor, 0.85));
            const int dormers = std::max(1, h.windowsPerFloor);
            for (int i = 0; i < dormers; ++i) {
                const double cx = h.x + (i + 0.5) * h.width / dormers;
                DrawWindow(cr, cx - 5, top - rh + 2, 10, 16, h.trim, true);
            }
            break;
        }
        case Roof::Gable: {
            const double rh = h.width * 0.45;
            cairo_move_to(cr, h.x - 4, top - 2);
            cairo_line_to(cr, h.x + h.width / 2, top - 2 - rh);
            cairo_line_to(cr, h.x + h.width + 4, top - 2);
            cairo_close_path(cr);
            FillPathGradient(cr, top - rh, top, Shade(h.wall, 1.02), Shade(h.wall, 0.9));
            cairo_move_to(cr, h.x - 6, top - 1);
            cairo_line_to(cr, h.x + h.width / 2, top - 4 - rh);
            cairo_line_to(cr, h.x + h.width + 6, top - 1);
            cairo_set_line_width(cr, 5);
            SetColor(cr, h.roofColor);
            cairo_stroke(cr);
            DrawWindow(cr, h.x + h.width / 2 - 7, top - rh * 0.55, 14, rh * 0.4, h.trim, true);
            break;
        }
    }

    // Upper floors: windows.
    const int n = std::max(1, h.windowsPerFloor);
    const double cell = h.width / n;
    const double ww = std::min(22.0, cell * 0.5);
    const double wh = h.floorHeight * 0.58;
    for (int f = 1; f < h.floors; ++f) {
        const double wy = ground - 8 - (f + 1) * h.floorHeight + h.floorHeight * 0.2;
        for (int i = 0; i < n; ++i) {
            const double wx = h.x + (i + 0.5) * cell - ww / 2;
            if (h.shutters) {
                FillRect(cr, wx - 6, wy, 5, wh, 0x3E6B45);
                FillRect(cr, wx + ww + 1, wy, 5, wh, 0x3E6B45);
            }
            DrawWindow(cr, wx, wy, ww, wh, h.trim, h.floors >= 3 && f == h.floors - 1 && h.roof != Roof::Flat);
            if (h.flowers && rng.Chance(0.5)) WindowBox(cr, wx, wy + wh + 2, ww);
        }
    }

    // Ground floor.
    const double gy = ground - 8 - h.floorHeight;
    if (h.shop) {
        const double sx = h.x + 8, sw = h.width - 16;
        FillRect(cr, sx - 2, gy + 4, sw + 4, h.floorHeight + 2, Shade(h.wall, 0.6));
        GradientRect(cr, sx, gy + 14, sw * 0.62, h.floorHeight - 12, kGlassTop, kGlassBottom);
        FillRect(cr, sx + sw * 0.62 + 4, gy + 12, sw * 0.38 - 4, h.floorHeight - 4, kDoorWood);
        FillRect(cr, sx + sw * 0.62 + 8, gy + 16, sw * 0.38 - 12, h.floorHeight * 0.4, kGlassBottom);
        // Goods in the window.
        for (double gx = sx + 5; gx < sx + sw * 0.62 - 8; gx += 9)
            FillRect(cr, gx, gy + h.floorHeight - 6, 6, 6, rng.Chance(0.5) ? 0xE7C36A : 0xC8664C);
        // Striped awning.
        const double ay = gy + 8;
        for (int s = 0; s * 8 < sw + 6; ++s)
            FillRect(cr, sx - 3 + s * 8, ay, std::min(8.0, sw + 6 - s * 8), 9, s % 2 ? 0xF4F1E8 : h.awning);
        for (int s = 0; s * 8 < sw + 6; ++s) {
            cairo_arc(cr, sx + 1 + s * 8, ay + 9, 4, 0, M_PI);
            SetColor(cr, s % 2 ? 0xF4F1E8 : h.awning);
            cairo_fill(cr);
        }
        if (!h.sign.empty()) {
            const double size = FitText(cr, h.sign, 10, Font::SansBold, sw - 10);
            FillRect(cr, sx, gy - 5, sw, 12, 0x2B2B2B);
            DrawText(cr, h.sign, sx + sw / 2, gy + 5, size, Font::SansBold, 0xF3E3B0, Align::Centre);
        }
    } else {
        const double dw = 16, dh = h.floorHeight - 4;
        const double dx = h.x + h.width / 2 - dw / 2;
        FillRect(cr, dx - 3, ground - 8 - dh - 3, dw + 6, dh + 3, Shade(h.trim, 0.9));
        FillRect(cr, dx, ground - 8 - dh, dw, dh, kDoorWood);
        FillRect(cr, dx + 3, ground - 8 - dh + 3, dw - 6, dh * 0.35, kGlassBottom);
        FillCircle(cr, dx + dw - 4, ground - 8 - dh / 2, 1.2, 0xE0C060);
        for (int i = 0; i < n; ++i) {
            const double wx = h.x + (i + 0.5) * cell - ww / 2;
            if (std::abs(wx + ww / 2 - (dx + dw / 2)) < ww) continue;
            DrawWindow(cr, wx, gy + h.floorHeight * 0.22, ww, wh, h.trim);
        }
    }
}

House RandomHouse(Rng& rng, double x, double width, int minFloors, int maxFloors) {
    House h;
    h.x = x;
    h.width = width;
    h.floors = rng.Int(minFloors, maxFloors);
    h.floorHeight = rng.Range(32, 38);
    h.wall = kWalls[rng.Int(0, 11)];
    h.roofColor = kRoofs[rng.Int(0, 4)];
    const int r = rng.Int(0, 9);
    h.roof = r < 4 ? Roof::Pitched : r < 6 ? Roof::Mansard : r < 8 ? Roof::Flat : Roof::Gable;
    if (h.roof == Roof::Gable && width > 130) h.roof = Roof::Pitched;
    h.windowsPerFloor = std::max(1, static_cast<int>(width / 38));
    h.shop = rng.Chance(0.45);
    if (h.shop) {
        h.sign = kShops[rng.Int(0, 14)];
        h.awning = kAwnings[rng.Int(0, 4)];
    }
    h.trim = rng.Chance(0.7) ? 0xF6F3EA : 0x5C4A3A;
    h.shutters = rng.Chance(0.25);
    h.flowers = rng.Chance(0.35);
    return h;
}

void DrawDeciduousTree(cairo_t* cr, Rng& rng, double x, double ground, double height) {
    const double trunkH = height * 0.38;
    cairo_move_to(cr, x - 4, ground);
    cairo_line_to(cr, x - 2.5, ground - trunkH);
    cairo_line_to(cr, x + 2.5, ground - trunkH);
    cairo_line_to(cr, x + 4, ground);
    cairo_close_path(cr);
    SetColor(cr, 0x5B4030);
    cairo_fill(cr);
    const double crownR = height * 0.34;
    const double cy = ground - trunkH - crownR * 0.55;
    const std::uint32_t base = Mix(0x3D7A2E, 0x6A9A2A, rng.Uniform());
    // Dark lower-right blobs first, light upper-left ones last.
    for (int layer = 0; layer < 3; ++layer) {
        const std::uint32_t color = Shade(base, 0.72 + 0.2 * layer);
        const int blobs = 7 - layer * 2;
        for (int i = 0; i < blobs; ++i) {
            const double a = rng.Range(0, 2 * M_PI);
            const double d = rng.Range(0, crownR * (0.6 - 0.12 * layer));
            const double bx = x + std::cos(a) * d * 1.1 - layer * crownR * 0.12;
            const double by = cy + std::sin(a) * d * 0.8 - layer * crownR * 0.14;
            FillCircle(cr, bx, by, crownR * rng.Range(0.45, 0.6), color);
        }
    }
}

void DrawConifer(cairo_t* cr, Rng& rng, double x, double ground, double height) {
    FillRect(cr, x - 2, ground - height * 0.15, 4, height * 0.15, 0x54392A);
    const std::uint32_t base = Mix(0x24553A, 0x2F6B3E, rng.Uniform());
    for (int i = 0; i < 4; ++i) {
        const double tierBottom = ground - height * 0.12 - i * height * 0.2;
        const double halfW = height * (0.26 - i * 0.05);
        cairo_move_to(cr, x - halfW, tierBottom);
        cairo_line_to(cr, x, tierBottom - height * 0.36);
        cairo_line_to(cr, x + halfW, tierBottom);
        cairo_close_path(cr);
        FillPathGradient(cr, tierBottom - height * 0.36, tierBottom, Shade(base, 1.15), Shade(base, 0.8));
    }
}

void DrawBush(cairo_t* cr, Rng& rng, double x, double ground, double width) {
    const std::uint32_t base = Mix(0x3F7B34, 0x5E8F2E, rng.Uniform());
    for (int i = 0; i < 5; ++i) {
        const double bx = x + width * (0.15 + 0.7 * i / 4.0);
        FillCircle(cr, bx, ground - width * 0.18, width * 0.2, Shade(base, 0.8 + 0.05 * i));
    }
    FillCircle(cr, x + width * 0.4, ground - width * 0.3, width * 0.2, Shade(base, 1.1));
}

void DrawCloud(cairo_t* cr, Rng& rng, double cx, double cy, double width) {
    const int puffs = 6;
    for (int i = 0; i < puffs; ++i) {
        const double px = cx - width / 2 + width * (i + 0.5) / puffs;
        const double r = width * rng.Range(0.1, 0.17) * (1.0 - std::abs(i - 2.5) / 6.0);
        FillCircle(cr, px, cy - r * 0.4, r, 0xFFFFFF, 0.85);
    }
    FillEllipse(cr, cx, cy, width / 2, width * 0.08, 0xE8EEF4, 0.9);
}

void DrawBird(cairo_t* cr, double x, double y, double span, double flap) {
    cairo_move_to(cr, x - span / 2, y - flap);
    cairo_curve_to(cr, x - span / 4, y - flap, x - 2, y - 1, x, y + 1);
    cairo_curve_to(cr, x + 2, y - 1, x + span / 4, y - flap, x + span / 2, y - flap);
    cairo_set_line_width(cr, 1.6);
    SetColor(cr, 0x2A2E36);
    cairo_stroke(cr);
}

void DrawLampPost(cairo_t* cr, double x, double ground, double height) {
    FillRect(cr, x - 3, ground - 6, 6, 6, 0x2F3A40);
    FillRect(cr, x - 1.5, ground - height, 3, height, 0x2F3A40);
    cairo_move_to(cr, x - 6, ground - height);
    cairo_line_to(cr, x + 6, ground - height);
    cairo_line_to(cr, x + 3, ground - height - 10);
    cairo_line_to(cr, x - 3, ground - height - 10);
    cairo_close_path(cr);
    SetColor(cr, 0xF3E7B5);
    cairo_fill(cr);
    FillRect(cr, x - 7, ground - height - 12, 14, 3, 0x2F3A40);
}

void DrawBench(cairo_t* cr, double x, double ground) {
    FillRect(cr, x, ground - 12, 30, 3, 0x8A5A34);
    FillRect(cr, x, ground - 19, 30, 3, 0x8A5A34);
    FillRect(cr, x + 2, ground - 12, 2, 12, 0x2F3A40);
    FillRect(cr, x + 26, ground - 12, 2, 12, 0x2F3A40);
}

void DrawIronFence(cairo_t* cr, double x0, double x1, double ground, double height) {
    FillRect(cr, x0, ground - height, x1 - x0, 2, 0x2A2F33);
    FillRect(cr, x0, ground - height * 0.25, x1 - x0, 2, 0x2A2F33);
    for (double x = x0 + 2; x < x1; x += 6) {
        FillRect(cr, x, ground - height - 3, 1.6, height + 3, 0x2A2F33);
        FillCircle(cr, x + 0.8, ground - height - 3, 1.3, 0x2A2F33);
    }
}

void DrawWater(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1) {
    GradientRect(cr, x0, y0, x1 - x0, y1 - y0, 0x6FA5C8, 0x2F6E93);
    for (int i = 0; i < static_cast<int>((x1 - x0) * (y1 - y0) / 260); ++i) {
        const double y = rng.Range(y0 + 2, y1 - 2);
        const double x = rng.Range(x0, x1 - 20);
        const double len = rng.Range(6, 18) * (0.6 + (y - y0) / (y1 - y0));
        Line(cr, x, y, x + len, y, 1.2, 0xD8ECF6, rng.Range(0.35, 0.7));
    }
}

void DrawRowingBoat(cairo_t* cr, double x, double waterline, double length, std::uint32_t hull) {
    cairo_move_to(cr, x, waterline - 7);
    cairo_line_to(cr, x + length, waterline - 7);
    cairo_line_to(cr, x + length * 0.85, waterline + 1);
    cairo_line_to(cr, x + length * 0.12, waterline + 1);
    cairo_close_path(cr);
    SetColor(cr, hull);
    cairo_fill(cr);
    FillRect(cr, x + 1, waterline - 8, length - 2, 2, 0xF2EEE2);
}

void DrawShip(cairo_t* cr, double x, double waterline, double length, std::uint32_t hull, const std::string& name) {
    const double h = length * 0.075;
    // Hull with a raised bow on the right.
    cairo_move_to(cr, x, waterline - h);
    cairo_line_to(cr, x + length * 0.92, waterline - h);
    cairo_line_to(cr, x + length, waterline - h * 1.35);
    cairo_line_to(cr, x + length * 0.93, waterline + 2);
    cairo_line_to(cr, x + length * 0.05, waterline + 2);
    cairo_close_path(cr);
    SetColor(cr, hull);
    cairo_fill(cr);
    FillRect(cr, x + length * 0.04, waterline - 3, length * 0.9, 5, 0x2A2A2A);
    FillRect(cr, x, waterline - h, length * 0.92, 2, 0xF4F4F0);
    // Superstructure and funnel at the stern.
    const double sx = x + length * 0.08;
    FillRect(cr, sx, waterline - h - h * 1.1, length * 0.22, h * 1.1, 0xF4F4F0);
    FillRect(cr, sx + 4, waterline - h - h * 1.6, length * 0.14, h * 0.55, 0xF4F4F0);
    for (double wx = sx + 4; wx < sx + length * 0.22 - 6; wx += 8)
        FillRect(cr, wx, waterline - h - h * 0.9, 5, 4, 0x2F4A66);
    FillRect(cr, sx + length * 0.05, waterline - h - h * 2.4, length * 0.06, h * 0.9, 0xD9A02A);
    FillRect(cr, sx + length * 0.05, waterline - h - h * 2.4, length * 0.06, h * 0.25, 0x222222);
    // Cargo on deck.
    const std::uint32_t boxes[] = {0xC0392B, 0x2E86C1, 0x27AE60, 0xE67E22, 0x7F8C8D};
    int k = 0;
    for (double cx = x + length * 0.34; cx < x + length * 0.86; cx += length * 0.085, ++k) {
        FillRect(cr, cx, waterline - h - h * 0.7, length * 0.08, h * 0.7, boxes[k % 5]);
        if (k % 2 == 0)
            FillRect(cr, cx, waterline - h - h * 1.4, length * 0.08, h * 0.7, boxes[(k + 2) % 5]);
    }
    if (!name.empty())
        DrawText(cr, name, x + length * 0.72, waterline - h * 0.3, h * 0.5, Font::SansBold, 0xF4F4F0,
                 Align::Centre);
}

void DrawCrane(cairo_t* cr, double x, double ground, double height, bool facingRight) {
    const std::uint32_t c = 0xE3B320;
    const double dir = facingRight ? 1 : -1;
    // Portal legs and tower.
    Line(cr, x - 14, ground, x - 4, ground - height * 0.3, 3, c);
    Line(cr, x + 14, ground, x + 4, ground - height * 0.3, 3, c);
    FillRect(cr, x - 5, ground - height, 10, height * 0.72, c);
    for (double y = ground - height; y < ground - height * 0.3; y += 10)
        Line(cr, x - 5, y, x + 5, y + 10, 1, 0x8A6A10);
    FillRect(cr, x - 9, ground - height - 12, 18, 14, 0xE9E4D4);
    FillRect(cr, x - 6, ground - height - 9, 8, 6, 0x2F4A66);
    // Jib.
    Line(cr, x, ground - height, x + dir * height * 0.9, ground - height - height * 0.25, 4, c);
    Line(cr, x, ground - height - 16, x + dir * height * 0.9, ground - height - height * 0.25, 1.2, 0x555555);
    const double hx = x + dir * height * 0.75;
    Line(cr, hx, ground - height - height * 0.2, hx, ground - height * 0.55, 1, 0x333333);
    FillRect(cr, hx - 3, ground - height * 0.55, 6, 5, 0x333333);
}

void DrawPlane(cairo_t* cr, double cx, double cy, double length, double climb, bool jet) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -climb);
    const double h = length * 0.12;
    // Fuselage, nose to the right.
    cairo_move_to(cr, -length / 2, -h * 0.4);
    cairo_curve_to(cr, -length * 0.2, -h * 0.55, length * 0.3, -h * 0.55, length * 0.45, -h * 0.25);
    cairo_curve_to(cr, length * 0.52, -h * 0.05, length * 0.52, h * 0.35, length * 0.4, h * 0.45);
    cairo_line_to(cr, -length * 0.4, h * 0.35);
    cairo_close_path(cr);
    SetColor(cr, 0xF2F4F7);
    cairo_fill(cr);
    // Tail fin.
    cairo_move_to(cr, -length / 2, -h * 0.4);
    cairo_line_to(cr, -length * 0.47, -h * 1.9);
    cairo_line_to(cr, -length * 0.36, -h * 1.9);
    cairo_line_to(cr, -length * 0.25, -h * 0.5);
    cairo_close_path(cr);
    SetColor(cr, jet ? 0x2361A8 : 0xC0392B);
    cairo_fill(cr);
    // Wing seen from the side.
    cairo_move_to(cr, -length * 0.05, h * 0.15);
    cairo_line_to(cr, length * 0.12, h * 0.15);
    cairo_line_to(cr, -length * 0.08, h * 0.9);
    cairo_line_to(cr, -length * 0.2, h * 0.9);
    cairo_close_path(cr);
    SetColor(cr, 0xB8C0C8);
    cairo_fill(cr);
    // Windows and stripe.
    FillRect(cr, -length * 0.38, -h * 0.05, length * 0.8, h * 0.12, jet ? 0x2361A8 : 0xC0392B);
    for (double wx = -length * 0.3; wx < length * 0.3; wx += length * 0.045)
        FillCircle(cr, wx, -h * 0.2, h * 0.08, 0x2F4A66);
    FillRect(cr, length * 0.36, -h * 0.3, length * 0.06, h * 0.18, 0x2F4A66);
    if (jet) {
        FillRoundRect(cr, -length * 0.1, h * 0.45, length * 0.14, h * 0.35, h * 0.15, 0x9AA3AC);
    } else {
        FillRect(cr, length * 0.47, -h * 0.9, 2, h * 1.8, 0x555555);
    }
    cairo_restore(cr);
}

void DrawClock(cairo_t* cr, double cx, double cy, double r, double hour, double minute) {
    FillCircle(cr, cx, cy, r + 1.5, 0x3A3A3A);
    FillCircle(cr, cx, cy, r, 0xF6F1DE);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        Line(cr, cx + std::sin(a) * r * 0.75, cy - std::cos(a) * r * 0.75, cx + std::sin(a) * r * 0.92,
             cy - std::cos(a) * r * 0.92, 1, 0x333333);
    }
    const double ha = (hour + minute / 60.0) * M_PI / 6, ma = minute * M_PI / 30;
    Line(cr, cx, cy, cx + std::sin(ha) * r * 0.5, cy - std::cos(ha) * r * 0.5, 1.8, 0x222222);
    Line(cr, cx, cy, cx + std::sin(ma) * r * 0.8, cy - std::cos(ma) * r * 0.8, 1.2, 0x222222);
}

void DrawChurch(cairo_t* cr, Rng& rng, double x, double ground, double s, std::uint32_t wall, std::uint32_t roof) {
    // Nave to the right of the tower.
    const double naveX = x + 52 * s, naveW = 190 * s, naveH = 90 * s;
    GradientRect(cr, naveX, ground - naveH, naveW, naveH, Shade(wall, 1.05), Shade(wall, 0.9));
    cairo_move_to(cr, naveX - 4, ground - naveH);
    cairo_line_to(cr, naveX + 30 * s, ground - naveH - 55 * s);
    cairo_line_to(cr, naveX + naveW - 30 * s, ground - naveH - 55 * s);
    cairo_line_to(cr, naveX + naveW + 4, ground - naveH);
    cairo_close_path(cr);
    FillPathGradient(cr, ground - naveH - 55 * s, ground - naveH, Shade(roof, 1.1), Shade(roof, 0.8));
    for (int i = 0; i < 4; ++i)
        DrawWindow(cr, naveX + (22 + i * 45) * s, ground - naveH + 18 * s, 16 * s, 50 * s, 0xD9CFA8, true);
    for (int i = 0; i < 5; ++i)
        FillRect(cr, naveX + i * naveW / 4 - 3, ground - naveH, 6, naveH, Shade(wall, 0.85));
    // Tower with belfry, clock and spire.
    const double tw = 52 * s, th = 190 * s;
    GradientRect(cr, x, ground - th, tw, th, Shade(wall, 1.08), Shade(wall, 0.9));
    FillRect(cr, x + tw - 6, ground - th, 6, th, 0x000000, 0.1);
    FillRect(cr, x - 3, ground - th - 4, tw + 6, 6, Shade(wall, 0.75));
    for (int i = 0; i < 2; ++i) {
        const double bx = x + 9 * s + i * 20 * s;
        cairo_new_sub_path(cr);
        cairo_arc(cr, bx + 7 * s, ground - th + 26 * s, 7 * s, M_PI, 2 * M_PI);
        cairo_rectangle(cr, bx, ground - th + 26 * s, 14 * s, 20 * s);
        SetColor(cr, 0x2A2A2E);
        cairo_fill(cr);
        for (int l = 0; l < 4; ++l)
            FillRect(cr, bx, ground - th + (28 + l * 5) * s, 14 * s, 1.6, Shade(wall, 0.7));
    }
    DrawClock(cr, x + tw / 2, ground - th + 68 * s, 13 * s, rng.Int(1, 12), rng.Int(0, 11) * 5);
    DrawWindow(cr, x + tw / 2 - 7 * s, ground - th + 100 * s, 14 * s, 34 * s, 0xD9CFA8, true);
    // Door.
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + tw / 2, ground - 30 * s, 11 * s, M_PI, 2 * M_PI);
    cairo_rectangle(cr, x + tw / 2 - 11 * s, ground - 30 * s, 22 * s, 30 * s);
    SetColor(cr, 0x5A3A22);
    cairo_fill(cr);
    // Spire with a cross.
    cairo_move_to(cr, x - 4, ground - th - 4);
    cairo_line_to(cr, x + tw / 2, ground - th - 80 * s);
    cairo_line_to(cr, x + tw + 4, ground - th - 4);
    cairo_close_path(cr);
    FillPathGradient(cr, ground - th - 80 * s, ground - th, 0x6FAF9A, 0x3F7A68);
    const double topY = ground - th - 80 * s;
    Line(cr, x + tw / 2, topY, x + tw / 2, topY - 14 * s, 2, 0xC9A43A);
    Line(cr, x + tw / 2 - 5 * s, topY - 9 * s, x + tw / 2 + 5 * s, topY - 9 * s, 2, 0xC9A43A);
}

void DrawFountain(cairo_t* cr, double cx, double ground, double width) {
    // Jets behind the basin rim.
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, cx, ground - 44);
        cairo_curve_to(cr, cx + i * 10, ground - 90, cx + i * 26, ground - 70, cx + i * width * 0.16,
                       ground - 26);
        cairo_set_line_width(cr, 2.5);
        SetColor(cr, 0xCFE8F6, 0.85);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx, ground - 44);
    cairo_line_to(cr, cx, ground - 100);
    cairo_set_line_width(cr, 4);
    SetColor(cr, 0xE4F2FA, 0.9);
    cairo_stroke(cr);
    FillCircle(cr, cx, ground - 100, 5, 0xF4FAFD, 0.9);
    // Column and bowl.
    FillRect(cr, cx - 4, ground - 46, 8, 26, 0xB7AE9C);
    FillEllipse(cr, cx, ground - 46, 22, 5, 0xC9C0AC);
    // Basin.
    FillRect(cr, cx - width / 2, ground - 22, width, 22, 0xB7AE9C);
    FillEllipse(cr, cx, ground - 22, width / 2, 6, 0xCFC6B2);
    FillEllipse(cr, cx, ground - 22, width / 2 - 5, 4, 0x5E9CC2);
    FillRect(cr, cx - width / 2, ground - 6, width, 6, 0x9C937F);
}

void DrawWindmill(cairo_t* cr, double x, double ground, double height, double angle) {
    cairo_move_to(cr, x - height * 0.18, ground);
    cairo_line_to(cr, x - height * 0.1, ground - height * 0.8);
    cairo_line_to(cr, x + height * 0.1, ground - height * 0.8);
    cairo_line_to(cr, x + height * 0.18, ground);
    cairo_close_path(cr);
    FillPathGradient(cr, ground - height, ground, 0xEDE4D0, 0xC4B79A);
    cairo_move_to(cr, x - height * 0.13, ground - height * 0.8);
    cairo_line_to(cr, x, ground - height * 0.95);
    cairo_line_to(cr, x + height * 0.13, ground - height * 0.8);
    cairo_close_path(cr);
    SetColor(cr, 0x6B4A35);
    cairo_fill(cr);
    FillRect(cr, x - 5, ground - 18, 10, 18, 0x6E4A2E);
    const double hx = x, hy = ground - height * 0.82;
    for (int i = 0; i < 4; ++i) {
        const double a = angle + i * M_PI / 2;
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, a);
        FillRect(cr, 0, -1.5, height * 0.55, 3, 0x5A4030);
        FillRect(cr, height * 0.12, 1.5, height * 0.42, height * 0.09, 0xF1ECE0, 0.95);
        for (double l = height * 0.14; l < height * 0.54; l += 6) Line(cr, l, 1.5, l, 1.5 + height * 0.09, 0.8, 0x8A7A66);
        cairo_restore(cr);
    }
    FillCircle(cr, hx, hy, 3, 0x3A2A1E);
}

void DrawSignBoard(cairo_t* cr, double cx, double y, const std::string& text, double size, std::uint32_t board,
                   std::uint32_t ink) {
    const double w = TextWidth(cr, text, size, Font::SansBold) + size * 1.2;
    FillRoundRect(cr, cx - w / 2, y, w, size * 1.6, 2, board);
    DrawText(cr, text, cx, y + size * 1.22, size, Font::SansBold, ink, Align::Centre);
}

}  // namespace assets::town
