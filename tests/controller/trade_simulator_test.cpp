#include "controller/trade_simulator.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "monitor/main_window.h"
#include "support/headless_monitor.h"

namespace {

using fx::TradeDirection;
namespace mw = fx::mainwin;

TEST(BasketTotalTest, TheRunningTotalIsRoundedHalfToEvenAfterEveryPair) {
    const float huge = std::numeric_limits<float>::max();
    const struct {
        std::vector<float> terms;  // the first pairs' terms, the others 0
        int pips;
    } cases[] = {
        {{2, 0.5f}, 2},  {{3, 0.5f}, 4},  {{-1, 0.5f}, 0},  {{0.5f, 0.5f, 0.5f}, 0},
        {{1.5f, 1.5f}, 4}, {{2.5f}, 2},   {{3.5f}, 4},
        // Past 2^24 the single-precision sum moves in steps of 2: 26214401 goes to the even 26214400.
        {{26214400, 1}, 26214400},
        {{huge}, std::numeric_limits<int>::max()},
        {{-huge}, std::numeric_limits<int>::min()},
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& c : cases) {
        std::array<float, fx::pairCount> terms{};
        std::copy(c.terms.begin(), c.terms.end(), terms.begin());
        EXPECT_EQ(fx::basketTotal(terms), c.pips) << c.terms[0];
    }
    // Was: one pair whose price was never a price (its term not finite) made the total 0,
    // whatever the other thirteen did.
    for (const float bad : {nan, std::numeric_limits<float>::infinity()}) {
        std::array<float, fx::pairCount> terms{};
        terms[0] = 12;
        terms[fx::pairCount - 1] = bad;
        EXPECT_EQ(fx::basketTotal(terms), 12) << bad;
    }
}

// A basket from opening to clearing, and the buttons each step enables: "Real-Time Mode",
// "Buy", "Sell", "Close", "Clear" (1 enabled, 0 not).
TEST(TradeSimulatorTest, ABasketFromOpeningToClearingStepByStep) {
    fxtest::HeadlessMonitor h;
    h.writeData(3);
    h.start();
    const auto enabled = [&h] {
        std::string flags;
        for (int id : {mw::realTimeModeCheck, mw::buyButton, mw::sellButton, mw::closeButton,
                       mw::clearButton})
            flags += h.mainEnabled(id) ? '1' : '0';
        return flags;
    };
    const auto label = [&h] {
        return h.layer.drawnTextAt(h.mainWindow(), {210, 199}).value_or("-");
    };
    EXPECT_EQ(enabled(), "00000");
    h.chooseReferenceDay(0);
    EXPECT_EQ(enabled(), "10000");
    h.clickMain(mw::realTimeModeCheck);
    EXPECT_EQ(enabled(), "11100");
    h.newLogLines();

    h.clickMain(mw::buyButton);
    EXPECT_EQ(enabled(), "00010");
    EXPECT_EQ(label(), "BUY Basket   ");
    EXPECT_EQ(h.newLogLines(), (fxtest::Lines{"BUY - Basket Bias:  0  Anchor Bias:  0", "Ref. Bias =  0"}));
    EXPECT_EQ(h.mainText(mw::pipsBox), "0");  // untouched until the next tick
    h.movePrice(h.pairIndex("EURUSD"), 0.0012f);
    h.movePrice(h.pairIndex("USDJPY"), -0.35f);
    h.tick(1);
    EXPECT_EQ(h.mainText(mw::pipsBox), " -23");
    // "Close" logs the box as it stands, whatever the user typed into it.
    h.layer.setControlText(h.mainWindow(), mw::pipsBox, " 99");
    h.clickMain(mw::closeButton);
    EXPECT_EQ(enabled(), "00001");
    EXPECT_EQ(fxtest::startingWith(h.newLogLines(), "Basket"), fxtest::Lines{"Basket Profit:  99"});
    h.tick(1);
    EXPECT_EQ(h.mainText(mw::pipsBox), " 99");
    h.clickMain(mw::clearButton);
    EXPECT_EQ(enabled(), "11100");
    EXPECT_EQ(h.mainText(mw::pipsBox), "");
    EXPECT_EQ(label(), std::string(24, ' '));
    h.clickMain(mw::realTimeModeCheck);
    EXPECT_EQ(enabled(), "10000");
    h.clickMain(mw::realTimeModeCheck);
    h.clickMain(mw::sellButton);
    EXPECT_EQ(enabled(), "00010");
    EXPECT_EQ(label(), "SELL Basket    ");
    EXPECT_EQ(h.logDescriptions()[1], "SELL - Basket Bias:  -23  Anchor Bias:  -23");
}

TEST(TradeSimulatorTest, ABasketOpenedOverAnOpenOneReplacesItWithoutAProfitRow) {
    fxtest::HeadlessMonitor h;
    h.startInRealTime();
    h.clickMain(mw::buyButton);
    h.movePrice(h.pairIndex("EURUSD"), 0.0012f);
    h.tick(1);
    ASSERT_EQ(h.mainText(mw::pipsBox), " 12");
    h.chooseReferenceDay(1);  // enables "Real-Time Mode" again
    h.clickMain(mw::realTimeModeCheck);
    h.clickMain(mw::realTimeModeCheck);
    ASSERT_TRUE(h.clickMain(mw::sellButton));
    h.tick(1);
    EXPECT_EQ(h.mainText(mw::pipsBox), " 0");
    EXPECT_TRUE(fxtest::startingWith(h.logDescriptions(), "Basket Profit").empty());
}

// The same price moves value a sell basket at the negated pips of a buy basket.
TEST(TradeSimulatorTest, ASellBasketCountsTheFallOfEveryPair) {
    const struct {
        int button;
        const char* pips;
    } cases[] = {{mw::buyButton, " 12"}, {mw::sellButton, " -12"}};
    for (const auto& c : cases) {
        fxtest::HeadlessMonitor h;
        h.startInRealTime();
        h.clickMain(c.button);
        h.movePrice(h.pairIndex("EURUSD"), 0.0012f);
        h.tick(1);
        EXPECT_EQ(h.mainText(mw::pipsBox), c.pips) << c.button;
    }
}

// PairTable entry 3 is USDCHF in v17 and v17c but NZDJPY in v17b.
TEST(TradeSimulatorTest, EachVariantValuesItsOwnSymbols) {
    for (fx::VariantId variant : fxtest::allVariants) {
        fxtest::HeadlessMonitor h{variant};
        h.startInRealTime();
        h.clickMain(mw::buyButton);
        h.movePrice(3, 0.0100f);
        h.tick(1);
        EXPECT_EQ(h.mainText(mw::pipsBox), variant == fx::VariantId::V17b ? " 1" : " 100");
    }
}

}  // namespace
