// A run set up from the depot, driven by whole ticks of the game timer:
// the street's figures, passengers and cars as the player sees them.
#pragma once

#include <string>

#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "tests/support/game_fixture.h"
#include "tick/blocks.h"

class StreetTest : public GameFixture {
protected:
    // A run of `tram` (1..7) on line 0. The timers stay still: the test
    // fires every tick and door event itself.
    void StartRun(int tram = 1) {
        StartToMenu();
        g_tramsBought = g_fleetSize = g_selectedTram = tram;
        g_selectedLine = 0;
        form().btnNovyKursClick(nullptr);
        form().tMainTimer->SetEnabled(false);
        Application->ClearReports();
        sound.ClearLog();
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) ui().Fire("tMainTimer");
    }

    // Route row `row`'s stop, filled with waiting passengers and brought
    // under the tram, which stands.
    void ArriveAtStop(int row) {
        g_sectionIndex = row;
        g_stopPlaced = g_stopServed = g_stopDeparted = 0;
        PlaceStop(form());
        const int dx = form().imgStanice->Left - form().imgTramvaj->Left;
        form().imgStanice->Left -= dx;
        form().imgStanice2->Left -= dx;
        for (PersonRecord& p : g_persons)
            if (p.state == PersonState::Waiting) p.x -= dx;
        g_speed = g_targetSpeed = 0;
    }

    // The door timer's event at which the doors are fully open (places and
    // doors are handed out) or fully closed again.
    void OpenDoors() {
        g_doorsOpen = 0;
        g_tramLayout.doorFrame = 9;
        ui().Fire("tDvere");
    }
    void CloseDoors() {
        g_doorsOpen = 1;
        g_tramLayout.doorFrame = 1;
        ui().Fire("tDvere");
    }

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

    int CountInState(int32 state) const {
        int n = 0;
        for (const PersonRecord& p : g_persons) n += p.state == state;
        return n;
    }

    // The door picture's half width plus `offset`: where walkers aim.
    int32 DoorAim(int32 door, int32 offset) const {
        return g_tramLayout.doors[door][0] + form().imgDvere[0]->Width / 2 + offset;
    }

    std::string Picture(const TImage* image) const { return image->Picture->FileName(); }
};
