// The BMP decoder: the formats it reads, and files made to break it.
#include "platform/bmp_decoder.h"

#include <gtest/gtest.h>


#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/support.h"

namespace {

using namespace bmpfixture;

std::shared_ptr<Bitmap> Decode(const std::vector<std::uint8_t>& bytes, std::string* why = nullptr) {
    return DecodeBmp(bytes.data(), bytes.size(), why);
}

// Palette entries B, G, R, 0.
void PutPalette(std::vector<std::uint8_t>& b, const std::vector<std::uint32_t>& colors) {
    for (std::uint32_t c : colors) Put32(b, c & 0xFFFFFF);
}

TEST(BmpFormats, TwentyFourBitRowsArePaddedAndStoredBottomUpOrTopDown) {
    // Width 3: 9 bytes of pixels, 3 of padding per row.
    std::vector<std::uint32_t> px{0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    for (bool topDown : {false, true}) {
        auto bmp = Decode(Bmp24(3, 2, px, topDown));
        ASSERT_TRUE(bmp);
        EXPECT_EQ(bmp->pixels, px);
        EXPECT_EQ(bmp->transparentColor, 0xAABBCCu);  // bottom-left
    }
}

TEST(BmpFormats, PalettedBitmapsOfOneFourAndEightBits) {
    const std::vector<std::uint32_t> pal{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // 1 bit: 10 pixels, alternating; rows padded to 4 bytes.
    auto one = Headers(10, 1, 1, 0, 4, 8, 2);
    PutPalette(one, {0x000000, 0xFFFFFF});
    for (std::uint8_t v : {0xAA, 0x80, 0x00, 0x00}) one.push_back(v);
    auto b1 = Decode(one);
    ASSERT_TRUE(b1);
    EXPECT_EQ(b1->At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(b1->At(1, 0), 0u);
    EXPECT_EQ(b1->At(8, 0), 0xFFFFFFu);
    // 4 bits: nibbles high first.
    auto four = Headers(3, 1, 4, 0, 4, 16, 4);
    PutPalette(four, pal);
    for (std::uint8_t v : {0x12, 0x30, 0x00, 0x00}) four.push_back(v);
    auto b4 = Decode(four);
    ASSERT_TRUE(b4);
    EXPECT_EQ(b4->pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF}));
    // 8 bits, an index beyond the palette reads as black.
    auto eight = Headers(2, 1, 8, 0, 4, 16, 4);
    PutPalette(eight, pal);
    for (std::uint8_t v : {3, 200, 0, 0}) eight.push_back(v);
    auto b8 = Decode(eight);
    ASSERT_TRUE(b8);
    EXPECT_EQ(b8->pixels, (std::vector<std::uint32_t>{0x0000FF, 0x000000}));
}

TEST(BmpFormats, SixteenAndThirtyTwoBitWithAndWithoutMasks) {
    // 16-bit 5-6-5 through bit fields (masks after a 40-byte header).
    auto b = Headers(2, 1, 16, 3, 4, 12);
    Put32(b, 0xF800);
    Put32(b, 0x07E0);
    Put32(b, 0x001F);
    Put16(b, 0xF800);  // red
    Put16(b, 0x07E0);  // green
    auto b16 = Decode(b);
    ASSERT_TRUE(b16);
    EXPECT_EQ(b16->pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00}));
    // 32-bit plain: B G R X.
    auto c = Headers(1, 1, 32, 0, 4);
    Put32(c, 0xFF123456);
    auto b32 = Decode(c);
    ASSERT_TRUE(b32);
    EXPECT_EQ(b32->At(0, 0), 0x123456u);
    // A hostile mask with gaps and the top bit set stays within its channel.
    auto d = Headers(1, 1, 32, 3, 4, 12);
    Put32(d, 0xF000000F);
    Put32(d, 0x0000FF00);
    Put32(d, 0x00FF0000);
    Put32(d, 0xFFFFFFFF);
    auto odd = Decode(d);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->At(0, 0), 0xFFFFFFu);
}

TEST(BmpFormats, RunLengthEncodedEightBit) {
    // 5 x 2: bottom row "two of 1, an absolute run 2 3 1 (padded)", end of
    // line; top row "five of 2", end of bitmap.
    std::vector<std::uint8_t> rle{2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 5, 2, 0, 1};
    auto b = Headers(5, 2, 8, 1, static_cast<std::uint32_t>(rle.size()), 16, 4);
    PutPalette(b, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF});
    b.insert(b.end(), rle.begin(), rle.end());
    auto bmp = Decode(b);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->pixels, (std::vector<std::uint32_t>{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00,  //
                                                       0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000}));
}

TEST(BmpHostile, BrokenFilesAreRefusedWithAReason) {
    auto good = Solid24(4, 4, 0x123456);
    auto wrongMagic = good;
    wrongMagic[0] = 'P';
    auto huge = Headers(100000, 100000, 24, 0, 0);
    auto tooManyPixels = Headers(16384, 16384, 24, 0, 0);
    auto negativeWidth = Headers(-4, 4, 24, 0, 0);
    auto shortData = good;
    shortData.resize(good.size() - 5);
    auto noPixels = Headers(0, 4, 24, 0, 0);
    auto oddDepth = Headers(4, 4, 7, 0, 64);
    oddDepth.resize(oddDepth.size() + 64);
    auto jpeg = Headers(4, 4, 24, 4, 64);
    jpeg.resize(jpeg.size() + 64);
    auto cutPalette = Headers(4, 4, 8, 0, 16, 1024, 256);
    cutPalette.resize(cutPalette.size() + 20);
    auto cutRle = Headers(4, 2, 8, 1, 2, 8, 2);
    PutPalette(cutRle, {0, 0xFFFFFF});
    for (std::uint8_t v : {0, 3, 1}) cutRle.push_back(v);  // absolute run of 3 with 1 byte left
    auto headerOnly = std::vector<std::uint8_t>(good.begin(), good.begin() + 20);
    const std::vector<std::vector<std::uint8_t>> cases{
        wrongMagic, huge, tooManyPixels, negativeWidth, shortData, noPixels, oddDepth, jpeg, cutPalette, cutRle,
        headerOnly, {}};
    for (size_t i = 0; i < cases.size(); ++i) {
        std::string why;
        EXPECT_EQ(Decode(cases[i], &why), nullptr) << "case " << i;
        EXPECT_FALSE(why.empty()) << "case " << i;
    }
}

TEST(BmpHostile, LoadFromFileTurnsEveryRefusalIntoTheFileError) {
    testsupport::TempDir dir;
    TForm form;
    TImage image(&form, "img");
    const std::string path = dir.path() + "/huge.bmp";
    WriteFile(path, Headers(20000, 20000, 24, 0, 0));
    try {
        image.Picture->LoadFromFile(path);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file " + path);
    }
    EXPECT_TRUE(image.Picture->Empty());
}

}  // namespace
