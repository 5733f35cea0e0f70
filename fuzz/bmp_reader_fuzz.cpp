// Any bytes on disk where the game expects a picture: LoadBitmapFile either
// refuses them with "Cannot open file" or gives a bitmap whose size, pixels
// and transparency runs agree, and drawing it anywhere stays on the canvas.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "platform/blit.h"
#include "platform/bmp_decoder.h"
#include "platform/picture.h"

namespace {

void CheckBitmap(const Bitmap& b) {
    FUZZ_CHECK(b.width > 0 && b.height > 0);
    FUZZ_CHECK(b.width <= kMaxBitmapSide && b.height <= kMaxBitmapSide);
    FUZZ_CHECK(static_cast<std::int64_t>(b.width) * b.height <= kMaxBitmapPixels);
    FUZZ_CHECK(b.pixels.size() == static_cast<std::size_t>(b.width) * b.height);
    FUZZ_CHECK(b.rowStart.size() == static_cast<std::size_t>(b.height) + 1);
    FUZZ_CHECK(b.rowStart.back() == b.spans.size());
    for (int y = 0; y < b.height; ++y) {
        FUZZ_CHECK(b.rowStart[y] <= b.rowStart[y + 1]);
        int lastEnd = 0;
        for (std::uint32_t i = b.rowStart[y]; i < b.rowStart[y + 1]; ++i) {
            const auto& span = b.spans[i];
            FUZZ_CHECK(span.x0 >= lastEnd && span.x0 < span.x1 && span.x1 <= b.width);
            lastEnd = span.x1;
        }
    }
    for (std::uint32_t p : b.pixels) FUZZ_CHECK((p >> 24) == 0);
}

// Draws the picture half off the top-left corner of a small canvas, with
// and without transparency.
void Draw(const Bitmap& b) {
    FrameBuffer fb;
    fb.width = 64;
    fb.height = 48;
    fb.pixels.assign(64 * 48, 0);
    Canvas canvas{&fb, ClipRect{0, 0, 64, 48}};
    BlitBitmap(canvas, b, -b.width / 2, -b.height / 2, b.width, b.height, true);
    BlitBitmap(canvas, b, 60, 40, b.width, b.height, false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::ScratchDir() + "/Picture.bmp";
    fuzz::WriteFileBytes(path, data, size);
    ClearBitmapCache();
    std::shared_ptr<const Bitmap> first;
    try {
        first = LoadBitmapFile(path);
    } catch (const EFOpenError& e) {
        FUZZ_CHECK(e.Path == path);
        return 0;
    }
    FUZZ_CHECK(first != nullptr);
    CheckBitmap(*first);
    Draw(*first);
    // The unchanged file comes from the cache, under either spelling.
    FUZZ_CHECK(LoadBitmapFile(fuzz::ScratchDir() + "//Picture.bmp") == first);
    return 0;
}
