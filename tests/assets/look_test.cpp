// The transparency rule and the joins: pictures of transparent widgets
// carry the key colour in their bottom-left pixel and nowhere near their
// visible edges a pinkish fringe; opaque pictures have no key at all;
// landscape and road tiles join any tile seamlessly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/assets/asset_reader.h"

namespace {

using asset_test::kKey;
using asset_test::kTiles;
using asset_test::Picture;
using asset_test::ReadPicture;

bool Under(const std::string& path, const char* folder) { return path.rfind(folder, 0) == 0; }

// Pictures of the widgets the game draws opaque (or at a fixed size).
bool Opaque(const std::string& path) {
    for (const char* f : {"Textures/MainMenu/", "Textures/Panely/", "Textures/Schemata/", "Textures/Displeje/",
                          "Textures/Nahledy/", "Textures/Form/imgDisplej"})
        if (Under(path, f)) return true;
    return false;
}

std::vector<std::string> Pictures() {
    std::vector<std::string> out;
    for (const std::string& p : asset_test::AllAssetFiles())
        if (p.size() > 4 && p.compare(p.size() - 4, 4, ".bmp") == 0) out.push_back(p);
    return out;
}

TEST(AssetLook, TransparentPicturesKeyTheirBottomLeftAndHaveNoPinkFringe) {
    int sprites = 0, opaque = 0;
    for (const std::string& path : Pictures()) {
        const Picture p = ReadPicture(path);
        if (p.width == 0) continue;
        bool anyKey = false, anyVisible = false;
        for (std::uint32_t px : p.pixels) {
            anyKey |= px == kKey;
            anyVisible |= px != kKey;
            ASSERT_FALSE(px != kKey && asset_test::NearKey(px)) << path << " has a near-magenta pixel";
        }
        EXPECT_TRUE(anyVisible) << path;
        if (Opaque(path)) {
            ++opaque;
            EXPECT_FALSE(anyKey) << path << " is drawn opaque but has key pixels";
        } else {
            ++sprites;
            EXPECT_EQ(p.At(0, p.height - 1), kKey) << path;
        }
    }
    EXPECT_GT(sprites, 800);
    EXPECT_GT(opaque, 40);
}

TEST(AssetLook, FiguresAndCarsStandOnTheirBottomRow) {
    for (const std::string& path : Pictures()) {
        if (!Under(path, "Textures/Lide") && !Under(path, "Textures/Doprava/")) continue;
        const Picture p = ReadPicture(path);
        bool foot = false;
        for (int x = 0; x < p.width; ++x) foot |= !p.See(x, p.height - 1);
        EXPECT_TRUE(foot) << path;
    }
}

// Column x of a picture, without its bottom-left key pixel.
std::vector<std::uint32_t> Column(const Picture& p, int x) {
    std::vector<std::uint32_t> c;
    for (int y = 0; y < p.height - 1; ++y) c.push_back(p.At(x, y));
    return c;
}

TEST(AssetLook, LandscapeTilesJoinAnyTileAtBothOverlaps) {
    // The next tile is laid 150 pixels (130 at a run's start) into the one
    // before it: the last column seen of the old tile must run on into the
    // first column of any new one.
    const Picture first = ReadPicture("Textures/Maps/Map0.bmp");
    const int period = 20;
    for (int n : kTiles) {
        const Picture t = ReadPicture("Textures/Maps/Map" + std::to_string(n) + ".bmp");
        ASSERT_EQ(t.width, first.width);
        for (int x = 0; x < period; ++x) ASSERT_EQ(Column(t, x), Column(first, x)) << n << " column " << x;
        for (int overlap : {150, 130}) {
            const int seam = t.width - overlap;  // the new tile's column 0 lands here
            ASSERT_EQ(seam % period, 0);
            for (int x = seam - period; x < seam; ++x)
                ASSERT_EQ(Column(t, x), Column(first, x - seam + period)) << n << " before the seam, column " << x;
        }
    }
}

TEST(AssetLook, RoadTilesJoinAnyTileAtTheTwoPixelOverlap) {
    const Picture first = ReadPicture("Textures/Silnice/Silnice0.bmp");
    const int edge = 40;  // both ends are the standard street
    for (int n : kTiles) {
        const Picture t = ReadPicture("Textures/Silnice/Silnice" + std::to_string(n) + ".bmp");
        ASSERT_EQ(t.width, first.width);
        for (int x = 0; x < edge; ++x) {
            ASSERT_EQ(Column(t, x), Column(first, x)) << n << " column " << x;
            ASSERT_EQ(Column(t, t.width - 1 - x), Column(first, first.width - 1 - x)) << n;
        }
        // The pattern repeats after width - 2, so the overlap continues it.
        for (int x = 0; x < 2; ++x) ASSERT_EQ(Column(t, t.width - 2 + x), Column(t, x)) << n;
    }
}

}  // namespace
