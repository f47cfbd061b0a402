#include <gtest/gtest.h>

#include "ranking/alerts.h"
#include "ranking_bench.h"

namespace {

using fxtest::RankingBench;
using Lines = std::vector<std::string>;
namespace ow = fx::optwin;

constexpr int buyTop = 0;    // buy group position 0, first in group order
constexpr int otherBuy = 1;  // AUDUSD
constexpr int sellPair = 8;  // EURGBP
constexpr int lastSell = 13;

TEST(Anchors, FirstRankingTakesBothAnchorsSilently) {
    RankingBench bench;
    bench.switchOn(ow::anchorAlertCheck, "anchor.wav");
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -15});
    const fx::RankingState& r = bench.monitor().ranking;
    EXPECT_EQ(r.topAnchorPair, bench.groupSymbol(buyTop));
    EXPECT_EQ(r.topAnchorPips, 20);
    EXPECT_EQ(r.bottomAnchorPair, bench.groupSymbol(lastSell));
    EXPECT_EQ(r.bottomAnchorPips, -15);
    EXPECT_EQ(bench.newLogLines(), Lines{});
    EXPECT_TRUE(bench.layer().sounds().empty());
}

struct DisplacementCase {
    const char* name;
    int newcomerMove;
    bool displaces;
};

// The anchor took 20 pips; a newcomer in slot 1 must lie more than 5 pips away.
const DisplacementCase displacementCases[] = {
    {"FivePipsAboveStays", 25, false},
    {"SixPipsAboveDisplaces", 26, true},
    {"FivePipsBelowStays", 15, false},
    {"SixPipsBelowDisplaces", 14, true},
};

class TopAnchor : public testing::TestWithParam<DisplacementCase> {};

TEST_P(TopAnchor, ChangesOnlyBeyondFivePips) {
    const DisplacementCase& c = GetParam();
    RankingBench bench;
    bench.switchOn(ow::anchorAlertCheck, "anchor.wav");
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    bench.rankWithMoves({10, 0, 0, 0, 0, 0, 0, 0, c.newcomerMove, 0, 0, 0, 0, 0});
    ASSERT_EQ(bench.h.slotPair(0), bench.groupSymbol(sellPair));
    const fx::RankingState& r = bench.monitor().ranking;
    const std::string newcomer = bench.groupSymbol(sellPair);
    if (c.displaces) {
        // A sell pair displacing a buy pair is also an opposing anchor.
        EXPECT_EQ(bench.newLogLines(),
                  (Lines{"New +anchor: " + newcomer, "New opposing top anchor: " + newcomer}));
        EXPECT_EQ(r.topAnchorPair, newcomer);
        EXPECT_EQ(r.topAnchorPips, c.newcomerMove);
        EXPECT_EQ(bench.layer().sounds(), Lines{"anchor.wav"});
    } else {
        EXPECT_EQ(bench.newLogLines(), Lines{});
        EXPECT_EQ(r.topAnchorPair, bench.groupSymbol(buyTop));
        EXPECT_EQ(r.topAnchorPips, 20);
        EXPECT_TRUE(bench.layer().sounds().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Anchors, TopAnchor, testing::ValuesIn(displacementCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Anchors, BottomAnchorFollowsTheSameRule) {
    RankingBench bench;
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -20});
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -25, -10});
    EXPECT_EQ(bench.newLogLines(), Lines{});
    bench.rankWithMoves({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -26, -10});
    EXPECT_EQ(bench.newLogLines(), Lines{"New -anchor: " + bench.groupSymbol(12)});
    EXPECT_EQ(bench.monitor().ranking.bottomAnchorPips, -26);
}

TEST(Anchors, PipsAreNotRefreshedWhileTheAnchorStays) {
    RankingBench bench;
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    bench.rankWithMoves({70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.monitor().ranking.topAnchorPips, 20);
    // 5 pips from the anchor's present move, but 55 from the move it had when it
    // became anchor: the newcomer takes over.
    bench.rankWithMoves({70, 0, 0, 0, 0, 0, 0, 0, 75, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.newLogLines(), Lines{"New +anchor: " + bench.groupSymbol(sellPair)});
}

TEST(Anchors, BuyPairDisplacedByBuyPairIsNoOpposingAnchor) {
    RankingBench bench;
    bench.switchOn(ow::anchorAlertCheck, "anchor.wav");
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    bench.rankWithMoves({20, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(bench.newLogLines(), Lines{"New +anchor: " + bench.groupSymbol(otherBuy)});
    EXPECT_TRUE(bench.layer().sounds().empty());
}

TEST(Anchors, BothAnchorsDisplacedInOneRanking) {
    RankingBench bench;
    bench.switchOn(ow::anchorAlertCheck, "anchor.wav");
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -20});
    // A sell pair takes the top from a buy pair, a buy pair the bottom from a sell pair.
    bench.rankWithMoves({0, -30, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0});
    const std::string top = bench.groupSymbol(sellPair);
    const std::string bottom = bench.groupSymbol(otherBuy);
    // The top change's alert already sees the new bottom pair; the bottom change's
    // alert sees the top anchor replaced and reports only the bottom again.
    EXPECT_EQ(bench.newLogLines(),
              (Lines{"New +anchor: " + top, "New opposing top anchor: " + top,
                     "New opposing bottom anchor: " + bottom, "New -anchor: " + bottom,
                     "New opposing bottom anchor: " + bottom}));
    EXPECT_EQ(bench.layer().sounds(), (Lines{"anchor.wav", "anchor.wav", "anchor.wav"}));
}

TEST(Anchors, OneAlertCallReportsTopThenBottomWithTwoSounds) {
    RankingBench bench;
    bench.switchOn(ow::anchorAlertCheck, "anchor.wav");
    bench.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -20});
    bench.newLogLines();
    bench.layer().setControlText(bench.h.mainWindow(), fx::mainwin::slotPairBox(0),
                                 bench.groupSymbol(sellPair));
    bench.layer().setControlText(bench.h.mainWindow(), fx::mainwin::slotPairBox(13),
                                 bench.groupSymbol(otherBuy));
    fx::checkAlerts(bench.monitor(), fx::anchorDisplaced);
    EXPECT_EQ(bench.newLogLines(),
              (Lines{"New opposing top anchor: " + bench.groupSymbol(sellPair),
                     "New opposing bottom anchor: " + bench.groupSymbol(otherBuy)}));
    EXPECT_EQ(bench.layer().sounds(), (Lines{"anchor.wav", "anchor.wav"}));
}

}  // namespace
