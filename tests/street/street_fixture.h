// The street's figures, passengers and cars as the player sees them, with
// persons put where a test needs them.
#pragma once

#include "tests/support/run_fixture.h"

class StreetTest : public RunFixture {
protected:
    // Record k in `state` at (x, y), every other field 0.
    PersonRecord& Person(int k, int32 state, int32 x, int32 y) {
        PersonRecord& p = g_persons[k];
        p = PersonRecord{};
        p.state = state;
        p.x = x;
        p.y = y;
        return p;
    }

    // A passenger of `passengerClass` waiting on the platform at `x`.
    PersonRecord& Waiting(int k, int32 passengerClass, int32 x) {
        PersonRecord& p = Person(k, PersonState::Waiting, x, 418);
        p.passengerClass = passengerClass;
        p.facing = 3;
        return p;
    }

    // A passenger sitting at place `place` with `stops` stops still to ride.
    PersonRecord& Rider(int k, int place, int32 stops) {
        const PlaceSlot& slot = g_places[place];
        PersonRecord& p = Person(k, PersonState::Riding, slot.x, slot.y);
        p.placeX = slot.x;
        p.placeY = slot.y;
        p.doorGroup = slot.doorGroup;
        p.stopsToRide = stops;
        g_places[place].isFree = 0;
        return p;
    }

    // The door picture's half width plus `offset`: where walkers aim.
    int32 DoorAim(int32 door, int32 offset) const {
        return g_tramLayout.doors[door][0] + form().imgDvere[0]->Width / 2 + offset;
    }
};
