// Decoded bitmaps and the picture holder of images and bit buttons.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/types.h"

// A decoded picture: 32-bit 0x00RRGGBB pixels, top row first. The
// transparent colour is the colour of the bottom-left pixel.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t transparentColor = 0;  // bottom-left pixel
    std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    // Runs of pixels that differ from the transparent colour, row by row,
    // so transparent drawing copies runs: row y owns
    // spans[rowStart[y] .. rowStart[y + 1]).
    struct Span {
        int x0 = 0, x1 = 0;  // half-open
    };
    std::vector<Span> spans;
    std::vector<std::uint32_t> rowStart;
    // The longest run of rows [solidTop, solidBottom) without a
    // transparent pixel: drawn transparent, they still cover everything
    // beneath them.
    int solidTop = 0, solidBottom = 0;
    // A number no other prepared bitmap of this process has: a picture
    // swapped for another one is told apart even when the new bitmap
    // reuses the memory of one freed earlier.
    std::uint64_t serial = 0;
    // Fills transparentColor, spans, rowStart and serial from the pixels.
    void Prepare();
};

// Reads a Windows BMP file (uncompressed 1/4/8/16/24/32-bit and RLE).
// Throws EFOpenError(path) when the file cannot be opened or is not a
// valid bitmap. Never allocates more than a sane maximum for hostile
// headers. Decoded bitmaps are cached by path ("//" == "/"); a cached
// entry is used only while the file's size and modification time are
// unchanged, so a file that went missing is still reported.
std::shared_ptr<const Bitmap> LoadBitmapFile(const AnsiString& path);

// Drops every cached bitmap (tests that rewrite files in place).
void ClearBitmapCache();

// One load attempt, for tests that check the order of loads.
struct LoadRecord {
    AnsiString widget;
    AnsiString path;
    bool ok = false;
};
// When enabled, every TPicture/TStrings LoadFromFile appends a record.
void EnableLoadLog(bool on);
// Appends a record when the log is on (called by the loaders).
void RecordLoad(const class TControl* owner, const AnsiString& path, bool ok);
const std::vector<LoadRecord>& LoadLog();
void ClearLoadLog();

class TControl;

// The picture of an image or the glyph of a bit button.
class TPicture {
public:
    explicit TPicture(TControl* owner) : owner_(owner) {}
    // Replaces the picture with the bitmap in `path`. On failure throws
    // EFOpenError and keeps the previous picture.
    void LoadFromFile(const AnsiString& path);
    // Gives the picture without going through the error path (design-time
    // artwork the form carries); returns false if it could not be loaded.
    bool LoadDesignTime(const AnsiString& path);

    const Bitmap* Graphic() const { return bitmap_.get(); }
    bool Empty() const { return !bitmap_; }
    int Width() const { return bitmap_ ? bitmap_->width : 0; }
    int Height() const { return bitmap_ ? bitmap_->height : 0; }
    // The path as given to the last successful load ("" when none).
    const AnsiString& FileName() const { return fileName_; }

private:
    TControl* owner_;
    std::shared_ptr<const Bitmap> bitmap_;
    AnsiString fileName_;
};
