// Constant tables of the game's progress: the level goals and the prices
// of the trams for sale.
#pragma once

#include "game/state.h"

constexpr int32 kLevelGoalRows = 11;
constexpr int32 kPlayableLevels = 3;       // g_level 0..2
constexpr int32 kFinishedGoalRow = 10;     // shown once the game is finished
constexpr int32 kTramPriceCount = 7;

// Career passengers of each class (columns 0..3) needed at each level
// (rows); rows 0..2 are played, row 10 is shown after the game is finished.
extern const int32 g_levelGoals[kLevelGoalRows][4];

// Price of the next tram, indexed by g_tramsBought.
extern const int32 g_tramPrices[kTramPriceCount];
