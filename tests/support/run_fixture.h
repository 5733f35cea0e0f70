// A run started from the depot's start button with the game timer held
// still: the test fires each tick and door event itself, so what it sees
// is the work of the routines it drives.
#pragma once

#include <string>

#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "tests/support/game_fixture.h"
#include "tick/blocks.h"

class RunFixture : public GameFixture {
protected:
    // A run of `tram` (1..7) on `line`; the reports and the sound log start
    // empty. May be called again for a fresh run.
    void StartRun(int tram = 1, int line = 0) {
        StartToMenu();
        g_tramsBought = g_fleetSize = g_selectedTram = tram;
        g_selectedLine = line;
        form().btnNovyKursClick(nullptr);
        form().tMainTimer->SetEnabled(false);
        Application->ClearReports();
        sound.ClearLog();
    }

    // Events of the game tick, dispatched as the timer would.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) ui().Fire("tMainTimer");
    }

    // Route row `row`'s stop, placed and filled by the tick, then brought
    // under the tram with its waiting passengers; the tram stands.
    void ArriveAtStop(int row) {
        g_sectionIndex = row;
        g_stopPlaced = g_stopServed = g_stopDeparted = 0;
        PlaceStop(form());
        const int dx = form().imgStanice->Left - form().imgTramvaj->Left;
        form().imgStanice->Left -= dx;
        form().imgStanice2->Left -= dx;
        for (PersonRecord& p : g_persons)
            if (p.state == PersonState::Waiting || p.state == PersonState::WalkAway) p.x -= dx;
        g_speed = g_targetSpeed = 0;
    }

    // The player presses D where the tick offers the door button.
    void PressDoors() {
        form().btnDvere->Enabled = true;
        ui().Key('d');
    }

    // The door timer's event that ends a movement: the doors fully open
    // (places and doors are handed out) or fully closed again.
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

    int CountInState(int32 state) const {
        int n = 0;
        for (const PersonRecord& p : g_persons) n += p.state == state;
        return n;
    }

    std::string Picture(const TImage* image) const { return image->Picture->FileName(); }
    std::string Message() const { return form().labVarovani->Caption(); }
};
