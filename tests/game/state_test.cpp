// The career figures (money, passengers, play time) as every change to
// them adds: stopping at the limits of 32 bits instead of wrapping.
#include <gtest/gtest.h>

#include "game/state.h"

TEST(GameState, CareerFiguresStopAtTheLimitsOfThirtyTwoBits) {
    struct Case {
        int32 figure, amount, sum;
    };
    for (const Case& c : {Case{300, 6, 306}, Case{0, -5, -5}, Case{INT32_MAX - 3, 10, INT32_MAX},
                          Case{INT32_MAX, 1, INT32_MAX}, Case{INT32_MIN + 2, -5, INT32_MIN},
                          Case{INT32_MIN, -100, INT32_MIN}, Case{INT32_MAX, -1, INT32_MAX - 1}}) {
        int32 figure = c.figure;
        AddToFigure(figure, c.amount);
        EXPECT_EQ(figure, c.sum) << c.figure << " + " << c.amount;
    }
}
