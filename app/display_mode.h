// The switch of the display to full screen at 1024 x 768 x 32, with the
// search of the display modes when that mode cannot be set.
#pragma once

#include "platform/display.h"

// Called for each mode the display lists: goes on while the mode is
// smaller than 1024 x 768; the first mode at least that large is kept in
// g_fallbackModeWidth / g_fallbackModeHeight and ends the listing.
bool EnumModesCallback(const DisplayMode& mode);

// Exclusive full screen at 1024 x 768 x 32, else at the first listed mode
// at least that large, else the desktop's mode. Never reports anything.
void SwitchDisplayMode();
