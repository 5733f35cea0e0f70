// A scripted drive of line 0, traced once per game second: the same
// script gives the same trace every time, and the trace is the recorded
// one (tests/tick/golden/line0_drive.txt). After a deliberate change of
// the game's behaviour, run the test with KORVALO_UPDATE_GOLDEN=1 to
// record the new trace, and look at the difference before committing it.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/tick/tick_fixture.h"

namespace {

const std::string kGoldenFile = testsupport::SourceDir() + "/tests/tick/golden/line0_drive.txt";
constexpr int kTicksPerSecond = 33;
constexpr int kGameSeconds = 60;

// The player: full speed away, braking once the next stop comes near,
// doors open at the stop and closed once everyone is through, then off
// again. Keys go through the accelerators as typed ones do.
void Script(GameHarness& game, int tick) {
    TForm1& f = game.form();
    if (tick == 1) game.ui().Key('t');
    const bool stopAhead = g_stopServed == 0 && f.imgStanice->Left < 1400 && f.imgStanice->Left > 0;
    if (g_targetSpeed > 0 && stopAhead) game.ui().Key('q');
    if (f.btnDvere->Enabled) game.ui().Key('d');
    if (g_speed == 0 && g_targetSpeed == 0 && g_stopDeparted == 1 && f.btnSpeed60->Enabled) game.ui().Key('t');
}

std::string TraceLine(TForm1& f, int tick) {
    std::ostringstream line;
    line << tick << ": v " << g_speed << "/" << g_targetSpeed << " row " << g_sectionIndex << " stops "
         << g_stopsRemaining << " $" << g_money << " doors " << g_doorsOpen << g_stopServed << g_stopDeparted << " seats "
         << g_tramLayout.occupiedPlaces << " | land " << f.imgKrajina1->Left << " " << f.imgKrajina2->Left
         << " road " << f.imgSilnice1->Left << " " << f.imgSilnice2->Left << " poles " << f.imgSloup1->Left << " "
         << f.imgSloup2->Left << " stop " << f.imgStanice->Left << " light " << f.imgSemafor->Left << "/"
         << g_lightPhase << " sign " << f.imgZnacka->Left << " wheel " << g_tramLayout.wheelFrame << " | "
         << f.labMinuty->Caption() << ":" << f.labSekundy->Caption() << " #" << std::hex
         << f.labMinuty->Font().Color << std::dec << " kasa " << f.labKasa->Caption() << " speed "
         << f.labAktualniRychlost->Caption() << "/" << f.labZrychlitNa->Caption() << " gauges "
         << (f.panVystrahaSemafor->Visible ? IntToStr(f.cgVystrahaSemafor->Progress()) : "-") << " "
         << (f.panVystrahaStanice->Visible ? IntToStr(f.cgVystrahaStanice->Progress()) : "-") << " door "
         << f.btnDvere->Enabled << " msg " << g_warningTimer << " "
         << (f.panVarovani->Visible ? f.labVarovani->Caption() : "-");
    return line.str();
}

std::string Drive() {
    GameHarness game;
    game.StartToMenu();
    SeedRandomWith(20261206);
    g_tramsBought = 1;
    g_fleetSize = 1;
    g_selectedTram = 1;
    g_selectedLine = 0;
    game.form().btnNovyKursClick(nullptr);
    std::string trace;
    TForm1& f = game.form();
    const std::int64_t fires = game.ui().Timer("tMainTimer").FireCount();
    for (int tick = 1; tick <= kGameSeconds * kTicksPerSecond; ++tick) {
        Script(game, tick);
        game.ui().AdvanceFires("tMainTimer", 1);
        if (tick % kTicksPerSecond == 0) trace += TraceLine(f, tick) + "\n";
    }
    EXPECT_EQ(game.ui().Timer("tMainTimer").FireCount() - fires, kGameSeconds * kTicksPerSecond);
    EXPECT_EQ(game.ReportsText(), "");
    return trace;
}

TEST(GoldenDrive, LineZeroForSixtyGameSecondsTracesTheSameEveryTime) {
    const std::string first = Drive();
    const std::string second = Drive();
    ASSERT_EQ(first, second);

    if (std::getenv("KORVALO_UPDATE_GOLDEN")) {
        std::ofstream(kGoldenFile) << first;
        GTEST_SKIP() << "recorded " << kGoldenFile;
    }
    const std::string golden = testsupport::ReadFile(kGoldenFile);
    ASSERT_FALSE(golden.empty()) << "no recorded trace; run with KORVALO_UPDATE_GOLDEN=1";
    EXPECT_EQ(first, golden);
}

}  // namespace
