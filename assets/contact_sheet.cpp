#include "assets/contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "assets/bmp.h"
#include "assets/paint.h"
#include "assets/scene_geometry.h"
#include "assets/tram_models.h"
#include "game/depot_layout.h"

namespace assets {

namespace {

bool ReadBmp(const std::string& path, Raster& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream ss;
    ss << in.rdbuf();
    return DecodeBmp(ss.str(), out);
}

// Paints a raster onto a cairo context at (x, y), scaled; key pixels become
// a checkerboard (showKey) or are skipped.
void Put(cairo_t* cr, const Raster& r, double x, double y, double scale, bool showKey) {
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
    cairo_surface_flush(img);
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int py = 0; py < r.height; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(py) * stride);
        for (int px = 0; px < r.width; ++px) {
            const std::uint32_t p = r.At(px, py);
            if (p == kKey) {
                row[px] = showKey ? ((((px / 4) + (py / 4)) % 2) ? 0xFFC8C8C8u : 0xFFF0F0F0u) : 0u;
            } else {
                row[px] = 0xFF000000u | p;
            }
        }
    }
    cairo_surface_mark_dirty(img);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), scale >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
}

class Sheet {
public:
    Sheet(const std::string& dir, int width, int height) : dir_(dir), surface_(width, height) {
        FillRect(surface_.cr(), 0, 0, width, height, 0x30343A);
    }
    cairo_t* cr() { return surface_.cr(); }
    bool Place(const std::string& rel, double x, double y, double scale, bool showKey = true) {
        Raster r;
        if (!ReadBmp(dir_ + "/" + rel, r)) {
            std::fprintf(stderr, "contact sheet: cannot read %s\n", rel.c_str());
            ok_ = false;
            return false;
        }
        Put(surface_.cr(), r, x, y, scale, showKey);
        return true;
    }
    int Width(const std::string& rel) const {
        Raster r;
        return ReadBmp(dir_ + "/" + rel, r) ? r.width : 0;
    }
    void Label(const std::string& text, double x, double y) {
        DrawText(surface_.cr(), text, x, y, 11, Font::Sans, 0xE8E8E8);
    }
    bool Save(const std::string& path) {
        cairo_surface_t* target = cairo_get_target(surface_.cr());
        return cairo_surface_write_to_png(target, path.c_str()) == CAIRO_STATUS_SUCCESS && ok_;
    }

private:
    std::string dir_;
    Surface surface_;
    bool ok_ = true;
};

std::string N(int n) { return std::to_string(n); }

// A label as the game shows it: `height` is the font's character height in
// pixels, (left, top) its declared place. Returns its width.
double GameLabel(cairo_t* cr, const std::string& text, double left, double top, double height, std::uint32_t color,
               const char* family = "Liberation Sans", std::uint32_t back = 0x1000000) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, height * 0.87);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    if (back <= 0xFFFFFF) FillRect(cr, left, top, ext.x_advance + 4, height * 1.15, back);
    SetColor(cr, color);
    cairo_move_to(cr, left + 2, top + height * 0.9);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
    return ext.x_advance + 4;
}

