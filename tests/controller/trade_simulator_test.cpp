#include "controller/trade_simulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "controller/controller_scenarios.h"
#include "monitor/main_window.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::countStartingWith;
using fxtest::HeadlessMonitor;
using fxtest::movePrice;
using fxtest::startInRealTime;
namespace mainwin = fx::mainwin;

constexpr int eurusd = 7;  // in every variant
constexpr int usdjpy = 8;  // in every variant

struct Enabled {
    bool realTimeMode, buy, sell, close, clear;
    friend bool operator==(const Enabled&, const Enabled&) = default;
};

Enabled enabledStates(HeadlessMonitor& hm) {
    return {hm.mainEnabled(mainwin::realTimeModeCheck), hm.mainEnabled(mainwin::buyButton),
            hm.mainEnabled(mainwin::sellButton), hm.mainEnabled(mainwin::closeButton),
            hm.mainEnabled(mainwin::clearButton)};
}

void PrintTo(const Enabled& e, std::ostream* out) {
    *out << "{rtm " << e.realTimeMode << ", buy " << e.buy << ", sell " << e.sell << ", close "
         << e.close << ", clear " << e.clear << "}";
}

class TradeSimulatorTest : public ::testing::TestWithParam<fx::VariantId> {
protected:
    HeadlessMonitor hm{GetParam()};
    std::string label() {
        return hm.layer.drawnTextAt(hm.mainWindow(), mainwin::basketLabelPoint).value_or("(none)");
    }
};

INSTANTIATE_TEST_SUITE_P(AllVariants, TradeSimulatorTest, ::testing::ValuesIn(fxtest::allVariants));

TEST_P(TradeSimulatorTest, EnabledStatesStepByStep) {
    hm.writeData(3);
    hm.start();
    const struct {
        const char* step;
        std::function<void()> action;
        Enabled expected;
    } steps[] = {
        {"start-up", [] {}, {false, false, false, false, false}},
        {"reference day", [this] { hm.chooseReferenceDay(0); }, {true, false, false, false, false}},
        {"real time on",
         [this] { hm.clickMain(mainwin::realTimeModeCheck); },
         {true, true, true, false, false}},
        {"buy", [this] { hm.clickMain(mainwin::buyButton); }, {false, false, false, true, false}},
        {"close",
         [this] { hm.clickMain(mainwin::closeButton); },
         {false, false, false, false, true}},
        {"clear", [this] { hm.clickMain(mainwin::clearButton); }, {true, true, true, false, false}},
        {"real time off",
         [this] { hm.clickMain(mainwin::realTimeModeCheck); },
         {true, false, false, false, false}},
        {"real time on again",
         [this] { hm.clickMain(mainwin::realTimeModeCheck); },
         {true, true, true, false, false}},
        {"sell", [this] { hm.clickMain(mainwin::sellButton); }, {false, false, false, true, false}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.action();
        EXPECT_EQ(enabledStates(hm), step.expected);
    }
}

TEST_P(TradeSimulatorTest, BasketLifeCycleTextsAndLabel) {
    startInRealTime(hm);
    hm.clickMain(mainwin::buyButton);
    EXPECT_EQ(label(), "BUY Basket   ");
    std::vector<std::string> rows = hm.logDescriptions();
    EXPECT_EQ(rows[0], "Ref. Bias =  0");
    EXPECT_EQ(rows[1], "BUY - Basket Bias:  0  Anchor Bias:  0");
    // Opening does not touch the box: it shows its first text until the next tick.
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), "0");

    hm.tick(1);
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), " 0");

    // The user may type into the box; "Close" logs whatever it holds.
    hm.layer.setControlText(hm.mainWindow(), mainwin::pipsBox, " 99");
    hm.clickMain(mainwin::closeButton);
    EXPECT_EQ(hm.logDescriptions().front(), "Basket Profit:  99");
    movePrice(hm, eurusd, 0.0012f);
    hm.tick(1);
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), " 99");
    EXPECT_EQ(label(), "BUY Basket   ");

    hm.clickMain(mainwin::clearButton);
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), "");
    EXPECT_EQ(label(), std::string(24, ' '));

    hm.clickMain(mainwin::sellButton);
    EXPECT_EQ(label(), "SELL Basket    ");
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), "");
    EXPECT_EQ(hm.logDescriptions()[1], "SELL - Basket Bias:  12  Anchor Bias:  12");
}

struct PipsCase {
    const char* name;
    fx::TradeDirection direction;
    int pair;
    float delta;
    const char* pips;
};

const PipsCase pipsCases[] = {
    {"unchanged", fx::TradeDirection::Buy, eurusd, 0.0f, " 0"},
    {"buy, EURUSD up 0.0012", fx::TradeDirection::Buy, eurusd, 0.0012f, " 12"},
    {"sell, EURUSD up 0.0012", fx::TradeDirection::Sell, eurusd, 0.0012f, " -12"},
    {"buy, USDJPY down 0.35", fx::TradeDirection::Buy, usdjpy, -0.35f, " -35"},
    {"sell, USDJPY down 0.35", fx::TradeDirection::Sell, usdjpy, -0.35f, " 35"},
};

