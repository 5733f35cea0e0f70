#include "tests/services/wave_files.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace {

void Put(std::ostream& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteTone(const std::string& path, double hz, double seconds, double amplitude, int rate,
               int bits, int channels) {
    const auto frames = static_cast<std::uint32_t>(std::lround(seconds * rate));
    const std::uint32_t bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const std::uint32_t dataSize = frames * static_cast<std::uint32_t>(channels) * bytesPerSample;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put(out, 36 + dataSize, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, static_cast<std::uint32_t>(channels), 2);
    Put(out, static_cast<std::uint32_t>(rate), 4);
    Put(out, static_cast<std::uint32_t>(rate * channels) * bytesPerSample, 4);
    Put(out, static_cast<std::uint32_t>(channels) * bytesPerSample, 2);
    Put(out, static_cast<std::uint32_t>(bits), 2);
    out.write("data", 4);
    Put(out, dataSize, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * hz * i / rate);
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                Put(out, static_cast<std::uint32_t>(std::lround(128 + 127 * v)), 1);
            else
                Put(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(32767 * v))), 2);
        }
    }
}

void WriteSilenceOfSize(const std::string& path, std::uint32_t dataBytes) {
    WriteTone(path, 441, 0, 0);
    {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        out.seekp(4);
        Put(out, 36 + dataBytes, 4);
        out.seekp(40);
        Put(out, dataBytes, 4);
    }
    std::filesystem::resize_file(path, 44 + std::uintmax_t{dataBytes});
}

double Rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

int ZeroCrossings(const std::vector<float>& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++n;
    return n;
}
