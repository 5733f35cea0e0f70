// Every sound of the game, synthesized. Loops (tram motor, traffic, wind,
// water, crowd, menu music) are exactly periodic; one-shots start and end
// in silence. Peaks stay below full scale.
#include <cmath>
#include <functional>
#include <string>

#include "assets/catalogue.h"
#include "assets/synth.h"

namespace assets {

namespace {

using namespace synth;

constexpr float kLoopPeak = 0.7f;
constexpr float kShotPeak = 0.85f;
constexpr float kWindPeak = 0.2f;

double Midi(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A bed of filtered noise that loops: rendered long, tail cross-faded in.
Buffer NoiseBed(Rng& rng, int n, const std::function<void(Buffer&)>& shape) {
    const int fade = Samples(0.4);
    Buffer b = Noise(rng, n + fade + Samples(0.3));
    shape(b);
    b.erase(b.begin(), b.begin() + Samples(0.3));  // let the filters settle
    return LoopedBed(n, fade, b);
}

// A periodic tone of exactly `n` samples: frequencies are rounded to whole
// cycles per loop.
Buffer PeriodicTone(int n, const std::vector<std::pair<double, double>>& partials, double amDepth, double amCycles) {
    Buffer b(static_cast<size_t>(n));
    const double seconds = static_cast<double>(n) / kRate;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0;
        for (const auto& [f, a] : partials) v += a * std::sin(2 * M_PI * std::round(f * seconds) / seconds * t);
        const double am = 1.0 - amDepth * 0.5 * (1 - std::cos(2 * M_PI * amCycles * t / seconds));
        b[i] = static_cast<float>(v * am);
    }
    return b;
}

Buffer Burst(Rng& rng, double seconds, double centre, double q, double decay) {
    Buffer b = Noise(rng, Samples(seconds));
    BandPass(b, centre, q);
    for (size_t i = 0; i < b.size(); ++i) b[i] *= static_cast<float>(std::exp(-decay * i / kRate));
    return b;
}

Buffer Chirp(double f0, double f1, double seconds, double amplitude) {
    Buffer b(static_cast<size_t>(Samples(seconds)));
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / b.size();
        phase += 2 * M_PI * (f0 + (f1 - f0) * t) / kRate;
        b[i] = static_cast<float>(amplitude * std::sin(phase) * std::sin(M_PI * t));
    }
    return b;
}

// --- the tram -------------------------------------------------------------

Buffer TramHum() {  // Tram0: the base hum, idle and running
    Rng rng(11);
    const int n = Samples(2.0);
    Buffer b = PeriodicTone(n, {{100, 0.5}, {200, 0.28}, {300, 0.16}, {400, 0.08}, {600, 0.04}, {1150, 0.03}}, 0.25, 4);
    Buffer air = NoiseBed(rng, n, [](Buffer& x) { LowPass(x, 700); });
    Mix(b, air, 0, 0.35f, true);
    Normalize(b, kLoopPeak);
    return b;
}

Buffer TramRun() {  // Tram1: motor whine, rolling wheels and the rail joints
    Rng rng(12);
    const int n = Samples(2.0);
    Buffer b = PeriodicTone(n, {{420, 0.18}, {840, 0.09}, {1260, 0.04}, {62, 0.2}}, 0.15, 8);
    Buffer roll = NoiseBed(rng, n, [](Buffer& x) {
        LowPass(x, 300);
        LowPass(x, 300);
    });
    Mix(b, roll, 0, 1.6f, true);
    for (double at : {0.25, 1.25}) {
        for (double dt : {0.0, 0.13}) {
            Buffer clack = Burst(rng, 0.08, 900, 2.0, 60);
            Buffer thump = Tone(70, 0.12, {{1, 0.8, 35}}, 0.002);
            Mix(b, clack, Samples(at + dt), 0.9f, true);
            Mix(b, thump, Samples(at + dt), 0.7f, true);
        }
    }
    Normalize(b, kLoopPeak);
    return b;
}

Buffer DoorOpen() {
    Rng rng(21);
    Buffer b(static_cast<size_t>(Samples(1.1)));
    Mix(b, Tone(659.3, 0.5, {{1, 0.6, 5}, {2, 0.15, 9}}), 0, 1, false);
    Mix(b, Tone(880, 0.6, {{1, 0.6, 5}, {2, 0.15, 9}}), Samples(0.22), 1, false);
    Buffer hiss = Noise(rng, Samples(0.6));
    HighPass(hiss, 2500);
    for (size_t i = 0; i < hiss.size(); ++i) hiss[i] *= static_cast<float>(std::sin(M_PI * i / hiss.size()));
    Mix(b, hiss, Samples(0.35), 0.35f, false);
    Buffer slide = Noise(rng, Samples(0.5));
    LowPass(slide, 250);
    Mix(b, slide, Samples(0.45), 1.5f, false);
    Mix(b, Tone(90, 0.15, {{1, 0.7, 30}}), Samples(0.93), 1, false);
    FadeEnds(b, 0.003, 0.05);
    Normalize(b, kShotPeak);
    return b;
}

Buffer DoorClose() {
    Rng rng(22);
    Buffer b(static_cast<size_t>(Samples(1.1)));
    for (int i = 0; i < 3; ++i) {
        Buffer beep = Tone(1046.5, 0.09, {{1, 0.5, 0}, {3, 0.08, 0}}, 0.004);
        FadeEnds(beep, 0.004, 0.01);
        Mix(b, beep, Samples(i * 0.16), 1, false);
    }
    Buffer hiss = Noise(rng, Samples(0.45));
    HighPass(hiss, 2500);
    for (size_t i = 0; i < hiss.size(); ++i) hiss[i] *= static_cast<float>(std::sin(M_PI * i / hiss.size()));
    Mix(b, hiss, Samples(0.5), 0.35f, false);
    Buffer slide = Noise(rng, Samples(0.4));
    LowPass(slide, 250);
    Mix(b, slide, Samples(0.55), 1.5f, false);
    Mix(b, Tone(80, 0.18, {{1, 0.9, 25}, {2.7, 0.2, 40}}), Samples(0.9), 1, false);
    FadeEnds(b, 0.003, 0.05);
    Normalize(b, kShotPeak);
    return b;
}

// --- interface and money -------------------------------------------------

Buffer Click(double pitch) {
    Rng rng(static_cast<std::uint64_t>(pitch));
    Buffer b(static_cast<size_t>(Samples(0.06)));
    Mix(b, Tone(pitch, 0.05, {{1, 0.6, 90}, {2.3, 0.2, 140}}, 0.001), 0, 1, false);
    Mix(b, Burst(rng, 0.02, pitch * 2, 1.5, 200), 0, 0.6f, false);
    FadeEnds(b, 0.001, 0.01);
    Normalize(b, 0.7f);
    return b;
}

Buffer Coin() {
    Buffer b(static_cast<size_t>(Samples(0.3)));
    const std::vector<Partial> metal = {{1, 0.5, 14}, {1.52, 0.35, 18}, {2.31, 0.2, 24}};
    Mix(b, Tone(3100, 0.25, metal, 0.001), 0, 1, false);
    Mix(b, Tone(3100, 0.15, metal, 0.001), Samples(0.09), 0.45f, false);
    FadeEnds(b, 0.001, 0.03);
    Normalize(b, kShotPeak);
    return b;
}

Buffer Register() {  // Penize0: the till of a tram sale
    Rng rng(31);
    Buffer b(static_cast<size_t>(Samples(0.8)));
    Mix(b, Burst(rng, 0.06, 600, 1.2, 60), 0, 1.0f, false);
    Mix(b, Burst(rng, 0.06, 900, 1.2, 60), Samples(0.07), 0.8f, false);
    Mix(b, Tone(2093, 0.7, {{1, 0.6, 4}, {2.76, 0.25, 7}, {5.4, 0.1, 12}}, 0.001), Samples(0.12), 1, false);
    for (int i = 0; i < 6; ++i) Mix(b, Tone(2600 + i * 170.0, 0.08, {{1, 0.3, 40}}, 0.001), Samples(0.2 + i * 0.045), 0.5f, false);
    FadeEnds(b, 0.002, 0.05);
    Normalize(b, kShotPeak);
    return b;
}

Buffer Buzzer() {  // Penalizace
    Buffer b(static_cast<size_t>(Samples(0.55)));
    for (int k = 0; k < 2; ++k) {
        Buffer buzz(static_cast<size_t>(Samples(0.2)));
        for (size_t i = 0; i < buzz.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            buzz[i] = static_cast<float>((std::sin(2 * M_PI * 110 * t) > 0 ? 0.5 : -0.5) +
                                         (std::sin(2 * M_PI * 164.8 * t) > 0 ? 0.3 : -0.3));
        }
        LowPass(buzz, 1800);
        FadeEnds(buzz, 0.005, 0.02);
        Mix(b, buzz, Samples(k * 0.26), 1, false);
    }
    FadeEnds(b, 0.002, 0.02);
    Normalize(b, 0.8f);
    return b;
}

Buffer Applause() {
    Rng rng(41);
    const double len = 3.2;
    Buffer b(static_cast<size_t>(Samples(len)));
    // Many hands at once: claps overlap into a dense roar that carries over
    // the engine, thinning out at the end.
    for (double t = 0; t < len - 0.05; t += rng.Range(0.002, 0.012)) {
        const double density = std::min(1.0, t / 0.3) * std::min(1.0, (len - t) / 1.2);
        if (!rng.Chance(density)) continue;
        Buffer clap = Burst(rng, 0.03, rng.Range(900, 2600), 1.4, rng.Range(120, 220));
        Mix(b, clap, Samples(t), static_cast<float>(rng.Range(0.4, 1.0)), false);
    }
    // Single sharp claps would set the peak and leave the crowd faint:
    // round the peaks off so the whole hall is heard.
    Normalize(b, 1.0f);
    for (float& s : b) s = static_cast<float>(std::tanh(3.0 * s));
    FadeEnds(b, 0.01, 0.2);
    Normalize(b, 0.8f);
    return b;
}

// --- street and town ambience --------------------------------------------

Buffer Traffic(int level) {  // Doprava0 (quiet) .. Doprava4 (busy)
    Rng rng(51 + level);
    const int n = Samples(6.0);
    Buffer b = NoiseBed(rng, n, [](Buffer& x) {
        LowPass(x, 180);
        LowPass(x, 180);
    });
    for (float& s : b) s *= 3.0f * (0.4f + 0.15f * level);
    const int cars = 1 + level * 2;
    for (int c = 0; c < cars; ++c) {
        const double dur = rng.Range(1.4, 2.6);
        Buffer pass = Noise(rng, Samples(dur));
        BandPass(pass, rng.Range(350, 700), 0.7);
        for (size_t i = 0; i < pass.size(); ++i) {
            const double t = static_cast<double>(i) / pass.size();
            pass[i] *= static_cast<float>(std::pow(std::sin(M_PI * t), 2.0));
        }
        Mix(b, pass, Samples(rng.Range(0, 6.0)), static_cast<float>(rng.Range(0.6, 1.4)), true);
    }
    if (level == 4) {
        Buffer horn(static_cast<size_t>(Samples(0.35)));
        for (size_t i = 0; i < horn.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            horn[i] = static_cast<float>(0.3 * std::sin(2 * M_PI * 392 * t) + 0.25 * std::sin(2 * M_PI * 494 * t) +
                                         0.1 * std::sin(2 * M_PI * 784 * t));
        }
        FadeEnds(horn, 0.02, 0.05);
        Mix(b, horn, Samples(3.7), 0.5f, true);
    }
    Normalize(b, kLoopPeak * (0.6f + 0.1f * level));
    return b;
}

Buffer Wind() {
    Rng rng(61);
    const int n = Samples(6.0);
    const int fade = Samples(0.5);
    Buffer raw = Noise(rng, n + fade);
    // A band that wanders slowly, one full swing per loop.
    Buffer out(raw.size());
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        const double t = static_cast<double>(i % static_cast<size_t>(n)) / n;
        const double centre = 380 + 220 * std::sin(2 * M_PI * t) + 90 * std::sin(6 * M_PI * t);
        const double w = 2 * M_PI * centre / kRate, r = 0.985;
        const double y = raw[i] * (1 - r) * 4 + 2 * r * std::cos(w) * y1 - r * r * y2;
        y2 = y1;
        y1 = y;
        out[i] = static_cast<float>(y * (0.7 + 0.3 * std::sin(4 * M_PI * t)));
    }
    Buffer b = LoopedBed(n, fade, out);
    // The wind plays at full volume for the whole ride: the picture itself
    // is quiet, a bed under the tram and the street rather than beside them.
    Normalize(b, kWindPeak);
    return b;
}

