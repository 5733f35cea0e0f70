// Traffic lights, speed signs, stop platforms and stop boards, overhead-line
// poles, the pedestrian crossing and the stop warning sign.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/rng.h"
#include "assets/scene_geometry.h"
#include "assets/stop_names.h"
#include "assets/street_art.h"

namespace assets {

namespace {

constexpr std::uint32_t kSteel = 0x6E747C;
constexpr std::uint32_t kLampOff[3] = {0x1F3A26, 0x4A3A14, 0x4A1A16};
constexpr std::uint32_t kLampOn[3] = {0x3CE070, 0xFFB818, 0xFF3A2A};

// Three lamps in a dark housing: red at the top, amber, green at the bottom.
void LightHead(cairo_t* cr, double x, double y, double w, double h, int phase) {
    FillRoundRect(cr, x - 2, y - 2, w + 4, h + 4, 5, 0xF2F0EA);
    FillRoundRect(cr, x, y, w, h, 4, 0x24272B);
    const double r = w * 0.36;
    const int lit = phase == 0 ? 2 : phase == 1 ? 1 : 0;  // which lamp from the top
    for (int i = 0; i < 3; ++i) {
        const double cy = y + h * (i + 0.5) / 3;
        const int colour = 2 - i;  // 0 green .. 2 red, top is red
        const bool on = (2 - colour) == lit;
        if (on) {
            FillCircle(cr, x + w / 2, cy, r + 2, Mix(kLampOn[colour], 0x24272B, 0.5));
            FillCircle(cr, x + w / 2, cy, r, kLampOn[colour]);
            FillCircle(cr, x + w / 2 - r * 0.3, cy - r * 0.3, r * 0.35, Mix(kLampOn[colour], 0xFFFFFF, 0.6));
        } else {
            FillCircle(cr, x + w / 2, cy, r, kLampOff[colour]);
        }
        // Visor.
        cairo_arc(cr, x + w / 2, cy, r + 2, M_PI * 1.05, M_PI * 1.95);
        cairo_set_line_width(cr, 2.5);
        SetColor(cr, 0x15171A);
        cairo_stroke(cr);
    }
}

Raster SpeedSign(int limit) {
    Surface s(35, 124);
    cairo_t* cr = s.cr();
    GradientRect(cr, 15, 30, 5, 90, 0x9AA0A8, kSteel);
    FillRect(cr, 11, 119, 13, 5, 0x6A6660);
    FillCircle(cr, 17.5, 17, 17, 0xD0312D);
    FillCircle(cr, 17.5, 17, 12.5, 0xFAFAF6);
    DrawText(cr, std::to_string(limit), 17.5, 22.5, 14, Font::CondensedBold, 0x111111, Align::Centre);
    return s.Sprite();
}

struct PlatformStyle {
    int width;
    std::uint32_t surface;
    bool bricks, boards;
};

// The waiting crowd stands over the platform right of its first 150 pixels.
// A driver stops with the crowd beside the tram, and the short trams stand
// at the right of the screen (body 495..1015, middle 755): 530..580 pixels
// keep the crowd on the screen beside every tram.
const PlatformStyle kPlatforms[7] = {
    {560, 0xB8B4AA, false, false}, {540, 0xB07060, true, false}, {580, 0x9A9A98, false, false},
    {550, 0x6E7074, false, false}, {570, 0xD8C078, true, false}, {530, 0x9A7048, false, true},
    {580, 0xD8D8D2, false, false},
};

Raster Platform(int n) {
    const PlatformStyle& st = kPlatforms[n];
    const int w = st.width, h = scene::kPlatformHeight;
    const int face = 23;  // the surface, then the kerb face
    Surface s(w, h);
    cairo_t* cr = s.cr();
    // Ramps at both ends: the face shrinks to nothing.
    cairo_move_to(cr, 0, face);
    cairo_line_to(cr, 36, 0);
    cairo_line_to(cr, w - 36, 0);
    cairo_line_to(cr, w, face);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    FillPathGradient(cr, 0, face, Shade(st.surface, 0.92), Shade(st.surface, 1.05));
    if (st.bricks) {
        for (int row = 0; row * 5 < face; ++row)
            for (int x = (row % 2) * 7 - 14; x < w; x += 14) FillRect(cr, x, row * 5 + 4, 1, 4, Shade(st.surface, 0.8));
        for (int y = 4; y < face; y += 5) FillRect(cr, 0, y, w, 1, Shade(st.surface, 0.85));
    } else if (st.boards) {
        for (int x = 0; x < w; x += 9) FillRect(cr, x, 4, 1, face - 4, Shade(st.surface, 0.7));
    } else {
        for (int x = 0; x < w; x += 40) FillRect(cr, x, 4, 1, face - 4, Shade(st.surface, 0.85));
        FillRect(cr, 0, 13, w, 1, Shade(st.surface, 0.88));
    }
    // Tactile warning strip along the track edge, kerb face at the front.
    FillRect(cr, 0, 0, w, 4, 0xE8C030);
    for (int x = 1; x < w; x += 4) FillRect(cr, x, 1, 2, 2, 0xC8A020);
    GradientRect(cr, 0, face, w, h - face, 0x9A968E, 0x7A766E);
    FillRect(cr, 0, face, w, 1, 0xD8D4CA);
    cairo_restore(cr);
    return s.Sprite();
}

// The stop: a light canopy on two slim posts with the stop's name on its
// fascia, a stop totem and a bench, all in the platform's left 150 pixels
// where nobody waits; glass is left see-through.
Raster StopBoard(int board) {
    const int w = 150, h = scene::kPlatformTop + 14 - scene::kBoardTop;  // foot on the platform
    Surface s(w, h);
    cairo_t* cr = s.cr();
    const bool terminus = board >= 40;
    const std::uint32_t fascia = terminus ? 0xA82A22 : 0x1F4E8C;
    std::string name = StopName(board);
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    // Posts and glass frame.
    FillRect(cr, 14, 18, 3, h - 18, 0x4A4E54);
    FillRect(cr, 128, 18, 3, h - 18, 0x4A4E54);
    RoundRectPath(cr, 18, 30, 109, 56, 2);
    cairo_set_line_width(cr, 1.5);
    SetColor(cr, 0x8A9098);
    cairo_stroke(cr);
    Line(cr, 22, 36, 40, 36 + 18, 1, 0xDDE6EE);
    Line(cr, 80, 36, 98, 36 + 18, 1, 0xDDE6EE);
    // Canopy with the name.
    FillRoundRect(cr, 2, 0, 146, 20, 3, fascia);
    FillRect(cr, 2, 17, 146, 3, Shade(fascia, 0.7));
    const double size = FitText(cr, name, 11, Font::CondensedBold, 130);
    DrawText(cr, name, 75, 13, size, Font::CondensedBold, 0xFFFFFF, Align::Centre);
    // Bench.
    FillRect(cr, 36, h - 16, 56, 4, 0x8A5A34);
    FillRect(cr, 36, h - 24, 56, 3, 0x8A5A34);
    FillRect(cr, 40, h - 12, 3, 12, 0x3A3E44);
    FillRect(cr, 85, h - 12, 3, 12, 0x3A3E44);
    // Totem: round tram-stop sign and the timetable.
    FillRect(cr, 106, 30, 3, h - 30, 0x4A4E54);
    FillCircle(cr, 107.5, 34, 11, 0xF2C230);
    FillCircle(cr, 107.5, 34, 9, 0x1F8A3A);
    FillRoundRect(cr, 101, 28, 13, 9, 2, 0xFFFFFF);
    FillRect(cr, 103, 30, 9, 3, 0x1F8A3A);
    FillRect(cr, 106, 25, 3, 3, 0xFFFFFF);
    FillRect(cr, 99, 50, 17, 24, 0xF4F2EA);
    for (int l = 0; l < 5; ++l) FillRect(cr, 101, 53 + l * 4, 13, 1, 0x555555);
    if (terminus) DrawText(cr, "END", 107.5, 48, 7, Font::SansBold, 0xA82A22, Align::Centre);
    return s.Sprite();
}

}  // namespace

Raster DrawTrafficLight(int phase) {
    Surface s(48, 250);
    cairo_t* cr = s.cr();
    GradientRect(cr, 20, 90, 8, 155, 0xA8AEB6, kSteel);
    FillRect(cr, 20, 90, 2, 155, 0xC8CED6);
    FillRect(cr, 13, 243, 22, 7, 0x6A6660);
    // Push button for pedestrians.
    FillRoundRect(cr, 27, 180, 9, 14, 2, 0xE8C030);
    FillCircle(cr, 31.5, 185, 2, 0x333333);
    FillRect(cr, 22, 100, 4, 8, 0x4A4E54);
    LightHead(cr, 10, 6, 28, 88, phase);
    return s.Sprite();
}

Raster DrawSmallTrafficLight(int phase) {
    Surface s(39, 89);
    cairo_t* cr = s.cr();
    FillRect(cr, 17, 76, 5, 13, kSteel);
    LightHead(cr, 8, 4, 23, 70, phase);
    return s.Sprite();
}

Raster DrawPole() {
    Surface s(15, 151);
    cairo_t* cr = s.cr();
    GradientRect(cr, 4, 4, 7, 143, 0x8A9098, 0x5E646C);
    FillRect(cr, 4, 4, 2, 143, 0xB0B6BE);
    FillRect(cr, 3, 0, 9, 5, 0x4A4E54);
    FillRect(cr, 2, 12, 11, 3, 0x4A4E54);  // wire bracket
    FillRect(cr, 1, 14, 3, 5, 0xC8A878);   // insulators
    FillRect(cr, 11, 14, 3, 5, 0xC8A878);
    FillRect(cr, 2, 143, 11, 8, 0x8E887C);
    return s.Sprite();
}

Raster DrawCrossing() {
    Surface s(74, 84);
    cairo_t* cr = s.cr();
    const double top = scene::kFarLaneTop - 416.0, bottom = 84;
    // White bars across the lanes, skewed for depth; none over the rails.
    for (double y = top + 2; y < bottom - 2; y += 7) {
        const double sy = y + 416;
        if (sy > scene::kTrackTop - 2 && sy < scene::kIslandTop + 1) continue;
        const double shift = (y / bottom) * 18;
        cairo_move_to(cr, 18 - shift, y);
        cairo_line_to(cr, 74 - shift, y);
        cairo_line_to(cr, 74 - shift - 1.5, y + 4);
        cairo_line_to(cr, 18 - shift - 1.5, y + 4);
        cairo_close_path(cr);
        SetColor(cr, 0xF2F2EC);
        cairo_fill(cr);
    }
    return s.Sprite();
}

Raster DrawStopWarningSign() {
    Surface s(39, 89);
    cairo_t* cr = s.cr();
    FillRect(cr, 18, 20, 3, 69, 0x9AA0A8);
    FillCircle(cr, 19.5, 14, 13, 0xF2C230);
    FillCircle(cr, 19.5, 14, 11, 0x1F8A3A);
    FillRoundRect(cr, 12, 8, 15, 10, 2, 0xFFFFFF);
    FillRect(cr, 14, 10, 11, 3, 0x1F8A3A);
    FillRect(cr, 18, 5, 3, 3, 0xFFFFFF);
    Raster r = s.Sprite();
    // Two small waiting people beside the post.
    for (int i = 0; i < 2; ++i) {
        const Raster person = DrawStandingPerson(i == 0 ? 2 : 1, 3, i, 1);
        Raster half(8, 28, kKey);
        for (int y = 0; y < 28; ++y)
            for (int x = 0; x < 8; ++x) half.At(x, y) = person.At(std::min(14, x * 2), std::min(54, y * 2));
        Blit(r, half, i == 0 ? 4 : 27, 89 - 28);
    }
    r.At(0, 88) = kKey;
    return r;
}

void AddStreetFurniture(Catalogue& c) {
    for (int p = 0; p < 3; ++p) {
        c.Picture("Textures/Semafory/Semafor" + std::to_string(p) + ".bmp", [p] { return DrawTrafficLight(p); });
        c.Picture("Textures/Semafory/MalySemafor" + std::to_string(p) + ".bmp", [p] { return DrawSmallTrafficLight(p); });
    }
    for (int limit : {30, 45, 60})
        c.Picture("Textures/Znacky/Znacka" + std::to_string(limit) + ".bmp", [limit] { return SpeedSign(limit); });
    for (int n = 0; n <= 6; ++n) c.Picture("Textures/Stanice/Stanice" + std::to_string(n) + ".bmp", [n] { return Platform(n); });
    const int boards[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 17, 18, 19, 20,
                          21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 40, 41};
    for (int b : boards) c.Picture("Textures/Stanice2/Stanice" + std::to_string(b) + ".bmp", [b] { return StopBoard(b); });
}

}  // namespace assets
