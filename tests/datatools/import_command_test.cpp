#include <gtest/gtest.h>

#include <filesystem>

#include "datatools/symbol_names.h"
#include "datatools_fixture.h"

namespace {

using fxtest::contains;
using fxtest::Lines;
using fxtest::mt4Export;

class ImportCommandTest : public ::testing::Test {
protected:
    fxtest::ToolRun import(std::vector<std::string> files, std::vector<std::string> options = {}) {
        for (std::string& file : files) file = exports.pathOf(file);
        files.insert(files.end(), options.begin(), options.end());
        files.insert(files.end(), {"--out", out.path()});
        return fxtest::runTool(files);
    }
    Lines written(const std::string& symbol) const {
        return fxtest::linesOf(out.read(symbol + ".csv"));
    }

    fxtest::TempFolder exports;
    fxtest::TempFolder out;
};

TEST(SymbolsInFileNameTest, BrokerDecorationsAreStripped) {
    const std::pair<std::string, Lines> cases[] = {
        {"EURUSDm.csv", {"EURUSD"}},
        {"eurusd_d1.txt", {"EURUSD"}},
        {"GBPJPY1440.csv", {"GBPJPY"}},
        {"EURSEK.csv", {}},  // a pair the monitor does not follow
        {"EURUSD_vs_GBPUSD.csv", {"EURUSD", "GBPUSD"}},
    };
    for (const auto& [name, symbols] : cases)
        EXPECT_EQ(fx::datatools::symbolsInFileName(name), symbols) << name;
}

TEST_F(ImportCommandTest, AFileNameWithoutASymbolNeedsSymbol) {
    exports.write("prices.csv", mt4Export({"2009.01.05", "2009.01.06"}));
    const auto run = import({"prices.csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.out, "give --symbol")) << run.out;
    EXPECT_EQ(import({"prices.csv"}, {"--symbol", "gbpjpy"}).status, 0);
    EXPECT_EQ(out.read("GBPJPY.csv"), "01-05-2009,1.3000\r\n01-06-2009,1.3010\r\n");
}

TEST_F(ImportCommandTest, DaysKeepsTheNewestAndTheOrderOptionsSortThem) {
    exports.write("EURUSD.csv", mt4Export({"2009.01.05", "2009.01.06", "2009.01.07"}));
    ASSERT_EQ(import({"EURUSD.csv"}, {"--days=2", "--newest-first"}).status, 0);
    EXPECT_EQ(written("EURUSD"), (Lines{"01-07-2009,1.3020", "01-06-2009,1.3010"}));

    // By default 499 days, oldest first, whatever order the export has: 600 days from
    // 01-02-2008 on, newest first.
    Lines dates;
    for (int r = 599; r >= 0; --r) dates.push_back(fxtest::historyDate(r));
    exports.write("EURUSD.csv", mt4Export(dates));
    ASSERT_EQ(import({"EURUSD.csv"}).status, 0);
    const Lines lines = written("EURUSD");
    ASSERT_EQ(lines.size(), 499u);
    EXPECT_EQ(lines.back(), "08-23-2009,1.3000");
}

TEST_F(ImportCommandTest, AlignKeepsOnlyTheDatesEveryFileHas) {
    exports.write("EURUSD.csv",
                  mt4Export({"2009.01.05", "2009.01.06", "2009.01.07", "2009.01.08"}));
    exports.write("GBPUSD.csv", mt4Export({"2009.01.05", "2009.01.07", "2009.01.08"}, 1.5));
    exports.write("USDJPY.csv", mt4Export({"2009.01.05", "2009.01.06", "2009.01.08"}, 90.0));
    const auto run = import({"EURUSD.csv", "GBPUSD.csv", "USDJPY.csv"}, {"--align"});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "--align: 2 dates are in every file")) << run.out;
    EXPECT_EQ(written("EURUSD"), (Lines{"01-05-2009,1.3000", "01-08-2009,1.3030"}));
    EXPECT_EQ(written("USDJPY"), (Lines{"01-05-2009,90.000", "01-08-2009,90.002"}));
}

TEST_F(ImportCommandTest, NothingIsWrittenForAFileWithNoRows) {
    exports.write("EURUSD.csv", "Date,Close\r\nx,y\r\n");
    exports.write("GBPUSD.csv", mt4Export({"2009.01.05"}));
    EXPECT_EQ(import({"EURUSD.csv", "GBPUSD.csv"}).status, 1);
    EXPECT_FALSE(out.exists("EURUSD.csv"));
    EXPECT_TRUE(out.exists("GBPUSD.csv"));

    // With --align not even the others: they could not be aligned to it.
    out.remove("GBPUSD.csv");
    const auto run = import({"EURUSD.csv", "GBPUSD.csv"}, {"--align"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(out.exists("GBPUSD.csv"));
    EXPECT_TRUE(contains(run.out, "--align: nothing written")) << run.out;
}

TEST_F(ImportCommandTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    exports.write("EURUSD.csv", mt4Export({"2009.01.05"}));
    out.write("EURUSD.csv", "old\r\n");
    // A folder in the temporary file's place makes the write fail.
    std::filesystem::create_directory(out.pathOf("EURUSD.csv.tmp"));
    EXPECT_EQ(import({"EURUSD.csv"}).status, 1);
    EXPECT_EQ(out.read("EURUSD.csv"), "old\r\n");
    std::filesystem::remove(out.pathOf("EURUSD.csv.tmp"));

    EXPECT_EQ(import({"EURUSD.csv"}).status, 0);
    EXPECT_EQ(out.read("EURUSD.csv"), "01-05-2009,1.3000\r\n");
    EXPECT_FALSE(out.exists("EURUSD.csv.tmp"));
}

TEST(ImportOptionsTest, MistakesInTheCommandLineExitTwo) {
    const std::pair<Lines, std::string> cases[] = {
        {{"a.csv", "--out", "d", "--days", "500"},
         "--days takes a whole number from 1 to 499, not \"500\""},
        {{"a.csv", "--out", "d", "--date-format", "DMY"}, "--date-format takes"},
        {{"a.csv", "--out", "d", "--newest-first", "--oldest-first"}, "cannot both be given"},
        {{"--rates", "r.csv", "--base", "EURO", "--out", "d"}, "--base takes a currency's three"},
        {{"a.csv", "b.csv", "--out", "d", "--symbol", "EURUSD"}, "one FILE only"},
        {{"--rates", "r.csv", "a.csv", "--out", "d"}, "--rates reads one table: give no FILE"},
        {{"--rates", "r.csv", "--variant", "17", "--all", "--out", "d"},
         "--variant and --all cannot both"},
    };
    for (const auto& [arguments, error] : cases) {
        const auto run = fxtest::runTool(arguments);
        EXPECT_EQ(run.status, 2) << error;
        EXPECT_TRUE(run.err.starts_with("fxmonitor-import: ")) << run.err;
        EXPECT_TRUE(contains(run.err, error)) << run.err;
    }
    EXPECT_TRUE(contains(fxtest::runTool({"--help"}).out, "Example"));
}

}  // namespace
