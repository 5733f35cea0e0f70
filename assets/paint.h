// Small drawing helpers over cairo shared by every picture family.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "assets/raster.h"

namespace assets {

// A cairo image surface with its context. Starts fully transparent.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }
    Raster Sprite() const { return FromSprite(surface_); }
    Raster Opaque() const { return FromOpaque(surface_); }

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Colours are 0xRRGGBB.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t);
std::uint32_t Shade(std::uint32_t rgb, double factor);  // < 1 darker, > 1 lighter

void SetColor(cairo_t* cr, std::uint32_t rgb, double alpha = 1.0);
void FillRect(cairo_t* cr, double x, double y, double w, double h, std::uint32_t rgb, double alpha = 1.0);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, std::uint32_t rgb);
void FillCircle(cairo_t* cr, double cx, double cy, double r, std::uint32_t rgb, double alpha = 1.0);
void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, std::uint32_t rgb, double alpha = 1.0);
void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, std::uint32_t rgb,
          double alpha = 1.0);
// A vertical gradient from `top` to `bottom` over the rectangle.
void GradientRect(cairo_t* cr, double x, double y, double w, double h, std::uint32_t top, std::uint32_t bottom);
// The same clipped to a rounded rectangle.
void GradientRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, std::uint32_t top,
                       std::uint32_t bottom);
// Fills the current path with a vertical gradient over [y0, y1] and clears it.
void FillPathGradient(cairo_t* cr, double y0, double y1, std::uint32_t top, std::uint32_t bottom);

enum class Font { Sans, SansBold, Condensed, CondensedBold, Serif };
enum class Align { Left, Centre, Right };

double TextWidth(cairo_t* cr, const std::string& text, double size, Font font);
// Draws `text` with its baseline at y; x is the left, centre or right end.
void DrawText(cairo_t* cr, const std::string& text, double x, double y, double size, Font font,
              std::uint32_t rgb, Align align = Align::Left);
// Text with a dark outline under it, for captions over pictures.
void DrawOutlinedText(cairo_t* cr, const std::string& text, double x, double y, double size, Font font,
                      std::uint32_t fill, std::uint32_t outline, double outlineWidth, Align align);
// The largest size up to `size` at which `text` fits `maxWidth`.
double FitText(cairo_t* cr, const std::string& text, double size, Font font, double maxWidth);

}  // namespace assets
