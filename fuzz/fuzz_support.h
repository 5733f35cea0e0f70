// Shared pieces of the fuzz targets: a private scratch folder, whole-file
// writes, and a loud stop when an invariant breaks (libFuzzer keeps the
// input that made it stop).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// A folder of its own under $TMPDIR, made once per process.
const std::string& ScratchDir();

// Replaces `path` with exactly these bytes.
void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size);

[[noreturn]] inline void Broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace fuzz

#define FUZZ_CHECK(cond) \
    do {                 \
        if (!(cond)) ::fuzz::Broken(#cond); \
    } while (0)
