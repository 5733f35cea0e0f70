// Dashboard and panel pictures: the top strip, the lower dashboard behind
// its transparent labels, the depot background (three columns and the
// career strip, at the places the depot lays its widgets out) and the
// new-game question.
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/street_art.h"
#include "game/depot_layout.h"

namespace assets {

namespace {

constexpr std::uint32_t kPanelTop = 0x243244;
constexpr std::uint32_t kPanelBottom = 0x111925;
constexpr std::uint32_t kInset = 0x0A0F16;
constexpr std::uint32_t kInsetEdge = 0x3A4A5E;
constexpr std::uint32_t kCaption = 0x8FA3B8;
constexpr std::uint32_t kGold = 0xE8B840;

void Inset(cairo_t* cr, double x, double y, double w, double h) {
    FillRoundRect(cr, x, y, w, h, 5, kInset);
    RoundRectPath(cr, x + 0.5, y + 0.5, w - 1, h - 1, 5);
    cairo_set_line_width(cr, 1);
    SetColor(cr, kInsetEdge);
    cairo_stroke(cr);
}

void Screws(cairo_t* cr, double w, double h) {
    for (double x : {6.0, w - 6}) {
        for (double y : {6.0, h - 6}) {
            FillCircle(cr, x, y, 2.5, 0x5A6A7E);
            Line(cr, x - 1.5, y, x + 1.5, y, 0.8, 0x2A3440);
        }
    }
}

Raster UpperPanel() {
    Surface s(1024, 50);
    cairo_t* cr = s.cr();
    GradientRect(cr, 0, 0, 1024, 50, kPanelTop, kPanelBottom);
    FillRect(cr, 0, 48, 1024, 2, 0x070A0E);
    FillRect(cr, 0, 0, 1024, 1, 0x4A5E76);
    // The game's name with a small tram.
    FillRoundRect(cr, 14, 13, 34, 20, 5, 0xEFE6CF);
    FillRect(cr, 14, 25, 34, 5, 0xB8322A);
    FillRect(cr, 18, 16, 8, 7, 0x314B63);
    FillRect(cr, 29, 16, 8, 7, 0x314B63);
    FillRect(cr, 40, 16, 5, 7, 0x314B63);
    Line(cr, 31, 13, 26, 5, 1.5, 0xC8CED6);
    Line(cr, 20, 5, 34, 5, 1.5, 0xC8CED6);
    DrawText(cr, "KORVALO", 58, 33, 24, Font::Serif, kGold);
    DrawText(cr, "CITY TRAMWAYS", 200, 32, 13, Font::SansBold, kCaption);
    // The money window: the figure goes at x 736.
    Inset(cr, 700, 6, 180, 38);
    DrawText(cr, "$", 716, 35, 24, Font::SansBold, kGold);
    return s.Opaque();
}

// Lower dashboard at 615, 538. Label places in picture coordinates.
Raster LowerPanel() {
    const int w = 407, h = 230;
    Surface s(w, h);
    cairo_t* cr = s.cr();
    GradientRect(cr, 0, 0, w, h, kPanelTop, kPanelBottom);
    FillRect(cr, 0, 0, w, 1, 0x4A5E76);
    Screws(cr, w, h);
    // Speeds: target at 55, 6 and actual at 55, 54 (Arial 32, lime). The
    // box ends at x 100, where the carried table begins below the clock, so
    // the units go under the captions, left of the figures.
    Inset(cr, 4, 3, 96, 95);
    DrawText(cr, "SET", 10, 26, 10, Font::SansBold, kCaption);
    DrawText(cr, "km/h", 10, 39, 9, Font::Sans, kCaption);
    DrawText(cr, "NOW", 10, 74, 10, Font::SansBold, kCaption);
    DrawText(cr, "km/h", 10, 87, 9, Font::Sans, kCaption);
    Line(cr, 10, 50, 94, 50, 1, kInsetEdge);
    // Run clock at 143..265, 4..50 (Verdana 37), above the carried table.
    Inset(cr, 104, 3, 196, 50);
    // Free and taken places at 357, 6 and 357, 54 (Arial 32, aqua).
    Inset(cr, 305, 3, 98, 95);
    // A free seat and a standing passenger.
    FillRoundRect(cr, 318, 14, 8, 16, 2, 0x4AA8C8);
    FillRoundRect(cr, 318, 26, 20, 6, 2, 0x4AA8C8);
    FillRect(cr, 334, 32, 3, 8, 0x4AA8C8);
    DrawText(cr, "FREE", 312, 48, 8, Font::SansBold, kCaption);
    FillCircle(cr, 327, 62, 4, 0x4AA8C8);
    FillRoundRect(cr, 322, 67, 10, 14, 3, 0x4AA8C8);
    FillRect(cr, 323, 81, 3, 9, 0x4AA8C8);
    FillRect(cr, 328, 81, 3, 9, 0x4AA8C8);
    DrawText(cr, "TAKEN", 309, 97, 8, Font::SansBold, kCaption);
    // Carried passengers per class (155) and the level's goals (233), rows
    // at 72, 113, 153, 194: Elita, Urednici, Delnici, Nemajetni.
    Inset(cr, 104, 56, 196, 172);
    DrawText(cr, "CARRIED", 155, 68, 9, Font::SansBold, kCaption);
    DrawText(cr, "GOAL", 233, 68, 9, Font::SansBold, kCaption);
    Line(cr, 226, 60, 226, 224, 1, kInsetEdge);
    Raster r = s.Opaque();
    const int rows[4] = {72, 113, 153, 194};
    const int classes[4] = {3, 2, 1, 0};
    for (int i = 0; i < 4; ++i) {
        const Raster person = DrawStandingPerson(classes[i], 3, 0, 1);
        // Head and coat only: the lowest row's figure stays inside the table.
        constexpr int kBust = 30;
        Raster bust(15, kBust, kKey);
        for (int y = 0; y < kBust; ++y)
            for (int x = 0; x < 15; ++x) bust.At(x, y) = person.At(x, y);
        bust.At(0, kBust - 1) = kKey;
        Blit(r, bust, 124, rows[i] + 2);
    }
    // Bays of the two warning panels (3..99 and 309..403, 101..225).
    Surface bays(w, h);
    cairo_t* b = bays.cr();
    Inset(b, 4, 102, 94, 122);
    Inset(b, 308, 102, 94, 122);
    DrawText(b, "LIGHT", 51, 170, 11, Font::SansBold, 0x2E3A48, Align::Centre);
    DrawText(b, "STOP", 355, 170, 11, Font::SansBold, 0x2E3A48, Align::Centre);
    Blit(r, bays.Sprite(), 0, 0);
    return r;
}

Raster DepotBackground() {
    using namespace depot_layout;
    Surface s(kPanelWidth, kPanelHeight);
    cairo_t* cr = s.cr();
    // The depot hall: dark brick behind everything.
    GradientRect(cr, 0, 0, kPanelWidth, kPanelHeight, 0x2A2622, 0x161412);
    for (int y = 0, row = 0; y < kPanelHeight; y += 10, ++row)
        for (int x = (row % 2) * 16 - 32; x < kPanelWidth; x += 32)
            FillRect(cr, x + 1, y + 1, 30, 8, 0x000000, 0.18);
    // Three columns.
    for (int c = 0; c < kColumnCount; ++c) {
        const double x = kColumnLeft[c];
        GradientRoundRect(cr, x, kColumnTop, kColumnWidth, kColumnHeight, 8, 0x2C3A4E, 0x172030);
        RoundRectPath(cr, x + 0.5, kColumnTop + 0.5, kColumnWidth - 1, kColumnHeight - 1, 8);
        cairo_set_line_width(cr, 1.5);
        SetColor(cr, 0x55708E);
        cairo_stroke(cr);
        FillRect(cr, x + kPad, kTitleTop + 30, kColumnWidth - 2 * kPad, 2, kGold);
        // Frame of the preview picture.
        FillRect(cr, x + kPad - 3, kPreviewTop - 3, kPreviewSize + 6, kPreviewSize + 6, 0x0A0E14);
        RoundRectPath(cr, x + kPad - 3.5, kPreviewTop - 3.5, kPreviewSize + 7, kPreviewSize + 7, 2);
        cairo_set_line_width(cr, 1);
        SetColor(cr, 0x8FA3B8);
        cairo_stroke(cr);
        // Frame of the description.
        Inset(cr, x + kPad - 3, kMemoTop - 3, kMemoWidth + 6, kMemoHeight + 6);
        // The figures beside the preview.
        Inset(cr, x + kBesideLeft - 4, kPreviewTop, kBesideWidth + 8, kArrowTop - kPreviewTop - 6);
    }
    // Career strip and the start button's bay.
    GradientRoundRect(cr, kCareerLeft, kCareerTop, kCareerWidth, kCareerHeight, 8, 0x2C3A4E, 0x172030);
    Line(cr, kCareerLeft + 12, (kCareerRowTop[0] + kCareerRowTop[1]) / 2.0 + 10, kCareerLeft + kCareerWidth - 12,
         (kCareerRowTop[0] + kCareerRowTop[1]) / 2.0 + 10, 1, 0x55708E);
    FillRoundRect(cr, kStartLeft - 6, kStartTop - 6, kStartWidth + 12, kStartHeight + 12, 10, 0x5A4A1E);
    FillRoundRect(cr, kStartLeft - 3, kStartTop - 3, kStartWidth + 6, kStartHeight + 6, 8, 0x0A0E14);
    return s.Opaque();
}

// The new-game question: text in rows 0..33, the YES and NO buttons cover
// 75..274 and 325..524 of rows 35..59.
Raster Question() {
    Surface s(600, 75);
    cairo_t* cr = s.cr();
    GradientRect(cr, 0, 0, 600, 75, 0x1C3E7A, 0x0A1A3C);
    RoundRectPath(cr, 1.5, 1.5, 597, 72, 4);
    cairo_set_line_width(cr, 2);
    SetColor(cr, kGold);
    cairo_stroke(cr);
    const std::string q = "START A NEW GAME? ALL PROGRESS WILL BE LOST!";
    const double size = FitText(cr, q, 17, Font::SansBold, 560);
    DrawText(cr, q, 300, 24, size, Font::SansBold, 0xFFFFFF, Align::Centre);
    FillRect(cr, 60, 33, 480, 1, 0x3A5A96);
    FillRoundRect(cr, 73, 33, 204, 29, 4, 0x06102A);
    FillRoundRect(cr, 323, 33, 204, 29, 4, 0x06102A);
    return s.Opaque();
}

}  // namespace

void AddPanels(Catalogue& c) {
    c.Picture("Textures/Panely/UPpanel.bmp", UpperPanel);
    c.Picture("Textures/Panely/DOWNpanel.bmp", LowerPanel);
    c.Picture("Textures/Panely/PanelPrestavka.bmp", DepotBackground);
    c.Picture("Textures/Panely/Upozorneni.bmp", Question);
}

}  // namespace assets