Buffer Water(bool fountain) {
    Rng rng(fountain ? 72 : 71);
    const int n = Samples(5.0);
    Buffer b = NoiseBed(rng, n, [fountain](Buffer& x) {
        if (fountain) {  // splashing, not hiss: little above 3 kHz
            HighPass(x, 500);
            LowPass(x, 2400);
            LowPass(x, 3000);
        } else {
            LowPass(x, 900);
        }
    });
    for (float& s : b) s *= fountain ? 1.2f : 2.0f;
    const int drops = fountain ? 90 : 40;
    for (int i = 0; i < drops; ++i) {
        const double f0 = fountain ? rng.Range(700, 1600) : rng.Range(250, 600);
        Buffer drop = Chirp(f0, f0 * rng.Range(1.4, 2.2), rng.Range(0.015, 0.05), rng.Range(0.1, 0.35));
        Mix(b, drop, Samples(rng.Range(0, 5.0)), 1, true);
    }
    Normalize(b, kLoopPeak);
    return b;
}

// A voice of the crowd: syllables of a buzzing pulse through two formants.
Buffer Voice(Rng& rng, double seconds) {
    Buffer b(static_cast<size_t>(Samples(seconds)));
    const double pitch = rng.Range(95, 230);
    double t = rng.Range(0, 0.3);
    while (t < seconds - 0.25) {
        const double syl = rng.Range(0.09, 0.22);
        Buffer s(static_cast<size_t>(Samples(syl)));
        double phase = 0;
        const double p = pitch * rng.Range(0.9, 1.15);
        for (size_t i = 0; i < s.size(); ++i) {
            phase += p / kRate;
            s[i] = static_cast<float>(phase - std::floor(phase) - 0.5);
        }
        Buffer f1 = s, f2 = s;
        BandPass(f1, rng.Range(350, 800), 5);
        BandPass(f2, rng.Range(1100, 2300), 6);
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<float>((f1[i] + 0.6 * f2[i]) * std::sin(M_PI * i / s.size()));
        LowPass(s, 2800);  // soften the buzz into a murmur
        Mix(b, s, Samples(t), 1, false);
        t += syl + (rng.Chance(0.25) ? rng.Range(0.15, 0.4) : rng.Range(0.01, 0.05));
    }
    return b;
}

