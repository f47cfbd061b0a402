// The alert study values each basket at the first tick at or after its time plus the
// horizon, not at all where the session ends sooner, and sums up each rule's baskets.

#include "report/alert_study.h"

#include <gtest/gtest.h>

#include "report/study_table.h"
#include "support/replay_run.h"

namespace {

// GBPUSD, a 10000-pips-a-unit pair, `pips` above 1.25; every other pair unchanged.
fx::PairPrices pricesAt(int pips) {
    fx::PairPrices prices;
    prices.fill(1.25f);
    prices[0] = static_cast<float>(1.25 + pips / 1e4);
    return prices;
}

fx::LocalTime at(int minute, int second = 0) { return {2009, 1, 5, 10, minute, second}; }

TEST(AlertStudyTest, ValuesAtTheFirstTickAtOrAfterEachHorizon) {
    fx::AlertStudy study({5, 60}, fx::variant(fx::VariantId::V17b).pipFactors);
    study.openForAlert(at(0), fx::anchorDisplaced, pricesAt(0));
    study.openForAlert(at(1), fx::anchorDisplaced, pricesAt(0));
    study.openForAlert(at(1), fx::anchorDisplaced, pricesAt(0));
    study.openForAlert(at(2), fx::anchorDisplaced, pricesAt(0));
    study.priced(at(4, 59), pricesAt(99));
    study.priced(at(5), pricesAt(10));
    study.priced(at(6, 30), pricesAt(-4));
    study.openForUser(at(6, 30), fx::TradeDirection::Buy, pricesAt(-4));
    study.priced({2009, 1, 5, 11, 0, 0}, pricesAt(8));
    study.finish(pricesAt(8));

    const std::string_view words[] = {"anchor", "bias", "grouped", "slot", "baskets"};
    const fxtest::Lines csv = fxtest::linesOf(fx::studyCsv(study, words));
    EXPECT_EQ(csv.size(), 1u + 5 * 3 * 2);
    EXPECT_EQ(csv[0], "rule,horizon,direction,alerts,valued,mean,median,above_0_pct,best,worst");
    for (const std::string row : {"anchor,5,BUY,4,4,2.5,2.0,50.0,10,-4",
                                  "anchor,5,SELL,4,4,-2.5,-2.0,50.0,4,-10",
                                  "anchor,60,BUY,4,1,8.0,8.0,100.0,8,8",
                                  "anchor,end,SELL,4,4,-8.0,-8.0,0.0,-8,-8",
                                  "bias,5,BUY,0,0,,,,,",
                                  "baskets,5,BUY,1,1,12.0,12.0,100.0,12,12",
                                  "baskets,60,BUY,1,0,,,,,",
                                  "baskets,end,SELL,0,0,,,,,"})
        EXPECT_NE(std::find(csv.begin(), csv.end(), row), csv.end()) << row;
}

}  // namespace
