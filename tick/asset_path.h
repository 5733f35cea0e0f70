// Picture paths for the tick, built in one reused buffer: a tick loads
// pictures often (wheels every tick at speed) and should not allocate for
// their names. The returned string stays valid until the next NewPath().
#pragma once

#include <charconv>

#include "game/state.h"
#include "platform/types.h"

class AssetPath {
public:
    AssetPath& Text(const char* piece) {
        buffer_.append(piece);
        return *this;
    }
    // Decimal, no leading zeros; two numbers in a row get no separator.
    AssetPath& Number(int32 value) {
        char digits[12];
        auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
        (void)ec;  // 12 characters hold every int32
        buffer_.append(digits, end);
        return *this;
    }
    const AnsiString& Str() const { return buffer_; }

private:
    friend AssetPath& NewPath();
    AnsiString buffer_;
};

// The shared buffer, emptied (its capacity is kept).
inline AssetPath& NewPath() {
    static AssetPath path = [] {
        AssetPath p;
        p.buffer_.reserve(128);
        return p;
    }();
    path.buffer_.clear();
    return path;
}
