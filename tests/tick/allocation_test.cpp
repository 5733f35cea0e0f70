// A moving tick with no picture falling due allocates nothing on the heap.
#include <atomic>
#include <cstdlib>
#include <new>

#include "platform/sound.h"
#include "tests/tick/tick_fixture.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// Everything the replaced operator new gives comes from malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

class TickAllocations : public TickTest {};

TEST_F(TickAllocations, AMovingTickBetweenPictureLoadsAllocatesNothing) {
    StartRun(2);
    Cruise(40);  // band 8: a wheel frame every other tick
    Tick(40);    // stop, sign and the first tiles placed; sounds started
    int measured = 0;
    for (int i = 0; i < 200 && measured < 10; ++i) {
        // Skip the ticks in which a picture falls due.
        TForm1& f = form();
        const TImage* land = g_landscapeTileToggle == 0 ? f.imgKrajina1 : f.imgKrajina2;
        const TImage* road = g_roadTileToggle == 0 ? f.imgSilnice1 : f.imgSilnice2;
        const bool loads = g_wheelDelay <= 1 || g_gateWalk == 0 || g_gateStand == 0 || g_gateCarFrame == 0 ||
                           g_gateTraffic == 0 || g_gatePedSpawn == 0 || g_stopPlaced == 0 || g_signPlaced == 0 ||
                           land->Left + land->Width < 1310 || road->Left + road->Width < 1180;
        if (loads) {
            Tick();
            continue;
        }
        // The fake sound library logs every call; the real one does not
        // allocate for a volume or a pitch.
        UseSoundLibrary(nullptr);
        g_allocations = 0;
        g_counting = true;
        form().tMainTimerTimer(nullptr);
        g_counting = false;
        UseSoundLibrary(&sound);
        EXPECT_EQ(g_allocations, 0) << "tick " << i;
        ++measured;
    }
    EXPECT_EQ(measured, 10);
}

}  // namespace
