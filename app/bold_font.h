// The bold east-European font most captions of the window are drawn in.
#pragma once

#include "platform/vcl.h"

inline TFont BoldFont(const char* name, int height, TColor color, TFontCharset charset = EASTEUROPE_CHARSET) {
    TFont f;
    f.Name = name;
    f.Height = height;
    f.Bold = true;
    f.Color = color;
    f.Charset = charset;
    return f;
}
