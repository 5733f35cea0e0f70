// The level goals: career passengers per class that each level asks for.
#pragma once

#include <array>

#include "game/state.h"

class TForm1;
class TLabel;

// Row of the goal table that the goal check and the colours use: g_level,
// read as 0..2 whatever a stray value says.
const int32* LevelGoalRow();
// Row the goal captions show: the finished game's row, else LevelGoalRow.
const int32* ShownGoalRow();

// labNemajetniCil .. labElitaCil, in class order.
std::array<TLabel*, 4> GoalLabels(TForm1& form);
