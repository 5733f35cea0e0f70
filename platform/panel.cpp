// TPanel: background colour, optional 1-pixel raised bevel, and sizing
// around its children for panels that size themselves to their label.
#include "platform/panel.h"

#include <algorithm>

#include "platform/blit.h"
#include "platform/describe.h"
#include "platform/paint_key.h"

TPanel::TPanel(TWinControl* parent, const AnsiString& name) : TWinControl(parent, name) {
    Width = 185;
    Height = 41;
}

void TPanel::ChildResized(TControl*) {
    if (!AutoSize) return;
    // The bevel's width on the right and bottom, as on the top and left
    // (a label at 1, 1 makes the panel its size plus 2).
    int border = BevelOuter == bvNone ? 0 : 1;
    int right = 0, bottom = 0;
    for (const TControl* c : Children()) {
        right = std::max(right, c->Left + c->Width);
        bottom = std::max(bottom, c->Top + c->Height);
    }
    Width = right + border;
    Height = bottom + border;
}

void TPanel::Paint(Canvas& canvas, int x, int y) const {
    canvas.FillRect(x, y, Width, Height, Color);
    if (BevelOuter == bvRaised) DrawBevel(canvas, x, y, Width, Height, clWhite, clGray);
    if (BevelOuter == bvLowered) DrawBevel(canvas, x, y, Width, Height, clGray, clWhite);
}

AnsiString TPanel::Describe() const {
    return "color=" + HexColor(Color) + (BevelOuter == bvNone ? " bevel=none" : "") + (AutoSize ? " autosize" : "");
}

void TPanel::AddPaintState(PaintKey& key) const { key.Add(Color).Add(BevelOuter); }