// The driving scene of a tram at a stop, stacked like the game stacks it.
bool Scene(const std::string& game, const std::string& out, int model, int tile) {
    const TramModel& m = TramModels()[static_cast<size_t>(model)];
    Sheet s(game, 1024, 768);
    const std::string T = "Textures/";
    bool ok = true;
    ok &= s.Place(T + "Maps/Map" + N(tile) + ".bmp", -200, 50, 1, false);
    const int next = -200 + scene::kLandscapeWidth - scene::kLandscapeOverlap;
    ok &= s.Place(T + "Maps/Map" + N(tile == 500 ? 0 : tile + 1) + ".bmp", next, 50, 1, false);
    ok &= s.Place(T + "Silnice/Silnice" + N(tile) + ".bmp", -100, 338, 1, false);
    ok &= s.Place(T + "Silnice/Silnice" + N(tile == 500 ? 0 : tile + 1) + ".bmp", 1100, 338, 1, false);
    ok &= s.Place(T + "Panely/UPpanel.bmp", 0, 0, 1, false);
    ok &= s.Place(T + "Panely/DOWNpanel.bmp", 615, 538, 1, false);
    ok &= s.Place(T + "Schemata/Schema0.bmp", 2, 538, 1, false);
    ok &= s.Place(T + "Semafory/Semafor2.bmp", 120, 228, 1, false);  // placed later in the stack below
    ok &= s.Place("Textures/Form/imgPrechodProChodce.bmp", 210, 416, 1, false);
    ok &= s.Place("Textures/Form/imgSloup1.bmp", 288, 269, 1, false);
    ok &= s.Place("Textures/Form/imgSloup1.bmp", 864, 269, 1, false);
    ok &= s.Place(T + "Doprava/AutaDoleva/31.bmp", 400, 441 - 60, 1, false);
    // The stop's takings lie behind the tram, centred on its body.
    GameLabel(s.cr(), "$36", m.bodyX + m.width / 2.0 - 30, 296, 32, 0xFFFF00, "Liberation Sans", 0x000080);
    ok &= s.Place(T + "Vozy/TInterier" + N(model) + ".bmp", m.interiorX, m.interiorY, 1, false);
    for (int i = 0; i < 12; ++i) {
        const int x = m.bodyX + 60 + i * (m.width - 120) / 12;
        s.Place(T + "LideStatic/" + N(i % 4) + "/" + N(i % 2 ? 0 : 1) + N(i % 4) + N(1 + i % 5) + ".bmp", x,
                m.doorY + 3 + (i % 3) * 6, 1, false);
    }
    for (int d = 0; d < 2; ++d)
        if (m.displays[d][0] >= 0) ok &= s.Place(T + "Displeje/Displej0.bmp", m.displays[d][0], m.displays[d][1], 1, false);
    for (int w = 0; w < 4; ++w)
        if (m.wheelX[w] >= 0) ok &= s.Place(T + "Kola/" + N(model) + "1.bmp", m.wheelX[w], m.wheelY, 1, false);
    ok &= s.Place(T + "Vozy/TKaroserie" + N(model) + ".bmp", m.bodyX, m.bodyY, 1, false);
    for (int d = 0; d < 6; ++d)
        if (m.doorX[d] >= 0)
            ok &= s.Place(T + "Dvere/" + N(model) + N(d % 2 ? 10 : d * 2) + ".bmp", m.doorX[d], m.doorY, 1, false);
    // The tram stopped with the waiting crowd beside it.
    const std::string platform = T + "Stanice/Stanice1.bmp";
    const int stop = m.bodyX + m.width / 2 - (scene::kPlatformWalkFrom + s.Width(platform)) / 2;
    ok &= s.Place(platform, stop, 457, 1, false);
    for (int i = 0; i < 10; ++i)
        s.Place(T + "LideStatic/" + N(i % 4) + "/" + N(i % 2 ? 3 : 0) + N(i % 4) + N(i % 6) + ".bmp",
                stop + scene::kPlatformWalkFrom + 10 + i * 36, 413 + (i * 7) % 12, 1, false);
    s.Place(T + "LidePohyb1/1/12.bmp", 600, 418, 1, false);
    ok &= s.Place(T + "Stanice2/Stanice" + N(tile == 500 ? 40 : tile) + ".bmp", stop, 353, 1, false);
    ok &= s.Place(T + "Semafory/Semafor0.bmp", 40, 228, 1, false);
    ok &= s.Place(T + "Znacky/Znacka45.bmp", 170, 354, 1, false);
    ok &= s.Place(T + "Doprava/AutaDoprava/52.bmp", 700, 501 - 60, 1, false);
    ok &= s.Place(T + "Doprava/AutaDoprava/20.bmp", 250, 501 - 50, 1, false);
    for (int i = 0; i < 6; ++i)
        s.Place(T + "LidePohyb1/" + N(i % 4) + "/" + N(i % 2) + N(i % 4) + ".bmp", 60 + i * 160, 455 + i * 3, 1, false);
    ok &= s.Place("Textures/Form/BitBtn1.bmp", 901, 10, 1, false);
    // The dashboard's labels at their places, with sample figures.
    cairo_t* cr = s.cr();
    GameLabel(cr, "1250", 736, 10, 24, 0x00FF00);
    GameLabel(cr, "45", 670, 544, 32, 0x00FF00);
    GameLabel(cr, "43", 670, 592, 32, 0x00FF00);
    GameLabel(cr, "03", 758, 544, 37, 0x00FF00, "DejaVu Sans");
    GameLabel(cr, ":", 814, 542, 37, 0xC0C0C0, "DejaVu Sans");
    GameLabel(cr, "27", 832, 544, 37, 0x00FF00, "DejaVu Sans");
    GameLabel(cr, "12", 972, 544, 32, 0x00FFFF);
    GameLabel(cr, "22", 972, 592, 32, 0x00FFFF);
    const std::uint32_t classes[4] = {0xFFFFFF, 0x00FFFF, 0x008000, 0xC0C0C0};
    const int tops[4] = {610, 651, 691, 732};
    for (int i = 0; i < 4; ++i) {
        GameLabel(cr, "1500", 770, tops[i], 21, classes[i]);
        GameLabel(cr, "300", 848, tops[i], 21, i == 3 ? 0x00FF00 : 0xFF0000);
    }
    ok &= s.Place(T + "Semafory/MalySemafor2.bmp", 618 + 32, 639 + 2, 1, false);
    ok &= s.Place("Textures/Form/Image1.bmp", 924 + 28, 639 + 2, 1, false);
    return s.Save(out) && ok;
}

