// The sound library: eight operations, all called from the user-interface
// thread. Handles are positive integers below 16777216 (a 32-bit float
// holds them exactly), never reused. Stop, volume and pitch on handle 0,
// on a finished one-shot or on a stopped sound do nothing.
#pragma once

#include <string>

class ISoundLibrary {
public:
    virtual ~ISoundLibrary() = default;
    virtual int Init(int arg) = 0;
    // Starts a wave file at once beside all others; loop 1 repeats it.
    virtual int Start(const std::wstring& path, int loop, float volume) = 0;
    virtual void Stop(int handle) = 0;
    virtual void StopAll(int arg) = 0;
    virtual void SetFrequency(int handle, float factor) = 0;
    virtual void SetVolume(int handle, float volume) = 0;
    virtual void Update() = 0;
    virtual void Destroy() = 0;
};

// Installs the library the game's calls go to (not owned). Without one,
// every call is silently ignored and SoundSpust returns 0.
void UseSoundLibrary(ISoundLibrary* library);
ISoundLibrary* CurrentSoundLibrary();

// The game's entry points.
int SoundInit(int arg);
int SoundSpust(const std::wstring& path, int loop, float volume);
void SoundZastav(int handle);
void SoundZastavVse(int arg);
void SoundNastavFreq(int handle, float factor);
void SoundNastavHlasitost(int handle, float volume);
void updateXaudio();
void SoundDestroy();

// Paths are built as 8-bit strings; the library takes wide ones.
std::wstring WidePath(const std::string& path);
