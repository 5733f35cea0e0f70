// The trace of a scripted drive: what the player sees, as text, line by
// line, so two drives compare with a diff.
//
//   DriveTrace trace(game, 100);            // a scene sample every 100 ticks
//   player.SetStepHook([&] { trace.Observe(); });
//   trace.Note("click NEW GAME");            // the script's own steps
//   trace.Frame("depot");                    // a hash of the rendered screen
//   trace.SaveFile();                        // "Save.gqs" word by word, in hex
//
// Each Observe writes, stamped with the tick (virtual time / 10 ms), what
// changed since the last one: the money with what came with it (fares by
// class, a message), the message bar, every sound started (channel or
// one-shot, volume, pitch), stopped or turned, and the captions of the
// labels that do not count every tick. When a sample is due it adds the
// scene: every showing widget whose place, size, picture or caption
// changed since the last sample, the stretch of the front-to-back order
// that changed, and the playing voices' volume and pitch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_fixture.h"

namespace drives {

// FNV-1a of the bytes, in hex.
std::string HashOf(const void* data, std::size_t size);

class DriveTrace {
public:
    DriveTrace(GameHarness& game, int sampleEveryTicks);

    void SampleEvery(int ticks) { sampleEveryTicks_ = ticks; }
    void Note(const std::string& what);
    void Observe();
    // A scene sample now (after clicks, at moments worth a full look); the
    // samples at intervals begin with the first.
    void Sample();
    void SaveFile();
    void Frame(const std::string& moment);

    const std::string& Text() const { return text_; }
    // moment -> hash of the rendered screen, in the order taken.
    const std::vector<std::pair<std::string, std::string>>& Frames() const { return frames_; }
    // The rendered screen of a moment, for the artifacts of a mismatch.
    void WriteFramePng(const std::string& moment, const std::string& path);

private:
    void Line(const std::string& text);
    void MoneyAndMessage();
    void Sounds();
    void Captions();
    std::string ChannelOf(int handle) const;

    GameHarness& game_;
    int sampleEveryTicks_;
    std::int64_t lastSampleTick_ = -1;
    std::string text_;
    // Last seen values.
    std::string money_;
    std::string message_;
    std::map<std::string, std::string> captions_;
    std::size_t soundCalls_ = 0;
    std::map<int, std::string> started_;  // handle -> channel and file of its start
    std::map<std::string, std::string> scene_;  // widget -> its description
    std::vector<std::string> order_;
    std::string voices_;
    std::vector<std::pair<std::string, std::string>> frames_;
    std::map<std::string, std::vector<std::uint32_t>> framePixels_;
    int frameWidth_ = 0, frameHeight_ = 0;
};

}  // namespace drives
