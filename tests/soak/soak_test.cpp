// An hour of play in one go: 360,000 ticks of the autopilot driving lines
// 0, 1 and 2 in turn with the larger tram, headless, with the real sound
// library on OpenAL's loopback device. Every sound of a run is gone when
// the run is over, nothing is ever reported, and the process's resident
// memory stands still once the first round of the three lines has shown
// every picture and sound (after about six minutes). Sounds are read once
// and kept; pictures beyond the picture cache's budget are read again
// when shown, so the resident size moves within about the size of the two
// largest pictures a run shows at once (a landscape is 1.7 MB).
//
// Labelled "soak" (ctest -L soak / -LE soak); about 6 s in a normal build,
// 35 s under the sanitizers (which do not judge the memory).
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "game/save.h"
#include "game/state.h"
#include "platform/openal/openal_sound.h"
#include "platform/timer.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

constexpr long kTicks = 360000;           // an hour of game time at 10 ms
constexpr long kMinuteTicks = 6000;
constexpr long kAllowedGrowthKb = 4096;
constexpr int kRate = 22050;              // loopback samples per second

// Under AddressSanitizer freed memory waits in its quarantine (hundreds of
// MB), so the resident size says nothing about the game there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsTheGames = false;
#else
constexpr bool kMemoryIsTheGames = true;
#endif

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public GameFixture {
protected:
    // The loopback device plays only as far as it is rendered: 100 ms of
    // sound for every 100 ms of play, so one-shots end as they would.
    void Listen(long ms) {
        for (heard_ += ms; heard_ >= 100; heard_ -= 100) real_->Render(kRate / 10);
    }

    std::unique_ptr<OpenAlSoundLibrary> real_;
    long heard_ = 0;
};

TEST_F(Soak, AnHourOfDrivingKeepsMemorySoundsAndReportsSteady) {
    OpenAlSoundLibrary::Options options;
    options.loopback = true;
    options.loopbackRate = kRate;
    real_ = std::make_unique<OpenAlSoundLibrary>(options);
    UseSoundLibrary(real_.get());  // instead of the fixture's fake, from the start

    // A career at the last level with both trams.
    WriteSave(Career(1000, 2, 2, 2, /*level=*/2));

    e2e::Player player(*this);
    player.StartGame();
    ASSERT_TRUE(real_->HasDevice()) << "OpenAL loopback device not available";
    player.ContinueGame();

    long firstMinuteKb = -1, baselineKb = -1, peakKb = 0, lastMinuteKb = 0;
    long nextSample = kMinuteTicks;
    int runs = 0, leftBehind = 0;
    std::string soundsLeft;
    auto ticks = [&] { return static_cast<long>(form().tMainTimer->FireCount()); };
    const long ticksAtStart = ticks();
    while (ticks() - ticksAtStart < kTicks) {
        const int line = runs % 3;
        player.ChooseLine(line);
        player.StartRun();
        const e2e::RunLog run = player.DriveToTerminus(kTicks, [&](const e2e::RunLog&) {
            Listen(10);
            const long done = ticks() - ticksAtStart;
            if (done >= nextSample) {
                nextSample += kMinuteTicks;
                const long kb = ResidentKb();
                if (firstMinuteKb < 0) firstMinuteKb = kb;
                // The pictures and sounds of the three lines are read (and
                // kept) as they first appear; that is over after one round.
                if (runs >= 3 && baselineKb < 0) baselineKb = kb;
                if (baselineKb >= 0) peakKb = std::max(peakKb, kb);
                lastMinuteKb = kb;
            }
            return done >= kTicks;
        });
        ++runs;
        if (!run.reachedDepot) break;  // the hour ended on the way
        EXPECT_TRUE(e2e::NoPenalty(run)) << run.Describe();
        // Back in the depot: once the last one-shots have played out, only
        // the menu music is left.
        for (int i = 0; i < 30; ++i) {
            player.Wait(100);
            Listen(100);
        }
        if (real_->ActiveVoices() != 1) {
            ++leftBehind;
            soundsLeft += "after run " + std::to_string(runs) + ": " + std::to_string(real_->ActiveVoices()) + "; ";
        }
    }
    UseSoundLibrary(&sound);
    real_->Destroy();

    EXPECT_GE(ticks() - ticksAtStart, kTicks);
    EXPECT_GE(runs, 10);
    EXPECT_EQ(leftBehind, 0) << "sounds playing in the depot: " << soundsLeft;
    EXPECT_EQ(ReportsText(), "");
    ASSERT_GE(baselineKb, 0);
    if (kMemoryIsTheGames) {
        EXPECT_LE(peakKb - baselineKb, kAllowedGrowthKb)
            << "resident memory after the first round of the lines " << baselineKb << " kB, peak since "
            << peakKb << " kB";
    }
    RecordProperty("runs", runs);
    RecordProperty("resident_kb_first_minute", static_cast<int>(firstMinuteKb));
    RecordProperty("resident_kb_after_first_round", static_cast<int>(baselineKb));
    RecordProperty("resident_kb_peak_after_first_round", static_cast<int>(peakKb));
    RecordProperty("resident_kb_last_minute", static_cast<int>(lastMinuteKb));
}

}  // namespace
