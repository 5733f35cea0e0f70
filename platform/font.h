// Font description of a widget. Height is the character height in pixels.
#pragma once

#include "platform/types.h"

enum TFontCharset { DEFAULT_CHARSET = 1, EASTEUROPE_CHARSET = 238 };

struct TFont {
    AnsiString Name = "MS Sans Serif";
    int Height = 11;  // character height in pixels
    bool Bold = false;
    TColor Color = clBlack;
    TFontCharset Charset = DEFAULT_CHARSET;
};

// Size in pixels of a single line of text drawn in `font`.
// An empty string measures as one space.
struct TextExtent {
    int Width = 0;
    int Height = 0;
};
TextExtent MeasureText(const TFont& font, const AnsiString& text);
