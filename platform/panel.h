// TPanel: a windowed container with a background colour.
#pragma once

#include "platform/control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    TPanel(TWinControl* parent, const AnsiString& name);

    TBevelCut BevelOuter = bvRaised;
    // Sizes itself around its children whenever a child label resizes.
    bool AutoSize = false;

    void ChildResized(TControl* child) override;
    void Paint(Canvas& canvas, int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TPanel"; }
};
