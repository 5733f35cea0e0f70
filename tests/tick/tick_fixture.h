// A run set up as the depot starts it, driven one tick at a time.
#pragma once

#include <string>

#include "tests/support/run_fixture.h"

class TickTest : public RunFixture {
protected:
    // Moving at a steady speed: the speed step has nothing to do.
    void Cruise(int32 speed) {
        g_speed = speed;
        g_targetSpeed = speed;
    }

    // Puts the leading landscape image so that its right edge is at `edge`.
    void LandscapeEdgeAt(int edge) {
        TImage* leading = g_landscapeTileToggle == 0 ? form().imgKrajina1 : form().imgKrajina2;
        leading->Left = edge - leading->Width;
    }

    int StartsOf(const std::string& path) const { return static_cast<int>(sound.StartsOf(path).size()); }
};
