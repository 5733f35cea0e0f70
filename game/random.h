// The game's one pseudo-random generator.
//
// The game's random(n) is spelled Random(n) here so it cannot clash with
// POSIX ::random(): 0 for n == 0 without drawing; otherwise a non-negative
// 31-bit draw taken modulo n, the remainder having the sign of the draw
// (0..n-1 for n > 0, 0..|n|-1 for n < 0). Every part of the game draws
// from this one generator, so a seed gives a reproducible game.
//
// Tests can seed it (SeedRandomWith) or queue exact draws
// (ScriptRandomDraws): queued raw draws are used before the generator, so
// queueing 1 makes the next Random(2) return 1.
#pragma once

#include <cstdint>
#include <vector>

#include "game/state.h"

int32 Random(int32 n);

// Seeds the generator from the calendar time in whole seconds (once, at
// the end of the loading sequence).
void SeedRandom();
void SeedRandomWith(std::uint32_t seed);

// Queues raw draws (each taken as its value & 0x7FFFFFFF) for the next
// draws; they are used in order before the generator is asked again.
void ScriptRandomDraws(const std::vector<int32>& draws);
// Number of draws taken since the last reset (scripted ones included).
std::int64_t RandomDrawCount();
// Queued draws not used yet.
std::size_t ScriptedDrawsLeft();
// The generator as at program start: default seed, no queue, count 0.
void ResetRandom();
