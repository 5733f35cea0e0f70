// The tram's motion model and its two engine loops: every tick the loops
// follow whether the tram moves; every fourth tick the speed moves 1 km/h
// toward the target, slowly and in bands when accelerating, and the pitch
// of both loops follows it.
#include "app/form1.h"
#include "game/menu_sound.h"
#include "platform/sound.h"
#include "tick/blocks.h"
#include "tick/sounds.h"

namespace {

struct EngineLoop {
    int channel;
    const char* path;
    float startFreq;
};
constexpr EngineLoop kEngineLoops[] = {
    {kChannelTramHigh, "Zvuky//Tramvaje//Tram1.wav", 0.7f},
    {kChannelTramLow, "Zvuky//Tramvaje//Tram0.wav", 0.6f},
};

// Acceleration bands, by the speed before the +1: the wait in speed steps
// until the next +1, and how much the pitch rises with this one.
struct AccelBand {
    int32 below;  // speeds up to below-1
    int32 delay;
    double pitchStep;
};
constexpr AccelBand kAccelBands[] = {
    {30, 2, 0.012}, {40, 3, 0.018}, {45, 4, 0.02}, {50, 5, 0.025}, {55, 7, 0.021}, {60, 10, 0.02},
};

constexpr double kBrakePitchStep = 0.016;
// Pitch floors: the high loop stops falling at the float 0.5, the low one
// at the double 0.6 (so its float start value 0.6 still falls once more).
constexpr float kHighLoopFloor = 0.5f;
constexpr double kLowLoopFloor = 0.6;

// Pitch arithmetic: the float factor widened to double, the result stored
// as float again.
void AddPitch(int channel, double step) {
    float& freq = g_soundChannels[channel].freq;
    freq = static_cast<float>(static_cast<double>(freq) + step);
    SendChannelFreq(channel);
}

const AccelBand* AccelBandOf(int32 speed) {
    for (const AccelBand& band : kAccelBands)
        if (speed < band.below) return &band;
    return nullptr;  // the tram is at 60: the targets stop there
}

void ShowSpeed(TForm1& form) { form.labAktualniRychlost->SetCaption(IntToStr(g_speed)); }

}  // namespace

void UpdateEngineSounds(TForm1&) {
    if (g_speed > 0) {
        for (const EngineLoop& loop : kEngineLoops) {
            SoundChannel& ch = g_soundChannels[loop.channel];
            if (ch.playing != 0.0f) continue;
            StartChannel(loop.channel, loop.path);
            ch.freq = loop.startFreq;
            SendChannelFreq(loop.channel);
            ch.playing = 1.0f;
        }
        g_landscapeMoving = 1;
        g_streetMoving = 1;
    } else {
        // Only the high loop falls silent at rest; the low one hums on.
        SoundChannel& high = g_soundChannels[kChannelTramHigh];
        if (high.playing == 1.0f) {
            StopChannel(kChannelTramHigh);
            high.playing = 0.0f;
        }
        g_landscapeMoving = 0;
        g_streetMoving = 0;
    }
}

void SpeedStep(TForm1& form) {
    if (g_targetSpeed > g_speed) {
        --g_accelDelay;
        const AccelBand* band = AccelBandOf(g_speed);
        if (g_accelDelay == 0 && band) {
            g_accelDelay = band->delay;
            AddPitch(kChannelTramHigh, band->pitchStep);
            AddPitch(kChannelTramLow, band->pitchStep);
            ++g_speed;
            ShowSpeed(form);
        }
    }
    if (g_targetSpeed < g_speed) {
        float& high = g_soundChannels[kChannelTramHigh].freq;
        if (high > kHighLoopFloor) high = static_cast<float>(static_cast<double>(high) - kBrakePitchStep);
        SendChannelFreq(kChannelTramHigh);
        float& low = g_soundChannels[kChannelTramLow].freq;
        if (static_cast<double>(low) > kLowLoopFloor) low = static_cast<float>(static_cast<double>(low) - kBrakePitchStep);
        SendChannelFreq(kChannelTramLow);
        if (g_speed > 0) --g_speed;
        ShowSpeed(form);
    }
}
