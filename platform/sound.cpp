// The game's sound calls, passed on to the installed library.
#include "platform/sound.h"

namespace {
ISoundLibrary* g_library = nullptr;
}

void UseSoundLibrary(ISoundLibrary* library) { g_library = library; }
ISoundLibrary* CurrentSoundLibrary() { return g_library; }

int SoundInit(int arg) { return g_library ? g_library->Init(arg) : 0; }

int SoundSpust(const std::wstring& path, int loop, float volume) {
    return g_library ? g_library->Start(path, loop, volume) : 0;
}

void SoundZastav(int handle) {
    if (g_library) g_library->Stop(handle);
}

void SoundZastavVse(int arg) {
    if (g_library) g_library->StopAll(arg);
}

void SoundNastavFreq(int handle, float factor) {
    if (g_library) g_library->SetFrequency(handle, factor);
}

void SoundNastavHlasitost(int handle, float volume) {
    if (g_library) g_library->SetVolume(handle, volume);
}

void updateXaudio() {
    if (g_library) g_library->Update();
}

void SoundDestroy() {
    if (g_library) g_library->Destroy();
}

// The game's sound paths are ASCII: each byte becomes one wide character.
std::wstring WidePath(const std::string& path) {
    std::wstring wide;
    wide.reserve(path.size());
    for (unsigned char c : path) wide.push_back(static_cast<wchar_t>(c));
    return wide;
}
