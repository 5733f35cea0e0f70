#include "tick/sounds.h"

#include "app/form1.h"
#include "platform/sound.h"
#include "tick/blocks.h"

void StopChannel(int channel) { SoundZastav(ChannelHandle(g_soundChannels[channel])); }

void SendChannelFreq(int channel) {
    const SoundChannel& ch = g_soundChannels[channel];
    SoundNastavFreq(ChannelHandle(ch), ch.freq);
}

// Block A, first step: once a run has begun, the menu music fades out by
// one hundredth per tick. It keeps playing at volume 0 for the next menu.
void FadeMenuMusic(TForm1&) {
    SoundChannel& music = g_soundChannels[kChannelMenuMusic];
    if (music.volume > 0.0f && g_menuMusicHold == 0) {
        music.volume -= 0.01f;
        if (music.volume < 0.0f) music.volume = 0.0f;
        SoundNastavHlasitost(ChannelHandle(music), music.volume);
    }
}
