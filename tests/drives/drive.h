// A scripted drive: the whole game headless, a player who clicks and
// drives by keys, and the trace of everything the screen and the speakers
// show meanwhile (observed before every step of the player).
#pragma once

#include <algorithm>
#include <functional>
#include <string>

#include "game/save.h"
#include "tests/drives/golden.h"
#include "tests/drives/trace.h"
#include "tests/support/autopilot.h"
#include "tests/support/player.h"

namespace drives {

class DriveFixture : public GameFixture {
protected:
    DriveFixture() : trace(*this, 150), player(*this) {
        player.SetStepHook([this] { trace.Observe(); });
    }

    // The loading sequence to the main menu; with `sampled`, a scene
    // sample after every event of the start timer. `atEvent` sees the
    // screen after each event.
    void StartGame(bool sampled = true, const std::function<void(int)>& atEvent = {}) {
        Show();
        trace.Note("the game shown");
        for (int event = 1; event <= 44; ++event) {
            ui().Advance(100);
            trace.Observe();
            if (sampled) trace.Sample();
            if (atEvent) atEvent(event);
        }
        ASSERT_TRUE(player.InMenu()) << ReportsText();
    }

    // A click on a widget, noted, and what it shows.
    void Click(const std::string& name) {
        trace.Note("click " + name);
        ui().Click(name);
        trace.Observe();
        trace.Sample();
    }

    // A career on disk to continue: `level` reached, `trams` in the fleet
    // (the depot sells two; a fleet of up to seven can be saved), the poor
    // and the workers carried so far.
    void SavedCareer(int level, int trams, int money, int poor = 0, int workers = 0) {
        SaveRecord rec = Career(money, std::min(trams, 2), trams, 1, level);
        const int carried[] = {poor, workers};
        for (int c = 0; c < 2; ++c) {
            rec.carriedByClassHi[c] = SplitHi(carried[c]);
            rec.carriedByClassLo[c] = SplitLo(carried[c]);
        }
        rec.carriedTotalHi = SplitHi(poor + workers);
        rec.carriedTotalLo = SplitLo(poor + workers);
        WriteSave(rec);
    }

    // The depot's arrows to `line` and `tram`, then its start button.
    void StartRun(int line, int tram) {
        trace.Note("line " + std::to_string(line) + ", tram " + std::to_string(tram));
        player.ChooseLine(line);
        player.ChooseTram(tram);
        Click("btnNovyKurs");
    }

    // The autopilot drives (one tick per step) until the run is over or
    // `until` says so; `beforeTick` may take the keys for a tick instead
    // (returning true), the autopilot then sits that tick out.
    e2e::RunLog Drive(long maxTicks, const std::function<bool()>& until = {},
                      const std::function<bool()>& beforeTick = {}) {
        e2e::Autopilot pilot(*this);
        e2e::RunLog log;
        pilot.BeginRun(log);
        for (long t = 0; t < maxTicks; ++t) {
            trace.Observe();
            if (until && until()) break;
            if (beforeTick && beforeTick()) {
                ui().Advance(10);
                continue;
            }
            if (!pilot.Step(log)) break;
        }
        trace.Observe();
        trace.Sample();
        return log;
    }

    void Key(char key) {
        trace.Note(std::string("key ") + key);
        ui().Key(key);
    }

    DriveTrace trace;
    e2e::Player player;
};

}  // namespace drives
