#include "datatools/sample_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

#include "feed/tool_files.h"
#include "monitor/main_window.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"
#include "text/numbers.h"

namespace fxtest {
namespace {

struct SampleSeries {
    std::vector<std::string> dates;
    std::vector<double> prices;
    double latest = 0.0;
};

// The committed sample, read with the monitor's own readers.
class SampleDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        series = new std::map<std::string, SampleSeries, std::less<>>;
        for (const std::string_view symbol : sampleSymbols) {
            const std::string name(symbol);
            auto table = std::make_unique<fx::HistoryTable>();
            const auto rows = fx::readHistoryFile(sampleFolder() + name + ".csv", *table);
            SampleSeries& s = (*series)[name];
            for (int r = 0; rows && r < *rows; ++r) {
                s.dates.push_back((*table)[r].date);
                s.prices.push_back((*table)[r].price);
            }
            const auto first = fx::readFirstLine(sampleFolder() + name + "_RT.csv");
            if (first) s.latest = fx::parseNumber(*first);
        }
    }
    static void TearDownTestSuite() { delete series; }

    static const SampleSeries& of(std::string_view symbol) { return series->find(symbol)->second; }

    static std::map<std::string, SampleSeries, std::less<>>* series;
};

std::map<std::string, SampleSeries, std::less<>>* SampleDataTest::series = nullptr;

TEST_F(SampleDataTest, LoadsInEveryVariantWithEveryDayOffered) {
    for (const fx::VariantId id : {fx::VariantId::V17, fx::VariantId::V17b, fx::VariantId::V17c}) {
        SCOPED_TRACE(std::string(fx::variant(id).name));
        HeadlessMonitor hm(id);
        for (int k = 0; k < fx::pairCount; ++k)
            copyFromSample(hm.symbol(k), hm.folder.path(), true);
        hm.start();

        EXPECT_TRUE(hm.layer.messages().empty());
        EXPECT_EQ(hm.monitor().state.keepRunning, 1);
        EXPECT_EQ(hm.monitor().prices.historyRowCount, sampleDays);
        const auto& days =
            hm.layer.control(hm.mainWindow(), fx::mainwin::referenceDayCombo)->entries;
        ASSERT_EQ(days.size(), static_cast<std::size_t>(sampleDays));
        EXPECT_EQ(days.front(), of("EURUSD").dates.front());
        EXPECT_EQ(days.back(), of("EURUSD").dates.back());

        // Against the last day, today's prices give a full ranking, read every second.
        ASSERT_TRUE(hm.chooseReferenceDay(sampleDays - 1));
        ASSERT_TRUE(hm.clickMain(fx::mainwin::realTimeModeCheck));
        ASSERT_EQ(hm.tick(), 1);
        EXPECT_TRUE(hm.layer.messages().empty());
        for (int k = 0; k < fx::pairCount; ++k)
            EXPECT_TRUE(fx::isAcceptedRealtimePrice(hm.monitor().prices.currentPrice[k]));
        std::vector<std::string> shown,
            table(hm.variant.pairTable.begin(), hm.variant.pairTable.end());
        for (int slot = 0; slot < fx::pairCount; ++slot) shown.push_back(hm.slotPair(slot));
        std::sort(shown.begin(), shown.end());
        std::sort(table.begin(), table.end());
        EXPECT_EQ(shown, table);
    }
}

TEST_F(SampleDataTest, FilesAreInTheMonitorsOwnFormat) {
    const std::vector<std::string>& dates = of("EURUSD").dates;
    for (const std::string_view symbol : sampleSymbols) {
        SCOPED_TRACE(std::string(symbol));
        const std::string name(symbol);
        bool crlf = false;
        const auto lines = crlfLines(sampleFolder() + name + ".csv", crlf);
        EXPECT_TRUE(crlf);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(sampleDays));
        for (std::size_t r = 0; r < lines.size(); ++r) {
            ASSERT_GT(lines[r].size(), 11u);
            EXPECT_EQ(lines[r].substr(0, 10), dates[r]);
            EXPECT_EQ(lines[r][10], ',');
            EXPECT_TRUE(isFullPriceText(symbol, lines[r].substr(11))) << lines[r];
            EXPECT_TRUE(fx::isAcceptedRealtimePrice(of(symbol).prices[r]));
        }
        const auto realtime = crlfLines(sampleFolder() + name + "_RT.csv", crlf);
        EXPECT_TRUE(crlf);
        ASSERT_EQ(realtime.size(), 1u);
        EXPECT_TRUE(isFullPriceText(symbol, realtime[0])) << realtime[0];
        EXPECT_TRUE(fx::isAcceptedRealtimePrice(of(symbol).latest));
    }
}

TEST_F(SampleDataTest, DatesAreIncreasingWeekdays) {
    using namespace std::chrono;
    std::optional<sys_days> previous;
    for (const std::string& date : of("EURUSD").dates) {
        unsigned month = 0, day = 0;
        int year = 0;
        ASSERT_EQ(std::sscanf(date.c_str(), "%2u-%2u-%4d", &month, &day, &year), 3) << date;
        const year_month_day ymd{std::chrono::year{year}, std::chrono::month{month},
                                 std::chrono::day{day}};
        ASSERT_TRUE(ymd.ok()) << date;
        const sys_days current{ymd};
        const weekday w{current};
        EXPECT_NE(w, Saturday) << date;
        EXPECT_NE(w, Sunday) << date;
        if (previous) {
            EXPECT_GT(current, *previous) << date;
            // Only weekends are left out.
            EXPECT_LE(current - *previous, days{3}) << date;
        }
        previous = current;
    }
}

