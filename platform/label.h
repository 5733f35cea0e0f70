// TLabel: one line of text. By default transparent, bold, and sized to its
// text at once whenever the caption or the font changes (also while
// hidden), growing to the right and down from Left/Top.
#pragma once

#include "platform/control.h"

class TLabel : public TControl {
public:
    TLabel(TWinControl* parent, const AnsiString& name);

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    void SetFontColor(TColor color);

    bool AutoSize = true;
    bool Transparent = true;
    TColor Color = clBtnFace;   // background when not transparent
    bool ParentColor = false;   // background follows the parent's Color

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TLabel"; }

private:
    void Resize();
    AnsiString caption_;
    TFont font_;
};
