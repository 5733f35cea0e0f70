// TBitBtn: a raised push button with its picture and caption; pressed it
// is drawn sunken, disabled its picture is greyed.
#include "platform/bitbtn.h"

#include <algorithm>
#include <cctype>

#include "platform/application.h"
#include "platform/blit.h"
#include "platform/describe.h"
#include "platform/paint_key.h"
#include "platform/text_raster.h"

TBitBtn::TBitBtn(TWinControl* parent, const AnsiString& name)
    : TWinControl(parent, name), Glyph(std::make_unique<TPicture>(this)) {
    Width = 75;
    Height = 25;
    Color = clBtnFace;
}

char TBitBtn::Accelerator() const {
    for (size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {  // "&&" is a literal ampersand
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(Caption[i + 1])));
    }
    return 0;
}

namespace {

AnsiString VisibleCaption(const AnsiString& caption) {
    AnsiString out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

// Copy of the glyph with every drawn pixel turned grey.
void BlitGreyed(Canvas& canvas, const Bitmap& glyph, int x, int y) {
    for (int gy = 0; gy < glyph.height; ++gy)
        for (int gx = 0; gx < glyph.width; ++gx) {
            std::uint32_t p = glyph.At(gx, gy);
            if (p == glyph.transparentColor) continue;
            std::uint32_t lum = (((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) / 10;
            std::uint32_t g = 96 + lum / 3;
            canvas.PutPixel(x + gx, y + gy, (g << 16) | (g << 8) | g);
        }
}

}  // namespace

void TBitBtn::Paint(Canvas& canvas, int x, int y) const {
    bool down = Application && Application->PressedControl() == this;
    canvas.FillRect(x, y, Width, Height, Color);
    if (down)
        DrawBevel(canvas, x, y, Width, Height, cl3DDkShadow, clWhite);
    else
        DrawBevel(canvas, x, y, Width, Height, clWhite, cl3DDkShadow);
    int shift = down ? 1 : 0;

    AnsiString text = VisibleCaption(Caption);
    TextExtent te = text.empty() ? TextExtent{} : MeasureText(Font, text);
    const Bitmap* glyph = Glyph->Graphic();
    int gw = glyph ? glyph->width : 0, gh = glyph ? glyph->height : 0;
    bool vertical = Layout == blGlyphTop || Layout == blGlyphBottom;
    int spacing = (glyph && !text.empty()) ? 4 : 0;
    int totalW = vertical ? std::max(gw, te.Width) : gw + spacing + te.Width;
    int totalH = vertical ? gh + spacing + te.Height : std::max(gh, te.Height);
    int left = x + (Width - totalW) / 2 + shift, top = y + (Height - totalH) / 2 + shift;

    int gx = left, gy = top + (totalH - gh) / 2, tx = left + gw + spacing, ty = top + (totalH - te.Height) / 2;
    switch (Layout) {
        case blGlyphLeft: break;
        case blGlyphRight: tx = left; gx = left + te.Width + spacing; break;
        case blGlyphTop:
            gx = left + (totalW - gw) / 2, gy = top;
            tx = left + (totalW - te.Width) / 2, ty = top + gh + spacing;
            break;
        case blGlyphBottom:
            tx = left + (totalW - te.Width) / 2, ty = top;
            gx = left + (totalW - gw) / 2, gy = top + te.Height + spacing;
            break;
    }
    Canvas inner{canvas.rows, Intersect(canvas.clip, {x + 2, y + 2, x + Width - 2, y + Height - 2})};
    if (glyph) {
        if (Enabled)
            BlitBitmap(inner, *glyph, gx, gy, gw, gh, true);
        else
            BlitGreyed(inner, *glyph, gx, gy);
    }
    if (!text.empty()) {
        TFont f = Font;
        if (!Enabled) f.Color = clGray;
        DrawText(inner, f, text, tx, ty);
    }
}

AnsiString TBitBtn::Describe() const {
    AnsiString d = "caption=" + Quoted(Caption);
    if (!Glyph->Empty()) d += " glyph=" + Quoted(Glyph->FileName());
    if (!Enabled) d += " disabled";
    return d;
}

void TBitBtn::AddPaintState(PaintKey& key) const {
    const Bitmap* glyph = Glyph->Graphic();
    key.Add(Application && Application->PressedControl() == this).Add(Color).Add(Caption).Add(Font).Add(Layout);
    key.Add(glyph).Add(glyph ? glyph->serial : 1).Add(Enabled);
}