// A cross and the two legs it is made of: cross = first * second, or first / second.
struct CrossRule {
    std::string_view cross;
    std::string_view first;
    std::string_view second;
    bool divide;
};

constexpr CrossRule crossRules[] = {
    {"EURGBP", "EURUSD", "GBPUSD", true},  {"EURJPY", "EURUSD", "USDJPY", false},
    {"GBPJPY", "GBPUSD", "USDJPY", false}, {"AUDJPY", "AUDUSD", "USDJPY", false},
    {"NZDJPY", "NZDUSD", "USDJPY", false}, {"CADJPY", "USDJPY", "USDCAD", true},
    {"CHFJPY", "USDJPY", "USDCHF", true},  {"GBPCHF", "GBPUSD", "USDCHF", false},
    {"EURCHF", "EURUSD", "USDCHF", false},
};

double halfUnit(std::string_view symbol) { return symbol.ends_with("JPY") ? 0.0005 : 0.000005; }

// How far a cross may lie from its rounded legs: its own rounding plus the legs'
// roundings carried through the product or quotient (the files hold 32-bit prices,
// so a little room for that too).
double crossTolerance(const CrossRule& rule, double first, double second) {
    const double a = halfUnit(rule.first), b = halfUnit(rule.second);
    const double carried = rule.divide ? a / second + first * b / ((second - b) * (second - b))
                                       : a * second + first * b + a * b;
    const double cross = rule.divide ? first / second : first * second;
    return halfUnit(rule.cross) + carried + cross * 2e-7;
}

TEST_F(SampleDataTest, CrossesAgreeWithTheirLegs) {
    for (const CrossRule& rule : crossRules) {
        SCOPED_TRACE(std::string(rule.cross));
        const SampleSeries& cross = of(rule.cross);
        const SampleSeries& first = of(rule.first);
        const SampleSeries& second = of(rule.second);
        auto check = [&](double c, double a, double b) {
            EXPECT_NEAR(c, rule.divide ? a / b : a * b, crossTolerance(rule, a, b));
        };
        for (std::size_t r = 0; r < cross.prices.size(); ++r)
            check(cross.prices[r], first.prices[r], second.prices[r]);
        check(cross.latest, first.latest, second.latest);
    }
}

std::vector<double> dailyReturns(const SampleSeries& s) {
    std::vector<double> returns;
    for (std::size_t r = 1; r < s.prices.size(); ++r)
        returns.push_back(std::log(s.prices[r] / s.prices[r - 1]));
    return returns;
}

double deviation(const std::vector<double>& x) {
    double mean = 0.0;
    for (const double v : x) mean += v / static_cast<double>(x.size());
    double squares = 0.0;
    for (const double v : x) squares += (v - mean) * (v - mean);
    return std::sqrt(squares / static_cast<double>(x.size() - 1));
}

double correlation(const std::vector<double>& x, const std::vector<double>& y) {
    double mx = 0.0, my = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i] / static_cast<double>(x.size());
        my += y[i] / static_cast<double>(y.size());
    }
    double sxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) sxy += (x[i] - mx) * (y[i] - my);
    return sxy / static_cast<double>(x.size() - 1) / (deviation(x) * deviation(y));
}

TEST_F(SampleDataTest, MovesLikeARealMarket) {
    // Dollar pairs move about half a percent to 0.7 percent a day.
    for (const std::string_view leg :
         {"EURUSD", "GBPUSD", "AUDUSD", "NZDUSD", "USDJPY", "USDCHF", "USDCAD"}) {
        const double volatility = deviation(dailyReturns(of(leg)));
        EXPECT_GT(volatility, 0.0035) << leg;
        EXPECT_LT(volatility, 0.0085) << leg;
    }
    // The dollar moves the majors together, and the two antipodean currencies closely.
    EXPECT_GT(correlation(dailyReturns(of("EURUSD")), dailyReturns(of("GBPUSD"))), 0.3);
    EXPECT_GT(correlation(dailyReturns(of("AUDUSD")), dailyReturns(of("NZDUSD"))), 0.6);
    EXPECT_LT(correlation(dailyReturns(of("EURUSD")), dailyReturns(of("USDCHF"))), -0.3);
    // Crosses of two European currencies are quieter than their dollar legs.
    EXPECT_LT(deviation(dailyReturns(of("EURGBP"))), deviation(dailyReturns(of("EURUSD"))));
}

TEST(SampleGeneratorTest, RegeneratingGivesTheCommittedSample) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(fx::market::writeSample(folder.path(), fx::market::SampleOptions{}, error))
        << error;
    for (const std::string_view symbol : sampleSymbols) {
        for (const std::string suffix : {".csv", "_RT.csv"}) {
            const std::string name = std::string(symbol) + suffix;
            EXPECT_EQ(folder.read(name), fileBytes(sampleFolder() + name)) << name;
        }
    }
}

TEST(SampleGeneratorTest, DaysAndLastDayShapeTheSample) {
    TempFolder folder;
    fx::market::SampleOptions options;
    options.days = 12;
    // A Sunday: the history ends on the Friday before it.
    options.lastDay = std::chrono::year_month_day{std::chrono::year{2009}, std::chrono::March,
                                                  std::chrono::day{8}};
    std::string error;
    ASSERT_TRUE(fx::market::writeSample(folder.path(), options, error)) << error;
    bool crlf = false;
    const auto lines = crlfLines(folder.pathOf("EURUSD.csv"), crlf);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front().substr(0, 10), "02-19-2009");
    EXPECT_EQ(lines.back().substr(0, 10), "03-06-2009");
}

}  // namespace
}  // namespace fxtest
