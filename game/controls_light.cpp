// The one traffic light of the game cycles on its own timer, in the menu
// and the depot too: each event takes exactly one step and sets the
// interval of the phase it enters.
#include "app/form1.h"
#include "game/state.h"

namespace {

struct LightStep {
    int from;
    int to;
    int intervalMs;  // how long the phase entered lasts
};

// Phase 0 is the long phase, 1 the short one before red, 2 red.
constexpr LightStep kLightCycle[] = {{0, 1, 6000}, {1, 2, 15000}, {2, 0, 25000}};

}  // namespace

void TForm1::tSemaforTimer(TObject*) {
    g_lightStepped = 0;
    for (const LightStep& step : kLightCycle) {
        if (g_lightPhase != step.from || g_lightStepped != 0) continue;
        g_lightPhase = step.to;
        const AnsiString phase = IntToStr(step.to);
        imgSemafor->Picture->LoadFromFile("Textures//Semafory//Semafor" + phase + ".bmp");
        imgVystraha->Picture->LoadFromFile("Textures//Semafory//MalySemafor" + phase + ".bmp");
        tSemafor->SetInterval(step.intervalMs);
        g_lightStepped = 1;
    }
}
