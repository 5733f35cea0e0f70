// Pictures: transparency, auto-size and fixed size, failures, the cache.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/canvas.h"
#include "platform/headless.h"
#include "platform/vcl.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/support.h"

namespace {

using bmpfixture::Bmp24;
using bmpfixture::Solid24;
using bmpfixture::WriteFile;

constexpr std::uint32_t kRed = 0xFF0000, kMagenta = 0xFF00FF, kBlue = 0x0000FF;

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Color = clGreen;
        image = new TImage(form, "imgTest");
        image->SetBounds(10, 20, 65, 41);
    }
    std::string Path(const std::string& name) const { return dir.path() + "/" + name; }
    std::uint32_t Pixel(int x, int y) { return h.Render().At(x, y); }
    testsupport::TempDir dir;
    Headless h;
    TForm* form = nullptr;
    TImage* image = nullptr;
};

// 3 x 2, bottom-left magenta: the magenta pixels are see-through.
std::vector<std::uint8_t> Sprite(std::uint32_t bottomLeft) {
    return Bmp24(3, 2, {kRed, kMagenta, kBlue,  //
                        bottomLeft, kRed, kMagenta});
}

TEST_F(PictureTest, TheBottomLeftPixelsColourIsTransparent) {
    WriteFile(Path("sprite.bmp"), Sprite(kMagenta));
    image->Picture->LoadFromFile(Path("sprite.bmp"));
    const std::uint32_t green = ColorToRgb(clGreen);
    EXPECT_EQ(Pixel(10, 20), kRed);
    EXPECT_EQ(Pixel(11, 20), green);
    EXPECT_EQ(Pixel(12, 20), kBlue);
    EXPECT_EQ(Pixel(10, 21), green);
    EXPECT_EQ(Pixel(12, 21), green);
    // Another key colour: now blue is see-through and magenta is drawn.
    WriteFile(Path("sprite2.bmp"), Sprite(kBlue));
    image->Picture->LoadFromFile(Path("sprite2.bmp"));
    EXPECT_EQ(Pixel(11, 20), kMagenta);
    EXPECT_EQ(Pixel(12, 20), green);
    image->Transparent = false;
    EXPECT_EQ(Pixel(12, 20), kBlue);
}

TEST_F(PictureTest, AnAutoSizedImageTakesTheBitmapsSizeAtOnceAndKeepsItsPlace) {
    WriteFile(Path("wide.bmp"), Solid24(120, 7, kRed));
    image->Picture->LoadFromFile(Path("wide.bmp"));
    EXPECT_EQ(image->Width, 120);
    EXPECT_EQ(image->Height, 7);
    EXPECT_EQ(image->Left, 10);
    EXPECT_EQ(image->Top, 20);
    EXPECT_EQ(image->Picture->FileName(), Path("wide.bmp"));
}

TEST_F(PictureTest, AFixedSizeImageShowsTheTopLeftPartUnscaled) {
    image->AutoSize = false;
    image->Transparent = false;
    image->SetBounds(10, 20, 4, 4);
    std::vector<std::uint32_t> px(6 * 6, kBlue);
    px[0] = kRed;            // top-left corner
    px[6 * 6 - 1] = kRed;    // bottom-right corner, cut off
    WriteFile(Path("big.bmp"), Bmp24(6, 6, px));
    image->Picture->LoadFromFile(Path("big.bmp"));
    EXPECT_EQ(image->Width, 4);
    EXPECT_EQ(Pixel(10, 20), kRed);
    EXPECT_EQ(Pixel(13, 23), kBlue);
    EXPECT_EQ(Pixel(14, 24), ColorToRgb(clGreen));
    // A bitmap smaller than the widget: the parent shows around it.
    WriteFile(Path("small.bmp"), Solid24(2, 2, kRed));
    image->Picture->LoadFromFile(Path("small.bmp"));
    EXPECT_EQ(Pixel(11, 21), kRed);
    EXPECT_EQ(Pixel(12, 22), ColorToRgb(clGreen));
    image->Width = 0;  // width 0 draws nothing
    EXPECT_EQ(Pixel(10, 20), ColorToRgb(clGreen));
}

