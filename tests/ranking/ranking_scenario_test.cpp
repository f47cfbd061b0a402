// The ranking and its alerts driven as a user drives them: prices from files, a
// reference day chosen in the list, real-time ticks.

#include <gtest/gtest.h>

#include <climits>

#include "ranking_bench.h"

namespace {

using Lines = std::vector<std::string>;
namespace ow = fx::optwin;
namespace mw = fx::mainwin;

constexpr const char* hugePrice = "999999999999999999999999999999";

Lines linesStartingWith(const Lines& lines, std::string_view prefix) {
    Lines found;
    for (const std::string& line : lines)
        if (line.starts_with(prefix)) found.push_back(line);
    return found;
}

struct ReferenceDayCase {
    fx::VariantId variant;
    Lines flips;
};

class NewReferenceDay : public testing::TestWithParam<ReferenceDayCase> {};

// Against day 0 the first buy pair is 12 pips up; against day 1 it is 3 pips down.
TEST_P(NewReferenceDay, FlipsTheBiasOnlyWhereThePreviousBiasIsKept) {
    const ReferenceDayCase& c = GetParam();
    fxtest::HeadlessMonitor h(c.variant);
    const int pair = fx::pairGroupOrder[0];
    h.writeData(2, [&](int k, int row) {
        if (k == pair) return row == 0 ? 100.13f : 100.28f;
        return fxtest::typicalPrice(h.symbol(k));
    });
    h.setPrice(pair, 100.25f);
    h.start();
    h.layer.setChecked(h.optionsWindow(), ow::biasAlertCheck, true);
    ASSERT_TRUE(h.chooseReferenceDay(0));
    EXPECT_EQ(h.monitor().ranking.referenceBias, 12);
    ASSERT_TRUE(h.chooseReferenceDay(1));
    EXPECT_EQ(h.monitor().ranking.referenceBias, -3);
    EXPECT_EQ(linesStartingWith(h.logDescriptions(), "Reference Bias"), c.flips);
}

INSTANTIATE_TEST_SUITE_P(
    Ranking, NewReferenceDay,
    testing::Values(ReferenceDayCase{fx::VariantId::V17, {"Reference Bias Flipped Negative!"}},
                    ReferenceDayCase{fx::VariantId::V17b, {}},
                    ReferenceDayCase{fx::VariantId::V17c, {}}),
    [](const auto& info) { return "v" + std::string(fx::variant(info.param.variant).name); });

TEST(Ranking, NewReferenceDayTakesTheAnchorsAgainSilently) {
    fxtest::HeadlessMonitor h;
    const int buyPair = fx::pairGroupOrder[0];
    const int sellPair = fx::pairGroupOrder[8];
    // Day 0: the buy pair leads; day 1: the sell pair leads by far.
    h.writeData(2, [&](int k, int row) {
        if (k == buyPair) return row == 0 ? 100.05f : 100.25f;
        if (k == sellPair) return row == 0 ? 1.2345f : 1.2445f;
        return fxtest::typicalPrice(h.symbol(k));
    });
    h.setPrice(buyPair, 100.25f);
    h.setPrice(sellPair, 1.2345f);
    h.start();
    h.layer.setChecked(h.optionsWindow(), ow::anchorAlertCheck, true);
    h.chooseReferenceDay(0);
    EXPECT_EQ(h.monitor().ranking.topAnchorPair, h.symbol(buyPair));
    h.chooseReferenceDay(1);
    EXPECT_EQ(h.monitor().ranking.topAnchorPair, h.symbol(sellPair));
    EXPECT_EQ(h.monitor().ranking.topAnchorPips, 100);
    EXPECT_EQ(linesStartingWith(h.logDescriptions(), "New "),
              (Lines{"New Reference date: " + fxtest::historyDate(1),
                     "New Reference date: " + fxtest::historyDate(0)}));
}

// A price far beyond any real one, in a history file, in a start-up real-time file
// and in a real-time file read by the ticks: the moves saturate, the sums are taken
// wide, and the monitor keeps running.
TEST(Ranking, HugePricesSaturateAndCorruptNothing) {
    fxtest::HeadlessMonitor h(fx::VariantId::V17c);
    const int buyPair = fx::pairGroupOrder[1];    // AUDUSD
    const int sellPair = fx::pairGroupOrder[8];   // EURGBP
    const int otherPair = fx::pairGroupOrder[3];  // EURUSD
    h.writeData(3);
    h.writeHistoryLines(buyPair, fxtest::historyDate(0) + "," + hugePrice + "\r\n" +
                                     fxtest::historyDate(1) + ",1.23450\r\n" +
                                     fxtest::historyDate(2) + ",1.23450\r\n");
    h.writeRealtime(sellPair, hugePrice);
    h.start();
    ASSERT_EQ(h.monitor().prices.historyRowCount, 3);
    ASSERT_TRUE(h.chooseReferenceDay(0));

    const fx::RankingState& r = h.monitor().ranking;
    EXPECT_EQ(r.pipMove[buyPair], INT_MIN);
    EXPECT_EQ(r.pipMove[sellPair], INT_MIN);
    EXPECT_EQ(r.buyPower, INT_MIN);
    EXPECT_EQ(r.sellPower, INT_MIN);
    EXPECT_EQ(r.referenceBias, 0);
    EXPECT_EQ(r.basketBias, INT_MIN);
    EXPECT_EQ(r.anchorBias, INT_MIN);
    EXPECT_EQ(h.slotValue(12), " -2147483648");
    EXPECT_EQ(h.slotValue(13), " -2147483648");

    ASSERT_TRUE(h.clickMain(mw::realTimeModeCheck));
    h.writeRealtime(otherPair, hugePrice);
    h.setPrice(sellPair, 1.2345f);
    EXPECT_EQ(h.tick(3), 3);
    EXPECT_EQ(r.pipMove[sellPair], 0);
    EXPECT_EQ(r.pipMove[otherPair], 0);
    EXPECT_EQ(r.buyPower, INT_MIN);
    EXPECT_EQ(r.referenceBias, INT_MIN);
    EXPECT_EQ(h.slotPair(13), h.symbol(buyPair));
    EXPECT_EQ(r.bottomAnchorPips, INT_MIN);
    EXPECT_EQ(h.monitor().state.keepRunning, 1);
    EXPECT_TRUE(h.layer.messages().empty());
}

TEST(Ranking, TicksRankEverySecondFromTheRealTimeFiles) {
    fxtest::HeadlessMonitor h(fx::VariantId::V17);
    h.writeData(2);
    h.start();
    h.layer.setChecked(h.optionsWindow(), ow::groupAlertCheck, true);
    h.chooseReferenceDay(0);
    ASSERT_TRUE(h.clickMain(mw::realTimeModeCheck));
    h.setPrice(h.pairIndex("EURUSD"), 1.2445f);
    h.tick();
    EXPECT_EQ(h.slotPair(0), "EURUSD");
    EXPECT_EQ(h.slotValue(0), " 100");
    h.tick(2);
    // Still grouped: v17 reports it at the choice of the day and at every tick.
    EXPECT_EQ(linesStartingWith(h.logDescriptions(), "Pairs").size(), 4u);
}

}  // namespace
