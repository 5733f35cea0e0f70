// The road cars' pictures: car records 0..3 drive leftward in the far lane
// (imgAutoDoleva1..4), records 4..7 rightward in the near one
// (imgAutoDoprava1..4).
#pragma once

#include "app/form1.h"
#include "game/state.h"

constexpr int32 kCarsPerLane = 4;

inline bool DrivesLeftward(int32 car) { return car < kCarsPerLane; }

inline TImage& CarImage(TForm1& form, int32 car) {
    return DrivesLeftward(car) ? *form.imgAutoDoleva[car] : *form.imgAutoDoprava[car - kCarsPerLane];
}