Buffer Crowd(int level) {  // Chodci0 (a few people) .. Chodci4 (a throng)
    Rng rng(81 + level);
    const int n = Samples(4.0);
    Buffer b = NoiseBed(rng, n, [](Buffer& x) { LowPass(x, 500); });
    for (float& s : b) s *= 0.3f + 0.15f * level;
    const int voices = 1 + level * 2;
    for (int v = 0; v < voices; ++v) {
        Buffer voice = Voice(rng, rng.Range(1.5, 3.5));
        Mix(b, voice, Samples(rng.Range(0, 4.0)), static_cast<float>(rng.Range(0.5, 1.0)), true);
    }
    const int steps = 6 + level * 6;
    for (int s = 0; s < steps; ++s) {
        Buffer step = Burst(rng, 0.05, rng.Range(150, 400), 1.0, 70);
        Mix(b, step, Samples(rng.Range(0, 4.0)), static_cast<float>(rng.Range(0.3, 0.7)), true);
    }
    Normalize(b, kLoopPeak * (0.75f + 0.05f * level));
    return b;
}

Buffer Plane(bool jet) {
    Rng rng(jet ? 91 : 92);
    const double len = 5.0;
    Buffer b = Noise(rng, Samples(len));
    Buffer out(b.size());
    double y = 0;
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / b.size();
        const double closeness = std::exp(-std::pow((t - 0.5) / 0.22, 2));
        const double cutoff = 150 + (jet ? 1100 : 2500) * closeness;  // a roar overhead, not a hiss
        y += (1 - std::exp(-2 * M_PI * cutoff / kRate)) * (b[i] - y);
        const double doppler = 1.12 - 0.24 * t;
        double tone;
        if (jet) {
            phase += 1100 * doppler / kRate;
            tone = 0.05 * std::sin(2 * M_PI * phase);
        } else {
            phase += 88 * doppler / kRate;
            const double saw = phase - std::floor(phase) - 0.5;
            tone = 0.5 * saw * (0.6 + 0.4 * std::sin(2 * M_PI * phase * 2));
        }
        out[i] = static_cast<float>((y * (jet ? 1.4 : 0.6) + tone) * (0.15 + 0.85 * closeness));
    }
    if (!jet) LowPass(out, 1600);
    FadeEnds(out, 0.3, 0.5);
    Normalize(out, 0.75f);
    return out;
}

