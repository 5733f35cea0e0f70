// A run set up as the depot starts it, driven one tick at a time.
#pragma once

#include <string>

#include "game/random.h"
#include "game/records.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "tests/support/game_fixture.h"

class TickTest : public GameFixture {
protected:
    // The depot's start button on `line` with tram 1. No timer has run
    // since, so the next Tick() is the run's first tick. May be called
    // again for a fresh run.
    void StartRun(int line) {
        StartToMenu();
        g_tramsBought = 1;
        g_fleetSize = 1;
        g_selectedTram = 1;
        g_selectedLine = line;
        form().btnNovyKursClick(nullptr);
        Application->ClearReports();
        sound.ClearLog();
    }

    // One event of the game tick, dispatched as the timer would.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) ui().Fire("tMainTimer");
    }

    // Moving at a steady speed: the speed step has nothing to do.
    void Cruise(int32 speed) {
        g_speed = speed;
        g_targetSpeed = speed;
    }

    // Puts the leading landscape image so that its right edge is at `edge`.
    void LandscapeEdgeAt(int edge) {
        TImage* leading = g_landscapeTileToggle == 0 ? form().imgKrajina1 : form().imgKrajina2;
        leading->Left = edge - leading->Width;
    }

    int StartsOf(const std::string& path) const { return static_cast<int>(sound.StartsOf(path).size()); }

    const AnsiString& Message() { return form().labVarovani->Caption(); }
};
