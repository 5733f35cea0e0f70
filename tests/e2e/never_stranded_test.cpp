// Seeded random players on lines 0, 1 and 2 with different trams: crawling
// in short W-then-Q steps, stopping and going with a key every few tenths
// of a second, cruising past stops on purpose, and now and then pressing D.
// Whatever they do, the game never leaves the tram standing with the doors
// shut and nothing to press, and a stop whose doors have opened is never
// also fined as missed.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "game/random.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace {

constexpr int kTicksPerGameSecond = 33;
constexpr long kRunTicks = 4 * 60 * kTicksPerGameSecond;  // four game minutes
constexpr long kStrandedTicks = 3 * kTicksPerGameSecond;  // standing with nothing to press
const std::string kMissedText = "(-5$) Man you\xB4ve missed your stop!";

enum class Style { Crawl, StopAndGo, Cruise };

// What went wrong in one run; empty when nothing did.
struct Verdict {
    std::string stranded;        // where the tram was left without a way on
    std::string servedAndFined;  // a served stop that was fined as missed
};

class NeverStranded : public GameFixture {
protected:
    // A run of `tram` on `line`, the game's draws seeded with `seed`.
    void StartRun(int line, int tram, unsigned seed) {
        StartToMenu();
        SeedRandomWith(seed);
        g_tramsBought = g_fleetSize = g_selectedTram = tram;
        g_selectedLine = line;
        form().btnNovyKursClick(nullptr);
    }

    void Ticks(long n) { ui().Advance(10 * n); }
    int SpeedShown() { return std::stoi(std::string(form().labAktualniRychlost->Caption())); }
    bool MissedShown() {
        return form().panVarovani->Visible && form().labVarovani->Caption().rfind(kMissedText, 0) == 0;
    }

    // One run played by a random player seeded with `seed`, for at most
    // kRunTicks ticks of 10 ms, or until the terminus.
    Verdict PlayRun(int line, int tram, unsigned seed) {
        StartRun(line, tram, seed);

        std::mt19937 rng(seed);
        Verdict verdict;
        Style style = Style::StopAndGo;
        long nextStyle = 0, nextKey = 0, standing = 0;
        bool wentLast = false;  // the crawler's last key was W
        int lastStopLeft = form().imgStanice->Left;
        bool stopServed = false;
        bool fineShown = false;
        for (long tick = 0; tick < kRunTicks; ++tick) {
            TForm1& f = form();
            if (f.panPrestavka->IsShowing() || f.panMainMenu->IsShowing()) break;  // the terminus
            if (tick >= nextStyle) {
                style = static_cast<Style>(std::uniform_int_distribution<int>(0, 2)(rng));
                nextStyle = tick + std::uniform_int_distribution<long>(5, 25)(rng) * kTicksPerGameSecond;
            }
            if (tick >= nextKey) {
                // A lit door button is what most players press first.
                const bool doorsOffered = f.btnDvere->Enabled && std::uniform_int_distribution<int>(0, 9)(rng) < 6;
                ui().Key(doorsOffered ? 'd' : ChooseKey(style, wentLast, rng));
                // The crawler lets go of W soon: an inch at a time.
                nextKey = tick + (style == Style::Crawl && wentLast ? std::uniform_int_distribution<long>(8, 24)(rng)
                                                                   : std::uniform_int_distribution<long>(25, 55)(rng));
            }
            ui().Advance(10);

            // One stop is one placing of the stop picture, far to the right.
            const int stopLeft = f.imgStanice->Left;
            if (stopLeft > lastStopLeft) stopServed = false;
            lastStopLeft = stopLeft;
            if (g_doorsOpen == 1 && !stopServed) {
                stopServed = true;
                // Half of the players inch away from a stop they served.
                if (rng() % 2 == 0) {
                    style = Style::Crawl;
                    nextStyle = tick + 20 * kTicksPerGameSecond;
                }
            }
            const bool fined = MissedShown() && g_warningTimer == 7;
            if (fined && !fineShown && stopServed && verdict.servedAndFined.empty())
                verdict.servedAndFined = Where(line, tram, seed, tick);
            fineShown = fined;

            standing = NothingToPress() ? standing + 1 : 0;
            if (standing > kStrandedTicks) {
                verdict.stranded = Where(line, tram, seed, tick) + ", last message \"" +
                                   std::string(f.labVarovani->Caption()) + "\"";
                break;
            }
        }
        return verdict;
    }

private:
    static char ChooseKey(Style style, bool& wentLast, std::mt19937& rng) {
        const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
        switch (style) {
            case Style::Crawl:  // W, then Q soon after, then W again
                if (roll < 10) return 'd';
                wentLast = !wentLast;
                return wentLast ? 'w' : 'q';
            case Style::StopAndGo:
                if (roll < 50) return 'w';
                if (roll < 80) return 'q';
                return "erttd"[roll % 5];
            case Style::Cruise:  // full speed past whatever comes
                if (roll < 70) return 't';
                if (roll < 90) return 'r';
                return 'd';
        }
        return 'q';
    }

