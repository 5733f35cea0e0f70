// A careless player, seeded: from the loading screen on it clicks whatever
// visible, enabled widget the hit test lets it reach (the menu, the NEW
// GAME question, the depot's buttons, the tutorial's page button, MAIN MENU
// in the middle of a run), presses Q W E R T and D at random moments,
// clicks and hovers random points, waits, and now and then hands the tram
// to the careful autopilot for a stretch so that stops, the terminus and
// new levels come within reach. Only the quit entries and the message bar,
// which end the program by design, are left alone.
//
// After every step it checks what the player would feel: the game reports
// no error, the window is on one of its screens with a way on that can be
// clicked, a standing tram always has something to press or is waiting
// for a door movement or for passengers, a chosen speed gets the tram
// moving, and money, places and career figures stay within their bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/route.h"
#include "game/state.h"
#include "game/tram_layout.h"
#include "game/save.h"
#include "tests/support/career_figures.h"
#include "tests/support/player.h"

namespace {

constexpr long kTicksPerGameSecond = 33;
constexpr int kStepsPerSession = 600;

// Four sessions in the suite; KORVALO_CARELESS_SESSIONS=n plays n for a
// wider search.
unsigned SessionCount() {
    const char* wanted = std::getenv("KORVALO_CARELESS_SESSIONS");
    const int n = wanted ? std::atoi(wanted) : 0;
    return n > 0 ? static_cast<unsigned>(n) : 4u;
}

// Passengers left waiting at a stop the tram drove past walk to the doors
// at the next opening from wherever the street took them: at most 3000
// pixels, one pixel per tick.
constexpr long kDoorsHeldTicks = 3500;

// Widgets whose click ends the program: the quit sequence.
bool Quits(const TControl* c) {
    return c && (c->Name == "labMenu4" || c->Name == "labMenu5" || c->Name == "labVarovani");
}

// The control would take a click at its own centre (the hit test passes
// over hidden and disabled controls).
bool Clickable(const TControl& c) {
    return c.IsShowing() && Application->HitTest(c.ScreenLeft() + c.Width / 2, c.ScreenTop() + c.Height / 2) == &c;
}

class CarelessPlayer : public GameFixture, public ::testing::WithParamInterface<unsigned> {
protected:
    // The first thing that went wrong in the session, with where it happened.
    std::string Play(unsigned seed) {
        rng_.seed(seed);
        // Some players never let the autopilot drive; others mostly do.
        careful_ = 47 + 8 * static_cast<int>(seed % 3);
        SeedRandomWith(seed);
        e2e::Player player(*this);
        player.StartGame();
        for (step_ = 0; step_ < kStepsPerSession && failure_.empty(); ++step_) {
            Act(player);
            if (form().Closed()) return "the window closed at step " + std::to_string(step_);
            Check();
        }
        return failure_;
    }

    int runsStarted_ = 0, terminiReached_ = 0, tutorials_ = 0, levelsSeen_ = 0, leftRuns_ = 0;

private:
    TForm1& f() { return form(); }
    bool InRun() { return g_runActive == 1 && !f().panPrestavka->IsShowing() && !f().panMainMenu->IsShowing(); }
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void Act(e2e::Player& player) {
        const int roll = Roll(100);
        if (!InRun()) {
            // Menus and the depot: mostly clicks.
            if (roll < 65) ClickWidget();
            else if (roll < 80) ClickPoint();
            else if (roll < 85) ui().MouseMoveAt(Roll(1024), Roll(768));
            else if (roll < 90) PressKey();
            Wait(10L * (1 + Roll(Roll(4) == 0 ? 300 : 30)));
            return;
        }
        // A run: mostly keys and waiting; MAIN MENU now and then.
        if (roll < 40) {
            PressKey();
        } else if (roll < 42) {
            ClickWidget();
        } else if (roll < 45) {
            ClickPoint();
        } else if (roll < 47) {
            ui().MouseMoveAt(Roll(1024), Roll(768));
        } else if (roll < careful_ && g_doorsOpen == 0 && !f().tDvere->Enabled()) {
            // A careful stretch of up to two minutes of driving.
            const long stretch = (5 + Roll(115)) * kTicksPerGameSecond;
            const e2e::RunLog log = player.DriveToTerminus(stretch, [&](const e2e::RunLog&) { return !Check(); });
            terminiReached_ += log.reachedDepot;
            return;
        }
        Wait(10L * (1 + Roll(Roll(4) == 0 ? 300 : 60)));
    }

