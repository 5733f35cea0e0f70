// The message panel: every message of the game shows the same way, in the
// colour of its kind, for a number of game seconds counted down by the
// tick's message timer. A penalty is a message that also takes money.
#pragma once

#include "game/state.h"
#include "platform/types.h"

class TForm1;

constexpr TColor kPenaltyColour = clMaroon;
constexpr int32 kPenaltySeconds = 7;

// Shows `text` on panVarovani in `colour` for `seconds` game seconds,
// replacing any message still showing.
void ShowGameMessage(TForm1& form, TColor colour, const AnsiString& text, int32 seconds);

// The cost of a penalty: `amount` taken from g_money (labKasa follows) and
// the penalty sound played once.
void ChargePenalty(TForm1& form, int32 amount);

// The penalty sequence: maroon message for 7 s, `flag` set, then the
// charge. The caller decides whether a penalty is due (tutorial, once per
// section).
void GivePenalty(TForm1& form, int32 amount, const AnsiString& text, int32& flag);
