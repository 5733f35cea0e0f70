// The street as the player sees it, driven through whole lines: at every
// speed the keys hold, the stop, the light and the sign have left the
// screen before a section change puts them far ahead again (they must not
// vanish in front of the driver), and with every tram the waiting crowd
// stands on the screen when the doors open, in time for the timetable.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/records.h"
#include "game/save.h"
#include "game/state.h"
#include "tests/support/player.h"

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kFigureWidth = 15;

// A career at the last level owning all seven trams, in the depot.
class StreetView : public GameFixture {
protected:
    void ToDepot(e2e::Player& player) {
        WriteSave(Career(1000, 6, 7, 7, /*level=*/2));
        player.StartGame();
        player.ContinueGame();
    }

    e2e::RunLog Drive(e2e::Player& player, int tram, int line) {
        player.ChooseTram(tram);
        player.ChooseLine(line);
        player.StartRun();
        return player.DriveToTerminus();
    }
};

// --- roadside objects ---------------------------------------------------------

class RoadsideAtHeldSpeed : public StreetView, public ::testing::WithParamInterface<int> {};

// One roadside picture as the last frame showed it.
struct Watched {
    const char* name;
    TImage* image;
    int left = 0, width = 0;
    void Look() {
        left = image->Left;
        width = image->Width;
    }
};

TEST_P(RoadsideAtHeldSpeed, NothingOnTheScreenIsPutAheadAgain) {
    const int speed = GetParam();
    e2e::Player player(*this);
    ToDepot(player);
    player.Cruise(speed);
    TForm1& f = form();
    std::ostringstream seen;
    int placements = 0, onScreen = 0;
    for (int line = 0; line <= 2; ++line) {
        // The twelve drives (three lines at four speeds) go round the seven trams.
        const int tram = 1 + ((speed / 15 - 1) * 3 + line) % 7;
        Watched watched[] = {{"shelter", f.imgStanice}, {"board", f.imgStanice2}, {"light", f.imgSemafor},
                             {"crossing", f.imgPrechodProChodce}, {"sign", f.imgZnacka}};
        bool started = false;
        player.SetStepHook([&] {
            for (Watched& w : watched) {
                // Placing is the only move to the right.
                if (started && w.image->Left > w.left) {
                    ++placements;
                    if (w.left < kScreenWidth && w.left + w.width > 0) {
                        ++onScreen;
                        seen << "line " << line << " (tram " << tram << ") row " << g_sectionIndex << ": " << w.name
                             << " last seen at " << w.left << ", " << w.width << " wide\n";
                    }
                }
                w.Look();
            }
            started = !f.panPrestavka->IsShowing();
        });
        const e2e::RunLog run = Drive(player, tram, line);
        player.SetStepHook({});
        ASSERT_TRUE(run.reachedDepot) << run.Describe();
    }
    EXPECT_GT(placements, 30);
    EXPECT_EQ(onScreen, 0) << "at " << speed << " km/h, of " << placements << " placements:\n" << seen.str();
}

INSTANTIATE_TEST_SUITE_P(EveryKeySpeed, RoadsideAtHeldSpeed, ::testing::Values(15, 30, 45, 60));

// --- the waiting crowd ---------------------------------------------------------

class CrowdWithEveryTram : public StreetView, public ::testing::WithParamInterface<int> {};

TEST_P(CrowdWithEveryTram, StandsOnTheScreenWhenTheDoorsOpenAndTheTramKeepsTime) {
    const int tram = GetParam();
    e2e::Player player(*this);
    ToDepot(player);
    TForm1& f = form();
    for (int line = 0; line <= 2; ++line) {
        int waiting = 0, offScreen = 0, openedRow = -1;
        std::ostringstream seen;
        player.SetStepHook([&] {
            const bool opening = f.tDvere->Enabled() && g_doorsOpen == 0;
            if (!opening || openedRow == g_sectionIndex) return;
            openedRow = g_sectionIndex;
            for (const PersonRecord& p : g_persons) {
                if (p.state != PersonState::Waiting) continue;
                ++waiting;
                // A figure cut by the edge still counts as seen.
                if (p.x + kFigureWidth <= 0 || p.x >= kScreenWidth) {
                    ++offScreen;
                    seen << " row " << g_sectionIndex << " x " << p.x;
                }
            }
        });
        const e2e::RunLog run = Drive(player, tram, line);
        player.SetStepHook({});
        SCOPED_TRACE(run.Describe());
        ASSERT_TRUE(run.reachedDepot);
        EXPECT_GT(waiting, 0);
        EXPECT_EQ(offScreen, 0) << "line " << line << ", " << waiting << " waiting:" << seen.str();
        for (const e2e::StopVisit& s : run.stops) EXPECT_LE(s.minuteAtOpen, s.scheduledMinute) << "late at row " << s.row;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTram, CrowdWithEveryTram, ::testing::Range(1, 8));

}  // namespace
