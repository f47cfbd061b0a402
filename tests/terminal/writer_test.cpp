// A price writer of terminal/ (FX_WRITER_SOURCE: the .mq4 or .mq5 file without its
// #property lines) run in the model of the terminal: started, driven by timer events
// over a scripted market, moved to a new day and stopped; what it writes is read with
// the monitor's own readers and fxmonitor-check's logic.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>

#include "datatools/check_command.h"
#include "monitor/price_data.h"
#include "monitor/variants.h"
#include "prices/price_files.h"
#include "terminal/mql_terminal.h"
#include "text/numbers.h"

// The terminal sets the inputs before OnInit and keeps them read-only; here they are
// plain variables that each test sets before it calls OnInit.
#define input
#include FX_WRITER_SOURCE
#undef input

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using Tables = std::array<fx::HistoryTable, fx::pairCount>;

constexpr year_month_day today = 2024y / December / 20;

datetime startOf(year_month_day day) {
    return sys_seconds{sys_days{day}}.time_since_epoch().count();
}

const fx::Variant& v17b = fx::variant(fx::VariantId::V17b);

class WriterTest : public ::testing::Test {
protected:
    // Every symbol of the three variants, with 520 daily bars up to today's forming one.
    WriterTest() {
        for (fx::VariantId id : {fx::VariantId::V17, fx::VariantId::V17b, fx::VariantId::V17c})
            for (std::string_view symbol : fx::variant(id).pairTable)
                addSymbol(std::string(symbol));
        t.now = startOf(today) + 10 * 3600;
        Variant = VARIANT_17B;
        SymbolPrefix = SymbolSuffix = "";
        IntervalMs = 1000;
        WriteHistory = true;
        UseCommonFolder = false;
    }

    void addSymbol(const std::string& symbol, const std::string& brokerName = "") {
        const bool yen = symbol.ends_with("JPY");
        const double bid = (yen ? 150.0 : 1.1) + 0.01 * static_cast<double>(t.market.size());
        fxtest::MarketSymbol& s = t.market[brokerName.empty() ? symbol : brokerName];
        s = {yen ? 3 : 5, bid, {}};
        for (int d = 519; d >= 0; --d)
            s.bars.push_back({startOf(sys_days{today} - days{d}), bid + 0.001 * d});
    }
    void start() { ASSERT_EQ(OnInit(), INIT_SUCCEEDED); }
    void timerEvent() {
        ASSERT_GT(t.timerMs, 0) << "no timer";
        OnTimer();
    }
    std::string path(std::string_view name) const { return t.filesFolder() + std::string(name); }
    std::string firstLine(std::string_view symbol) const {
        return fx::readFirstLine(path(std::string(symbol) + "_RT.csv")).value_or("(missing)");
    }
    // The history files as the monitor loads them; nothing when one is missing.
    std::unique_ptr<Tables> histories() const {
        auto tables = std::make_unique<Tables>();
        for (int k = 0; k < fx::pairCount; ++k)
            if (!fx::readHistoryFile(path(std::string(v17b.pairTable[k]) + ".csv"), (*tables)[k]))
                return nullptr;
        return tables;
    }
    long logLinesWith(std::string_view text) const {
        return std::ranges::count_if(t.log,
                                     [&](auto& line) { return line.find(text) != line.npos; });
    }
    void removeFiles() const {
        fs::remove_all(t.filesFolder());
        fs::create_directories(t.filesFolder());
    }

    fxtest::Terminal t{FX_WRITER_LANGUAGE};
};

// The row count the monitor would find, after checking that row r is the same day in
// every file; -1 without the files.
int alignedRows(const Tables* tables) {
    if (!tables) return -1;
    const int rows = fx::completeHistoryRows(*tables);
    for (const fx::HistoryTable& table : *tables)
        for (int r = 0; r < rows; ++r)
            EXPECT_EQ(table[r].date, (*tables)[7][r].date) << "row " << r;
    return rows;
}

