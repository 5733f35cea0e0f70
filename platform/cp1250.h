// Code page 1250 <-> UTF-8, for drawing captions and writing logs.
#pragma once

#include <string>

#include "platform/types.h"

// Undefined bytes become U+FFFD.
std::string Cp1250ToUtf8(const AnsiString& text);
// Characters outside code page 1250 become '?'.
AnsiString Utf8ToCp1250(const std::string& text);
// Appends one character as UTF-8 (above U+FFFF becomes U+FFFD).
void AppendUtf8(std::string& out, char32_t c);