Buffer ShipHorn() {
    Rng rng(101);
    const double len = 3.6;
    Buffer b(static_cast<size_t>(Samples(len)));
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double env = std::min(1.0, t / 0.18) * std::min(1.0, std::max(0.0, (2.9 - t) / 0.5));
        const double vib = 1 + 0.004 * std::sin(2 * M_PI * 5 * t);
        double v = 0;
        for (int h = 1; h <= 6; ++h) {
            v += std::sin(2 * M_PI * 92.5 * h * vib * t) / h;
            v += 0.8 * std::sin(2 * M_PI * 116.5 * h * vib * t) / h;
        }
        b[i] = static_cast<float>(v * env);
    }
    LowPass(b, 900);
    Buffer sea = Noise(rng, static_cast<int>(b.size()));
    LowPass(sea, 400);
    Mix(b, sea, 0, 0.8f, false);
    FadeEnds(b, 0.02, 0.3);
    Normalize(b, 0.8f);
    return b;
}

Buffer Birds(bool second) {
    Rng rng(second ? 112 : 111);
    const double len = 3.0;
    Buffer b(static_cast<size_t>(Samples(len)));
    double t = 0.05;
    while (t < len - 0.3) {
        if (!second) {  // quick trills
            const int notes = rng.Int(3, 7);
            const double f = rng.Range(3200, 4600);
            for (int k = 0; k < notes; ++k) Mix(b, Chirp(f, f * 1.25, 0.045, 0.5), Samples(t + k * 0.06), 1, false);
            t += notes * 0.06 + rng.Range(0.15, 0.5);
        } else {  // two-note whistles
            const double f = rng.Range(2200, 2900);
            Mix(b, Chirp(f * 1.2, f, 0.16, 0.6), Samples(t), 1, false);
            Mix(b, Chirp(f * 0.95, f * 0.75, 0.22, 0.6), Samples(t + 0.2), 1, false);
            t += 0.45 + rng.Range(0.3, 0.7);
        }
    }
    FadeEnds(b, 0.005, 0.1);
    Normalize(b, 0.75f);
    return b;
}

