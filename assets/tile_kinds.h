// What kind of place each landscape tile (and the road tile of the same
// number) shows.
#pragma once

namespace assets {

enum class Place { Town, Water, Square, Park, Airfield, Depot, Country };

Place PlaceOfTile(int number);

// Every landscape / road tile number: 0..37 and 500..504.
inline constexpr int kTileNumbers[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                       15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29,
                                       30, 31, 32, 33, 34, 35, 36, 37, 500, 501, 502, 503, 504};

}  // namespace assets
