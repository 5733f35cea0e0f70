// Whole tiles of the street scene, for pictures that show the town
// (intro, main menu).
#pragma once

#include "assets/raster.h"

namespace assets {

Raster DrawLandscapeTile(int number);
Raster DrawRoadTile(int number);
Raster DrawCarPicture(int model, int frame, bool facingRight);

}  // namespace assets
