#include "ranking/alerts.h"

#include <gtest/gtest.h>

#include "ranking_bench.h"

namespace {

using fxtest::RankingBench;
using Lines = std::vector<std::string>;
namespace ow = fx::optwin;

constexpr int sellPair = 8;  // EURGBP

// A ranking whose reference bias is the given value: a buy pair's move for a
// positive bias, a sell pair's fall for a negative one.
std::array<int, fx::pairCount> movesForBias(int bias) {
    std::array<int, fx::pairCount> moves{};
    if (bias >= 0)
        moves[0] = bias;
    else
        moves[7] = -bias;
    return moves;
}

struct FlipCase {
    const char* name;
    std::vector<int> biases;
    Lines expected;
};

const FlipCase flipCases[] = {
    {"PositiveToNegative", {12, -3}, {"Reference Bias Flipped Negative!"}},
    {"NegativeToPositive", {-5, 7}, {"Reference Bias Flipped Positive!"}},
    {"ZeroInBetweenIsNoFlip", {12, 0, -3}, {}},
    {"ZeroInBetweenIsNoFlipUpwards", {-4, 0, 9}, {}},
    // Against the 9999 of start-up a negative bias would look like a flip.
    {"FirstRankingNeverFlips", {-3}, {}},
    {"ABiasOf9999CountsAsNone", {9999, -3}, {}},
    {"EveryFlipCounts",
     {1, -1, 1},
     {"Reference Bias Flipped Negative!", "Reference Bias Flipped Positive!"}},
};

class BiasFlip : public testing::TestWithParam<FlipCase> {};

TEST_P(BiasFlip, LogsOnlyASignChangeBetweenTwoRankings) {
    const FlipCase& c = GetParam();
    RankingBench bench;
    bench.switchOn(ow::biasAlertCheck, "bias.wav");
    for (int bias : c.biases) {
        bench.rankWithMoves(movesForBias(bias));
        ASSERT_EQ(bench.monitor().ranking.referenceBias, bias);
    }
    // The moves also change the anchors; only the flip lines matter here.
    Lines flips;
    for (const std::string& line : bench.newLogLines())
        if (line.starts_with("Reference Bias")) flips.push_back(line);
    EXPECT_EQ(flips, c.expected);
    EXPECT_EQ(bench.layer().sounds(), Lines(c.expected.size(), "bias.wav"));
}

INSTANTIATE_TEST_SUITE_P(Alerts, BiasFlip, testing::ValuesIn(flipCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LatchCase {
    fx::VariantId variant;
    int linesWhileGrouped;     // ten rankings with the buy group on top
    int linesAfterRegrouping;  // three more with the sell group on top
};

class GroupedPairs : public testing::TestWithParam<LatchCase> {};

TEST_P(GroupedPairs, FireOncePerGroupingOnlyWithTheLatch) {
    const LatchCase& c = GetParam();
    RankingBench bench(c.variant);
    bench.switchOn(ow::groupAlertCheck, "group.wav");
    for (int run = 0; run < 10; ++run) bench.rankWithMoves({});
    EXPECT_EQ(bench.newLogLines(), Lines(c.linesWhileGrouped, "Pairs are perfectly grouped."));

    // A sell pair among slots 1 to 7 breaks the grouping.
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.newLogLines(), Lines{});

    for (int run = 0; run < 3; ++run)
        bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_EQ(bench.newLogLines(), Lines(c.linesAfterRegrouping, "Pairs are perfectly grouped."));
    EXPECT_EQ(bench.layer().sounds().size(),
              static_cast<std::size_t>(c.linesWhileGrouped + c.linesAfterRegrouping));
}

INSTANTIATE_TEST_SUITE_P(Alerts, GroupedPairs,
                         testing::Values(LatchCase{fx::VariantId::V17, 10, 3},
                                         LatchCase{fx::VariantId::V17b, 1, 1},
                                         LatchCase{fx::VariantId::V17c, 1, 1}),
                         [](const auto& info) {
                             return "v" + std::string(fx::variant(info.param.variant).name);
                         });

TEST(GroupedPairs, LatchIsLeftAloneWhileTheRuleIsOff) {
    RankingBench bench(fx::VariantId::V17b);
    bench.switchOn(ow::groupAlertCheck);
    bench.rankWithMoves({});
    EXPECT_EQ(bench.monitor().state.groupedAlertLatch, 1);
    bench.layer().setChecked(bench.h.optionsWindow(), ow::groupAlertCheck, false);
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.monitor().state.groupedAlertLatch, 1);
    // Switched on again while still grouped: the grouping has been reported already.
    bench.rankWithMoves({});
    bench.switchOn(ow::groupAlertCheck);
    bench.rankWithMoves({});
    EXPECT_EQ(bench.newLogLines(), Lines{"Pairs are perfectly grouped."});
}

class PairInSlot : public testing::Test {
protected:
    PairInSlot() {
        bench.switchOn(ow::slotAlertCheck, "slot.wav");
        bench.layer().selectPosition(bench.h.optionsWindow(), ow::slotAlertPairCombo, 7);  // EURUSD
        bench.layer().selectPosition(bench.h.optionsWindow(), ow::slotAlertSlotCombo, 2);  // "3"
    }
    RankingBench bench;
    // EURUSD is group position 3; these moves put it in slot 3.
    static constexpr std::array<int, fx::pairCount> eurusdThird = {30, 20, 0, 10, 0, 0, 0,
                                                                   0,  0,  0, 0,  0, 0, 0};
};

TEST_F(PairInSlot, FiresOnceAndSwitchesItselfOff) {
    bench.rankWithMoves({});
    EXPECT_EQ(bench.newLogLines(), Lines{});
    bench.rankWithMoves(eurusdThird);
    ASSERT_EQ(bench.h.slotPair(2), "EURUSD");
    EXPECT_EQ(bench.newLogLines(), Lines{"Pair: EURUSD is in slot:  3"});
    EXPECT_EQ(bench.layer().sounds(), Lines{"slot.wav"});
    EXPECT_FALSE(bench.optionChecked(ow::slotAlertCheck));
    EXPECT_EQ(bench.layer().selectedPosition(bench.h.optionsWindow(), ow::slotAlertPairCombo), 7);
    EXPECT_EQ(bench.layer().selectedPosition(bench.h.optionsWindow(), ow::slotAlertSlotCombo), 2);
    bench.rankWithMoves(eurusdThird);
    EXPECT_EQ(bench.newLogLines(), Lines{});
}

TEST_F(PairInSlot, DoesNothingWithoutATargetSlot) {
    bench.layer().selectPosition(bench.h.optionsWindow(), ow::slotAlertSlotCombo, -1);
    bench.rankWithMoves(eurusdThird);
    EXPECT_EQ(bench.newLogLines(), Lines{});
    EXPECT_TRUE(bench.optionChecked(ow::slotAlertCheck));
}

TEST(Alerts, RulesSwitchedOffLogNothingEvenWhenTheirConditionHolds) {
    RankingBench bench(fx::VariantId::V17);
    for (int box : {ow::anchorSoundBox, ow::biasSoundBox, ow::groupSoundBox, ow::slotSoundBox})
        bench.layer().setControlText(bench.h.optionsWindow(), box, "sound.wav");
    bench.layer().selectPosition(bench.h.optionsWindow(), ow::slotAlertPairCombo,
                                 RankingBench::pairAt(0));
    bench.layer().selectPosition(bench.h.optionsWindow(), ow::slotAlertSlotCombo, 0);
    bench.rankWithMoves({12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    // Grouped, the chosen pair in slot 1, the bias flipped, the top anchor opposed.
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0});
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.newLogLines(), Lines{"New +anchor: " + bench.groupSymbol(sellPair)});
    EXPECT_TRUE(bench.layer().sounds().empty());
}

TEST(Alerts, EmptySoundBoxLogsWithoutSound) {
    RankingBench bench;
    bench.switchOn(ow::groupAlertCheck, "");
    bench.rankWithMoves({});
    EXPECT_EQ(bench.newLogLines(), Lines{"Pairs are perfectly grouped."});
    EXPECT_TRUE(bench.layer().sounds().empty());
}

TEST(Alerts, BuyGroupTestIsExactOnTheBuyGroupSymbols) {
    for (fx::VariantId id : fxtest::allVariants) {
        RankingBench bench(id);
        for (int g = 0; g < fx::pairCount; ++g)
            EXPECT_EQ(fx::isBuyGroupPair(bench.monitor(), bench.groupSymbol(g)), g < 7)
                << bench.groupSymbol(g);
        EXPECT_FALSE(fx::isBuyGroupPair(bench.monitor(), ""));
        EXPECT_FALSE(fx::isBuyGroupPair(bench.monitor(), "eurusd"));
    }
}

}  // namespace
