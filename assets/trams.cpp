// Tram pictures: body (TKaroserie), interior (TInterier), door frames,
// wheel sets and the destination displays. The body is see-through at its
// windows, door openings, display holes and wheel arches, and above the
// roof at its middle, where the stop's takings label shows through.
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/scene_geometry.h"
#include "assets/tram_art.h"

namespace assets {

namespace {

constexpr std::uint32_t kRubber = 0x2A2D31;
constexpr std::uint32_t kGlass = 0x314B63;

// Punches a key-coloured (see-through) hole into the drawing.
void Hole(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    RoundRectPath(cr, x, y, w, h, r);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Outline(cairo_t* cr, double x, double y, double w, double h, double r, double width, std::uint32_t color) {
    RoundRectPath(cr, x, y, w, h, r);
    cairo_set_line_width(cr, width);
    SetColor(cr, color);
    cairo_stroke(cr);
}

struct Section {
    double from, to;
};

std::vector<Section> Sections(const TramModel& m) {
    std::vector<Section> out;
    double from = 0;
    for (const Span& j : m.joints) {
        out.push_back({from, static_cast<double>(j.from)});
        from = j.to;
    }
    out.push_back({from, static_cast<double>(m.width)});
    return out;
}

bool Overlaps(double a0, double a1, double b0, double b1) { return a0 < b1 && b0 < a1; }

// The pantograph, folded up to the contact wire.
void Pantograph(cairo_t* cr, const TramModel& m, double x) {
    const double roof = m.roofY;
    const double shoe = std::max(0, scene::kContactWireY - m.bodyY);
    FillRect(cr, x - 22, roof - 5, 44, 5, 0x4A4E54);
    FillRect(cr, x - 16, roof - 8, 6, 4, 0xD8D2C0);
    FillRect(cr, x + 10, roof - 8, 6, 4, 0xD8D2C0);
    const double kneeX = x - 20, kneeY = (roof + shoe) / 2 + 4;
    Line(cr, x + 14, roof - 6, kneeX, kneeY, 2.5, 0x3A3E44);
    Line(cr, x + 8, roof - 6, kneeX + 2, kneeY + 2, 1.5, 0x3A3E44);
    Line(cr, kneeX, kneeY, x + 4, shoe + 3, 2.5, 0x3A3E44);
    FillRect(cr, x - 14, shoe, 36, 3, 0x222427);
    FillRect(cr, x - 16, shoe + 1, 3, 4, 0x222427);
    FillRect(cr, x + 20, shoe + 1, 3, 4, 0x222427);
}

void Bellows(cairo_t* cr, const TramModel& m, const Span& j) {
    const double top = m.roofY + 10, bottom = m.skirtY - 8;
    FillRect(cr, j.from - 2, top, j.to - j.from + 4, bottom - top, 0x3A3D42);
    for (double x = j.from; x < j.to; x += 4) FillRect(cr, x, top, 2, bottom - top, 0x26282C);
    FillRect(cr, j.from - 2, m.roofY + 4, j.to - j.from + 4, 6, 0x4A4E54);
}

}  // namespace

Raster DrawTramBody(const TramModel& m) {
    Surface s(m.width, m.height);
    cairo_t* cr = s.cr();
    const double top = m.roofY, bottom = m.skirtY;
    const double stripeY = m.windowBottom + 4;
    const auto sections = Sections(m);

    for (size_t i = 0; i < sections.size(); ++i) {
        const Section& sec = sections[i];
        const bool front = i + 1 == sections.size(), rear = i == 0;
        const double x0 = sec.from, x1 = sec.to;
        // Shell: rounded at the ends of the tram, square at the joints.
        cairo_new_path(cr);
        const double rTop = 14, rBottom = 6, nose = 18;
        cairo_move_to(cr, x0 + (rear ? rTop : 0), top);
        cairo_line_to(cr, x1 - (front ? rTop + nose : 0), top);
        if (front) {
            cairo_curve_to(cr, x1 - nose * 0.4, top, x1, top + 30, x1, top + 60);
            cairo_line_to(cr, x1, bottom - rBottom);
            cairo_arc(cr, x1 - rBottom, bottom - rBottom, rBottom, 0, M_PI / 2);
        } else {
            cairo_line_to(cr, x1, bottom);
        }
        cairo_line_to(cr, x0 + (rear ? rBottom : 0), bottom);
        if (rear) {
            cairo_arc(cr, x0 + rBottom, bottom - rBottom, rBottom, M_PI / 2, M_PI);
            cairo_line_to(cr, x0, top + 40);
            cairo_curve_to(cr, x0, top + 14, x0 + 4, top, x0 + rTop, top);
        } else {
            cairo_line_to(cr, x0, top);
        }
        cairo_close_path(cr);
        cairo_path_t* shell = cairo_copy_path(cr);
        FillPathGradient(cr, top, bottom, Shade(m.upper, 1.04), Shade(m.upper, 0.9));
        // Livery: lower band, stripe, roof.
        cairo_save(cr);
        cairo_append_path(cr, shell);
        cairo_clip(cr);
        GradientRect(cr, x0, stripeY + 6, x1 - x0, bottom - stripeY - 6, Shade(m.lower, 1.05), Shade(m.lower, 0.85));
        FillRect(cr, x0, stripeY, x1 - x0, 4, m.stripe);
        GradientRect(cr, x0, top, x1 - x0, 9, Shade(m.roof, 1.15), m.roof);
        FillRect(cr, x0, top + 9, x1 - x0, 2, 0x000000, 0.18);
        FillRect(cr, x0, bottom - 4, x1 - x0, 4, 0x1E2024);
        cairo_restore(cr);
        cairo_append_path(cr, shell);
        cairo_set_line_width(cr, 1.5);
        SetColor(cr, Shade(m.upper, 0.55));
        cairo_stroke(cr);
        cairo_path_destroy(shell);

        // Lights and cab glass at the ends.
        if (front) {
            FillRoundRect(cr, x1 - 44, top + 16, 38, m.windowBottom - top - 20, 6, kGlass);
            cairo_move_to(cr, x1 - 40, top + 20);
            cairo_line_to(cr, x1 - 26, top + 20);
            cairo_line_to(cr, x1 - 38, top + 44);
            cairo_close_path(cr);
            SetColor(cr, 0xFFFFFF, 0.25);
            cairo_fill(cr);
            // The driver.
            FillCircle(cr, x1 - 26, m.windowBottom - 30, 6, 0xE2B48C);
            FillRect(cr, x1 - 33, m.windowBottom - 24, 14, 20, 0x2F4A7A);
            FillRect(cr, x1 - 32, m.windowBottom - 38, 12, 4, 0x1F2F4A);
            FillCircle(cr, x1 - 7, bottom - 24, 4, 0xFFF4C8);
            FillCircle(cr, x1 - 7, bottom - 24, 2, 0xFFFFFF);
            FillRect(cr, x1 - 14, bottom - 12, 14, 6, 0x3A3D42);
        }
        if (rear) {
            FillRoundRect(cr, x0 + 5, top + 18, 26, m.windowBottom - top - 24, 6, kGlass);
            FillCircle(cr, x0 + 7, bottom - 24, 3.5, 0xD0312D);
            FillRect(cr, x0, bottom - 12, 12, 6, 0x3A3D42);
        }
    }
    for (const Span& j : m.joints) Bellows(cr, m, j);

    // Wheel arches (before the doors: a door next to a wheel set stays open).
    for (int w = 0; w < 4; ++w) {
        if (m.wheelX[w] < 0) continue;
        const double x = m.WheelRelX(w), y = m.WheelRelY();
        const double archTop = std::min(y - 4, m.skirtY - 12.0);
        FillRoundRect(cr, x - 5, archTop - 3, kWheelWidth + 10, m.skirtY - archTop + 3, 6, 0x1E2024);
        Hole(cr, x - 2, archTop, kWheelWidth + 4, m.height - archTop, 5);
    }
    // Windows between the doors, the end windows and the doors' frames.
    std::vector<Section> blocked;
    for (int d = 0; d < 6; ++d)
        if (m.doorX[d] >= 0) blocked.push_back({m.DoorRelX(d) - 6.0, m.DoorRelX(d) + kDoorWidth + 6.0});
    for (const Span& j : m.joints) blocked.push_back({j.from - 8.0, j.to + 8.0});
    blocked.push_back({0, 40});
    blocked.push_back({m.width - 52.0, static_cast<double>(m.width)});
    std::sort(blocked.begin(), blocked.end(), [](const Section& a, const Section& b) { return a.from < b.from; });
    double free0 = 0;
    std::vector<Section> runs;
    for (const Section& b : blocked) {
        if (b.from - free0 > 24) runs.push_back({free0, b.from});
        free0 = std::max(free0, b.to);
    }
    if (m.width - free0 > 24) runs.push_back({free0, static_cast<double>(m.width)});
    for (const Section& run : runs) {
        const int panes = std::max(1, static_cast<int>(std::round((run.to - run.from) / 74)));
        const double pw = (run.to - run.from) / panes;
        for (int p = 0; p < panes; ++p) {
            const double wx = run.from + p * pw + 3, ww = pw - 6;
            Outline(cr, wx, m.windowTop, ww, m.windowBottom - m.windowTop, 5, 3, kRubber);
            Hole(cr, wx, m.windowTop, ww, m.windowBottom - m.windowTop, 5);
            // A small top-hung vent in every other pane.
            if (p % 2 == 0 && ww > 40) {
                FillRect(cr, wx + 4, m.windowTop, ww - 8, 3, kRubber);
            }
        }
    }
    // Display holes in their housings.
    for (int i = 0; i < 2; ++i) {
        if (m.displays[i][0] < 0) continue;
        const double x = m.DisplayRelX(i), y = m.DisplayRelY(i);
        FillRoundRect(cr, x - 5, y - 5, kDisplaySize + 10, kDisplaySize + 10, 4, Shade(m.roof, 0.85));
        FillRect(cr, x - 2, y - 2, kDisplaySize + 4, kDisplaySize + 4, 0x15171A);
        Hole(cr, x, y, kDisplaySize, kDisplaySize, 0);
    }
    for (int d = 0; d < 6; ++d) {
        if (m.doorX[d] < 0) continue;
        const double dx = m.DoorRelX(d), dy = m.DoorRelY();
        Outline(cr, dx - 2, dy - 2, kDoorWidth + 4, kDoorHeight + 2, 3, 3, Shade(m.stripe, 0.8));
        Hole(cr, dx, dy, kDoorWidth, kDoorHeight, 0);
        FillRect(cr, dx - 3, dy - 8, kDoorWidth + 6, 4, 0x1E2024);  // door-warning lamp strip
        FillCircle(cr, dx + kDoorWidth / 2.0, dy - 6, 1.8, 0xF2C230);
    }
    // Openings once more, last: no neighbouring frame may reach into them.
    for (int d = 0; d < 6; ++d)
        if (m.doorX[d] >= 0) Hole(cr, m.DoorRelX(d), m.DoorRelY(), kDoorWidth, kDoorHeight, 0);
    for (int i = 0; i < 2; ++i)
        if (m.displays[i][0] >= 0) Hole(cr, m.DisplayRelX(i), m.DisplayRelY(i), kDisplaySize, kDisplaySize, 0);
    // Roof: pantograph and equipment, clear of the middle.
    const double centre = m.width / 2.0;
    const double pantoX = centre + (m.joints.empty() ? m.width * 0.22 : m.width * 0.24);
    Pantograph(cr, m, pantoX);
    for (const Section& sec : sections) {
        const double bx = sec.from + (sec.to - sec.from) * 0.2;
        bool clear = std::abs(bx + 40 - centre) > 110 && !Overlaps(bx, bx + 80, pantoX - 30, pantoX + 30);
        for (int i = 0; i < 2; ++i)
            if (m.displays[i][0] >= 0 && Overlaps(bx, bx + 80, m.DisplayRelX(i) - 8, m.DisplayRelX(i) + 38)) clear = false;
        if (clear)
            FillRoundRect(cr, bx, m.roofY - 6, 80, 7, 2, 0x6A6E74);
    }
    // Fleet number on the lower band, under the last window of the tram.
    if (!runs.empty()) {
        const std::string fleet = std::to_string(101 + m.number * 100);
        const Section& last = runs.back();
        DrawText(cr, fleet, (last.from + last.to) / 2, stripeY + 20, 11, Font::SansBold, Shade(m.upper, 1.2),
                 Align::Centre);
    }
    return s.Sprite();
}

Raster DrawTramInterior(const TramModel& m) {
    Surface s(m.interiorWidth, m.interiorHeight);
    cairo_t* cr = s.cr();
    const double w = m.interiorWidth, h = m.interiorHeight;
    GradientRect(cr, 0, 0, w, h, 0xE6E2D6, 0xC9C4B6);
    FillRect(cr, 0, 0, w, 4, 0xF8F6EE);  // ceiling lights
    // Far-side windows: see-through, with pillars.
    for (double x = 8; x < w - 40; x += 74) {
        RoundRectPath(cr, x, 7, 62, 26, 4);
        cairo_set_line_width(cr, 3);
        SetColor(cr, 0x8A8C90);
        cairo_stroke(cr);
        Hole(cr, x, 7, 62, 26, 4);
    }
    // Seat backs and cushions.
    for (double x = 14; x < w - 30; x += 37) {
        FillRoundRect(cr, x, 26, 28, 20, 5, 0x2F5E8E);
        FillRect(cr, x + 3, 29, 22, 2, 0x4A7AAA);
        FillRect(cr, x, 44, 30, 5, 0x24486E);
    }
    // Floor seen through the doors.
    GradientRect(cr, 0, 58, w, h - 58, 0x5A5650, 0x3E3B36);
    FillRect(cr, 0, 58, w, 2, 0x7A766E);
    // Hand rail and grab poles.
    FillRect(cr, 0, 5, w, 2, 0xD8C060);
    for (double x = 40; x < w; x += 110) FillRect(cr, x, 5, 3, 53, 0xE2C23A);
    return s.Sprite();
}

Raster DrawDoor(const TramModel& m, int frame) {
    Surface s(kDoorWidth, kDoorHeight);
    cairo_t* cr = s.cr();
    // The step stays whatever the doors do.
    FillRect(cr, 0, kDoorHeight - 5, kDoorWidth, 5, 0x3A3D42);
    FillRect(cr, 0, kDoorHeight - 5, kDoorWidth, 1, 0xE2C23A);
    // Two folding leaves, each shrinking to a 4-pixel stack when open.
    const double leaf = 23.0 - 19.0 * frame / 10.0;
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? 0 : kDoorWidth - leaf;
        GradientRect(cr, x, 0, leaf, kDoorHeight - 5, Shade(m.upper, 1.02), Shade(m.lower, 0.9));
        FillRect(cr, x, 0, leaf, 2, Shade(m.upper, 0.7));
        if (leaf > 12) {
            Outline(cr, x + 4, 6, leaf - 8, 38, 3, 2, kRubber);
            Hole(cr, x + 4, 6, leaf - 8, 38, 3);
            FillRect(cr, x + 4, 50, leaf - 8, 12, Shade(m.lower, 0.8));
        } else {
            for (double fx = x + 2; fx < x + leaf - 1; fx += 3) FillRect(cr, fx, 2, 1, kDoorHeight - 8, 0x000000, 0.35);
        }
        // Rubber seal where the leaves meet.
        FillRect(cr, side == 0 ? x + leaf - 2 : x, 0, 2, kDoorHeight - 5, kRubber);
    }
    return s.Sprite();
}

Raster DrawWheels(const TramModel& m, int frame) {
    const int h = m.wheelHeight;
    Surface s(kWheelWidth, h);
    cairo_t* cr = s.cr();
    const double turn = frame * M_PI / 8;  // four frames cover a quarter turn of a four-hole wheel
    if (h < 12) {
        // Low-floor wheel strip: small wheels behind a skirt.
        FillRect(cr, 0, 0, kWheelWidth, 3, 0x2A2D31);
        for (int i = 0; i < 2; ++i) {
            const double cx = 22 + i * 46, cy = h + 2;
            FillCircle(cr, cx, cy, 9, 0x3A3D42);
            FillCircle(cr, cx, cy, 5, 0x8A8E94);
            for (int k = 0; k < 4; ++k) {
                const double a = turn + k * M_PI / 2;
                FillCircle(cr, cx + std::cos(a) * 7, cy + std::sin(a) * 7, 1.2, 0xC8CCD0);
            }
        }
        return s.Sprite();
    }
    const double r = (h - 1) / 2.0, cy = r;
    FillRoundRect(cr, 10, cy - 5, kWheelWidth - 20, 10, 3, 0x34373C);
    FillRect(cr, kWheelWidth / 2.0 - 8, cy - 9, 16, 8, 0x4A4E54);
    for (int i = 0; i < 2; ++i) {
        const double cx = 20 + i * 50;
        FillCircle(cr, cx, cy, r, 0x25272B);
        FillCircle(cr, cx, cy, r - 2, 0x6E737A);
        FillCircle(cr, cx, cy, r - 5, 0x8A8F96);
        for (int k = 0; k < 4; ++k) {
            const double a = turn + k * M_PI / 2;
            FillCircle(cr, cx + std::cos(a) * (r - 6), cy + std::sin(a) * (r - 6), 1.8, 0x2A2D31);
        }
        FillCircle(cr, cx, cy, 2.5, 0xC8CCD0);
        // Brake shoe.
        FillRect(cr, cx + (i == 0 ? r - 1 : -r - 2), cy - 4, 3, 8, 0x3A3D42);
    }
    // Springs.
    for (int k = 0; k < 3; ++k) Line(cr, kWheelWidth / 2.0 - 6 + k * 6, cy - 9, kWheelWidth / 2.0 - 3 + k * 6, cy - 1, 1.5, 0x9AA0A8);
    return s.Sprite();
}

Raster DrawDisplay(int line) {
    Surface s(kDisplaySize, kDisplaySize);
    cairo_t* cr = s.cr();
    FillRect(cr, 0, 0, kDisplaySize, kDisplaySize, 0x101214);
    FillRect(cr, 1, 1, kDisplaySize - 2, kDisplaySize - 2, 0x1A1C1F);
    const std::string text = std::to_string(line);
    const double size = text.size() > 1 ? 17 : 22;
    DrawText(cr, text, kDisplaySize / 2.0, kDisplaySize / 2.0 + size * 0.37, size, Font::SansBold, 0xFFB020, Align::Centre);
    // LED raster.
    for (int k = 1; k < kDisplaySize - 1; k += 2) {
        FillRect(cr, k, 1, 0.6, kDisplaySize - 2, 0x000000, 0.45);
        FillRect(cr, 1, k, kDisplaySize - 2, 0.6, 0x000000, 0.45);
    }
    return s.Opaque();
}

Raster ComposeTram(const TramModel& m) {
    Raster out(m.width, std::max(m.height, m.WheelRelY() + m.wheelHeight), kKey);
    Blit(out, DrawTramInterior(m), m.interiorX - m.bodyX, m.interiorY - m.bodyY);
    const Raster display = DrawDisplay(0);
    for (int i = 0; i < 2; ++i)
        if (m.displays[i][0] >= 0) Blit(out, display, m.DisplayRelX(i), m.DisplayRelY(i));
    const Raster wheels = DrawWheels(m, 0);
    for (int w = 0; w < 4; ++w)
        if (m.wheelX[w] >= 0) Blit(out, wheels, m.WheelRelX(w), m.WheelRelY());
    Blit(out, DrawTramBody(m), 0, 0);
    const Raster door = DrawDoor(m, 0);
    for (int d = 0; d < 6; ++d)
        if (m.doorX[d] >= 0) Blit(out, door, m.DoorRelX(d), m.DoorRelY());
    return out;
}

void AddTrams(Catalogue& c) {
    for (const TramModel& m : TramModels()) {
        const std::string n = std::to_string(m.number);
        c.Picture("Textures/Vozy/TKaroserie" + n + ".bmp", [&m] { return DrawTramBody(m); });
        c.Picture("Textures/Vozy/TInterier" + n + ".bmp", [&m] { return DrawTramInterior(m); });
        for (int f = 0; f <= 10; ++f)
            c.Picture("Textures/Dvere/" + n + std::to_string(f) + ".bmp", [&m, f] { return DrawDoor(m, f); });
        for (int f = 0; f < 4; ++f)
            c.Picture("Textures/Kola/" + n + std::to_string(f) + ".bmp", [&m, f] { return DrawWheels(m, f); });
    }
    for (int line = 0; line <= 10; ++line)
        c.Picture("Textures/Displeje/Displej" + std::to_string(line) + ".bmp", [line] { return DrawDisplay(line); });
}

}  // namespace assets
