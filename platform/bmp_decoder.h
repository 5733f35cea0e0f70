// Windows BMP decoding from memory (internal to platform/; LoadBitmapFile
// in picture.h is the public entry).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/picture.h"

// Largest picture accepted: hostile headers must not make us allocate
// without bound.
constexpr int kMaxBitmapSide = 16384;
constexpr std::int64_t kMaxBitmapPixels = 16 * 1024 * 1024;

// Decodes a whole BMP file image. Returns nullptr and a reason when the
// data is not a bitmap this decoder understands or is cut short.
std::shared_ptr<Bitmap> DecodeBmp(const std::uint8_t* data, std::size_t size, std::string* error);
