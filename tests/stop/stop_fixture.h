// A run standing at a stop, with the tick held still: the test moves the
// street and offers the door button itself, so what it sees is the stop
// service's work alone.
#pragma once

#include <string>
#include <vector>

#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "tests/support/game_fixture.h"
#include "tick/blocks.h"

class StopTest : public GameFixture {
protected:
    // A run of `tram` on line 0, started from the depot's start button.
    void StartRun(int tram = 1) {
        StartToMenu();
        g_tramsBought = g_fleetSize = g_selectedTram = tram;
        g_selectedLine = 0;
        form().btnNovyKursClick(nullptr);
        form().tMainTimer->SetEnabled(false);
    }

    // The tick places route row `row`'s stop far right and fills it; the
    // street then scrolls it under the tram and the tram stands.
    void ArriveAtStop(int row) {
        g_sectionIndex = row;
        g_stopPlaced = g_stopServed = g_stopDeparted = 0;
        PlaceStop(form());
        ScrollStreet(form().imgStanice->Left - form().imgTramvaj->Left);
        g_speed = 0;
    }

    void ScrollStreet(int dx) {
        form().imgStanice->Left -= dx;
        form().imgStanice2->Left -= dx;
        for (PersonRecord& p : g_persons)
            if (p.state == PersonState::Waiting || p.state == PersonState::WalkAway) p.x -= dx;
    }

    // The player presses D where the tick offers the door button.
    void PressDoors() {
        form().btnDvere->Enabled = true;
        ui().Key('d');
    }

    // One door-timer event; returns the picture shown by all six doors
    // ("" when they differ).
    std::string DoorEvent() {
        ui().AdvanceFires("tDvere", 1);
        const std::string shown = form().imgDvere[0]->Picture->FileName();
        for (TImage* door : form().imgDvere)
            if (door->Picture->FileName() != shown) return "";
        return shown;
    }

    // The last event of a movement, skipping the frames before it.
    void FullyOpen() {
        g_doorsOpen = 0;
        g_tramLayout.doorFrame = 9;
        ui().Fire("tDvere");
    }
    void FullyClose() {
        g_doorsOpen = 1;
        g_tramLayout.doorFrame = 1;
        ui().Fire("tDvere");
    }

    int CountInState(int32 state) const {
        int n = 0;
        for (const PersonRecord& p : g_persons) n += p.state == state;
        return n;
    }
};
