// TBitBtn: a push button with an optional picture. A caption "&Q" makes
// the key Q click the button while it is enabled (see Application).
#pragma once

#include <memory>

#include "platform/control.h"
#include "platform/picture.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBitBtn : public TWinControl {
public:
    TBitBtn(TWinControl* parent, const AnsiString& name);

    AnsiString Caption;
    TFont Font;
    TButtonLayout Layout = blGlyphLeft;
    std::unique_ptr<TPicture> Glyph;

    // The accelerator character of the caption ("&Q" -> 'q'), or 0.
    char Accelerator() const;

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TBitBtn"; }
};
