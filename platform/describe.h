// Pieces of the one-line widget descriptions of scene dumps (internal).
#pragma once

#include <cstdio>

#include "platform/cp1250.h"
#include "platform/font.h"

inline AnsiString HexColor(TColor c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%06X", c & 0xFFFFFFu);
    return buf;
}

inline AnsiString Quoted(const AnsiString& text) { return "\"" + Cp1250ToUtf8(text) + "\""; }

inline AnsiString DescribeFont(const TFont& f) {
    return "font=" + f.Name + "/" + std::to_string(f.Height) + (f.Bold ? "/bold" : "") + " color=" + HexColor(f.Color);
}