    void PressKey() {
        static constexpr char kKeys[] = {'q', 'w', 'e', 'r', 't', 'd', 'd', 'w'};
        ui().Key(kKeys[Roll(sizeof kKeys)]);
    }

    void ClickWidget() {
        std::vector<TControl*> offered;
        for (TControl* c : f().AllControls())
            if (c->OnClick && !Quits(c) && Clickable(*c)) offered.push_back(c);
        if (offered.empty()) return;
        TControl* c = offered[static_cast<std::size_t>(Roll(static_cast<int>(offered.size())))];
        Note(*c);
        ui().Click(c->Name);
    }

    void ClickPoint() {
        const int x = Roll(1024), y = Roll(768);
        TControl* taker = Application->HitTest(x, y);
        if (Quits(taker)) return;
        if (taker) Note(*taker);
        ui().ClickAt(x, y);
    }

    void Note(const TControl& c) {
        if (c.Name == "btnNovyKurs" && g_tramsBought > 0) ++runsStarted_;
        if (c.Name == "labMenu1") ++tutorials_;
        if (c.Name == "BitBtn1" && InRun()) ++leftRuns_;
    }

    void Wait(long ms) {
        for (long done = 0; done < ms && failure_.empty() && !form().Closed(); done += 10) {
            ui().Advance(10);
            Check();
        }
    }

    void Fail(const std::string& what) {
        if (!failure_.empty()) return;
        std::ostringstream out;
        out << what << " (step " << step_ << ", " << ui().Now() << " ms, row " << g_sectionIndex << ", line "
            << g_line << ", money " << g_money << ", level " << g_level << ", trams " << g_tramsBought
            << ", tutorial page " << g_tutorialStep << ", doors " << g_doorsOpen << ", speed " << g_speed
            << ", target " << g_targetSpeed << ", message \"" << std::string(f().labVarovani->Caption()) << "\")";
        failure_ = out.str();
    }

    // True when everything holds; the first failure is kept.
    bool Check() {
        if (!failure_.empty()) return false;
        const std::string reports = ReportsText();
        if (!reports.empty()) Fail("the game reported: " + reports);
        CheckScreen();
        CheckFigures();
        if (InRun()) CheckRun();
        else standing_ = held_ = doorsHeld_ = 0;
        levelsSeen_ = std::max(levelsSeen_, g_level);
        return failure_.empty();
    }

    // The window shows one screen, and its way on takes a click.
    void CheckScreen() {
        const bool menu = f().panMainMenu->IsShowing() && f().labMenu1->IsShowing();
        const bool question = menu && f().panUpozorneni->IsShowing();
        const bool depot = !f().panMainMenu->IsShowing() && f().panPrestavka->IsShowing();
        const bool run = !f().panMainMenu->IsShowing() && !f().panPrestavka->IsShowing();
        if (question) {
            if (!Clickable(*f().btnUpozorneniAno) || !Clickable(*f().btnUpozorneniNe))
                Fail("the NEW GAME question cannot be answered");
        } else if (menu) {
            if (Clickable(*f().labVarovani)) Fail("a message over the menu ends the game at a click");
            for (TControl* entry : {f().labMenu1, f().labMenu2, f().labMenu3})
                if (!Clickable(*entry)) Fail(entry->Name + " of the menu cannot be clicked");
        } else if (depot) {
            if (!Clickable(*f().BitBtn1) || !Clickable(*f().btnNovyKurs)) Fail("the depot cannot be left");
            if (Clickable(*f().labVarovani)) Fail("a message over the depot ends the game at a click");
        } else if (run) {
            if (g_runActive != 1 || !f().tMainTimer->Enabled()) Fail("a scene with no run and no menu");
            if (!Clickable(*f().BitBtn1)) Fail("MAIN MENU cannot be clicked in a run");
        } else {
            Fail("no screen");
        }
    }

