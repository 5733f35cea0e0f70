// Sound synthesis in our own code: 16-bit mono waves at 22050 Hz built from
// oscillators, filtered noise and envelopes. Loops are made exactly
// periodic (events wrap around the end; noise beds are cross-faded into
// their beginning), so they repeat without a click.
#pragma once

#include <string>
#include <vector>

#include "assets/rng.h"

namespace assets::synth {

constexpr int kRate = 22050;

using Buffer = std::vector<float>;

inline int Samples(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }

// Adds `src` into `dst` from `at`; with `wrap` the part past the end comes
// in again at the beginning (for loops).
void Mix(Buffer& dst, const Buffer& src, int at, float gain, bool wrap);

// White noise, deterministic.
Buffer Noise(Rng& rng, int n);
// Simple filters, in place.
void LowPass(Buffer& b, double cutoff);
void HighPass(Buffer& b, double cutoff);
void BandPass(Buffer& b, double centre, double q);

// A noise bed of `n` samples whose end runs into its beginning: `make`
// renders n + fade samples, the tail is cross-faded over the head.
Buffer LoopedBed(int n, int fade, const Buffer& rendered);

// Short fades at both ends (one-shots start and end at silence).
void FadeEnds(Buffer& b, double inSeconds, double outSeconds);
// Scales the whole buffer so that its largest magnitude is `peak`.
void Normalize(Buffer& b, float peak);

// A decaying tone: sum of partials (ratio, amplitude, decay per second).
struct Partial {
    double ratio, amplitude, decay;
};
Buffer Tone(double frequency, double seconds, const std::vector<Partial>& partials, double attack = 0.004);

// 16-bit PCM mono RIFF/WAVE file bytes.
std::string EncodeWav(const Buffer& b);

}  // namespace assets::synth
