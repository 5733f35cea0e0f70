// The line schemes draw every line of the game's route table through the
// points its marker visits, so the marker travels along the drawn line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/route.h"
#include "tests/assets/asset_reader.h"

namespace {

constexpr std::uint32_t kMap = 0xEFE8D4;     // paper of the map
constexpr std::uint32_t kStreet = 0xFFFFFF;  // the streets and the route's casing are white

TEST(AssetSchemes, EveryRouteRowsMarkerSitsOnItsLineAndTheLineJoinsThem) {
    std::string error;
    asset_test::Picture scheme[kLineCount];
    for (int line = 0; line < kLineCount; ++line) {
        scheme[line] = asset_test::ReadPicture("Textures/Schemata/Schema" + std::to_string(line) + ".bmp", error);
        ASSERT_EQ(error, "");
    }
    const RouteSection* previous = nullptr;
    for (int row = 0; row < kRouteRows; ++row) {
        const RouteSection& r = g_route[row];
        const asset_test::Picture& s = scheme[r.line];
        // Shape1 is 15 x 15 at (schemeX, schemeY); imgSchema sits at 2, 538.
        const int cx = r.schemeX + 7 - 2, cy = r.schemeY + 7 - 538;
        ASSERT_TRUE(cx >= 0 && cy >= 0 && cx < s.width && cy < s.height) << "row " << row;
        const std::uint32_t at = s.At(cx, cy);
        EXPECT_TRUE(at != kMap && at != kStreet) << "row " << row << " marker off the line";
        if (previous && previous->line == r.line) {
            const int px = previous->schemeX + 5, py = previous->schemeY - 531;
            for (double t = 0; t <= 1.0; t += 0.05) {
                const int x = static_cast<int>(std::lround(px + (cx - px) * t));
                const int y = static_cast<int>(std::lround(py + (cy - py) * t));
                const std::uint32_t p = s.At(x, y);
                EXPECT_TRUE(p != kMap && p != kStreet) << "gap on line " << r.line << " before row " << row;
            }
        }
        previous = &r;
    }
}

}  // namespace
