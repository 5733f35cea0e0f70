// Helpers of the shell tests: captions and pictures by widget name, and
// the depot of a career on disk.
#pragma once

#include <string>

#include "game/save.h"
#include "game/state.h"
#include "tests/support/career_figures.h"
#include "tests/support/game_fixture.h"

namespace shell_test {

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
