// Block A's goal check: when the passengers carried in the whole career
// meet every goal of the level, the level rises (unlocking the next line
// in the depot) or, at the last level, the game is finished; applause
// and a message either way.
#include "tick/goals.h"

#include <algorithm>

#include "app/form1.h"
#include "game/menu_sound.h"
#include "game/save.h"
#include "game/tables.h"
#include "tick/blocks.h"
#include "tick/captions.h"
#include "tick/messages.h"

namespace {

constexpr int32 kLastLevel = kPlayableLevels - 1;
constexpr int32 kLevelDoneSeconds = 10;
constexpr int32 kGameFinishedSeconds = 15;

int32 PlayableLevel() { return std::clamp<int32>(g_level, 0, kLastLevel); }

bool GoalsMet(const int32* goals) {
    for (int c = 0; c < 4; ++c)
        if (g_carriedByClass[c] < goals[c]) return false;
    return true;
}

void PlayApplause() { PlayOneShot("Zvuky//Obecne//Potlesk.wav", 0.3f); }

}  // namespace

const int32* LevelGoalRow() { return g_levelGoals[PlayableLevel()]; }

const int32* ShownGoalRow() {
    return g_saveRecord.gameFinished != 0 ? g_levelGoals[kFinishedGoalRow] : LevelGoalRow();
}

std::array<TLabel*, 4> GoalLabels(TForm1& form) {
    return {form.labNemajetniCil, form.labDelniciCil, form.labUredniciCil, form.labElitaCil};
}

void CheckLevelGoals(TForm1& form) {
    if (!GoalsMet(LevelGoalRow())) return;
    const int32 level = PlayableLevel();
    if (level == kLastLevel && g_saveRecord.gameFinished == 0) {
        // Reaches the saved game with the next save at the end of the line.
        g_saveRecord.gameFinished = 1;
        static const AnsiString text =
            "YOU\xB4VE FINISHED PLAYING THE GAME! CONGRATULATIONS! Now you can play another my biger games "
            "clicking here.";
        ShowGameMessage(form, clNavy, text, kGameFinishedSeconds);
        // Two applauses at once.
        PlayApplause();
        PlayApplause();
    }
    if (level < kLastLevel) {
        g_level = level + 1;
        static const AnsiString text =
            "You have fulfilled demands of this level! Congratulations! Now arrive at the home terminal and "
            "then try the newly declassified line. ;-)";
        ShowGameMessage(form, clPurple, text, kLevelDoneSeconds);
        PlayApplause();
    }
}

void ColourGoalLabels(TForm1& form) {
    const int32* goals = LevelGoalRow();
    const std::array<TLabel*, 4> labels = GoalLabels(form);
    for (int c = 0; c < 4; ++c) ShowFontColour(*labels[c], g_carriedByClass[c] >= goals[c] ? clLime : clRed);
    ShowFontColour(*form.labKasa, clLime);
}
