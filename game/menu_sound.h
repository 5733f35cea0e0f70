// The sounds of the menu, the depot and the run start: one-shot clicks
// and the looping channels the shell starts, stops and fades.
#pragma once

#include <string>

// Starts a wave file once; its handle is dropped.
void PlayOneShot(const std::string& path, float volume);
// The button click of menu and depot actions.
void PlayClick();
// The click of starting or leaving a run.
void PlayUnclick();

// Starts `path` on sound channel `channel` with the channel's loop flag
// and volume and keeps the handle in the channel.
void StartChannel(int channel, const std::string& path);
// Stops the run's loops: channels 0 to 6, in ascending order.
void StopRunChannels();
// Starts the looping menu music on its channel (7).
void StartMenuMusic();
// Brings the menu music (channel 7) back to its full menu volume and
// tells the tick to leave it alone.
void RestoreMenuMusic();