Buffer Bell() {
    const double len = 6.0, strike = 392;
    Buffer b(static_cast<size_t>(Samples(len)));
    const std::vector<Partial> bell = {{0.5, 0.35, 0.5}, {1.0, 0.5, 0.9}, {1.19, 0.3, 1.3},
                                       {1.5, 0.2, 1.6},  {2.0, 0.35, 2.0}, {2.51, 0.15, 2.8},
                                       {2.99, 0.12, 3.4}, {4.1, 0.06, 5.0}};
    Mix(b, Tone(strike, len, bell, 0.002), 0, 1, false);
    Mix(b, Tone(strike, len - 2.4, bell, 0.002), Samples(2.4), 0.9f, false);
    FadeEnds(b, 0.002, 0.6);
    Normalize(b, 0.8f);
    return b;
}

// --- menu music -----------------------------------------------------------

struct Note {
    int pitch;   // MIDI, -1 rest
    int eighths;
};

Buffer MenuMusic() {
    constexpr double kBeat = 60.0 / 112;
    constexpr double kEighth = kBeat / 2;
    constexpr int kBars = 16;
    const int n = Samples(kBars * 4 * kBeat);
    Buffer b(static_cast<size_t>(n));
    auto at = [&](double beats) { return Samples(beats * kBeat); };

    // C  Am  F  G  C  Am  Dm  G  F  G  Em  Am  F  G  C  G7
    const std::vector<int> chords[kBars] = {
        {60, 64, 67}, {57, 60, 64}, {57, 60, 65}, {55, 59, 62}, {60, 64, 67}, {57, 60, 64},
        {57, 62, 65}, {55, 59, 62}, {57, 60, 65}, {55, 59, 62}, {55, 59, 64}, {57, 60, 64},
        {57, 60, 65}, {55, 59, 62}, {60, 64, 67}, {55, 59, 65}};
    const int bass[kBars] = {48, 45, 41, 43, 48, 45, 38, 43, 41, 43, 40, 45, 41, 43, 48, 43};
    const std::vector<Note> melody[kBars] = {
        {{76, 2}, {79, 2}, {84, 2}, {79, 2}}, {{81, 3}, {79, 1}, {76, 2}, {72, 2}},
        {{77, 2}, {81, 2}, {84, 3}, {81, 1}}, {{79, 4}, {74, 2}, {-1, 2}},
        {{76, 2}, {79, 2}, {84, 2}, {88, 2}}, {{86, 3}, {84, 1}, {81, 4}},
        {{77, 2}, {81, 2}, {86, 2}, {84, 2}}, {{83, 4}, {79, 4}},
        {{81, 2}, {84, 2}, {89, 2}, {88, 2}}, {{86, 3}, {83, 1}, {79, 4}},
        {{79, 2}, {83, 2}, {88, 3}, {86, 1}}, {{84, 4}, {81, 4}},
        {{81, 2}, {79, 2}, {77, 2}, {81, 2}}, {{79, 2}, {77, 2}, {76, 2}, {74, 2}},
        {{76, 3}, {74, 1}, {72, 4}},          {{74, 2}, {77, 2}, {71, 2}, {74, 2}}};

    const std::vector<Partial> mallet = {{1, 0.6, 3.2}, {4.0, 0.12, 14}, {10.0, 0.03, 30}};
    const std::vector<Partial> piano = {{1, 0.3, 1.6}, {2, 0.12, 2.5}, {3, 0.05, 4}};
    const std::vector<Partial> pluck = {{1, 0.7, 2.8}, {2, 0.25, 5}, {3, 0.08, 8}};
    Rng rng(2024);
    for (int bar = 0; bar < kBars; ++bar) {
        const double b0 = bar * 4.0;
        // Chords on the beat and on the "and" of two.
        for (double hit : {0.0, 1.5}) {
            for (int p : chords[bar]) {
                Buffer tone = Tone(Midi(p), hit == 0 ? 1.6 * kBeat : 2.6 * kBeat, piano, 0.01);
                FadeEnds(tone, 0.01, 0.08);
                Mix(b, tone, at(b0 + hit), 0.45f, true);
            }
        }
        // Bass: root on one, fifth on three, root again on four-and.
        const int root = bass[bar];
        for (auto [beat, note] : {std::pair<double, int>{0, root}, {2, root + 7}, {3.5, root}}) {
            Buffer tone = Tone(Midi(note), 1.2 * kBeat, pluck, 0.005);
            FadeEnds(tone, 0.005, 0.06);
            Mix(b, tone, at(b0 + beat), 0.7f, true);
        }
        // Melody.
        double pos = b0;
        for (const Note& note : melody[bar]) {
            if (note.pitch >= 0) {
                Buffer tone = Tone(Midi(note.pitch), note.eighths * kEighth + 0.4, mallet, 0.003);
                FadeEnds(tone, 0.003, 0.1);
                Mix(b, tone, at(pos), 0.55f, true);
            }
            pos += note.eighths * 0.5;
        }
        // Light drums: kick on one and three, brush on two and four, hats on eighths.
        for (double beat : {0.0, 2.0}) {
            Buffer kick(static_cast<size_t>(Samples(0.18)));
            double phase = 0;
            for (size_t i = 0; i < kick.size(); ++i) {
                const double t = static_cast<double>(i) / kRate;
                phase += (50 + 90 * std::exp(-t * 30)) / kRate;
                kick[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t * 18));
            }
            Mix(b, kick, at(b0 + beat), 0.6f, true);
        }
        for (double beat : {1.0, 3.0}) Mix(b, Burst(rng, 0.14, 1800, 0.8, 25), at(b0 + beat), 0.35f, true);
        for (int e = 0; e < 8; ++e) {
            Buffer hat = Noise(rng, Samples(0.05));
            HighPass(hat, 6000);
            for (size_t i = 0; i < hat.size(); ++i) hat[i] *= static_cast<float>(std::exp(-80.0 * i / kRate));
            Mix(b, hat, at(b0 + e * 0.5), e % 2 ? 0.12f : 0.2f, true);
        }
    }
    Normalize(b, 0.75f);
    return b;
}

