#include "game/menu_sound.h"

#include "game/state.h"
#include "platform/sound.h"

namespace {

constexpr float kClickVolume = 0.3f;
constexpr float kMenuMusicVolume = 0.4f;
constexpr int kMenuMusicChannel = 7;
constexpr int kLastRunChannel = 6;

}  // namespace

void PlayOneShot(const std::string& path, float volume) { SoundSpust(WidePath(path), 0, volume); }

void PlayClick() { PlayOneShot("Zvuky//Obecne//Klik.wav", kClickVolume); }

void PlayUnclick() { PlayOneShot("Zvuky//Obecne//Unklik.wav", kClickVolume); }

void StartChannel(int channel, const std::string& path) {
    SoundChannel& ch = g_soundChannels[channel];
    const int loop = ch.loop != 0.0f ? 1 : 0;
    ch.handle = static_cast<float>(SoundSpust(WidePath(path), loop, ch.volume));
}

void StopRunChannels() {
    for (int channel = 0; channel <= kLastRunChannel; ++channel) SoundZastav(ChannelHandle(g_soundChannels[channel]));
}

void StartMenuMusic() { StartChannel(kMenuMusicChannel, "Zvuky//Hudba//MenuMusic.wav"); }

void RestoreMenuMusic() {
    g_menuMusicHold = 1;
    g_soundChannels[kMenuMusicChannel].volume = kMenuMusicVolume;
    SoundNastavHlasitost(ChannelHandle(g_soundChannels[kMenuMusicChannel]), kMenuMusicVolume);
}