TEST_F(WriterTest, WritesFilesTheMonitorLoadsAndTheCheckFindsClean) {
    start();
    EXPECT_TRUE(fxtest::namesIn(t.filesFolder()).empty()) << "written before the first timer event";
    timerEvent();
    const auto tables = histories();
    ASSERT_TRUE(tables);
    EXPECT_EQ(alignedRows(tables.get()), 499);
    EXPECT_EQ((*tables)[7][0].date, "08-09-2023");  // the 499 complete days, oldest first
    EXPECT_EQ((*tables)[7][498].date, "12-19-2024");
    for (std::string_view symbol : v17b.pairTable) {
        const double value = fx::parseNumber(firstLine(symbol));
        EXPECT_TRUE(fx::isAcceptedRealtimePrice(value)) << symbol;
        EXPECT_EQ(static_cast<float>(value), static_cast<float>(t.market[std::string(symbol)].bid))
            << symbol;
    }
    fx::datatools::CheckOptions check;
    check.folder = t.filesFolder();
    std::ostringstream report;
    EXPECT_EQ(fx::datatools::runCheck(check, fs::file_time_type::clock::now(), report), 0)
        << report.str();
}

// Each variant's fourteen pairs, both kinds of file or the real-time ones alone, in the
// terminal's own Files folder or the common one.
TEST_F(WriterTest, WritesTheFilesOfTheVariantsPairsIntoTheFolderAsked) {
    for (auto [id, choice, history, common] :
         {std::tuple{fx::VariantId::V17, VARIANT_17, true, false},
          {fx::VariantId::V17b, VARIANT_17B, false, true},
          {fx::VariantId::V17c, VARIANT_17C, true, false}}) {
        removeFiles();
        fs::remove_all(t.commonFolder());
        fs::create_directories(t.commonFolder());
        Variant = choice;
        WriteHistory = history;
        UseCommonFolder = common;
        start();
        timerEvent();
        std::vector<std::string> expected;
        for (std::string_view symbol : fx::variant(id).pairTable) {
            expected.push_back(std::string(symbol) + "_RT.csv");
            if (history) expected.push_back(std::string(symbol) + ".csv");
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(fxtest::namesIn(common ? t.commonFolder() : t.filesFolder()), expected)
            << fx::variant(id).name;
        EXPECT_TRUE(fxtest::namesIn(common ? t.filesFolder() : t.commonFolder()).empty());
    }
}

// Rewritten in place, never emptied, deleted or replaced, even while the monitor holds
// the file open with shared access.
TEST_F(WriterTest, EachTimerEventRewritesTheBidWithTheSymbolsDigitsAndCrLfInPlace) {
    start();
    t.market["EURUSD"].bid = 1.0876;
    t.market["USDJPY"].bid = 100.005;
    timerEvent();
    EXPECT_EQ(t.root.read(t.filesSubfolder + "EURUSD_RT.csv"), "1.08760\r\n");
    const int monitor = t.openAsMonitor(path("USDJPY_RT.csv"));
    t.market["USDJPY"].bid = 99.995;
    timerEvent();
    // Over a longer price: the line is the new price, blanks after it.
    const std::string file = t.root.read(t.filesSubfolder + "USDJPY_RT.csv");
    EXPECT_EQ(file.substr(0, 8), "99.995\r\n");
    EXPECT_EQ(file.find_first_not_of(' ', 8), std::string::npos) << file;
    t.closeFile(monitor);
    for (const char* event : {"truncate", "delete", "replace"})
        EXPECT_EQ(t.count(std::string(event) + " USDJPY_RT.csv"), 0) << event;
}

TEST_F(WriterTest, DecoratedBrokerSymbolsWriteThePlainFileNames) {
    t.market.clear();
    for (std::string_view symbol : v17b.pairTable)
        addSymbol(std::string(symbol), "fx" + std::string(symbol) + ".m");
    SymbolPrefix = "fx";
    SymbolSuffix = ".m";
    start();
    timerEvent();
    EXPECT_EQ(fxtest::namesIn(t.filesFolder()).size(), 28u);
    EXPECT_EQ(fx::parseNumber(firstLine("EURUSD")), t.market["fxEURUSD.m"].bid);
    EXPECT_EQ(alignedRows(histories().get()), 499);
}

TEST_F(WriterTest, AMissingSymbolIsReportedOnceAndTheOtherThirteenAreWritten) {
    t.market.clear();
    for (std::string_view symbol : v17b.pairTable)
        if (symbol != "NZDJPY") addSymbol(std::string(symbol), std::string(symbol) + ".m");
    SymbolSuffix = ".m";
    start();
    for (int i = 0; i < 3; ++i) timerEvent();
    EXPECT_EQ(logLinesWith("NZDJPY"), 1);
    EXPECT_EQ(logLinesWith("\"NZDJPY.m\""), 1) << "the name tried";
    const std::vector<std::string> files = fxtest::namesIn(t.filesFolder());
    EXPECT_EQ(files.size(), 26u);
    EXPECT_EQ(std::ranges::count_if(files, [](auto& f) { return f.starts_with("NZDJPY"); }), 0);
    fx::HistoryTable table;
    EXPECT_EQ(fx::readHistoryFile(path("EURUSD.csv"), table), 499);
}

TEST_F(WriterTest, ADayOnePairLacksIsLeftOutOfAllFourteenHistoryFiles) {
    std::erase_if(t.market["GBPJPY"].bars, [](const fxtest::DailyBar& bar) {
        return bar.opened == startOf(2024y / December / 2);
    });
    start();
    timerEvent();
    const auto tables = histories();
    ASSERT_TRUE(tables);
    EXPECT_EQ(alignedRows(tables.get()), 499);
    EXPECT_EQ((*tables)[7][0].date, "08-08-2023");
    for (const fx::HistoryTable& table : *tables)
        for (const fx::HistoryRow& row : table) EXPECT_NE(row.date, "12-02-2024");
}

TEST_F(WriterTest, ANewDayWritesTheHistoryAgainWholeWithYesterdaysClose) {
    start();
    timerEvent();
    timerEvent();
    EXPECT_EQ(t.count("replace EURUSD.csv"), 0) << "written again on the same day";
    t.now = startOf(sys_days{today} + days{1}) + 60;
    for (auto& [name, symbol] : t.market)
        symbol.bars.push_back({startOf(sys_days{today} + days{1}), 1.5});
    timerEvent();
    EXPECT_EQ(t.count("replace EURUSD.csv"), 1);
    EXPECT_EQ(t.count("write EURUSD.csv") + t.count("truncate EURUSD.csv"), 0)
        << "written in place";
    const auto tables = histories();
    ASSERT_TRUE(tables);
    EXPECT_EQ(alignedRows(tables.get()), 499);
    EXPECT_EQ((*tables)[7][498].date, "12-20-2024");
}

TEST_F(WriterTest, HistoryWaitsForDailyBarsAndFollowsTheTerminalLoadingMore) {
    std::vector<fxtest::DailyBar>& bars = t.market["GBPJPY"].bars;
    const std::vector<fxtest::DailyBar> all = bars;
    bars.clear();
    start();
    timerEvent();
    timerEvent();
    EXPECT_FALSE(fs::exists(path("EURUSD.csv")));
    EXPECT_TRUE(fs::exists(path("EURUSD_RT.csv")));
    EXPECT_EQ(logLinesWith("waiting"), 1);
    bars.assign(all.end() - 101, all.end());  // 100 complete days and today's
    timerEvent();
    EXPECT_EQ(alignedRows(histories().get()), 100);
    bars = all;
    timerEvent();
    EXPECT_EQ(alignedRows(histories().get()), 499);
}

TEST_F(WriterTest, TheTimerHasTheIntervalAndStopEndsItWithNoFileLeftOpen) {
    IntervalMs = 250;
    start();
    EXPECT_EQ(t.timerMs, 250);
    timerEvent();
    OnDeinit(0);
    EXPECT_EQ(t.timerMs, 0);
    EXPECT_EQ(t.filesOpenByTheWriter(), 0);
}

}  // namespace