// The main menu with its five entries and the hover cars beside one of
// them: PLAY ANOTHER GAMES on the menu, NEW GAME under the question.
bool MenuWithCars(Sheet& s, int hovered) {
    bool ok = s.Place("Textures/MainMenu/MainMenu.bmp", 0, 0, 1, false);
    const struct {
        const char* text;
        int left, top;
    } entries[] = {{"TUTORIAL", 420, 290}, {"NEW GAME", 410, 340}, {"CONTINUE GAME", 360, 390},
                   {"PLAY ANOTHER GAMES", 296, 440}, {"QUIT GAME", 410, 490}};
    for (int i = 0; i < 5; ++i) {
        const auto& e = entries[i];
        const double width = GameLabel(s.cr(), e.text, e.left, e.top, 37, i == hovered ? 0x640000 : 0x000000);
        if (i != hovered) continue;
        const std::string right = "Textures/Doprava/AutaDoprava/90.bmp";
        ok &= s.Place(right, e.left - s.Width(right) - 10, e.top - 10, 1, false);
        ok &= s.Place("Textures/Doprava/AutaDoleva/90.bmp", e.left + width + 10, e.top - 10, 1, false);
    }
    return ok;
}

bool Menu(const std::string& game, const std::string& out) {
    Sheet s(game, 1024, 768);
    bool ok = MenuWithCars(s, 3);
    ok &= s.Save(out) && ok;
    Sheet q(game, 1024, 768);
    ok &= MenuWithCars(q, 1);
    ok &= q.Place("Textures/Panely/Upozorneni.bmp", 200, 299, 1, false);
    ok &= q.Place("Textures/Form/btnUpozorneniAno.bmp", 277, 336, 1, false);
    ok &= q.Place("Textures/Form/btnUpozorneniNe.bmp", 527, 336, 1, false);
    ok &= q.Place("Textures/MainMenu/Intro.bmp", 0, 0, 0.4, false);
    ok &= q.Place("Textures/MainMenu/Loading.bmp", 202 * 0.4, 702 * 0.4, 0.4, false);
    return q.Save(out.substr(0, out.size() - 4) + "-question.png") && ok;
}

