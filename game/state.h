// The game's scalar state: one fixed set of globals that live as long as
// the program, each with its own starting value (see state.cpp). Every
// number is a signed 32-bit integer; only the sound channels hold floats.
// The records and tables live in route.h, tram_layout.h, records.h,
// save.h, random.h and tables.h (level goals, tram prices).
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

using int32 = std::int32_t;

// Adds to a career figure (money, passengers, play time), stopping at the
// limits of 32 bits instead of overflowing: a saved game may start the
// career at any 32-bit figure, so a fare or a second more must not wrap.
inline void AddToFigure(int32& figure, int32 amount) {
    const std::int64_t sum = std::int64_t{figure} + amount;
    figure = static_cast<int32>(std::clamp<std::int64_t>(sum, std::numeric_limits<int32>::min(),
                                                         std::numeric_limits<int32>::max()));
}

// Tram motion
extern int32 g_targetSpeed;
extern int32 g_speed;
extern int32 g_accelDelay;
extern int32 g_landscapeMoving;
extern int32 g_streetMoving;
extern int32 g_wheelDelay;
extern int32 g_landscapeTileToggle;
extern int32 g_roadTileToggle;

// Money, score and levels
extern int32 g_money;
extern int32 g_stopIncome;
extern int32 g_carriedRun;
extern int32 g_carriedTotal;
extern int32 g_carriedByClass[4];
extern int32 g_level;
extern int32 g_tramsBought;
extern int32 g_fleetSize;
extern int32 g_selectedTram;
extern int32 g_selectedLine;

// Clock
extern int32 g_clockSeconds;
extern int32 g_runSeconds;
extern int32 g_totalSeconds;
extern int32 g_runActive;
extern int32 g_stopDeparted;

// Run flags and animation gates
extern int32 g_updateEnabled;
extern int32 g_paxEnabled;
extern int32 g_trafficEnabled;
extern int32 g_gateSpeedStep;
extern int32 g_gateWalk;
extern int32 g_gateStand;
extern int32 g_gateCarFrame;
extern int32 g_gateTraffic;
extern int32 g_gateClock;
extern int32 g_gatePedSpawn;
extern int32 g_tutorialStep;
extern int32 g_menuMusicHold;

// Route and stops
extern int32 g_line;
extern int32 g_sectionIndex;
extern int32 g_stopsRemaining;
extern int32 g_platformY;
extern int32 g_stopPlaced;
extern int32 g_lightPlaced;
extern int32 g_signPlaced;
extern int32 g_stopServed;
extern int32 g_missedStopPenalised;

// Traffic light and warnings
extern int32 g_lightPhase;
extern int32 g_lightStepped;
extern int32 g_crossingPenalised;
extern int32 g_speedPenalised;
extern int32 g_warningTimer;
extern int32 g_lightGauge;
extern int32 g_stopGauge;

// Doors, boarding and traffic
extern int32 g_doorsOpen;
extern int32 g_carSpawnCountdown;

// Start-up and display
extern int32 g_startupStep;
extern int32 g_fallbackModeWidth;
extern int32 g_fallbackModeHeight;

// Working values: hold nothing between uses.
extern int32 g_tmpClimbStep;
extern int32 g_tmpSeatStep;
extern int32 g_tmpExitRight;
extern int32 g_tmpExitLeft;
extern int32 g_tmpAlightStep;
extern int32 g_roll0;
extern int32 g_roll1;
extern int32 g_roll2;
extern int32 g_roll3;
extern int32 g_nearestDoorRight;
extern int32 g_nearestDoorLeft;
extern int32 g_placeCandidate[4];
extern int32 g_chosenCandidate;
extern int32 g_spawnTarget;
extern int32 g_spawnedCount;

// One looping sound of the game. The handle is kept as a float and
// truncated back to an integer for each library call.
struct SoundChannel {
    float handle;
    float loop;
    float freq;
    float volume;
    float playing;
};
// 0 tram "Tram1", 1 tram "Tram0", 2 traffic, 3 wind, 4 and 5 water,
// 6 crowd, 7 menu music.
extern SoundChannel g_soundChannels[8];

// The integer handle the library gave, as the channel stores it.
inline int ChannelHandle(const SoundChannel& channel) { return static_cast<int>(channel.handle); }

// Puts every global of the game (scalars, channels, records, tables that
// change, the random generator) back to its starting value. For tests.
void ResetGameState();