TEST_F(PictureTest, AFailedLoadRaisesWithThePathAsGivenAndKeepsPictureAndSize) {
    WriteFile(Path("ok.bmp"), Solid24(5, 6, kRed));
    image->Picture->LoadFromFile(Path("ok.bmp"));
    std::string missing = dir.path() + "//Maps//Map3.bmp";
    try {
        image->Picture->LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file " + missing);
    }
    WriteFile(Path("bad.bmp"), {'B', 'M', 1, 2, 3});
    EXPECT_THROW(image->Picture->LoadFromFile(Path("bad.bmp")), EFOpenError);
    EXPECT_THROW(image->Picture->LoadFromFile(dir.path()), EFOpenError);  // a folder
    EXPECT_THROW(image->Picture->LoadFromFile(""), EFOpenError);
    EXPECT_EQ(image->Picture->FileName(), Path("ok.bmp"));
    EXPECT_EQ(image->Width, 5);
    EXPECT_EQ(image->Height, 6);
}

TEST_F(PictureTest, TheCacheKeepsThePicturesUsedLatelyAndReadsOlderOnesAgain) {
    // Eleven 4 MB pictures, more than the cache holds.
    ClearBitmapCache();
    for (int i = 0; i < 11; ++i) WriteFile(Path("big" + std::to_string(i) + ".bmp"), Solid24(1024, 1024, kRed));
    WriteFile(Path("small.bmp"), Solid24(4, 4, kBlue));
    auto small = LoadBitmapFile(Path("small.bmp"));
    const Bitmap* firstBig = LoadBitmapFile(Path("big0.bmp")).get();
    const std::uint64_t firstSerial = firstBig->serial;
    for (int i = 1; i < 11; ++i) {
        LoadBitmapFile(Path("big" + std::to_string(i) + ".bmp"));
        // Asked for again and again: stays.
        EXPECT_EQ(LoadBitmapFile(Path("small.bmp")), small);
    }
    // Not asked for since: dropped, and read again when asked for.
    auto again = LoadBitmapFile(Path("big0.bmp"));
    EXPECT_NE(again->serial, firstSerial);
    EXPECT_EQ(again->At(0, 0), kRed);
    // A picture a widget shows stays with the widget whatever the cache drops.
    image->Picture->LoadFromFile(Path("big1.bmp"));
    const Bitmap* shown = image->Picture->Graphic();
    for (int i = 2; i < 11; ++i) LoadBitmapFile(Path("big" + std::to_string(i) + ".bmp"));
    EXPECT_EQ(image->Picture->Graphic(), shown);
}

TEST_F(PictureTest, TheCacheNeverHidesAMissingOrChangedFile) {
    WriteFile(Path("a.bmp"), Solid24(4, 4, kRed));
    auto first = LoadBitmapFile(Path("a.bmp"));
    // "//" names the same file: one decoded bitmap.
    EXPECT_EQ(LoadBitmapFile(dir.path() + "//a.bmp"), first);
    // Replaced by another file of the same size: read again.
    WriteFile(Path("b.tmp"), Solid24(4, 4, kBlue));
    ASSERT_EQ(std::rename(Path("b.tmp").c_str(), Path("a.bmp").c_str()), 0);
    EXPECT_EQ(LoadBitmapFile(Path("a.bmp"))->At(0, 0), kBlue);
    // Rewritten in place with another size: read again.
    WriteFile(Path("a.bmp"), Solid24(8, 2, kRed));
    EXPECT_EQ(LoadBitmapFile(Path("a.bmp"))->width, 8);
    // Gone: reported at every attempt.
    ASSERT_EQ(::unlink(Path("a.bmp").c_str()), 0);
    EXPECT_THROW(LoadBitmapFile(Path("a.bmp")), EFOpenError);
    EXPECT_THROW(LoadBitmapFile(dir.path() + "//a.bmp"), EFOpenError);
}

TEST_F(PictureTest, ChildrenAreClippedToTheirParent) {
    auto* panel = new TPanel(form, "pan");
    panel->BevelOuter = bvNone;
    panel->Color = clNavy;
    panel->SetBounds(100, 100, 10, 10);
    auto* inside = new TImage(panel, "imgInside");
    inside->Left = 5;
    inside->Top = 5;
    WriteFile(Path("red.bmp"), Solid24(20, 20, kRed));
    inside->Picture->LoadFromFile(Path("red.bmp"));
    inside->Transparent = false;
    EXPECT_EQ(Pixel(104, 104), ColorToRgb(clNavy));
    EXPECT_EQ(Pixel(109, 109), kRed);
    EXPECT_EQ(Pixel(110, 110), ColorToRgb(clGreen));
}

