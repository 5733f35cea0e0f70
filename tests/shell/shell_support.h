// Helpers of the shell tests: careers on disk, the words of the saved
// game, and the player's usual ways into the depot and into a run.
#pragma once

#include <array>
#include <fstream>
#include <string>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/game_fixture.h"

namespace shell_test {

// A saved career with the given money and trams; everything else as a
// new game has it.
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

// The 19 words of "Save.gqs" in the working directory; the size of the
// file goes to `bytes`.
inline SaveWords ReadSaveWords(const GameHarness& game, long* bytes = nullptr) {
    SaveWords words{};
    std::ifstream in(game.WorkDir() + "/" + kSaveFileName, std::ios::binary);
    in.seekg(0, std::ios::end);
    if (bytes) *bytes = static_cast<long>(in.tellg());
    in.seekg(0);
    unsigned char raw[kSaveFileSize] = {};
    in.read(reinterpret_cast<char*>(raw), kSaveFileSize);
    for (size_t w = 0; w < words.size(); ++w)
        words[w] = static_cast<int32>(raw[4 * w] | raw[4 * w + 1] << 8 | raw[4 * w + 2] << 16 |
                                      static_cast<unsigned>(raw[4 * w + 3]) << 24);
    return words;
}

inline std::string Caption(GameHarness& game, const char* label) {
    return game.ui().As<TLabel>(label).Caption();
}

inline std::string PictureOf(GameHarness& game, const char* image) {
    return game.ui().As<TImage>(image).Picture->FileName();
}

// From the main menu into the depot with the saved game.
inline void ContinueToDepot(GameHarness& game) { game.ui().Click("labMenu3"); }

}  // namespace shell_test
