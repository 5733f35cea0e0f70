// A fingerprint of everything a widget's Paint reads besides its place on
// the screen. Two frames in which a widget has the same rectangle, the same
// place in the paint order and the same fingerprint paint it alike, so the
// presentation repaints only where a fingerprint, a rectangle or the order
// changed (internal to platform/).
#pragma once

#include <cstdint>
#include <string>

#include "platform/font.h"

struct PaintKey {
    std::uint64_t value = 0xcbf29ce484222325ull;

    PaintKey& Add(std::uint64_t v) {
        // 64-bit mix of the running value with v (splitmix finaliser).
        std::uint64_t z = value ^ (v + 0x9e3779b97f4a7c15ull + (value << 6) + (value >> 2));
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        value = z ^ (z >> 31);
        return *this;
    }
    PaintKey& Add(const std::string& s) {
        std::uint64_t h = 0xcbf29ce484222325ull;
        for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ull;
        return Add(h).Add(s.size());
    }
    PaintKey& Add(const void* p) { return Add(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p))); }
    PaintKey& Add(const TFont& f) {
        return Add(f.Name).Add(static_cast<std::uint64_t>(f.Height)).Add(f.Bold).Add(f.Color).Add(f.Charset);
    }
};
