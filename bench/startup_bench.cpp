// Start-up costs: building the main window with its ~330 widgets and
// running the window creation, and the whole loading sequence to the menu
// (about 300 pictures read, from the picture cache after the first run).
#include <benchmark/benchmark.h>

#include <memory>

#include "tests/support/game_fixture.h"

namespace {

void BM_BuildMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<GameHarness>();
        state.ResumeTiming();
        game->CreateForm();
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartToMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<GameHarness>();
        state.ResumeTiming();
        game->StartToMenu();
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToMainMenu)->Unit(benchmark::kMillisecond);

}  // namespace
