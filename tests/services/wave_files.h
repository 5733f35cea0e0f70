// Wave files and signal measures for the sound library tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a sine tone as a PCM wave file: `bits` 8 or 16, `channels` 1 or 2.
void WriteTone(const std::string& path, double hz, double seconds, double amplitude,
               int rate = 44100, int bits = 16, int channels = 1);

// Writes the header of a 16-bit mono PCM wave file whose data chunk
// claims `dataBytes`, and makes the file that long without writing the
// samples (a sparse file of silence).
void WriteSilenceOfSize(const std::string& path, std::uint32_t dataBytes);

// Root mean square of samples [from, to).
double Rms(const std::vector<float>& s, std::size_t from, std::size_t to);
// Sign changes of samples [from, to).
int ZeroCrossings(const std::vector<float>& s, std::size_t from, std::size_t to);
