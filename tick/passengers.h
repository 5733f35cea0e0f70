// The steps of the passenger state machine (block B), one per state. Each
// moves its person at most one pixel and may hand it on to the next state,
// which the same visit then runs too.
#pragma once

#include "game/records.h"
#include "game/tram_layout.h"

class TForm1;

// A person stands on a strip of the tram floor when xFrom < x < xTo; a
// strip of zeros holds nobody.
inline bool OnFloorStrip(const FloorStrip& strip, int32 x) { return strip.xFrom < x && x < strip.xTo; }

// Puts a person walking on the tram floor at the height of the strip under
// it; where strips overlap the later one wins. Off every strip, y stays.
inline void SnapToFloor(PersonRecord& person) {
    for (const FloorStrip& strip : g_tramLayout.floorStrips)
        if (OnFloorStrip(strip, person.x) && strip.y != person.y) person.y = strip.y;
}

// One pixel along a walk; the sign of stepsLeft gives the direction.
inline void StepAlong(PersonRecord& person) {
    if (person.stepsLeft < 0) {
        person.stepsLeft += 1;
        person.x -= 1;
        person.facing = 0;
    }
    if (person.stepsLeft > 0) {
        person.stepsLeft -= 1;
        person.x += 1;
        person.facing = 1;
    }
}

// One pixel along the tram floor, at the height of the floor under the
// person before the step.
inline void StepAlongFloor(PersonRecord& person) {
    if (person.stepsLeft != 0) SnapToFloor(person);
    StepAlong(person);
}

// The platform line a person waits on or steps down to: 413..424.
int32 DrawPlatformLine();

// Boarding (passengers_boarding.cpp).
void WalkToDoor(PersonRecord& person);
void ClimbIn(PersonRecord& person);
void Pay(TForm1& form, PersonRecord& person);
void WalkToPlace(PersonRecord& person);
void TakePlace(PersonRecord& person);

// Riding and alighting (passengers_alighting.cpp).
void Ride(PersonRecord& person);
void ChooseExit(TForm1& form, PersonRecord& person);
void WalkToExit(TForm1& form, PersonRecord& person);
void StepDown(PersonRecord& person);
void WalkAway(PersonRecord& person);
