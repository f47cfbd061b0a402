#include "ranking/alerts.h"

#include <gtest/gtest.h>

#include "monitor/main_window.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::Lines;
namespace ow = fx::optwin;

class AlertsTest : public testing::TestWithParam<fx::VariantId> {
protected:
    AlertsTest() {
        h.writeData(3);
        h.start();
    }
    fxtest::HeadlessMonitor h{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(AllVariants, AlertsTest, testing::ValuesIn(fxtest::allVariants),
                         [](const auto& info) { return "v" + std::string(fx::variant(info.param).name); });

// One v17b monitor with its history loaded, for rules that work alike in every variant.
class AlertRuleTest : public testing::Test {
protected:
    AlertRuleTest() {
        h.writeData(3);
        h.start();
    }
    fxtest::HeadlessMonitor h;
};

// Moves by group position written into the real-time files, for the next tick.
void moveInFiles(fxtest::HeadlessMonitor& h, const std::array<int, fx::pairCount>& moves) {
    for (int g = 0; g < fx::pairCount; ++g) {
        const int pair = fx::pairGroupOrder[g];
        const float pip = h.symbol(pair).ends_with("JPY") ? 0.01f : 0.0001f;
        h.movePrice(pair, (g < fx::buyGroupSize ? 1.0f : -1.0f) * static_cast<float>(moves[g]) * pip);
    }
}

// Every rule fires in one tick: the flip first, then each anchor with its alert (which
// looks at both ends every time), the grouped pairs, the pair in its slot, and last the
// periodic entry of the tick. Only v17 then repeats the grouping on the next tick.
TEST_P(AlertsTest, EveryRuleAtOnceInOneTickInItsOrder) {
    h.switchOn(fx::anchorDisplaced, "anchor.wav");
    h.switchOn(fx::referenceBiasFlip, "bias.wav");
    h.switchOn(fx::pairsGrouped, "group.wav");
    h.switchOn(fx::pairInSlot, "slot.wav");
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertPairCombo, h.pairIndex("GBPUSD"));
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertSlotCombo, 0);
    h.chooseReferenceDay(0);
    h.chooseMenu(fx::mainwin::oneMinuteItem);
    h.clickMain(fx::mainwin::realTimeModeCheck);
    // A buy pair on top, a sell pair among slots 1 to 7, the bias positive.
    moveInFiles(h, {20, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, -20});
    h.tick(59);
    h.newLogLines();
    h.layer.forgetRecords();

    // GBPUSD (a sell pair) takes slot 1, AUDUSD (a buy pair) slot 14, the sell group
    // fills slots 1 to 7, the bias turns negative.
    moveInFiles(h, {-10, -60, -10, -10, -10, -10, -10, 50, 40, 40, 40, 40, 40, 40});
    h.tick(1);
    EXPECT_EQ(h.newLogLines(), (Lines{"Reference Bias Flipped Negative!",
                                      "New +anchor: GBPUSD",
                                      "New opposing top anchor: GBPUSD",
                                      "New opposing bottom anchor: AUDUSD",
                                      "New -anchor: AUDUSD",
                                      "New opposing bottom anchor: AUDUSD",
                                      "Pairs are perfectly grouped.",
                                      "Pair: GBPUSD is in slot:  1",
                                      "RB =  -410  BB =  170  AB =  -10"}));
    EXPECT_EQ(h.layer.sounds(), (Lines{"bias.wav", "anchor.wav", "anchor.wav", "anchor.wav",
                                       "group.wav", "slot.wav"}));
    EXPECT_FALSE(h.optionChecked(ow::slotAlertCheck));

    h.tick(1);
    const bool everyRanking = GetParam() == fx::VariantId::V17;
    EXPECT_EQ(h.newLogLines(), everyRanking ? Lines{"Pairs are perfectly grouped."} : Lines{});
}

