// The street moves in twelve bands of 5 km/h: band n holds the speeds
// 5n-4 .. 5n. Street scroll, cars, passers-by and wheels all step by it.
#pragma once

#include "game/state.h"

constexpr int32 kSpeedBandCount = 12;

// Band 1..12 of a speed, or 0 for a tram at rest (and for any speed the
// buttons cannot ask for, so nothing scrolls by a nonsense amount).
constexpr int32 SpeedBand(int32 speed) {
    if (speed < 1 || speed > 5 * kSpeedBandCount) return 0;
    return (speed + 4) / 5;
}

// Pixels per tick by which the landscape behind the street scrolls.
constexpr int32 LandscapeStep(int32 speed) {
    if (speed >= 1 && speed <= 30) return 1;
    if (speed >= 31 && speed <= 45) return 2;
    if (speed >= 46 && speed <= 60) return 3;
    return 0;
}