TEST_P(TradeSimulatorTest, BasketValuedInPipsOnTheNextTick) {
    for (const PipsCase& c : pipsCases) {
        SCOPED_TRACE(c.name);
        HeadlessMonitor run{GetParam()};
        startInRealTime(run);
        run.clickMain(c.direction == fx::TradeDirection::Buy ? mainwin::buyButton
                                                             : mainwin::sellButton);
        movePrice(run, c.pair, c.delta);
        run.tick(1);
        EXPECT_EQ(run.mainText(mainwin::pipsBox), c.pips);
    }
}

TEST_P(TradeSimulatorTest, BasketOpenedOverAnOpenBasketReplacesIt) {
    startInRealTime(hm);
    hm.clickMain(mainwin::buyButton);
    movePrice(hm, eurusd, 0.0012f);
    hm.tick(1);
    ASSERT_EQ(hm.mainText(mainwin::pipsBox), " 12");

    hm.chooseReferenceDay(1);
    EXPECT_TRUE(hm.mainEnabled(mainwin::realTimeModeCheck));
    hm.clickMain(mainwin::realTimeModeCheck);
    EXPECT_FALSE(hm.mainEnabled(mainwin::sellButton));
    hm.clickMain(mainwin::realTimeModeCheck);
    ASSERT_TRUE(hm.clickMain(mainwin::sellButton));

    EXPECT_EQ(hm.monitor().trade.tradeState, fx::sellTrade);
    EXPECT_EQ(countStartingWith(hm.logDescriptions(), "Basket Profit: "), 0);
    hm.tick(1);
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), " 0");
}

// Sets up a basket directly: every entry price 0, and the current price of the given
// pairs so that, with the yen pairs' factor of 100, their terms are exactly the given
// pips (0.025 as a single-precision number times 100 is exactly 2.5).
std::string basketPips(fx::VariantId variant, fx::TradeDirection direction,
                       const std::vector<float>& yenPairMoves) {
    HeadlessMonitor hm{variant};
    hm.writeData(3);
    hm.start();
    fx::Monitor& monitor = hm.monitor();
    monitor.prices.currentPrice = {};
    monitor.trade.entryPrice = {};
    monitor.trade.tradeState = direction == fx::TradeDirection::Buy ? fx::buyTrade : fx::sellTrade;
    std::size_t next = 0;
    for (int k = 0; k < fx::pairCount && next < yenPairMoves.size(); ++k)
        if (hm.symbol(k).ends_with("JPY")) monitor.prices.currentPrice[k] = yenPairMoves[next++];
    EXPECT_EQ(next, yenPairMoves.size());
    fx::updateBasketPips(monitor);
    return hm.mainText(mainwin::pipsBox);
}

TEST_P(TradeSimulatorTest, RunningTotalRoundsHalvesToEvenAfterEveryPair) {
    const struct {
        const char* name;
        std::vector<float> moves;  // current prices of the yen pairs in index order
        const char* pips;
    } cases[] = {
        {"2 + 0.5 = 2.5 gives 2", {0.02f, 0.005f}, " 2"},
        {"3 + 0.5 = 3.5 gives 4", {0.03f, 0.005f}, " 4"},
        {"-1 + 0.5 = -0.5 gives 0", {-0.01f, 0.005f}, " 0"},
        {"three half pips each rounded away", {0.005f, 0.005f, 0.005f}, " 0"},
        {"1.5 first gives 2, then 2 + 1.5 = 3.5 gives 4", {0.015f, 0.015f}, " 4"},
        {"2.5 first gives 2", {0.025f}, " 2"},
        {"3.5 first gives 4", {0.035f}, " 4"},
        // Above 2^24 single precision has steps of 2: 26214401 is a tie, to the even 26214400.
        {"sum goes through single precision", {262144.0f, 0.01f}, " 26214400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(basketPips(GetParam(), fx::TradeDirection::Buy, c.moves), c.pips);
    }
}

// Was: huge or undefined terms were converted to int with undefined results.
TEST(TradeSimulatorArithmeticTest, InfiniteAndUndefinedTermsStayDefined) {
    HeadlessMonitor hm;
    hm.writeData(3);
    hm.start();
    fx::Monitor& monitor = hm.monitor();
    const float huge = std::numeric_limits<float>::max();
    const struct {
        const char* name;
        float current, entry;
        const char* pips;
    } cases[] = {
        {"overflow up", huge, -huge, " 2147483647"},
        {"overflow down", -huge, huge, " -2147483648"},
        {"not a number", std::numeric_limits<float>::infinity(),
         std::numeric_limits<float>::infinity(), " 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        monitor.prices.currentPrice = {};
        monitor.trade.entryPrice = {};
        monitor.prices.currentPrice[0] = c.current;
        monitor.trade.entryPrice[0] = c.entry;
        monitor.trade.tradeState = fx::buyTrade;
        fx::updateBasketPips(monitor);
        EXPECT_EQ(hm.mainText(mainwin::pipsBox), c.pips);
    }
}

// PairTable entry 3 is USDCHF in v17 and v17c but NZDJPY in v17b.
TEST(PipFactorTest, BasketUsesTheVariantsOwnSymbols) {
    for (fx::VariantId variant : fxtest::allVariants) {
        HeadlessMonitor hm{variant};
        startInRealTime(hm);
        hm.clickMain(mainwin::buyButton);
        movePrice(hm, 3, 0.0100f);
        hm.tick(1);
        EXPECT_EQ(hm.mainText(mainwin::pipsBox), variant == fx::VariantId::V17b ? " 1" : " 100")
            << hm.symbol(3);
    }
}

}  // namespace
