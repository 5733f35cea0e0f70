// The game's sound library over OpenAL Soft: one source per started
// sound, wave files decoded once per file and kept as buffers. Without a
// sound device it stays silent but every call behaves the same (handles,
// stops, volumes). After Destroy nothing reaches OpenAL any more.
//
// In the game: `static OpenAlSoundLibrary sound; UseSoundLibrary(&sound);`
// then SoundInit(0) opens the default device.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound.h"

class OpenAlSoundLibrary : public ISoundLibrary {
public:
    struct Options {
        // Device to open; empty is the system's default device.
        std::string deviceName;
        // Render into memory instead of a device (ALC_SOFT_loopback), at
        // this rate, mono, 32-bit float samples. Used by tests to measure.
        bool loopback = false;
        int loopbackRate = 44100;
    };

    OpenAlSoundLibrary();
    explicit OpenAlSoundLibrary(Options options);
    ~OpenAlSoundLibrary() override;
    OpenAlSoundLibrary(const OpenAlSoundLibrary&) = delete;
    OpenAlSoundLibrary& operator=(const OpenAlSoundLibrary&) = delete;

    int Init(int arg) override;
    int Start(const std::wstring& path, int loop, float volume) override;
    void Stop(int handle) override;
    void StopAll(int arg) override;
    void SetFrequency(int handle, float factor) override;
    void SetVolume(int handle, float volume) override;
    void Update() override;
    void Destroy() override;

    // True while a device is open (false: silent fallback, or destroyed).
    bool HasDevice() const;
    // Sounds currently holding an OpenAL source (finished one-shots are
    // released when the library next looks at its voices).
    int ActiveVoices();
    // Loopback only: renders `frames` mono samples; empty when not open.
    std::vector<float> Render(int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