// Pictures without holes hide what lies beneath them, and that is left
// unpainted; everything they do not cover must still show: a row with a
// see-through pixel, the gap between two pictures, the part of a picture
// its parent clips away, a widget larger than its bitmap, and what lies
// above them.
TEST_F(PictureTest, WhatSolidPicturesLeaveUncoveredStillShows) {
    const std::uint32_t green = ColorToRgb(clGreen), navy = ColorToRgb(clNavy);
    // Each look paints the top-left 300 x 200 (where the pictures lie
    // edge to edge) into a buffer of a colour nothing paints, so a pixel
    // left unpainted shows as that colour.
    auto Pixel = [&](int x, int y) {
        FrameBuffer fb;
        std::fill(fb.pixels.begin(), fb.pixels.end(), 0x123456u);
        RenderArea(*form, fb, {0, 0, 300, 200});
        return fb.At(x, y);
    };
    // A picture without a see-through colour at a fixed place and size,
    // showing `bitmap`.
    auto ShowSolid = [&](TImage* picture, int x, int y, int w, int h, const std::string& file, const auto& bitmap) {
        picture->Transparent = false;
        picture->AutoSize = false;
        picture->SetBounds(x, y, w, h);
        WriteFile(Path(file), bitmap);
        picture->Picture->LoadFromFile(Path(file));
    };
    // Beneath everything: a blue band across the whole form.
    ShowSolid(image, 0, 0, 300, 100, "blue.bmp", Solid24(300, 100, kBlue));
    // Two red pictures side by side, one pixel apart, over rows 10..29.
    WriteFile(Path("street.bmp"), Solid24(150, 20, kRed));
    for (int left : {0, 151}) {
        auto* street = new TImage(form, "imgStreet" + std::to_string(left));
        street->Picture->LoadFromFile(Path("street.bmp"));
        street->Left = left;
        street->Top = 10;
        street->Transparent = false;
    }
    EXPECT_EQ(Pixel(0, 10), kRed);
    EXPECT_EQ(Pixel(299, 29), kRed);
    EXPECT_EQ(Pixel(150, 15), kBlue);  // the gap
    EXPECT_EQ(Pixel(0, 30), kBlue);
    // A transparent picture across them all over rows 70..79: the
    // bottom-left pixel is its key colour, so it has a hole in its last
    // row and nowhere else.
    std::vector<std::uint32_t> px(300 * 10, kRed);
    px[9 * 300] = kMagenta;
    WriteFile(Path("holed.bmp"), Bmp24(300, 10, px));
    auto* holed = new TImage(form, "imgHoled");
    holed->Picture->LoadFromFile(Path("holed.bmp"));
    holed->Top = 70;
    EXPECT_EQ(Pixel(0, 78), kRed);
    EXPECT_EQ(Pixel(0, 79), kBlue);
    EXPECT_EQ(Pixel(1, 79), kRed);

    // A fixed-size widget wider and taller than its solid bitmap covers
    // only the bitmap.
    ShowSolid(new TImage(form, "imgSmall"), 0, 40, 300, 30, "small.bmp", Solid24(200, 10, kRed));
    EXPECT_EQ(Pixel(199, 49), kRed);
    EXPECT_EQ(Pixel(200, 45), kBlue);
    EXPECT_EQ(Pixel(100, 50), kBlue);

    // A solid picture in a panel covers no more than the panel shows.
    auto* panel = new TPanel(form, "pan");
    panel->BevelOuter = bvNone;
    panel->Color = clNavy;
    panel->SetBounds(0, 100, 300, 20);
    ShowSolid(new TImage(panel, "imgInside"), 0, -50, 300, 60, "wide.bmp", Solid24(300, 60, kRed));
    EXPECT_EQ(Pixel(0, 95), kBlue);
    EXPECT_EQ(Pixel(0, 100), kRed);
    EXPECT_EQ(Pixel(0, 110), navy);

    // What lies above a solid picture shows on it.
    auto* sprite = new TImage(form, "imgSprite");
    WriteFile(Path("sprite.bmp"), Sprite(kMagenta));
    sprite->Picture->LoadFromFile(Path("sprite.bmp"));
    sprite->Left = 20;
    sprite->Top = 15;
    EXPECT_EQ(Pixel(20, 15), kRed);
    EXPECT_EQ(Pixel(21, 15), kRed);  // see-through: the street beneath
    EXPECT_EQ(Pixel(22, 15), kBlue);
    EXPECT_EQ(Pixel(0, 150), green);
}

}  // namespace
