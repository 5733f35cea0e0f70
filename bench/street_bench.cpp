// The street's share of a tick. The passenger pass runs every tick and
// restacks the scene for every passenger that pays or reaches its exit;
// the worst tick has every record paying at once. The figure animation
// (every 6 ticks) loads a picture for every figure in view.
#include <benchmark/benchmark.h>

#include "game/records.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "tests/support/game_fixture.h"
#include "tick/blocks.h"

namespace {

// A tram of 68 places at a stop, run set up as the depot does it.
TForm1& BusyStop(GameHarness& game) {
    TForm1& form = game.StartToMenu();
    g_tramsBought = g_fleetSize = g_selectedTram = 2;
    form.btnNovyKursClick(nullptr);
    form.tMainTimer->SetEnabled(false);
    return form;
}

// Every record on the move: half walking along the platform to a door far
// away, half walking along the tram floor to their exits.
void EveryoneWalking() {
    for (int k = 0; k < kPersonCount; ++k) {
        PersonRecord& p = g_persons[k];
        p = PersonRecord{};
        p.passengerClass = k % 4;
        p.doorGroup = 0;
        if (k % 2) {
            p.state = PersonState::WalkToDoor;
            p.x = 100 + 9 * k;
            p.y = 413 + k % 12;
            p.stepsLeft = 1000000;
        } else {
            p.state = PersonState::WalkToExit;
            p.x = 600 + 3 * k;
            p.y = 373;
            p.stepsLeft = -1000000;
        }
    }
}

void BM_PassengerPassEveryoneWalking(benchmark::State& state) {
    GameHarness game;
    TForm1& form = BusyStop(game);
    EveryoneWalking();
    for (auto _ : state) StepPassengers(form);
}
BENCHMARK(BM_PassengerPassEveryoneWalking)->Unit(benchmark::kMicrosecond);

// 92 payments, each with its coin, labels and restack.
void BM_PassengerPassEveryonePays(benchmark::State& state) {
    GameHarness game;
    TForm1& form = BusyStop(game);
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < kPersonCount; ++k) {
            PersonRecord& p = g_persons[k];
            p = PersonRecord{};
            p.state = PersonState::Pay;
            p.passengerClass = k % 4;
            p.x = p.placeX = 600 + k;
            p.y = 373;
        }
        state.ResumeTiming();
        StepPassengers(form);
    }
}
BENCHMARK(BM_PassengerPassEveryonePays)->Unit(benchmark::kMicrosecond);

// One walk step and one stand step with every figure in view: 92 persons
// (walking or standing), 20 passers-by.
void BM_FigureAnimationSteps(benchmark::State& state) {
    GameHarness game;
    TForm1& form = BusyStop(game);
    EveryoneWalking();
    for (int k = 0; k < kPersonCount; k += 3) g_persons[k].state = PersonState::Riding;
    for (int k = 0; k < kPedestrianCount; ++k) {
        PedestrianRecord& p = g_pedestrians[k];
        p.active = 1;
        p.walking = k % 2;
        p.appearance = k % 4;
        p.direction = k % 2;
        p.standA = k % 4;
        p.standC = 1 + k % 5;
        p.x = 50 * k;
    }
    for (auto _ : state) {
        AnimatePedestrianWalkFrames(form);
        RerollPedestrianPoses(form);
        AnimatePedestrianStandFrames(form);
        AnimatePersonWalkFrames(form);
        AdvanceWalkFrames(form);
        RerollPersonPoses(form);
        AnimatePersonStandFrames(form);
    }
}
BENCHMARK(BM_FigureAnimationSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
