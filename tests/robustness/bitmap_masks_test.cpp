// Colour masks of 32-bit bit-field bitmaps, as the fuzzer found them: a
// channel in the top byte (RGBA byte order) once shifted past 31 bits.
#include <gtest/gtest.h>

#include "platform/bmp_decoder.h"
#include "tests/platform/bmp_writer.h"

namespace {

using bmpfixture::Put32;

// A 2 x 1 bit-field bitmap with the given masks and raw pixel words.
std::vector<std::uint8_t> BitFields32(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t p0,
                                      std::uint32_t p1) {
    auto bytes = bmpfixture::Headers(2, 1, 32, 3, 8, 12);
    Put32(bytes, r);
    Put32(bytes, g);
    Put32(bytes, b);
    Put32(bytes, p0);
    Put32(bytes, p1);
    return bytes;
}

}  // namespace

TEST(BitmapMasks, ChannelsInEveryByteIncludingTheTopOne) {
    const auto bytes = BitFields32(0xFF000000, 0x00FF0000, 0x0000FF00, 0x11223344, 0xFF00FF00);
    std::string error;
    const auto bmp = DecodeBmp(bytes.data(), bytes.size(), &error);
    ASSERT_TRUE(bmp) << error;
    EXPECT_EQ(bmp->At(0, 0), 0x112233u);
    EXPECT_EQ(bmp->At(1, 0), 0xFF00FFu);
}
