// Text drawing for the widgets: fonts resolved through fontconfig and
// rasterised by SDL_ttf into 8-bit coverage masks (internal to platform/).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/font.h"

struct Canvas;

// Coverage of one line of text, 0..255 per pixel, top row first.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> alpha;
};

// The rasterised text (cached; an empty text gives an empty mask).
std::shared_ptr<const TextMask> RenderTextMask(const TFont& font, const AnsiString& text);

// Draws `mask` with its top-left corner at x, y in `color`.
void DrawTextMask(Canvas& canvas, const TextMask& mask, int x, int y, TColor color);

// Shorthand: rasterise and draw one line.
void DrawText(Canvas& canvas, const TFont& font, const AnsiString& text, int x, int y);

// The font file a font description resolves to ("" when none at all).
std::string ResolvedFontFile(const TFont& font);

// Test hook: the folders searched when fontconfig's own setup offers no
// font (before the first text is measured or drawn).
void SetFallbackFontFolders(const std::vector<std::string>& folders);
