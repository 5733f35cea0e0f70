// Street cars: ten models, four frames each (the wheels turn), facing right
// for the near lane and left for the far lane. The bottom row is where the
// tyres touch the road, the same in every frame of a model; car 9 frame 0
// also stands beside the hovered main-menu entry (top 10 above it), and is
// at most 44 pixels high so that the NEW GAME question (y 299..374) covers
// it whole.
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/scenery.h"

namespace assets {

namespace {

enum class Body { Hatchback, Saloon, Estate, Van, Taxi, Police, Sports, Pickup, Minibus, Vintage };

struct CarDesign {
    Body body;
    int length, height;
    std::uint32_t paint;
    double wheelR;
    double rearWheel, frontWheel;  // centres, in pixels from the rear
};

const CarDesign kCars[10] = {
    {Body::Hatchback, 112, 44, 0xC8352B, 11, 24, 86},  {Body::Saloon, 152, 44, 0x2F5FA8, 12, 30, 118},
    {Body::Estate, 160, 47, 0x3F7E4C, 12, 30, 126},    {Body::Van, 172, 64, 0xECECE6, 13, 32, 138},
    {Body::Taxi, 150, 52, 0xF2C230, 12, 30, 118},      {Body::Police, 156, 52, 0xF2F4F6, 12, 30, 122},
    {Body::Sports, 142, 37, 0xE8702A, 12, 28, 112},    {Body::Pickup, 172, 52, 0x4A5058, 13, 32, 136},
    {Body::Minibus, 212, 70, 0x7EB6D8, 13, 34, 176},   {Body::Vintage, 144, 44, 0x2E5E48, 11, 28, 114},
};

// The outline of the body, front to the right, wheels standing on y = h.
void Silhouette(cairo_t* cr, const CarDesign& c, double h) {
    const double L = c.length;
    const double sill = h - c.wheelR * 0.9;     // lower edge between the wheels
    switch (c.body) {
        case Body::Van:
        case Body::Minibus: {
            const double roof = c.body == Body::Van ? 4 : 2;
            cairo_move_to(cr, 2, sill);
            cairo_line_to(cr, 1, roof + 6);
            cairo_curve_to(cr, 1, roof, 3, roof, 8, roof);
            cairo_line_to(cr, L - 34, roof);
            cairo_curve_to(cr, L - 22, roof, L - 12, h * 0.38, L - 3, h * 0.5);
            cairo_line_to(cr, L - 1, sill - 2);
            cairo_line_to(cr, L - 3, sill);
            break;
        }
        case Body::Vintage: {
            cairo_move_to(cr, 4, sill - 4);
            cairo_line_to(cr, 6, h * 0.38);
            cairo_line_to(cr, 26, h * 0.36);
            cairo_line_to(cr, 34, 3);
            cairo_line_to(cr, L * 0.58, 3);
            cairo_line_to(cr, L * 0.62, h * 0.4);
            cairo_line_to(cr, L - 6, h * 0.44);
            cairo_line_to(cr, L - 2, sill - 4);
            break;
        }
        case Body::Pickup: {
            cairo_move_to(cr, 2, sill);
            cairo_line_to(cr, 2, h * 0.4);
            cairo_line_to(cr, L * 0.48, h * 0.4);
            cairo_line_to(cr, L * 0.5, 4);
            cairo_line_to(cr, L * 0.7, 4);
            cairo_line_to(cr, L * 0.78, h * 0.42);
            cairo_line_to(cr, L - 3, h * 0.48);
            cairo_line_to(cr, L - 1, sill);
            break;
        }
        default: {
            // Saloon-like: boot, rear window, roof, windscreen, bonnet.
            const bool hatch = c.body == Body::Hatchback, estate = c.body == Body::Estate;
            const bool sports = c.body == Body::Sports;
            const double belt = h * (sports ? 0.5 : 0.46);
            const double roofTop = c.body == Body::Taxi || c.body == Body::Police ? 9 : 3;
            const double roofRear = hatch ? L * 0.1 : estate ? L * 0.06 : L * 0.27;
            const double roofFront = hatch ? L * 0.62 : sports ? L * 0.55 : L * 0.6;
            cairo_move_to(cr, 3, sill);
            cairo_line_to(cr, 2, belt - 2);
            cairo_line_to(cr, hatch || estate ? 3 : L * 0.12, belt - (hatch || estate ? 8 : 0));
            cairo_curve_to(cr, roofRear - 2, roofTop + 6, roofRear, roofTop, roofRear + 8, roofTop);
            cairo_line_to(cr, roofFront - 6, roofTop);
            cairo_curve_to(cr, roofFront + 2, roofTop, roofFront + 12, belt - 6, roofFront + 20, belt - 2);
            cairo_line_to(cr, L - 6, belt);
            cairo_curve_to(cr, L - 2, belt, L - 1, belt + 4, L - 1, sill - 4);
            cairo_line_to(cr, L - 3, sill);
            break;
        }
    }
    // Wheel arches along the bottom.
    const double arch = c.wheelR + 2;
    cairo_line_to(cr, c.frontWheel + arch, sill);
    cairo_arc_negative(cr, c.frontWheel, h - c.wheelR, arch, 0, M_PI);
    cairo_line_to(cr, c.rearWheel + arch, sill);
    cairo_arc_negative(cr, c.rearWheel, h - c.wheelR, arch, 0, M_PI);
    cairo_close_path(cr);
}

void Wheel(cairo_t* cr, double cx, double cy, double r, double turn) {
    FillCircle(cr, cx, cy, r, 0x1C1C1E);
    FillCircle(cr, cx, cy, r * 0.62, 0xB8BEC6);
    for (int k = 0; k < 5; ++k) {
        const double a = turn + k * 2 * M_PI / 5;
        Line(cr, cx, cy, cx + std::cos(a) * r * 0.58, cy + std::sin(a) * r * 0.58, 2, 0x6A7078);
    }
    FillCircle(cr, cx, cy, r * 0.18, 0x4A4E54);
}

// Glass of the cabin, inset from the silhouette.
void Windows(cairo_t* cr, const CarDesign& c, double h) {
    const double L = c.length;
    auto pane = [&](double x0, double x1, double top, double bottom, double slopeRear, double slopeFront) {
        cairo_move_to(cr, x0 + slopeRear, top);
        cairo_line_to(cr, x1 - slopeFront, top);
        cairo_line_to(cr, x1, bottom);
        cairo_line_to(cr, x0, bottom);
        cairo_close_path(cr);
        FillPathGradient(cr, top, bottom, 0x5A7A98, 0xA8C4D8);
    };
    switch (c.body) {
        case Body::Van:
            pane(L - 40, L - 12, 10, h * 0.45, 0, 8);
            break;
        case Body::Minibus:
            for (double x = 10; x < L - 50; x += 34) pane(x, x + 28, 8, h * 0.45, 0, 0);
            pane(L - 40, L - 10, 8, h * 0.45, 0, 10);
            break;
        case Body::Pickup:
            pane(L * 0.52, L * 0.68, 8, h * 0.38, 0, 4);
            break;
        case Body::Vintage:
            pane(36, L * 0.34, 7, h * 0.34, 0, 0);
            pane(L * 0.37, L * 0.56, 7, h * 0.34, 0, 0);
            break;
        default: {
            const bool hatch = c.body == Body::Hatchback, estate = c.body == Body::Estate;
            const double roofTop = c.body == Body::Taxi || c.body == Body::Police ? 9 : 3;
            const double belt = h * (c.body == Body::Sports ? 0.5 : 0.46) - 3;
            const double rear = hatch ? L * 0.13 : estate ? L * 0.09 : L * 0.3;
            const double front = (hatch ? L * 0.62 : c.body == Body::Sports ? L * 0.55 : L * 0.6) + 14;
            const double mid = (rear + front) / 2;
            pane(rear, mid - 2, roofTop + 4, belt, 6, 0);
            pane(mid + 2, front, roofTop + 4, belt, 0, 10);
            break;
        }
    }
}

Raster DrawCar(int model, int frame, bool facingRight) {
    const CarDesign& c = kCars[model];
    const double h = c.height;
    Surface s(c.length, c.height);
    cairo_t* cr = s.cr();
    cairo_save(cr);
    if (!facingRight) {  // mirror the drawing; words are written afterwards
        cairo_translate(cr, c.length, 0);
        cairo_scale(cr, -1, 1);
    }
    Silhouette(cr, c, h);
    cairo_path_t* outline = cairo_copy_path(cr);
    FillPathGradient(cr, 0, h, Shade(c.paint, 1.12), Shade(c.paint, 0.82));
    cairo_append_path(cr, outline);
    cairo_set_line_width(cr, 1.2);
    SetColor(cr, Shade(c.paint, 0.5));
    cairo_stroke(cr);
    cairo_path_destroy(outline);
    Windows(cr, c, h);
    // Details: door lines, handle, lights, bumpers.
    const double belt = h * 0.5;
    Line(cr, c.length * 0.45, belt - 8, c.length * 0.45, h - c.wheelR - 2, 1, Shade(c.paint, 0.6));
    FillRect(cr, c.length * 0.5, belt - 2, 6, 2, Shade(c.paint, 0.55));
    FillRoundRect(cr, c.length - 6, belt - 3, 5, 5, 1.5, 0xFFF4C8);  // headlamp
    FillRoundRect(cr, 1, belt - 2, 4, 5, 1, 0xD0312D);               // tail lamp
    FillRect(cr, c.length - 8, h - c.wheelR - 3, 8, 3, 0x3A3D42);
    FillRect(cr, 0, h - c.wheelR - 3, 8, 3, 0x3A3D42);
    switch (c.body) {
        case Body::Taxi:
            FillRoundRect(cr, c.length * 0.42, 1, 22, 8, 2, 0x222222);
            break;
        case Body::Police:
            FillRect(cr, c.length * 0.4, 3, 10, 6, 0x2A6AD8);
            FillRect(cr, c.length * 0.4 + 10, 3, 10, 6, 0xD8312A);
            FillRect(cr, 3, belt + 4, c.length - 6, 6, 0x1F4E9C);
            break;
        case Body::Pickup:
            for (int i = 0; i < 3; ++i) FillRect(cr, 8 + i * 22, h * 0.4 - 10, 18, 10, 0xB8946A);
            break;
        case Body::Vintage:
            FillRect(cr, 6, h * 0.52, c.length - 12, 3, 0xEFE6CF);
            FillCircle(cr, c.length - 8, h * 0.4, 4, 0xF4F0E0);
            break;
        case Body::Sports:
            FillRect(cr, 6, belt + 2, c.length - 12, 3, 0x222222);
            break;
        default: break;
    }
    // Dark wheel wells: under the arch the street behind the car must not
    // show through as a pale ring around the tyre.
    for (double cx : {c.rearWheel, c.frontWheel}) {
        const double cy = h - c.wheelR, arch = c.wheelR + 1.5, sill = h - c.wheelR * 0.9;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, arch, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + arch, sill);
        cairo_line_to(cr, cx - arch, sill);
        cairo_close_path(cr);
        SetColor(cr, 0x1E1F22);
        cairo_fill(cr);
    }
    const double turn = frame * (2 * M_PI / 5) / 4;  // a fifth of a turn in four frames
    Wheel(cr, c.rearWheel, h - c.wheelR, c.wheelR, turn);
    Wheel(cr, c.frontWheel, h - c.wheelR, c.wheelR, turn);
    cairo_restore(cr);
    // Words, the right way round in both directions.
    auto X = [&](double x) { return facingRight ? x : c.length - x; };
    switch (c.body) {
        case Body::Taxi:
            DrawText(cr, "TAXI", X(c.length * 0.42 + 11), 8, 7, Font::SansBold, 0xF2C230, Align::Centre);
            break;
        case Body::Police:
            DrawText(cr, "POLICE", X(c.length * 0.5), belt + 9.5, 6.5, Font::SansBold, 0xFFFFFF, Align::Centre);
            break;
        case Body::Van:
            DrawText(cr, "PARCELS", X(c.length * 0.4), h * 0.42, 13, Font::SansBold, 0xC0392B, Align::Centre);
            break;
        case Body::Minibus:
            DrawText(cr, "CITY TOURS", X(c.length * 0.42), h * 0.68, 10, Font::SansBold, 0x1F3F66, Align::Centre);
            break;
        default: break;
    }
    return s.Sprite();
}

}  // namespace

Raster DrawCarPicture(int model, int frame, bool facingRight) { return DrawCar(model, frame, facingRight); }

void AddCars(Catalogue& c) {
    for (int u = 0; u < 10; ++u)
        for (int v = 0; v < 4; ++v) {
            const std::string name = std::to_string(u) + std::to_string(v) + ".bmp";
            c.Picture("Textures/Doprava/AutaDoprava/" + name, [u, v] { return DrawCar(u, v, true); });
            c.Picture("Textures/Doprava/AutaDoleva/" + name, [u, v] { return DrawCar(u, v, false); });
        }
}

}  // namespace assets
