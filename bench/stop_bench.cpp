// The scene restack runs several times in a busy tick (every boarding,
// every alighting, every new passer-by), so one pass must stay cheap.
#include <benchmark/benchmark.h>

#include "game/records.h"
#include "stop/stop_service.h"
#include "tests/support/game_fixture.h"

namespace {

void BM_RefreshSceneZOrder(benchmark::State& state) {
    GameHarness game;
    TForm1& form = game.CreateForm();
    // A busy stop: persons in every state, passers-by on both rows.
    for (int k = 0; k < kPersonCount; ++k) g_persons[k].state = k % 12;
    for (int k = 0; k < kPedestrianCount; ++k) g_pedestrians[k].row = k % 2;
    for (auto _ : state) RefreshSceneZOrder(form);
}
BENCHMARK(BM_RefreshSceneZOrder)->Unit(benchmark::kMicrosecond);

}  // namespace
