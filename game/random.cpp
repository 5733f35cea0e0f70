// One generator for the whole game: a 64-bit linear congruential
// generator (Knuth's MMIX constants) whose top 31 bits are the draw.
// Deterministic for a seed on every platform, and cheap.
#include "game/random.h"

#include <deque>

#include "platform/services.h"

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
constexpr std::uint32_t kDefaultSeed = 1;

struct Generator {
    std::uint64_t state = 0;
    std::deque<int32> scripted;
    std::int64_t draws = 0;

    void Seed(std::uint32_t seed) {
        state = seed;
        Next();  // mix the seed in so neighbouring seeds diverge at once
    }
    std::int32_t Next() {
        state = state * kMultiplier + kIncrement;
        return static_cast<std::int32_t>(state >> 33);  // 31 bits, non-negative
    }
    int32 Draw() {
        ++draws;
        if (!scripted.empty()) {
            int32 d = scripted.front();
            scripted.pop_front();
            return d & 0x7FFFFFFF;
        }
        return Next();
    }
};

Generator& Gen() {
    static Generator g = [] {
        Generator s;
        s.Seed(kDefaultSeed);
        return s;
    }();
    return g;
}

}  // namespace

int32 Random(int32 n) {
    if (n == 0) return 0;
    // The draw is non-negative, so the remainder is too, for either sign of n.
    return Gen().Draw() % n;
}

void SeedRandom() {
    std::int64_t now = 0;
    if (ICalendar* cal = Services().calendar) now = cal->NowSeconds();
    SeedRandomWith(static_cast<std::uint32_t>(now));
}

void SeedRandomWith(std::uint32_t seed) {
    Gen().Seed(seed);  // seeding is not a draw: the count goes on
}

void ScriptRandomDraws(const std::vector<int32>& draws) {
    auto& g = Gen();
    g.scripted.insert(g.scripted.end(), draws.begin(), draws.end());
}

std::int64_t RandomDrawCount() { return Gen().draws; }

std::size_t ScriptedDrawsLeft() { return Gen().scripted.size(); }

void ResetRandom() {
    auto& g = Gen();
    g.scripted.clear();
    g.Seed(kDefaultSeed);
    g.draws = 0;
}
