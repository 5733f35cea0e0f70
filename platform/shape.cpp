// TShape: a rectangle or a circle with a 1-pixel pen.
#include "platform/shape.h"

#include <algorithm>

#include "platform/blit.h"
#include "platform/describe.h"
#include "platform/paint_key.h"

TShape::TShape(TWinControl* parent, const AnsiString& name) : TControl(parent, name) {
    Width = 65;
    Height = 65;
}

void TShape::Paint(Canvas& canvas, int x, int y) const {
    if (Shape == stRectangle) {
        canvas.FillRect(x, y, Width, Height, BrushColor);
        FrameRect(canvas, x, y, Width, Height, PenColor);
        return;
    }
    // Circle: the largest one centred in the rectangle.
    int d = std::min(Width, Height);
    if (d <= 0) return;
    int ox = x + (Width - d) / 2, oy = y + (Height - d) / 2;
    std::uint32_t brush = ColorToRgb(BrushColor), pen = ColorToRgb(PenColor);
    // Work in doubled coordinates so pixel centres are integers.
    long r2 = static_cast<long>(d) * d, inner = static_cast<long>(d - 2) * (d - 2);
    for (int py = 0; py < d; ++py)
        for (int px = 0; px < d; ++px) {
            long dx = 2 * px + 1 - d, dy = 2 * py + 1 - d;
            long dist = dx * dx + dy * dy;
            if (dist > r2) continue;
            canvas.PutPixel(ox + px, oy + py, dist > inner ? pen : brush);
        }
}

AnsiString TShape::Describe() const {
    return AnsiString(Shape == stCircle ? "circle" : "rectangle") + " brush=" + HexColor(BrushColor) +
           " pen=" + HexColor(PenColor);
}

void TShape::AddPaintState(PaintKey& key) const { key.Add(Shape).Add(BrushColor).Add(PenColor); }
