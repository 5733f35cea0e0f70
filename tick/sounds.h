// Sound helpers of the tick for the looping channels of g_soundChannels,
// whose handles are kept as floats. One-shots and channel starts are the
// shell's PlayOneShot and StartChannel (game/menu_sound.h).
#pragma once

#include "game/state.h"

// Channel numbers.
constexpr int kChannelTramHigh = 0;   // "Tram1", only while moving
constexpr int kChannelTramLow = 1;    // "Tram0", from the first move on
constexpr int kChannelTraffic = 2;
constexpr int kChannelWater0 = 4;
constexpr int kChannelWater1 = 5;
constexpr int kChannelMenuMusic = 7;

void StopChannel(int channel);

// Sends the channel's frequency factor to the library.
void SendChannelFreq(int channel);