// The depot with its pictures, glyphs and sample captions at the places
// its layout gives them.
bool Depot(const std::string& game, const std::string& out) {
    using namespace depot_layout;
    Sheet s(game, 1024, 768);
    cairo_t* cr = s.cr();
    bool ok = s.Place("Textures/Panely/UPpanel.bmp", 0, 0, 1, false);
    GameLabel(cr, "300", 736, 10, 24, 0x00FF00);
    const int top = 48;
    ok &= s.Place("Textures/Panely/PanelPrestavka.bmp", 0, top, 1, false);
    const char* titles[3] = {"Buy new tram", "Select tram", "Select line"};
    const std::string previews[3] = {"Textures/Nahledy/Tramvaje/0.bmp", "Textures/Nahledy/Tramvaje/1.bmp",
                                     "Textures/Nahledy/Linky/2.bmp"};
    for (int c = 0; c < 3; ++c) {
        const int x = kColumnLeft[c];
        GameLabel(cr, titles[c], x + kPad, top + kTitleTop, 24, 0xFFC800);
        ok &= s.Place(previews[c], x + kPad, top + kPreviewTop, 1, false);
        FillRect(cr, x + kPad, top + kMemoTop, kMemoWidth, kMemoHeight, 0x000000);
        GameLabel(cr, "Tram 2: articulated,", x + kPad + 2, top + kMemoTop + 2, 15, 0xFFFFFF);
        if (c > 0) {
            GameLabel(cr, c == 1 ? "2" : "2", x + kBesideLeft + kBesideWidth / 2 - 14, top + kPreviewTop + 10, 48,
                      0xFFFF00);
            const std::string prev = c == 1 ? "btnTramvajPrevious" : "btnLinkaPrevious";
            const std::string next = c == 1 ? "btnTramvajNext" : "btnLinkaNext";
            ok &= s.Place("Textures/Form/" + prev + ".bmp", x + kBesideLeft + 2, top + kArrowTop + 2, 1, false);
            ok &= s.Place("Textures/Form/" + next + ".bmp", x + kBesideLeft + kArrowWidth + kArrowGap + 2,
                          top + kArrowTop + 2, 1, false);
        }
    }
    GameLabel(cr, "Cost:", kColumnLeft[0] + kBesideLeft, top + kPreviewTop + 8, 20, 0xC0C0C0);
    GameLabel(cr, "300", kColumnLeft[0] + kBesideLeft, top + kPreviewTop + 40, 36, 0x00FF00);
    ok &= s.Place("Textures/Form/btnKoupitNovouTramvaj.bmp", kColumnLeft[0] + kPad + 2, top + kBuyTop + 2, 1, false);
    ok &= s.Place("Textures/Form/btnNovyKurs.bmp", kStartLeft + 2, top + kStartTop + 2, 1, false);
    const char* captions[2][2] = {{"Newly transported:", "Time:"}, {"Total transported:", "Total time:"}};
    for (int r = 0; r < 2; ++r) {
        GameLabel(cr, captions[r][0], kCareerCaptionLeft[0], top + kCareerRowTop[r] + 2, 18, 0xC0C0C0);
        GameLabel(cr, r ? "1234" : "56", kCareerValueLeft[0], top + kCareerRowTop[r], 22, 0xFFFFFF);
        GameLabel(cr, captions[r][1], kCareerCaptionLeft[1], top + kCareerRowTop[r] + 2, 18, 0xC0C0C0);
        GameLabel(cr, r ? "01:02:05" : "00:04:31", kCareerValueLeft[1], top + kCareerRowTop[r], 22, 0xFFFFFF);
    }
    return s.Save(out) && ok;
}

}  // namespace

