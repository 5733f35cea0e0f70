// The game tick of a moving run with a full scene: 92 persons in use, 20
// passers-by and 8 cars on the street, the tram at 60 km/h on line 2. The
// mean time of a tick, its picture loads included, should stay below
// 100 us (1 % of the 10 ms budget). Counters: picture loads per tick, the
// share of the tick's time those loads take (measured by loading the same
// files again outside the tick), and heap allocations per tick.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <vector>

#include "game/records.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "platform/picture.h"
#include "platform/sound.h"
#include "tests/support/game_fixture.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

// Every figure of the scene in use, spread over the screen.
void FillScene(TForm1& form) {
    for (int k = 0; k < kPersonCount; ++k) {
        PersonRecord& p = g_persons[k];
        p = PersonRecord{};
        if (k < 60) {  // riding: far from their stop
            const PlaceSlot& place = g_places[k % kPlaceCount];
            p.state = PersonState::Riding;
            p.x = p.placeX = place.x > 0 ? place.x : 100 + 8 * k;
            p.y = p.placeY = place.y > 0 ? place.y : 380;
            p.stopsToRide = 50;
            p.doorGroup = place.doorGroup;
        } else {  // waiting on a platform ahead
            p.state = PersonState::Waiting;
            p.x = 300 + 20 * (k - 60);
            p.y = 413 + k % 12;
            p.facing = 3;
        }
        p.passengerClass = k % 4;
        p.walkFrame = k % 4;
    }
    for (int k = 0; k < kPedestrianCount; ++k) {
        PedestrianRecord& p = g_pedestrians[k];
        p = PedestrianRecord{};
        p.active = 1;
        p.walking = k % 2;
        p.direction = k % 2;
        p.appearance = k % 4;
        p.x = 50 * k;
        p.y = k % 2 ? 350 : 460;
        p.standA = k % 4;
        p.standB = (k / 4) % 4;
        p.standC = 1 + k % 5;
        p.row = k % 2;
    }
    for (int k = 0; k < kCarCount; ++k) {
        g_cars[k].active = 1;
        g_cars[k].model = k;
        TImage* image = k < 4 ? form.imgAutoDoleva[k] : form.imgAutoDoprava[k - 4];
        image->Left = 100 + 200 * (k % 4);
    }
}

void BM_MovingTick(benchmark::State& state) {
    GameHarness game;
    game.StartToMenu();
    TForm1& form = game.form();
    g_tramsBought = 1;
    g_fleetSize = 2;
    g_selectedTram = 2;
    g_selectedLine = 2;
    form.btnNovyKursClick(nullptr);
    g_speed = g_targetSpeed = 60;
    FillScene(form);
    for (int i = 0; i < 100; ++i) form.tMainTimerTimer(nullptr);  // every loop and tile under way

    // Timed: the fake sound library of the harness logs every call, so the
    // game's sound calls go nowhere here.
    UseSoundLibrary(nullptr);
    std::int64_t ticks = 0;
    long allocations = 0;
    int sinceFill = 0;
    for (auto _ : state) {
        if (++sinceFill == 300) {  // keep the scene full and the tram moving
            state.PauseTiming();
            FillScene(form);
            sinceFill = 0;
            state.ResumeTiming();
        }
        g_stopServed = 1;  // no missed stop brakes the tram
        g_targetSpeed = 60;
        g_allocations = 0;
        g_counting = true;
        form.tMainTimerTimer(nullptr);
        g_counting = false;
        allocations += g_allocations;
        ++ticks;
    }

    // Untimed: which pictures the same drive loads, then those loads alone.
    constexpr int kSampleTicks = 3000;
    ClearLoadLog();
    EnableLoadLog(true);
    for (int i = 0; i < kSampleTicks; ++i) {
        if (i % 300 == 0) FillScene(form);
        g_stopServed = 1;
        g_targetSpeed = 60;
        form.tMainTimerTimer(nullptr);
    }
    EnableLoadLog(false);
    std::vector<AnsiString> paths;
    for (const LoadRecord& r : LoadLog())
        if (r.ok) paths.push_back(r.path);
    ClearLoadLog();
    TImage scratch(&form, "benchScratch");
    const auto start = std::chrono::steady_clock::now();
    for (const AnsiString& path : paths) scratch.Picture->LoadFromFile(path);
    const double loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    UseSoundLibrary(&game.sound);

    state.counters["allocs/tick"] = static_cast<double>(allocations) / static_cast<double>(ticks);
    state.counters["loads/tick"] = static_cast<double>(paths.size()) / kSampleTicks;
    state.counters["load_us/tick"] = 1e6 * loadSeconds / kSampleTicks;
}
BENCHMARK(BM_MovingTick)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
