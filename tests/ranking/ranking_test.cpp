#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "ranking_bench.h"

namespace {

using fxtest::RankingBench;
namespace mw = fx::mainwin;

// Group positions with each kind of pair, the same in every variant.
constexpr int buyYen = 0;     // CADJPY or NZDJPY
constexpr int buyOther = 1;   // AUDUSD
constexpr int sellOther = 7;  // GBPUSD
constexpr int sellYen = 10;   // CHFJPY

constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

struct MoveCase {
    const char* name;
    int groupPosition;
    float reference;
    float current;
    int expected;
};

// Each step of the move is rounded to single precision, then to an integer with
// halves to the even neighbour; impossible prices still give a defined move.
const MoveCase moveCases[] = {
    {"FortyFivePips", buyOther, 1.2300f, 1.2345f, 45},     // P is about 45.0003
    {"HalfPipBelowHalf", buyOther, 1.0000f, 1.00005f, 0},  // P is about 0.49949
    {"TwelveAndAHalfToEven", buyYen, 100.0f, 100.125f, 12},
    {"ThirtySevenAndAHalfToEven", buyYen, 100.0f, 100.375f, 38},
    {"NegativeHalfToEven", buyYen, 100.0f, 99.875f, -12},
    // D is 11596412 / 2^33 exactly, and D * 10000 rounds to exactly 13.5 in single precision.
    {"ThirteenAndAHalfToEven", buyOther, std::ldexp(1.0f, -10), std::ldexp(9992510.0f, -32), 14},
    // The exact difference is 0.125 + 3 * 2^-29, which single precision makes 0.125;
    // kept wider, the product would be 12.50000056 and the move 13.
    {"DifferenceRoundedToSinglePrecision", buyYen, std::ldexp(5.0f, -29),
     0.125f + std::ldexp(1.0f, -26), 12},
    // D * 10000 is exactly 4.5000002137, which single precision makes 4.5.
    {"ProductRoundedToSinglePrecision", buyOther, std::ldexp(8388609.0f, -35),
     std::ldexp(11925246.0f, -34), 4},
    {"SellGroupCountsAFall", sellOther, 1.2345f, 1.2300f, 45},
    {"SellGroupRiseIsNegative", sellYen, 100.0f, 100.125f, -12},
    {"PriceNeverLoadedGivesMinusThePrice", buyYen, 100.25f, 0.0f, -10025},
    {"HugeReferenceSaturatesLow", buyOther, 1e30f, 1.2f, INT_MIN},
    {"HugeReferenceSaturatesHighForSellPair", sellOther, 1e30f, 1.2f, INT_MAX},
    {"InfiniteCurrentSaturates", buyYen, 100.0f, inf, INT_MAX},
    {"InfiniteOnBothSidesIsNaNAndCountsZero", buyYen, inf, inf, 0},
    {"NaNCountsZero", sellYen, 100.0f, nan, 0},
};

class PipMove : public testing::TestWithParam<MoveCase> {};

TEST_P(PipMove, IsRoundedAsTheRuleSays) {
    const MoveCase& c = GetParam();
    RankingBench bench(fx::VariantId::V17);
    bench.setMoves({});
    bench.setPrices(c.groupPosition, c.reference, c.current);
    bench.rank();
    const int pair = RankingBench::pairAt(c.groupPosition);
    EXPECT_EQ(bench.monitor().ranking.pipMove[pair], c.expected);
    bool shown = false;
    for (int s = 0; s < fx::pairCount; ++s) {
        if (bench.h.slotPair(s) != bench.groupSymbol(c.groupPosition)) continue;
        EXPECT_EQ(bench.h.slotValue(s), " " + std::to_string(c.expected));
        shown = true;
    }
    EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(Ranking, PipMove, testing::ValuesIn(moveCases),
                         [](const auto& info) { return std::string(info.param.name); });

class EveryVariant : public testing::TestWithParam<fx::VariantId> {};

INSTANTIATE_TEST_SUITE_P(Ranking, EveryVariant, testing::ValuesIn(fxtest::allVariants),
                         [](const auto& info) {
                             return "v" + std::string(fx::variant(info.param).name);
                         });

TEST_P(EveryVariant, AllPricesUnchangedKeepGroupOrderWithEveryMeasureZero) {
    RankingBench bench(GetParam());
    bench.rankWithMoves({});
    std::vector<std::string> groupOrder;
    for (int g = 0; g < fx::pairCount; ++g) groupOrder.push_back(bench.groupSymbol(g));
    EXPECT_EQ(bench.slotSymbols(), groupOrder);
    const fx::RankingState& r = bench.monitor().ranking;
    EXPECT_EQ(r.buyPower, 0);
    EXPECT_EQ(r.sellPower, 0);
    EXPECT_EQ(r.referenceBias, 0);
    EXPECT_EQ(r.basketBias, 0);
    EXPECT_EQ(r.anchorBias, 0);
    for (int s = 0; s < fx::pairCount; ++s) EXPECT_EQ(bench.h.slotValue(s), " 0");
}

TEST_P(EveryVariant, MeasuresSumTheGroupsAndTheEndSlots) {
    RankingBench bench(GetParam());
    bench.rankWithMoves({3, -1, 4, 0, 0, 0, 2, 1, 5, 0, 0, -9, 2, 6});
    const fx::RankingState& r = bench.monitor().ranking;
    EXPECT_EQ(r.buyPower, 8);
    EXPECT_EQ(r.sellPower, 5);
    EXPECT_EQ(r.referenceBias, 3);
    EXPECT_EQ(r.basketBias, 13);
    EXPECT_EQ(r.anchorBias, 6 - 9);
}

TEST_P(EveryVariant, SlotBoxesShowGroupColoursAndSignedMoves) {
    RankingBench bench(GetParam());
    // Sell pair GBPUSD first, buy pair AUDUSD last.
    bench.rankWithMoves({0, -7, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0});
    fx::HeadlessControl* top = bench.layer().control(bench.h.mainWindow(), mw::slotPairBox(0));
    fx::HeadlessControl* bottom = bench.layer().control(bench.h.mainWindow(), mw::slotPairBox(13));
    ASSERT_TRUE(top && bottom);
    EXPECT_EQ(top->text, "GBPUSD");
    EXPECT_EQ(top->textColour, fx::black);
    EXPECT_EQ(top->backgroundColour, fx::rgb(255, 105, 180));
    EXPECT_EQ(bottom->text, "AUDUSD");
    EXPECT_EQ(bottom->textColour, fx::black);
    EXPECT_EQ(bottom->backgroundColour, fx::rgb(84, 255, 159));
    EXPECT_EQ(bench.h.slotValue(0), " 30");
    EXPECT_EQ(bench.h.slotValue(13), " -7");
}

struct SortCase {
    const char* name;
    std::array<int, fx::pairCount> moves;
    std::array<int, 3> firstThree;  // working-list entries in slots 1 to 3
};

// The exchange sort swaps whole entries; equal moves can change places through a
// swap with a third entry, and the ranking must show exactly that order.
const SortCase sortCases[] = {
    {"FiveFiveNine", {5, 5, 9, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, {2, 1, 0}},
    {"FiveSevenSeven", {5, 7, 7, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, {1, 2, 0}},
};

class ExchangeSort : public testing::TestWithParam<SortCase> {};

TEST_P(ExchangeSort, OrdersEqualMovesAsTheSwapsLeaveThem) {
    const SortCase& c = GetParam();
    for (fx::VariantId id : fxtest::allVariants) {
        RankingBench bench(id);
        bench.rankWithMoves(c.moves);
        for (int s = 0; s < 3; ++s)
            EXPECT_EQ(bench.h.slotPair(s), bench.groupSymbol(c.firstThree[s]))
                << fx::variant(id).name << " slot " << s + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Ranking, ExchangeSort, testing::ValuesIn(sortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RankingSums, SaturateInsteadOfWrapping) {
    RankingBench bench;
    bench.setMoves({});
    // Two buy pairs at the top of the range and two sell pairs at the bottom.
    bench.setPrices(buyYen, 100.0f, inf);
    bench.setPrices(buyOther, 1.0f, inf);
    bench.setPrices(sellOther, 1.0f, inf);
    bench.setPrices(sellYen, 100.0f, inf);
    bench.rank();
    const fx::RankingState& r = bench.monitor().ranking;
    EXPECT_EQ(r.buyPower, INT_MAX);
    EXPECT_EQ(r.sellPower, INT_MIN);
    EXPECT_EQ(r.referenceBias, INT_MAX);
    EXPECT_EQ(r.basketBias, -2);  // each group saturated on its own would give -1
    EXPECT_EQ(r.anchorBias, -1);
    EXPECT_EQ(bench.h.slotValue(0), " 2147483647");
    EXPECT_EQ(bench.h.slotValue(13), " -2147483648");
}

}  // namespace
