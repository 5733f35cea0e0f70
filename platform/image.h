// TImage: a picture widget. By default it sizes itself to the bitmap it
// loads and draws it with the bottom-left pixel's colour transparent. A
// fixed-size image draws the top-left part of its bitmap, unscaled.
#pragma once

#include <memory>

#include "platform/control.h"
#include "platform/picture.h"

class TImage : public TControl {
public:
    TImage(TWinControl* parent, const AnsiString& name);

    bool AutoSize = true;
    bool Transparent = true;
    // Picture->LoadFromFile(path), as the game writes it.
    std::unique_ptr<TPicture> Picture;

    // Called by the picture after a successful load.
    void PictureChanged();

    void Paint(Canvas& canvas, int x, int y) const override;
    ClipRect SolidRect(int x, int y) const override;
    void AddPaintState(PaintKey& key) const override;
    AnsiString Describe() const override;
    const char* KindName() const override { return "TImage"; }
};
