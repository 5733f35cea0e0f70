// TLabel: one line of code page 1250 text, sized to its text at once.
#include "platform/label.h"

#include "platform/canvas.h"
#include "platform/describe.h"
#include "platform/paint_key.h"
#include "platform/text_raster.h"

TLabel::TLabel(TWinControl* parent, const AnsiString& name) : TControl(parent, name) {
    // A label is transparent and bold unless declared otherwise.
    font_.Bold = true;
    Resize();
}

void TLabel::SetCaption(const AnsiString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Resize();
}

void TLabel::SetFont(const TFont& font) {
    font_ = font;
    Resize();
}

void TLabel::SetFontColor(TColor color) { font_.Color = color; }

void TLabel::Resize() {
    if (!AutoSize) return;
    TextExtent e = MeasureText(font_, caption_);
    // Grows to the right and down; Left and Top stay.
    Width = e.Width;
    Height = e.Height;
    if (Parent) Parent->ChildResized(this);
}

void TLabel::Paint(Canvas& canvas, int x, int y) const {
    if (!Transparent) canvas.FillRect(x, y, Width, Height, (ParentColor && Parent) ? Parent->Color : Color);
    DrawText(canvas, font_, caption_, x, y);
}

AnsiString TLabel::Describe() const {
    AnsiString d = "caption=" + Quoted(caption_) + " " + DescribeFont(font_);
    if (!Transparent) d += " background=" + HexColor((ParentColor && Parent) ? Parent->Color : Color);
    return d;
}

void TLabel::AddPaintState(PaintKey& key) const {
    key.Add(caption_).Add(font_).Add(Transparent);
    if (!Transparent) key.Add((ParentColor && Parent) ? Parent->Color : Color);
}
