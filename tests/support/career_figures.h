// What the whole-game tests read back: the depot's figures as the screen
// shows them, the saved game word by word against them, and the messages
// a drive met.
#pragma once

#include <array>
#include <string>

#include "tests/support/player.h"
#include "tests/support/game_fixture.h"

namespace e2e {

// The career as the depot and the dashboard show it.
struct Dashboard {
    int money = 0;                    // labKasa
    int carriedRun = 0;               // labPrevezeno
    int carriedTotal = 0;             // labCelkemPrevezeno
    int runSeconds = 0;               // labOdjetoZa{Hod,Min,Sec}
    int totalSeconds = 0;             // labCasVeHre{Hod,Min,Sec}
    std::array<int, 4> carriedByClass{};  // lab{Nemajetni,Delnici,Urednici,Elita}Prevezeno
    std::array<int, 4> goals{};           // lab...Cil
    int selectedTram = 0;             // labZmenitVuz
    int tramsBought = 0;              // number of the preview of the tram for sale
};

Dashboard ReadDashboard(GameHarness& game);

// Checks "Save.gqs" word by word: the figures of `shown`, and the values
// the screen does not show as numbers.
void ExpectSaveMatches(GameHarness& game, const Dashboard& shown, int gameFinished, int tramsBought, int fleet,
                       int level);

// The 19 words of "Save.gqs" (empty when it is not 76 bytes).
std::array<int, 19> SaveWords(GameHarness& game, bool* complete = nullptr);

// No message of the drive took money.
bool NoPenalty(const RunLog& run);

// The level whose goals the goal labels show (-1: none of them; 10: the
// finished game's row).
int LevelOfGoals(const Dashboard& shown);

}  // namespace e2e
