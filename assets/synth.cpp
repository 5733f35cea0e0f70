#include "assets/synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assets::synth {

void Mix(Buffer& dst, const Buffer& src, int at, float gain, bool wrap) {
    const int n = static_cast<int>(dst.size());
    for (size_t i = 0; i < src.size(); ++i) {
        int k = at + static_cast<int>(i);
        if (wrap) k = ((k % n) + n) % n;
        if (k < 0 || k >= n) continue;
        dst[static_cast<size_t>(k)] += src[i] * gain;
    }
}

Buffer Noise(Rng& rng, int n) {
    Buffer b(static_cast<size_t>(n));
    for (float& s : b) s = static_cast<float>(rng.Range(-1, 1));
    return b;
}

void LowPass(Buffer& b, double cutoff) {
    const double a = 1.0 - std::exp(-2 * M_PI * cutoff / kRate);
    double y = 0;
    for (float& s : b) {
        y += a * (s - y);
        s = static_cast<float>(y);
    }
}

void HighPass(Buffer& b, double cutoff) {
    Buffer low = b;
    LowPass(low, cutoff);
    for (size_t i = 0; i < b.size(); ++i) b[i] -= low[i];
}

void BandPass(Buffer& b, double centre, double q) {
    // Biquad band-pass (constant peak gain).
    const double w = 2 * M_PI * centre / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double b0 = alpha, b2 = -alpha, a0 = 1 + alpha, a1 = -2 * std::cos(w), a2 = 1 - alpha;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& s : b) {
        const double x = s;
        const double y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        s = static_cast<float>(y);
    }
}

Buffer LoopedBed(int n, int fade, const Buffer& rendered) {
    Buffer out(rendered.begin(), rendered.begin() + n);
    for (int i = 0; i < fade; ++i) {
        const double t = static_cast<double>(i) / fade;
        const double in = std::sin(t * M_PI / 2), outGain = std::cos(t * M_PI / 2);
        out[static_cast<size_t>(i)] = static_cast<float>(rendered[static_cast<size_t>(i)] * in +
                                                         rendered[static_cast<size_t>(n + i)] * outGain);
    }
    return out;
}

void FadeEnds(Buffer& b, double inSeconds, double outSeconds) {
    const int in = std::min(static_cast<int>(b.size()), Samples(inSeconds));
    const int out = std::min(static_cast<int>(b.size()), Samples(outSeconds));
    for (int i = 0; i < in; ++i) b[static_cast<size_t>(i)] *= static_cast<float>(i) / in;
    for (int i = 0; i < out; ++i) b[b.size() - 1 - static_cast<size_t>(i)] *= static_cast<float>(i) / out;
}

void Normalize(Buffer& b, float peak) {
    float m = 0;
    for (float s : b) m = std::max(m, std::abs(s));
    if (m <= 0) return;
    for (float& s : b) s *= peak / m;
}

Buffer Tone(double frequency, double seconds, const std::vector<Partial>& partials, double attack) {
    Buffer b(static_cast<size_t>(Samples(seconds)));
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0;
        for (const Partial& p : partials)
            v += p.amplitude * std::exp(-p.decay * t) * std::sin(2 * M_PI * frequency * p.ratio * t);
        b[i] = static_cast<float>(v * std::min(1.0, t / attack));
    }
    return b;
}

std::string EncodeWav(const Buffer& b) {
    std::string out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(b.size() * 2);
    out += "RIFF";
    put(36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(kRate, 4);
    put(kRate * 2, 4);
    put(2, 2);
    put(16, 2);
    out += "data";
    put(dataBytes, 4);
    for (float s : b) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put(static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF, 2);
    }
    return out;
}

}  // namespace assets::synth