bool BmpToPng(const std::string& bmpPath, const std::string& pngPath, int scale, int x, int y, int w, int h) {
    Raster r;
    if (!ReadBmp(bmpPath, r)) return false;
    if (w <= 0 || h <= 0) {
        x = y = 0;
        w = r.width;
        h = r.height;
    }
    Surface s(w * scale, h * scale);
    Put(s.cr(), r, -x * scale, -y * scale, scale, true);
    return cairo_surface_write_to_png(cairo_get_target(s.cr()), pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool WriteContactSheets(const std::string& game, const std::string& outDir) {
    std::filesystem::create_directories(outDir);
    const std::string T = "Textures/";
    bool ok = true;

    {  // Landscapes and roads, two tiles joined as the game joins them.
        const int column = scene::kLandscapeWidth / 4 + 10;
        Sheet s(game, 20 + 4 * column, 1950);
        int i = 0;
        const int tiles[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                             22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 500, 501, 502, 503, 504};
        for (int n : tiles) {
            const double x = 10 + (i % 4) * column, y = 10 + (i / 4) * 175;
            ok &= s.Place(T + "Maps/Map" + N(n) + ".bmp", x, y, 0.25);
            ok &= s.Place(T + "Silnice/Silnice" + N(n) + ".bmp", x, y + 75, 0.3);
            s.Label(N(n), x, y + 150);
            ++i;
        }
        ok &= s.Save(outDir + "/landscapes.png");
    }
    {  // People: every class, facing, frame and pose.
        Sheet s(game, 1500, 1100);
        for (int c = 0; c < 4; ++c) {
            for (int v = 0; v < 4; ++v)
                for (int w = 0; w < 4; ++w)
                    ok &= s.Place(T + "LidePohyb1/" + N(c) + "/" + N(v) + N(w) + ".bmp", 10 + (v * 4 + w) * 34,
                                  10 + c * 130, 2);
            for (int a = 0; a < 4; ++a)
                for (int b = 0; b < 4; ++b)
                    for (int z = 0; z < 6; ++z)
                        ok &= s.Place(T + "LideStatic/" + N(c) + "/" + N(a) + N(b) + N(z) + ".bmp",
                                      570 + (b * 6 + z) * 19, 10 + c * 130 + a * 30, 0.5);
        }
        for (int v = 0; v < 4; ++v)
            for (int w = 0; w < 4; ++w)
                ok &= s.Place(T + "LidePohyb2/" + N(v) + N(w) + ".bmp", 10 + (v * 4 + w) * 34, 540, 2);
        s.Label("walking (classes 0..3), alighting; standing poses at half size", 10, 680);
        ok &= s.Save(outDir + "/people.png");
    }
    {  // Cars in both directions.
        Sheet s(game, 1900, 760);
        for (int u = 0; u < 10; ++u)
            for (int v = 0; v < 4; ++v) {
                ok &= s.Place(T + "Doprava/AutaDoprava/" + N(u) + N(v) + ".bmp", 10 + v * 230, 10 + u * 74, 1);
                ok &= s.Place(T + "Doprava/AutaDoleva/" + N(u) + N(v) + ".bmp", 950 + v * 230, 10 + u * 74, 1);
            }
        ok &= s.Save(outDir + "/cars.png");
    }
    {  // Trams: body, interior, doors, wheels, displays, previews.
        Sheet s(game, 2100, 1700);
        for (int m = 0; m < 7; ++m) {
            const double y = 10 + m * 220;
            ok &= s.Place(T + "Vozy/TKaroserie" + N(m) + ".bmp", 10, y, 1);
            ok &= s.Place(T + "Vozy/TInterier" + N(m) + ".bmp", 1040, y, 1);
            for (int f = 0; f <= 10; ++f) ok &= s.Place(T + "Dvere/" + N(m) + N(f) + ".bmp", 1040 + f * 50, y + 100, 1);
            for (int f = 0; f < 4; ++f) ok &= s.Place(T + "Kola/" + N(m) + N(f) + ".bmp", 1600 + f * 95, y + 100, 1);
        }
        for (int n = -1; n <= 6; ++n) ok &= s.Place(T + "Nahledy/Tramvaje/" + N(n) + ".bmp", 10 + (n + 1) * 125, 1560, 1);
        for (int n = 0; n <= 10; ++n) ok &= s.Place(T + "Displeje/Displej" + N(n) + ".bmp", 1040 + n * 35, 1560, 1);
        ok &= s.Save(outDir + "/trams.png");
    }
    {  // Stops, lights, signs, schemes, line previews, form artwork.
        Sheet s(game, 2000, 1500);
        for (int n = 0; n <= 6; ++n) ok &= s.Place(T + "Stanice/Stanice" + N(n) + ".bmp", 10, 10 + n * 34, 0.8);
        const int boards[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 14, 17, 18, 19, 20,
                              21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 40, 41};
        int i = 0;
        for (int n : boards) {
            ok &= s.Place(T + "Stanice2/Stanice" + N(n) + ".bmp", 10 + (i % 12) * 160, 260 + (i / 12) * 130, 1);
            ++i;
        }
        for (int n = 0; n < 3; ++n) {
            ok &= s.Place(T + "Semafory/Semafor" + N(n) + ".bmp", 1000 + n * 60, 10, 1);
            ok &= s.Place(T + "Semafory/MalySemafor" + N(n) + ".bmp", 1200 + n * 50, 10, 1);
        }
        const int signs[] = {30, 45, 60};
        for (int n = 0; n < 3; ++n) ok &= s.Place(T + "Znacky/Znacka" + N(signs[n]) + ".bmp", 1370 + n * 45, 10, 1);
        for (int n = 0; n <= 10; ++n) ok &= s.Place(T + "Schemata/Schema" + N(n) + ".bmp", 10 + (n % 4) * 320, 660 + (n / 4) * 125, 0.5);
        for (int n = 0; n <= 10; ++n) ok &= s.Place(T + "Nahledy/Linky/" + N(n) + ".bmp", 1300 + (n % 5) * 125, 660 + (n / 5) * 125, 1);
        const char* form[] = {"imgSemafor", "imgVystraha", "imgDisplej1", "Kolemjdouci", "imgSloup1",
                              "imgPrechodProChodce", "Image1"};
        double x = 10;
        for (const char* f : form) {
            ok &= s.Place(T + "Form/" + f + ".bmp", x, 1060, 1);
            x += 90;
        }
        const char* glyphs[] = {"BitBtn1", "btnUpozorneniAno", "btnUpozorneniNe", "btnNovyKurs",
                                "btnKoupitNovouTramvaj", "btnTutorial", "btnLinkaPrevious", "btnLinkaNext"};
        for (int g = 0; g < 8; ++g) ok &= s.Place(T + "Form/" + glyphs[g] + ".bmp", 700 + (g / 4) * 420, 1060 + (g % 4) * 95, 1);
        ok &= s.Save(outDir + "/street.png");
    }
    {  // Screens and panels at half size.
        Sheet s(game, 1600, 1200);
        ok &= s.Place(T + "MainMenu/Logo.bmp", 10, 10, 0.5);
        ok &= s.Place(T + "MainMenu/Intro.bmp", 530, 10, 0.5);
        ok &= s.Place(T + "MainMenu/MainMenu.bmp", 1050 - 0, 10, 0.5);
        ok &= s.Place(T + "MainMenu/Loading.bmp", 10, 410, 1);
        ok &= s.Place(T + "Panely/UPpanel.bmp", 10, 440, 1);
        ok &= s.Place(T + "Panely/DOWNpanel.bmp", 10, 500, 1);
        ok &= s.Place(T + "Panely/Upozorneni.bmp", 430, 500, 1);
        ok &= s.Place(T + "Panely/PanelPrestavka.bmp", 10, 740, 0.8);
        ok &= s.Save(outDir + "/screens.png");
    }
    ok &= Menu(game, outDir + "/menu.png");
    ok &= Depot(game, outDir + "/depot.png");
    ok &= Scene(game, outDir + "/scene-tram1.png", 0, 2);
    ok &= Scene(game, outDir + "/scene-tram2.png", 1, 9);
    ok &= Scene(game, outDir + "/scene-tram5.png", 4, 500);
    return ok;
}

}  // namespace assets