void AddWave(Catalogue& c, const std::string& path, std::function<Buffer()> make) {
    c.Wave(path, [make = std::move(make)] { return EncodeWav(make()); });
}

}  // namespace

void AddSounds(Catalogue& c) {
    AddWave(c, "Zvuky/Hudba/MenuMusic.wav", MenuMusic);
    AddWave(c, "Zvuky/Obecne/Klik.wav", [] { return Click(1900); });
    AddWave(c, "Zvuky/Obecne/Unklik.wav", [] { return Click(950); });
    AddWave(c, "Zvuky/Obecne/Penalizace.wav", Buzzer);
    AddWave(c, "Zvuky/Obecne/Penize0.wav", Register);
    AddWave(c, "Zvuky/Obecne/Penize1.wav", Coin);
    AddWave(c, "Zvuky/Obecne/Potlesk.wav", Applause);
    AddWave(c, "Zvuky/Tramvaje/DvereOpen.wav", DoorOpen);
    AddWave(c, "Zvuky/Tramvaje/DvereClose.wav", DoorClose);
    AddWave(c, "Zvuky/Tramvaje/Tram0.wav", TramHum);
    AddWave(c, "Zvuky/Tramvaje/Tram1.wav", TramRun);
    for (int i = 0; i < 5; ++i) {
        AddWave(c, "Zvuky/Chodci/Chodci" + std::to_string(i) + ".wav", [i] { return Crowd(i); });
        AddWave(c, "Zvuky/Traffic/Doprava" + std::to_string(i) + ".wav", [i] { return Traffic(i); });
    }
    AddWave(c, "Zvuky/Pocasi/Vitr.wav", Wind);
    AddWave(c, "Zvuky/Okoli/Voda0.wav", [] { return Water(false); });
    AddWave(c, "Zvuky/Okoli/Voda1.wav", [] { return Water(true); });
    AddWave(c, "Zvuky/Okoli/Letadlo0.wav", [] { return Plane(true); });
    AddWave(c, "Zvuky/Okoli/Letadlo1.wav", [] { return Plane(false); });
    AddWave(c, "Zvuky/Okoli/Lod.wav", ShipHorn);
    AddWave(c, "Zvuky/Okoli/Ptaci0.wav", [] { return Birds(false); });
    AddWave(c, "Zvuky/Okoli/Ptaci1.wav", [] { return Birds(true); });
    AddWave(c, "Zvuky/Okoli/Zvon.wav", Bell);
}

}  // namespace assets
