// Helpers of the shell tests: careers on disk, the words of the saved
// game, captions and pictures by widget name.
#pragma once

#include <array>
#include <fstream>
#include <string>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace shell_test {

// A saved career; everything not given as a new game has it.
inline SaveRecord Career(int money, int tramsBought, int fleet, int selected, int level = 0) {
    SaveRecord rec{};
    SetNewCareer(rec);
    rec.moneyHi = SplitHi(money);
    rec.moneyLo = SplitLo(money);
    rec.tramsBought = tramsBought;
    rec.fleetSize = fleet;
    rec.selectedTram = selected;
    rec.level = level;
    return rec;
}

using SaveWords = std::array<int32, 19>;

// The words of "Save.gqs"; its size in bytes goes to `bytes`.
inline SaveWords ReadSaveWords(const GameHarness& game, long* bytes = nullptr) {
    std::ifstream in(game.WorkDir() + "/" + kSaveFileName, std::ios::binary | std::ios::ate);
    if (bytes) *bytes = static_cast<long>(in.tellg());
    in.seekg(0);
    SaveWords words{};
    in.read(reinterpret_cast<char*>(words.data()), sizeof words);  // little-endian machine
    return words;
}

inline std::string Caption(GameHarness& game, const char* label) { return game.ui().As<TLabel>(label).Caption(); }
inline std::string PictureOf(GameHarness& game, const char* image) {
    return game.ui().As<TImage>(image).Picture->FileName();
}

// A saved career, the main menu, then CONTINUE GAME into the depot.
inline void DepotWith(GameHarness& game, const SaveRecord& rec) {
    game.WriteSave(rec);
    game.StartToMenu();
    game.ui().Click("labMenu3");
}

}  // namespace shell_test
