// The pictures of one tram model, also composed into a whole tram for the
// depot previews.
#pragma once

#include "assets/raster.h"
#include "assets/tram_models.h"

namespace assets {

Raster DrawTramBody(const TramModel& m);
Raster DrawTramInterior(const TramModel& m);
Raster DrawDoor(const TramModel& m, int frame);  // 0 closed .. 10 open
Raster DrawWheels(const TramModel& m, int frame);
Raster DrawDisplay(int line);

// The whole tram as the game stacks it (doors closed), body-relative,
// on the key colour.
Raster ComposeTram(const TramModel& m);

}  // namespace assets
