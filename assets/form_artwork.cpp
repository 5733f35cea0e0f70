// The form's own pictures: copies of the first pictures of the families
// they are replaced by, the poles, the crossing, the stop warning sign and
// the button glyphs (gold capitals on a blue gradient, double arrows).
#include "assets/form_artwork.h"

#include <cmath>
#include <functional>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/street_art.h"
#include "assets/tram_art.h"

namespace assets {

namespace {

constexpr std::uint32_t kGoldTop = 0xFFE68A;
constexpr std::uint32_t kGoldBottom = 0xD8961C;

void GoldFill(cairo_t* cr, double top, double bottom) { FillPathGradient(cr, top, bottom, kGoldTop, kGoldBottom); }

// Blue gradient plate with rounded (key-coloured) corners.
void Plate(cairo_t* cr, int w, int h) {
    const double r = std::min(6.0, h / 3.0);
    GradientRoundRect(cr, 0, 0, w, h, r, 0x3E78D8, 0x0C2766);
    RoundRectPath(cr, 0.5, 0.5, w - 1, h - 1, r);
    cairo_set_line_width(cr, 1);
    SetColor(cr, 0x081A44);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundRectPath(cr, 1.5, 1.5, w - 3, h * 0.45, r - 1);
    SetColor(cr, 0xFFFFFF, 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
}

Raster Glyph(const std::string& caption, int w, int h) {
    Surface s(w, h);
    cairo_t* cr = s.cr();
    Plate(cr, w, h);
    double size = FitText(cr, caption, h * 0.62, Font::SansBold, w - 10);
    const double width = TextWidth(cr, caption, size, Font::SansBold);
    const double baseline = h / 2.0 + size * 0.36;
    DrawText(cr, caption, w / 2.0 - width / 2 + 1, baseline + 1, size, Font::SansBold, 0x061434, Align::Left);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, w / 2.0 - width / 2, baseline);
    cairo_text_path(cr, caption.c_str());
    GoldFill(cr, baseline - size * 0.75, baseline);
    return s.Sprite();
}

Raster Arrows(bool right, int w, int h) {
    Surface s(w, h);
    cairo_t* cr = s.cr();
    Plate(cr, w, h);
    const double ch = h * 0.56, cw = ch * 0.55, cy = h / 2.0;
    for (int k = 0; k < 2; ++k) {
        const double x0 = w / 2.0 - cw + k * cw * 0.9 - cw * 0.1;
        const double tip = right ? x0 + cw : x0, back = right ? x0 : x0 + cw;
        const double thick = cw * 0.45 * (right ? 1 : -1);
        cairo_move_to(cr, back, cy - ch / 2);
        cairo_line_to(cr, tip, cy);
        cairo_line_to(cr, back, cy + ch / 2);
        cairo_line_to(cr, back + thick, cy + ch / 2);
        cairo_line_to(cr, tip + thick, cy);
        cairo_line_to(cr, back + thick, cy - ch / 2);
        cairo_close_path(cr);
        GoldFill(cr, cy - ch / 2, cy + ch / 2);
    }
    return s.Sprite();
}

std::function<Raster()> Drawer(const std::string& name, int w, int h) {
    if (name == "imgSemafor") return [] { return DrawTrafficLight(0); };
    if (name == "imgVystraha") return [] { return DrawSmallTrafficLight(0); };
    if (name == "imgDisplej1" || name == "imgDisplej2") return [] { return DrawDisplay(0); };
    if (name == "Kolemjdouci") return [] { return DrawStandingPerson(0, 3, 0, 1); };
    if (name == "imgSloup1" || name == "imgSloup2") return [] { return DrawPole(); };
    if (name == "imgPrechodProChodce") return [] { return DrawCrossing(); };
    if (name == "Image1") return [] { return DrawStopWarningSign(); };
    if (name == "BitBtn1") return [w, h] { return Glyph("MAIN MENU", w, h); };
    if (name == "btnUpozorneniAno") return [w, h] { return Glyph("YES", w, h); };
    if (name == "btnUpozorneniNe") return [w, h] { return Glyph("NO", w, h); };
    if (name == "btnTutorial") return [w, h] { return Glyph("NEXT", w, h); };
    if (name == "btnNovyKurs") return [w, h] { return Glyph("START NEW ROUTE", w, h); };
    if (name == "btnKoupitNovouTramvaj") return [w, h] { return Glyph("BUY NEW TRAM", w, h); };
    const bool right = name.find("Next") != std::string::npos;
    return [right, w, h] { return Arrows(right, w, h); };
}

}  // namespace

void AddFormArtwork(Catalogue& c) {
    for (const form_artwork::Picture& p : form_artwork::kPictures)
        c.Picture(form_artwork::PathOf(p.name), Drawer(p.name, p.width, p.height));
}

}  // namespace assets
