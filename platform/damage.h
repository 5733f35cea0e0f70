// Which parts of the screen changed since the last frame, found from the
// widget tree alone. The game writes widget fields directly (Left, Top,
// Visible, pictures, captions), so nothing tells the layer what changed:
// each frame the showing widgets are listed in paint order with their
// clipped screen rectangle and a fingerprint of their paint state
// (AddPaintState), and compared with the list of the frame before. A
// widget that appeared, vanished, moved, resized, changed its look or its
// place in the paint order damages its old and its new rectangle; the
// error report on top counts as one more widget. Only the damaged
// rectangles are painted again and handed to the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

class TForm;

class DamageTracker {
public:
    // The rectangles (playing-area coordinates, within the screen) whose
    // pixels may differ from the last frame `form` was compared for. The
    // first call, and the first after Invalidate, gives the whole screen.
    // They are whole cells of a coarse grid, merged into runs; when most
    // of the screen changed, the whole screen is one rectangle.
    const std::vector<ClipRect>& Update(const TForm& form);
    // The next Update gives the whole screen (the window lost its content).
    void Invalidate() { valid_ = false; }

private:
    struct Entry {
        const void* who = nullptr;
        ClipRect rect;   // what it paints: its rectangle, clipped
        ClipRect whole;  // its rectangle unclipped (a widget wider than the screen moves within the same clip)
        std::uint64_t key = 0;
    };
    void List(const TForm& form, std::vector<Entry>& out) const;
    void Damage(const ClipRect& r);
    void Merge();

    bool valid_ = false;
    std::vector<Entry> last_, now_;
    std::vector<ClipRect> rects_;
    // Scratch of Update, kept to avoid allocations per frame.
    std::vector<int> order_, steady_, tails_, tailAt_, prev_;
    std::vector<bool> keep_;
    std::vector<unsigned char> cells_;
};
