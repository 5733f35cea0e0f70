// Drawing primitives of the software renderer (internal to platform/).
#pragma once

#include "platform/canvas.h"
#include "platform/picture.h"

// Draws the top-left w x h part of `bitmap` at x, y, unscaled, clipped to
// the canvas. Transparent: pixels of the bitmap's transparent colour are
// skipped.
void BlitBitmap(Canvas& canvas, const Bitmap& bitmap, int x, int y, int w, int h, bool transparent);

// A 1-pixel frame: light on the top and left, dark on the bottom and right.
void DrawBevel(Canvas& canvas, int x, int y, int w, int h, TColor light, TColor dark);
void FrameRect(Canvas& canvas, int x, int y, int w, int h, TColor color);

// Intersection of two clip rectangles.
ClipRect Intersect(const ClipRect& a, const ClipRect& b);
inline bool Empty(const ClipRect& r) { return r.x0 >= r.x1 || r.y0 >= r.y1; }
