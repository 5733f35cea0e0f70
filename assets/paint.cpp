#include "assets/paint.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

double Channel(std::uint32_t rgb, int shift) { return static_cast<double>((rgb >> shift) & 0xFF) / 255.0; }

std::uint32_t Pack(double r, double g, double b) {
    auto c = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return (c(r) << 16) | (c(g) << 8) | c(b);
}

void SelectFont(cairo_t* cr, Font font, double size) {
    const char* family = "DejaVu Sans";
    cairo_font_weight_t weight = CAIRO_FONT_WEIGHT_NORMAL;
    switch (font) {
        case Font::Sans: break;
        case Font::SansBold: weight = CAIRO_FONT_WEIGHT_BOLD; break;
        case Font::Condensed: family = "DejaVu Sans Condensed"; break;
        case Font::CondensedBold:
            family = "DejaVu Sans Condensed";
            weight = CAIRO_FONT_WEIGHT_BOLD;
            break;
        case Font::Serif:
            family = "DejaVu Serif";
            weight = CAIRO_FONT_WEIGHT_BOLD;
            break;
    }
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cr, size);
}

double AlignedX(cairo_t* cr, const std::string& text, double x, Align align) {
    if (align == Align::Left) return x;
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return align == Align::Centre ? x - ext.x_advance / 2.0 : x - ext.x_advance;
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    // Fixed font rendering, whatever the machine's font configuration says.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
}

Surface::~Surface() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    auto m = [&](int shift) { return Channel(a, shift) * (1.0 - t) + Channel(b, shift) * t; };
    return Pack(m(16), m(8), m(0));
}

std::uint32_t Shade(std::uint32_t rgb, double factor) {
    if (factor <= 1.0) return Mix(0x000000, rgb, factor);
    return Mix(rgb, 0xFFFFFF, std::min(1.0, factor - 1.0));
}

void SetColor(cairo_t* cr, std::uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, Channel(rgb, 16), Channel(rgb, 8), Channel(rgb, 0), alpha);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, std::uint32_t rgb, double alpha) {
    SetColor(cr, rgb, alpha);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2.0, h / 2.0});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, std::uint32_t rgb) {
    RoundRectPath(cr, x, y, w, h, r);
    SetColor(cr, rgb);
    cairo_fill(cr);
}

void FillCircle(cairo_t* cr, double cx, double cy, double r, std::uint32_t rgb, double alpha) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColor(cr, rgb, alpha);
    cairo_fill(cr);
}

void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, std::uint32_t rgb, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, rgb, alpha);
    cairo_fill(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, std::uint32_t rgb, double alpha) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    SetColor(cr, rgb, alpha);
    cairo_stroke(cr);
}

void FillPathGradient(cairo_t* cr, double y0, double y1, std::uint32_t top, std::uint32_t bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, Channel(top, 16), Channel(top, 8), Channel(top, 0));
    cairo_pattern_add_color_stop_rgb(p, 1, Channel(bottom, 16), Channel(bottom, 8), Channel(bottom, 0));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void GradientRect(cairo_t* cr, double x, double y, double w, double h, std::uint32_t top, std::uint32_t bottom) {
    cairo_rectangle(cr, x, y, w, h);
    FillPathGradient(cr, y, y + h, top, bottom);
}

void GradientRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, std::uint32_t top,
                       std::uint32_t bottom) {
    RoundRectPath(cr, x, y, w, h, r);
    FillPathGradient(cr, y, y + h, top, bottom);
}

double TextWidth(cairo_t* cr, const std::string& text, double size, Font font) {
    SelectFont(cr, font, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, Font font, std::uint32_t rgb,
              Align align) {
    SelectFont(cr, font, size);
    cairo_move_to(cr, AlignedX(cr, text, x, align), y);
    SetColor(cr, rgb);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

void DrawOutlinedText(cairo_t* cr, const std::string& text, double x, double y, double size, Font font,
                      std::uint32_t fill, std::uint32_t outline, double outlineWidth, Align align) {
    SelectFont(cr, font, size);
    cairo_move_to(cr, AlignedX(cr, text, x, align), y);
    cairo_text_path(cr, text.c_str());
    SetColor(cr, outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColor(cr, fill);
    cairo_fill(cr);
}

double FitText(cairo_t* cr, const std::string& text, double size, Font font, double maxWidth) {
    while (size > 4 && TextWidth(cr, text, size, font) > maxWidth) size -= 0.5;
    return size;
}

}  // namespace assets
