// TShape: a filled geometric shape.
#pragma once

#include "platform/control.h"

enum TShapeType { stRectangle, stCircle };

class TShape : public TControl {
public:
    TShape(TWinControl* parent, const AnsiString& name);

    TShapeType Shape = stRectangle;
    TColor BrushColor = clWhite;
    TColor PenColor = clBlack;

    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TShape"; }
};
