// A sound library for tests: plays nothing, logs every call under the
// names the game's design uses ("_SoundSpust@12" ...) with its arguments
// and returned handle, and models each started sound as a voice.
//
//   FakeSoundLibrary sound;            // installs itself, restores on exit
//   ... run the game ...
//   EXPECT_EQ(sound.PlayingCount("Zvuky//Hudba//MenuMusic.wav"), 1);
//   EXPECT_FLOAT_EQ(sound.Find((int)g_soundChannels[6].handle)->volume, 0.5f);
//   EXPECT_EQ(sound.CallsBeforeInit(), 0);
//
// One-shots (loop 0) end by hand (EndOneShots, End) or, when the file has
// a duration (SetDuration), once the clock has passed it. The clock is
// the application's virtual time unless SetClock gives another.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/sound.h"

class FakeSoundLibrary : public ISoundLibrary {
public:
    struct Call {
        std::string name;      // "_SoundInit@4", "_SoundSpust@12", ...
        std::string path;      // 8-bit path of a start call
        int arg = 0;           // handle, loop flag or the int argument
        float value = 0.0f;    // volume or factor
        int handle = 0;        // handle returned by a start call
        std::int64_t timeMs = 0;
        std::string Text() const;  // e.g. "_SoundSpust@12(Zvuky//Obecne//Klik.wav, 0, 0.3) -> 5"
    };
    struct Voice {
        int handle = 0;
        std::string path;
        int loop = 0;
        float volume = 0.0f;
        float factor = 1.0f;
        bool playing = false;
        std::int64_t startMs = 0;
    };

    // Installs itself with UseSoundLibrary unless `install` is false; the
    // previous library is put back when the fake dies.
    explicit FakeSoundLibrary(bool install = true);
    ~FakeSoundLibrary() override;
    FakeSoundLibrary(const FakeSoundLibrary&) = delete;
    FakeSoundLibrary& operator=(const FakeSoundLibrary&) = delete;

    int Init(int arg) override;
    int Start(const std::wstring& path, int loop, float volume) override;
    void Stop(int handle) override;
    void StopAll(int arg) override;
    void SetFrequency(int handle, float factor) override;
    void SetVolume(int handle, float volume) override;
    void Update() override;
    void Destroy() override;

    // --- set-up ---
    void SetClock(std::function<std::int64_t()> clock);
    // One-shots of this file end `ms` after their start.
    void SetDuration(const std::string& path, std::int64_t ms);

    // --- the log ---
    const std::vector<Call>& Calls() const { return calls_; }
    std::vector<Call> CallsNamed(const std::string& name) const;
    // Start calls of this file.
    std::vector<Call> StartsOf(const std::string& path) const;
    // The whole log, one call per line.
    std::string LogText() const;
    void ClearLog();

    // --- the voices ---
    const std::map<int, Voice>& Voices() const { return voices_; }
    const Voice* Find(int handle) const;  // nullptr for a handle never returned
    bool IsPlaying(int handle) const;
    // The playing voices of a file (several starts of it play side by side).
    std::vector<const Voice*> Playing(const std::string& path) const;
    int PlayingCount(const std::string& path) const;
    std::vector<const Voice*> AllPlaying() const;
    // Ends a one-shot / every playing one-shot (a loop is never ended this way).
    void End(int handle);
    void EndOneShots();

    // --- misuse counters ---
    bool Initialized() const { return initialized_; }
    bool Destroyed() const { return destroyed_; }
    int CallsBeforeInit() const { return beforeInit_; }
    int CallsAfterDestroy() const { return afterDestroy_; }
    // Stop, pitch and volume calls on 0, on an unknown handle or on a
    // sound that is no longer playing: allowed, counted, change nothing.
    int StaleHandleCalls() const { return staleCalls_; }

private:
    std::int64_t Now() const;
    void ExpireOneShots();
    void Log(Call call);
    Voice* Live(int handle);

    ISoundLibrary* previous_ = nullptr;
    bool installed_ = false;
    std::function<std::int64_t()> clock_;
    std::map<std::string, std::int64_t> durations_;
    std::vector<Call> calls_;
    std::map<int, Voice> voices_;
    int nextHandle_ = 1;
    bool initialized_ = false;
    bool destroyed_ = false;
    int beforeInit_ = 0;
    int afterDestroy_ = 0;
    int staleCalls_ = 0;
};
