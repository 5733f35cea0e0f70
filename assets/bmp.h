// Windows bitmaps: the game's picture format. We write uncompressed 24-bit
// bottom-up files; the reader understands exactly that form (it serves the
// contact sheet).
#pragma once

#include <string>

#include "assets/raster.h"

namespace assets {

std::string EncodeBmp(const Raster& raster);

// Decodes an uncompressed 24-bit BMP; false when the data is not one.
bool DecodeBmp(const std::string& bytes, Raster& out);

}  // namespace assets
