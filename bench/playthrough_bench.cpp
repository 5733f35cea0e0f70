// The cost of play as the player has it: whole runs of lines 0 and 2 with
// the larger tram, driven by the autopilot of the whole-game tests (stops,
// boardings, lights, the doors), headless. Reported per tick of the game
// (us/tick, the autopilot's own looking included), with the number of
// ticks a run takes.
#include <benchmark/benchmark.h>

#include <chrono>

#include "game/save.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "tests/support/player.h"

namespace {

void BM_PlayedRun(benchmark::State& state) {
    const int line = static_cast<int>(state.range(0));
    GameHarness game;
    SaveRecord career{};
    SetNewCareer(career);
    career.level = 2;
    career.tramsBought = career.fleetSize = career.selectedTram = 2;
    game.WriteSave(career);
    e2e::Player player(game);
    player.StartGame();
    player.ContinueGame();
    player.ChooseLine(line);

    double seconds = 0;
    long ticks = 0;
    for (auto _ : state) {
        const long before = static_cast<long>(game.form().tMainTimer->FireCount());
        const auto start = std::chrono::steady_clock::now();
        player.StartRun();
        const e2e::RunLog run = player.DriveToTerminus();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ticks += static_cast<long>(game.form().tMainTimer->FireCount()) - before;
        if (!run.reachedDepot) state.SkipWithError("the run did not reach the terminus");
        game.sound.ClearLog();  // the fake library's log would grow with every run
    }
    state.counters["us/tick"] = ticks ? 1e6 * seconds / static_cast<double>(ticks) : 0;
    state.counters["ticks/run"] = static_cast<double>(ticks) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PlayedRun)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
