#include "ranking/slot_ranking.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr float inf = std::numeric_limits<float>::infinity();

TEST(PipMoveTest, EachStepRoundedToSinglePrecisionThenHalvesToEven) {
    const struct {
        float reference, current;
        bool buyGroup;
        float factor;
        int move;
    } cases[] = {
        {1.2300f, 1.2345f, true, 10000, 45},  // P is about 45.0003
        {1.0000f, 1.00005f, true, 10000, 0},  // P is about 0.49949
        {100.0f, 100.125f, true, 100, 12},
        {100.0f, 100.375f, true, 100, 38},
        {100.0f, 99.875f, true, 100, -12},
        {1.2345f, 1.2300f, false, 10000, 45},  // the sell group counts a fall
        // The exact difference is 0.125 + 3 x 2^-29, made 0.125 in single precision; kept
        // wider, the product would be 12.50000056 and the move 13.
        {std::ldexp(5.0f, -29), 0.125f + std::ldexp(1.0f, -26), true, 100, 12},
        // D x 10000 is exactly 4.5000002137, made 4.5 in single precision.
        {std::ldexp(8388609.0f, -35), std::ldexp(11925246.0f, -34), true, 10000, 4},
        {100.25f, 0.0f, true, 100, -10025},  // a price never loaded
        {1e30f, 1.2f, true, 10000, INT_MIN},
        {100.0f, inf, true, 100, INT_MAX},
        {inf, inf, true, 100, 0},  // not a number counts 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(fx::pipMoveOf(c.reference, c.current, c.buyGroup, c.factor), c.move)
            << c.reference << " -> " << c.current;
}

fx::WorkingList listWithMoves(const std::array<int, fx::pairCount>& moves) {
    static const std::array<std::string, fx::pairCount> names = [] {
        std::array<std::string, fx::pairCount> texts;
        for (int g = 0; g < fx::pairCount; ++g) texts[g] = "entry" + std::to_string(g);
        return texts;
    }();
    fx::WorkingList list;
    for (int g = 0; g < fx::pairCount; ++g) list[g] = {names[g], moves[g], 0, g};
    return list;
}

TEST(MeasuresTest, SumTheGroupsInTheirOwnRangeAndSaturate) {
    const fx::Measures m = fx::measuresOf(listWithMoves({3, -1, 4, 0, 0, 0, 2, 1, 5, 0, 0, -9, 2, 6}));
    EXPECT_EQ(m.buyPower, 8);
    EXPECT_EQ(m.sellPower, 5);
    EXPECT_EQ(m.referenceBias, 3);
    EXPECT_EQ(m.basketBias, 13);

    const fx::Measures huge = fx::measuresOf(
        listWithMoves({INT_MAX, INT_MAX, 0, 0, 0, 0, 0, INT_MIN, INT_MIN, 0, 0, 0, 0, 0}));
    EXPECT_EQ(huge.buyPower, INT_MAX);
    EXPECT_EQ(huge.sellPower, INT_MIN);
    EXPECT_EQ(huge.referenceBias, INT_MAX);
    EXPECT_EQ(huge.basketBias, -2);  // each group saturated on its own would give -1
}

TEST(ExchangeSortTest, EqualMovesEndAsTheSwapsLeaveThem) {
    const struct {
        std::array<int, fx::pairCount> moves;
        std::array<const char*, 3> firstThree;
    } cases[] = {
        {{5, 5, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, {"entry2", "entry1", "entry0"}},
        {{5, 7, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, {"entry1", "entry2", "entry0"}},
        {{}, {"entry0", "entry1", "entry2"}},
    };
    for (const auto& c : cases) {
        fx::WorkingList list = listWithMoves(c.moves);
        fx::sortByMove(list);
        for (int s = 0; s < 3; ++s) EXPECT_EQ(list[s].symbol, c.firstThree[s]) << s;
    }
}

}  // namespace
