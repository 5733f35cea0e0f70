// The game's globals with their starting values, and ResetGameState.
// Each scalar is listed once, with its starting value, in GAME_SCALARS:
// the list both defines the variable and puts it back.
#include "game/state.h"

#include "game/random.h"
#include "game/records.h"
#include "game/save.h"
#include "game/tram_layout.h"

#define GAME_SCALARS(X)                                                    \
    /* tram motion */                                                      \
    X(g_targetSpeed, 0) X(g_speed, 0) X(g_accelDelay, 0)                   \
    X(g_landscapeMoving, 0) X(g_streetMoving, 0) X(g_wheelDelay, 1)        \
    X(g_landscapeTileToggle, 0) X(g_roadTileToggle, 0)                     \
    /* money, score and levels (500 is replaced by the saved game) */      \
    X(g_money, 500) X(g_stopIncome, 0) X(g_carriedRun, 0)                  \
    X(g_carriedTotal, 0) X(g_level, 0) X(g_tramsBought, 0)                 \
    X(g_fleetSize, 0) X(g_selectedTram, 0) X(g_selectedLine, 0)            \
    /* clock */                                                            \
    X(g_clockSeconds, 0) X(g_runSeconds, 0) X(g_totalSeconds, 0)           \
    X(g_runActive, 0) X(g_stopDeparted, 0)                                 \
    /* run flags and animation gates */                                    \
    X(g_updateEnabled, 1) X(g_paxEnabled, 1) X(g_trafficEnabled, 1)        \
    X(g_gateSpeedStep, 4) X(g_gateWalk, 6) X(g_gateStand, 6)               \
    X(g_gateCarFrame, 2) X(g_gateTraffic, 33) X(g_gateClock, 33)           \
    X(g_gatePedSpawn, 0) X(g_tutorialStep, 0) X(g_menuMusicHold, 1)        \
    /* route and stops */                                                  \
    X(g_line, 0) X(g_sectionIndex, 0) X(g_stopsRemaining, 3)               \
    X(g_platformY, 353) X(g_stopPlaced, 0) X(g_lightPlaced, 0)             \
    X(g_signPlaced, 0) X(g_stopServed, 0) X(g_missedStopPenalised, 0)      \
    /* traffic light and warnings */                                       \
    X(g_lightPhase, 0) X(g_lightStepped, 0) X(g_crossingPenalised, 0)      \
    X(g_speedPenalised, 0) X(g_warningTimer, -1) X(g_lightGauge, 0)        \
    X(g_stopGauge, 0)                                                      \
    /* doors, boarding and traffic */                                      \
    X(g_doorsOpen, 0) X(g_carSpawnCountdown, 0)                            \
    /* start-up and display */                                             \
    X(g_startupStep, 0) X(g_fallbackModeWidth, 0)                          \
    X(g_fallbackModeHeight, 0)                                             \
    /* working values */                                                   \
    X(g_tmpClimbStep, 0) X(g_tmpSeatStep, 0) X(g_tmpExitRight, 0)          \
    X(g_tmpExitLeft, 0) X(g_tmpAlightStep, 0) X(g_roll0, 0) X(g_roll1, 0)  \
    X(g_roll2, 0) X(g_roll3, 0) X(g_nearestDoorRight, 0)                   \
    X(g_nearestDoorLeft, 0) X(g_chosenCandidate, -1) X(g_spawnTarget, 0)   \
    X(g_spawnedCount, 0)

#define DEFINE_SCALAR(name, start) int32 name = start;
GAME_SCALARS(DEFINE_SCALAR)
#undef DEFINE_SCALAR

int32 g_carriedByClass[4] = {0, 0, 0, 0};
int32 g_placeCandidate[4] = {-1, -1, -1, -1};

namespace {

//                          handle loop freq  volume playing
constexpr SoundChannel kStartChannels[8] = {
    {0.0f, 1.0f, 0.7f, 0.5f, 0.0f},  // 0 tram "Tram1"
    {0.0f, 1.0f, 0.6f, 0.4f, 0.0f},  // 1 tram "Tram0"
    {0.0f, 1.0f, 1.0f, 0.3f, 0.0f},  // 2 traffic
    {0.0f, 1.0f, 1.0f, 1.0f, 0.0f},  // 3 wind
    {0.0f, 1.0f, 1.0f, 0.2f, 0.0f},  // 4 water "Voda0"
    {0.0f, 1.0f, 1.0f, 0.2f, 0.0f},  // 5 water "Voda1"
    {0.0f, 1.0f, 1.2f, 1.0f, 0.0f},  // 6 crowd
    {0.0f, 1.0f, 1.0f, 0.4f, 0.0f},  // 7 menu music
};

}  // namespace

SoundChannel g_soundChannels[8] = {
    kStartChannels[0], kStartChannels[1], kStartChannels[2], kStartChannels[3],
    kStartChannels[4], kStartChannels[5], kStartChannels[6], kStartChannels[7],
};

void ResetGameState() {
#define RESET_SCALAR(name, start) name = start;
    GAME_SCALARS(RESET_SCALAR)
#undef RESET_SCALAR
    for (auto& c : g_carriedByClass) c = 0;
    for (auto& c : g_placeCandidate) c = -1;
    for (int i = 0; i < 8; ++i) g_soundChannels[i] = kStartChannels[i];

    g_tramLayout = kStartTramLayout;
    for (auto& p : g_places) p = PlaceSlot{};
    g_saveRecord = SaveRecord{};
    ResetPersonRecords();
    ResetPedestrianRecords();
    ResetCarRecords();
    ResetRandom();
    ResetSaveReadReport();
}