    // The tram stands, the doors are shut and still, and neither a speed
    // button nor the door button can be pressed.
    bool NothingToPress() {
        TForm1& f = form();
        if (f.labAktualniRychlost->Caption() != "0" || g_doorsOpen != 0 || f.tDvere->Enabled()) return false;
        if (f.btnDvere->Enabled) return false;
        for (TBitBtn* b : {f.btnSpeed0, f.btnSpeed15, f.btnSpeed30, f.btnSpeed45, f.btnSpeed60})
            if (b->Enabled) return false;
        return true;
    }

    static std::string Where(int line, int tram, unsigned seed, long tick) {
        std::ostringstream out;
        out << "line " << line << ", tram " << tram << ", seed " << seed << ", tick " << tick << " (row "
            << g_sectionIndex << ")";
        return out.str();
    }
};

TEST_F(NeverStranded, RandomPlayersOnEveryLineAlwaysHaveAWayOnAndServedStopsAreNeverFined) {
    int runs = 0, stranded = 0, servedAndFined = 0;
    std::string failures;
    for (int line = 0; line <= 2; ++line) {
        for (int tram : {1, 2, 5}) {
            for (unsigned round = 0; round < 3; ++round) {
                const unsigned seed = 1000u * static_cast<unsigned>(line) + 100u * static_cast<unsigned>(tram) + round;
                const Verdict v = PlayRun(line, tram, seed);
                ++runs;
                if (!v.stranded.empty()) {
                    ++stranded;
                    failures += "stranded: " + v.stranded + "\n";
                }
                if (!v.servedAndFined.empty()) {
                    ++servedAndFined;
                    failures += "served and fined: " + v.servedAndFined + "\n";
                }
            }
        }
    }
    EXPECT_EQ(stranded, 0) << "of " << runs << " runs\n" << failures;
    EXPECT_EQ(servedAndFined, 0) << "of " << runs << " runs\n" << failures;
    EXPECT_EQ(ReportsText(), "");
}

// The first stop of line 0 served, then the tram inched away in short
// W-then-Q steps: the landscape moves on to the next section while the
// stop is still beside the tram, and the stop must not be fined. The tram
// comes at 15 km/h, the slowest key, and stands with the stop at the far
// end of the door's reach, so that little of the section is left.
TEST_F(NeverStranded, InchingAwayFromAServedStopCostsNothing) {
    StartRun(0, 1, 7);
    TForm1& f = form();
    ui().Key('w');
    for (long tick = 0; g_stopDeparted == 0 && tick < 6000; ++tick) {
        if (f.imgStanice->Left < 800 && g_doorsOpen == 0 && g_stopServed == 0) ui().Key('q');
        if (f.btnDvere->Enabled) ui().Key('d');
        Ticks(1);
    }
    ASSERT_EQ(g_stopDeparted, 1) << "the first stop was not served";
    const int row = g_sectionIndex;
    const std::string money = f.labKasa->Caption();

    bool sectionChangedBesideTheStop = false;
    for (int inch = 0; inch < 400 && f.imgStanice->Left > -200; ++inch) {
        ui().Key('w');
        Ticks(16);
        ui().Key('q');
        for (int wait = 0; wait < 200 && SpeedShown() > 0; ++wait) Ticks(1);
        sectionChangedBesideTheStop |= g_sectionIndex != row && f.imgStanice->Left > -136;
        ASSERT_FALSE(MissedShown()) << "fined at " << f.imgStanice->Left << " on row " << g_sectionIndex;
        ASSERT_TRUE(f.btnSpeed15->Enabled);
    }
    EXPECT_TRUE(sectionChangedBesideTheStop) << "the drive never met the case";
    EXPECT_LE(f.imgStanice->Left, -200);
    EXPECT_EQ(f.labKasa->Caption(), money);
}

}  // namespace
