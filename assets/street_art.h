// Street furniture also used for the form's own pictures.
#pragma once

#include "assets/raster.h"

namespace assets {

Raster DrawTrafficLight(int phase);       // 0 go, 1 about to turn red, 2 red
Raster DrawSmallTrafficLight(int phase);  // the copy on the warning panel
Raster DrawPole();
Raster DrawCrossing();
Raster DrawStopWarningSign();             // a stop sign with two waiting people
Raster DrawStandingPerson(int look, int facing, int b, int c);

}  // namespace assets