    void CheckFigures() {
        if (g_tramsBought < 0 || g_tramsBought > 2 || g_fleetSize < 0 || g_fleetSize > 7)
            Fail("tram counts out of range");
        if (g_selectedTram < 0 || g_selectedTram > std::max(g_fleetSize, 1)) Fail("selected tram out of range");
        if (g_level < 0 || g_level > 2 || g_selectedLine < 0 || g_selectedLine > g_level)
            Fail("level or line out of range");
        if (g_money < -100 || g_money > 1000000) Fail("money out of bounds");
        if (f().panPrestavka->IsShowing() && !InRun()) {
            const e2e::Dashboard shown = e2e::ReadDashboard(*this);  // throws on a figure that is no number
            if (shown.money != g_money || g_money < 0) Fail("the depot shows other money than it has");
            if (shown.carriedRun != g_carriedRun) Fail("the depot shows another run than the last");
            if (!SavedAsShown()) Fail("the depot shows a career that is not on disk");
        }
        for (int c = 0; c < 4; ++c)
            if (g_carriedByClass[c] < 0 || g_carriedByClass[c] > g_carriedTotal) Fail("carried counts disagree");
    }

    // The file holds what the depot shows (before the first save, the new
    // career the game starts with).
    bool SavedAsShown() {
        bool complete = false;
        const std::array<int, 19> words = e2e::SaveWords(*this, &complete);
        if (!complete) return g_money == 300 && g_tramsBought == 0 && g_level == 0;
        return JoinSplit(words[17], words[18]) == g_money && words[3] == g_tramsBought && words[5] == g_fleetSize &&
               words[4] == g_level;
    }

    void CheckRun() {
        if (g_speed > 0 && (g_doorsOpen == 1 || f().tDvere->Enabled())) Fail("the tram moves with its doors open");
        const LineEntry& line = g_lines[g_line];
        if (g_sectionIndex < line.firstRow || g_sectionIndex > line.endRow) Fail("the route left its line");
        const int capacity = g_tramLayout.occupiedPlaces + g_tramLayout.freePlaces;
        if (g_tramLayout.occupiedPlaces < 0 || g_tramLayout.occupiedPlaces > capacity)
            Fail("more riders than places");
        if (g_speed < 0 || g_speed > 60) Fail("speed out of range");

        const bool doorsMoving = f().tDvere->Enabled();
        bool speedKeys = false;
        for (TBitBtn* b : {f().btnSpeed0, f().btnSpeed15, f().btnSpeed30, f().btnSpeed45, f().btnSpeed60})
            speedKeys = speedKeys || b->Enabled;
        // Standing, doors shut and still, nothing to press.
        const bool stranded = g_speed == 0 && g_doorsOpen == 0 && !doorsMoving && !speedKeys && !f().btnDvere->Enabled;
        standing_ = stranded ? standing_ + 1 : 0;
        if (standing_ > 3 * kTicksPerGameSecond) Fail("stranded: standing with nothing to press");
        // A chosen speed with the doors shut gets the tram moving.
        const bool held = g_speed == 0 && g_targetSpeed > 0 && g_doorsOpen == 0 && !doorsMoving;
        held_ = held ? held_ + 1 : 0;
        if (held_ > 5 * kTicksPerGameSecond) Fail("a speed is chosen but the tram does not move");
        // Open doors wait for the passengers, but not for ever.
        const bool doorsHeld = g_doorsOpen == 1 && !doorsMoving && !f().btnDvere->Enabled;
        doorsHeld_ = doorsHeld ? doorsHeld_ + 1 : 0;
        if (doorsHeld_ > kDoorsHeldTicks) Fail("the doors cannot be closed");
    }

    std::mt19937 rng_;
    int step_ = 0;
    int careful_ = 60;
    long standing_ = 0, held_ = 0, doorsHeld_ = 0;
    std::string failure_;
};

TEST_P(CarelessPlayer, AlwaysHasAWayOnAndKeepsItsFiguresInBounds) {
    const std::string failure = Play(GetParam());
    EXPECT_EQ(failure, "") << "seed " << GetParam();
    EXPECT_GT(runsStarted_ + tutorials_, 0) << "the player never got onto the street";
    RecordProperty("runs", runsStarted_);
    RecordProperty("termini", terminiReached_);
    RecordProperty("tutorials", tutorials_);
    RecordProperty("runs_left", leftRuns_);
    RecordProperty("level", levelsSeen_);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CarelessPlayer, ::testing::Range(1u, 1u + SessionCount()));

}  // namespace
