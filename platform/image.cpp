// TImage: auto-size, transparency by the bottom-left pixel, fixed size
// showing the top-left part of the bitmap.
#include "platform/image.h"

#include <algorithm>

#include "platform/blit.h"
#include "platform/describe.h"
#include "platform/paint_key.h"

TImage::TImage(TWinControl* parent, const AnsiString& name)
    : TControl(parent, name), Picture(std::make_unique<TPicture>(this)) {
    Width = 105;
    Height = 105;
}

void TImage::PictureChanged() {
    // The game reads Width in the statement after the load.
    if (AutoSize && !Picture->Empty()) {
        Width = Picture->Width();
        Height = Picture->Height();
    }
}

void TImage::Paint(Canvas& canvas, int x, int y) const {
    if (const Bitmap* b = Picture->Graphic()) BlitBitmap(canvas, *b, x, y, Width, Height, Transparent);
}

ClipRect TImage::SolidRect(int x, int y) const {
    const Bitmap* b = Picture->Graphic();
    if (!b) return {};
    const int w = std::min(Width, b->width), h = std::min(Height, b->height);
    if (!Transparent) return {x, y, x + w, y + h};
    return {x, y + b->solidTop, x + w, y + std::min(h, b->solidBottom)};
}

AnsiString TImage::Describe() const {
    AnsiString d = Picture->Empty() ? AnsiString("picture=none")
                                    : "picture=" + Quoted(Picture->FileName()) + " " + std::to_string(Picture->Width()) +
                                          "x" + std::to_string(Picture->Height());
    d += Transparent ? " transparent" : " opaque";
    if (!AutoSize) d += " fixed";
    return d;
}

void TImage::AddPaintState(PaintKey& key) const {
    const Bitmap* b = Picture->Graphic();
    key.Add(b).Add(b ? b->serial : 1).Add(Transparent);
}
