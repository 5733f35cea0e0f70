// Software rendering of the widget tree into a 32-bit pixel buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/types.h"

class TForm;
class TControl;

// The playing area: 1024 x 768, 0x00RRGGBB pixels, top row first.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

struct FrameBuffer {
    int width = kScreenWidth;
    int height = kScreenHeight;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kScreenWidth * kScreenHeight, 0);
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct ClipRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // half-open
};

// Pixels to paint into: rows of 0x00RRGGBB words, `stride` words apart
// (a frame buffer, or the window's own pixels).
struct PixelRows {
    std::uint32_t* base = nullptr;
    int stride = 0;
    std::uint32_t* Row(int y) const { return base + static_cast<std::ptrdiff_t>(y) * stride; }
};

// What a control paints into.
struct Canvas {
    Canvas(FrameBuffer* fb, const ClipRect& clip) : rows{fb->pixels.data(), fb->width}, clip(clip) {}
    Canvas(const PixelRows& rows, const ClipRect& clip) : rows(rows), clip(clip) {}
    PixelRows rows;
    ClipRect clip;
    void FillRect(int x, int y, int w, int h, TColor color);
    void PutPixel(int x, int y, std::uint32_t rgb);
};

// 0x00BBGGRR -> 0x00RRGGBB
inline std::uint32_t ColorToRgb(TColor c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Paints the form and everything showing on it, then the application's
// error report on top, into `fb`.
void RenderForm(const TForm& form, FrameBuffer& fb);
// The same inside `area` only: the pixels there come out as RenderForm
// paints them, the rest of `fb` stays as it is.
void RenderArea(const TForm& form, FrameBuffer& fb, const ClipRect& area);
// The same into playing-area-sized rows of pixels.
void RenderArea(const TForm& form, const PixelRows& target, const ClipRect& area);

// Writes the buffer as a PNG file. Returns false on failure.
bool WritePng(const FrameBuffer& fb, const AnsiString& path);
// Reads a PNG file into a buffer of the file's size (golden images).
bool ReadPng(const AnsiString& path, FrameBuffer* fb);

// The showing widgets in paint order, one line each: name, kind, screen
// bounds and the kind's state (picture, caption, colours).
AnsiString DumpScene(const TForm& form);
