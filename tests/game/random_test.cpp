// The game's one generator: random(n) as the game uses it, seeding and
// scripted draws for tests.
#include <gtest/gtest.h>

#include <vector>

#include "game/random.h"
#include "game/state.h"

namespace {

class RandomTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandom(); }
    void TearDown() override { ResetRandom(); }
};

std::vector<int32> Draws(int n, int32 range) {
    std::vector<int32> v;
    for (int i = 0; i < n; ++i) v.push_back(Random(range));
    return v;
}

}  // namespace

TEST_F(RandomTest, ZeroRangeDrawsNothing) {
    ScriptRandomDraws({5});
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(RandomDrawCount(), 0);
    EXPECT_EQ(ScriptedDrawsLeft(), 1u);
    EXPECT_EQ(Random(7), 5);  // the queued draw is still the next one
    EXPECT_EQ(RandomDrawCount(), 1);
}

TEST_F(RandomTest, ScriptedDrawsComeFirstAndInOrder) {
    ScriptRandomDraws({1, 14, -1, 3});
    EXPECT_EQ(Random(2), 1);
    EXPECT_EQ(Random(12), 2);              // 14 % 12
    EXPECT_EQ(Random(10), 0x7FFFFFFF % 10);  // a draw is always 31 bits
    EXPECT_EQ(Random(-5), 3);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(RandomDrawCount(), 4);
}

TEST_F(RandomTest, SeedsReproduceAndResetRestoresTheStartingSequence) {
    const auto start = Draws(50, 1000);
    ResetRandom();
    EXPECT_EQ(Draws(50, 1000), start);

    SeedRandomWith(42);
    const auto a = Draws(50, 1000);
    SeedRandomWith(42);
    EXPECT_EQ(Draws(50, 1000), a);
    SeedRandomWith(43);
    EXPECT_NE(Draws(50, 1000), a);

    ScriptRandomDraws({9, 9});
    ResetRandom();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(RandomDrawCount(), 0);
    EXPECT_EQ(Draws(50, 1000), start);
}
