// The pictures the main window carries from the start (design-time
// artwork and the button glyphs), under Textures/Form/<widget name>.bmp.
// All twenty passers-by share Kolemjdouci.bmp. A glyph is as large as the
// inside of its button (the button less its 2-pixel bevel on every side);
// its corners are key-coloured, so the button face shows there.
#pragma once

#include <string>

#include "game/depot_layout.h"

namespace form_artwork {

struct Picture {
    const char* name;
    int width;
    int height;
};

inline constexpr int kBevel = 2;

inline constexpr Picture kPictures[] = {
    {"imgSemafor", 48, 250},
    {"imgVystraha", 39, 89},
    {"imgDisplej1", 30, 30},
    {"imgDisplej2", 30, 30},
    {"Kolemjdouci", 15, 55},
    {"imgSloup1", 15, 151},
    {"imgSloup2", 15, 151},
    {"imgPrechodProChodce", 74, 84},
    {"Image1", 39, 89},
    // Button glyphs.
    {"BitBtn1", 105 - 2 * kBevel, 32 - 2 * kBevel},
    {"btnUpozorneniAno", 200 - 2 * kBevel, 25 - 2 * kBevel},
    {"btnUpozorneniNe", 200 - 2 * kBevel, 25 - 2 * kBevel},
    {"btnTutorial", 66 - 2 * kBevel, 18 - 2 * kBevel},
    {"btnNovyKurs", depot_layout::kStartWidth - 2 * kBevel, depot_layout::kStartHeight - 2 * kBevel},
    {"btnKoupitNovouTramvaj", depot_layout::kMemoWidth - 2 * kBevel, depot_layout::kBuyHeight - 2 * kBevel},
    {"btnLinkaPrevious", depot_layout::kArrowWidth - 2 * kBevel, depot_layout::kArrowHeight - 2 * kBevel},
    {"btnTramvajPrevious", depot_layout::kArrowWidth - 2 * kBevel, depot_layout::kArrowHeight - 2 * kBevel},
    {"btnLinkaNext", depot_layout::kArrowWidth - 2 * kBevel, depot_layout::kArrowHeight - 2 * kBevel},
    {"btnTramvajNext", depot_layout::kArrowWidth - 2 * kBevel, depot_layout::kArrowHeight - 2 * kBevel},
};

inline std::string PathOf(const char* name) { return std::string("Textures/Form/") + name + ".bmp"; }

}  // namespace form_artwork
