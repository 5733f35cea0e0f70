// TCGauge: a pie filling clockwise from 12 o'clock, with "N%" on top.
#include "platform/cgauge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/blit.h"
#include "platform/describe.h"
#include "platform/paint_key.h"
#include "platform/text_raster.h"

TCGauge::TCGauge(TWinControl* parent, const AnsiString& name) : TControl(parent, name) {
    Width = 100;
    Height = 100;
    Font.Color = clWhite;
}

namespace {

// Colours too close in brightness for text of one to read on the other.
bool Similar(std::uint32_t a, std::uint32_t b) {
    auto luma = [](std::uint32_t c) {
        return (299 * ((c >> 16) & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c & 0xFF)) / 1000;
    };
    return std::abs(static_cast<int>(luma(a)) - static_cast<int>(luma(b))) < 64;
}

}  // namespace

void TCGauge::SetProgress(int value) { progress_ = std::clamp(value, 0, 100); }

void TCGauge::Paint(Canvas& canvas, int x, int y) const {
    canvas.FillRect(x, y, Width, Height, Color);
    if (Kind == gkHorizontalBar) {
        canvas.FillRect(x, y, Width, Height, BackColor);
        canvas.FillRect(x, y, Width * progress_ / 100, Height, ForeColor);
    } else if (Width > 2 && Height > 2) {
        std::uint32_t fore = ColorToRgb(ForeColor), back = ColorToRgb(BackColor);
        const double a = Width / 2.0, b = Height / 2.0;
        auto inside = [&](int px, int py) {
            double dx = (px + 0.5 - a) / a, dy = (py + 0.5 - b) / b;
            return dx * dx + dy * dy <= 1.0;
        };
        const double limit = 2 * M_PI * progress_ / 100.0;
        for (int py = 0; py < Height; ++py)
            for (int px = 0; px < Width; ++px) {
                if (!inside(px, py)) continue;
                // The outline: an inside pixel next to an outside one.
                bool edge = !inside(px - 1, py) || !inside(px + 1, py) || !inside(px, py - 1) || !inside(px, py + 1);
                // Angle from 12 o'clock, clockwise.
                double angle = std::atan2(px + 0.5 - a, b - (py + 0.5));
                if (angle < 0) angle += 2 * M_PI;
                bool filled = progress_ > 0 && angle <= limit;
                canvas.PutPixel(x + px, y + py, (edge || filled) ? fore : back);
            }
    }
    AnsiString text = std::to_string(progress_) + "%";
    TextExtent e = MeasureText(Font, text);
    const int tx = x + (Width - e.Width) / 2, ty = y + (Height - e.Height) / 2;
    // Text in the colour of the pie's empty part would vanish there: ring it
    // with the fill colour, so it reads over both parts of the pie.
    if (Kind == gkPie && Similar(ColorToRgb(Font.Color), ColorToRgb(BackColor))) {
        TFont halo = Font;
        halo.Color = ForeColor;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0) DrawText(canvas, halo, text, tx + dx, ty + dy);
    }
    DrawText(canvas, Font, text, tx, ty);
}

AnsiString TCGauge::Describe() const { return "progress=" + std::to_string(progress_); }

void TCGauge::AddPaintState(PaintKey& key) const {
    key.Add(Kind).Add(ForeColor).Add(BackColor).Add(Color).Add(Font).Add(static_cast<std::uint64_t>(progress_));
}