TEST_P(AlertsTest, GroupedPairsFireOncePerGroupingWhereThereIsALatch) {
    h.switchOn(fx::pairsGrouped, "group.wav");
    for (int run = 0; run < 3; ++run) h.rankWithMoves({});  // the buy group on top
    h.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0});  // broken up
    h.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5});  // the sell group on top
    const std::size_t expected = GetParam() == fx::VariantId::V17 ? 4 : 2;
    EXPECT_EQ(h.newLogLines(), Lines(expected, "Pairs are perfectly grouped."));
    EXPECT_EQ(h.layer.sounds(), Lines(expected, "group.wav"));
}

TEST_F(AlertRuleTest, TheGroupedLatchIsLeftAloneWhileTheRuleIsOff) {
    h.switchOn(fx::pairsGrouped);
    h.rankWithMoves({});
    // Broken up while the rule is off: the latch still holds the first grouping.
    h.layer.setChecked(h.optionsWindow(), ow::groupAlertCheck, false);
    h.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0});
    h.switchOn(fx::pairsGrouped);
    h.rankWithMoves({});
    EXPECT_EQ(h.newLogLines(), Lines{"Pairs are perfectly grouped."});
}

TEST(BiasFlipTest, OnlyASignChangeBetweenTwoRunsIsAFlip) {
    const struct {
        std::vector<int> biases;
        Lines flips;
    } cases[] = {
        {{12, -3}, {"Reference Bias Flipped Negative!"}},
        {{-5, 7}, {"Reference Bias Flipped Positive!"}},
        {{12, 0, -3}, {}},
        {{-3}, {}},  // against the 9999 of start-up a negative bias would look like a flip
        {{9999, -3}, {}},
        // Only 9999 itself means none: a larger bias (one jump of USDJPY to 290 makes one)
        // is compared like any other.
        {{13000, -3}, {"Reference Bias Flipped Negative!"}},
    };
    for (const auto& c : cases) {
        fxtest::HeadlessMonitor h;
        h.writeData(3);
        h.start();
        h.switchOn(fx::referenceBiasFlip, "bias.wav");
        for (int bias : c.biases) {
            std::array<int, fx::pairCount> moves{};
            moves[bias >= 0 ? 0 : 7] = bias >= 0 ? bias : -bias;
            h.rankWithMoves(moves);
        }
        EXPECT_EQ(fxtest::startingWith(h.newLogLines(), "Reference"), c.flips) << c.biases[0];
        EXPECT_EQ(h.layer.sounds(), Lines(c.flips.size(), "bias.wav"));
    }
}

TEST_F(AlertRuleTest, PairInSlotFiresOnceAndDoesNothingWithoutItsSlot) {
    h.switchOn(fx::pairInSlot, "slot.wav");
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertPairCombo, 7);  // EURUSD
    const std::array<int, fx::pairCount> eurusdThird = {30, 20, 0, 10};
    h.rankWithMoves(eurusdThird);
    EXPECT_EQ(h.newLogLines(), Lines{});  // no slot chosen
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertSlotCombo, 2);  // "3"
    h.rankWithMoves(eurusdThird);
    h.rankWithMoves(eurusdThird);
    EXPECT_EQ(h.newLogLines(), Lines{"Pair: EURUSD is in slot:  3"});
    EXPECT_EQ(h.layer.selectedPosition(h.optionsWindow(), ow::slotAlertPairCombo), 7);
}

TEST_F(AlertRuleTest, SwitchedOffRulesLogNothingEvenWhenTheirConditionHolds) {
    for (int box : {ow::anchorSoundBox, ow::biasSoundBox, ow::groupSoundBox, ow::slotSoundBox})
        h.layer.setControlText(h.optionsWindow(), box, "sound.wav");
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertPairCombo, fx::pairGroupOrder[0]);
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertSlotCombo, 0);
    h.rankWithMoves({12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    h.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0});
    EXPECT_EQ(h.newLogLines(), Lines{"New +anchor: EURGBP"});
    EXPECT_TRUE(h.layer.sounds().empty());
    // With its box checked and no sound chosen, a rule logs its line and plays nothing.
    h.switchOn(fx::pairsGrouped, "");
    h.rankWithMoves({});
    EXPECT_EQ(fxtest::startingWith(h.newLogLines(), "Pairs"), Lines{"Pairs are perfectly grouped."});
    EXPECT_TRUE(h.layer.sounds().empty());
}

}  // namespace
