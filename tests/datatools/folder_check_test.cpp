#include "datatools/folder_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "datatools/check_report.h"
#include "datatools/line_diagnosis.h"
#include "datatools_fixture.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"

namespace {

using fx::datatools::CheckStatus;
using fx::datatools::FolderCheck;
using fxtest::contains;

class FolderCheckTest : public ::testing::Test {
protected:
    FolderCheckTest() { h.writeData(300); }

    // The check `later` after the files were written, with its verdict and report.
    void check(std::chrono::seconds later = std::chrono::seconds(0)) {
        result = fx::datatools::checkFolder(h.variant, h.folder.path(),
                                            std::filesystem::file_time_type::clock::now() + later,
                                            std::chrono::seconds(300));
        verdict = fx::datatools::judge(result);
        std::ostringstream out;
        fx::datatools::writeCheckReport(out, result, verdict);
        report = out.str();
    }
    const fx::datatools::PairCheck& pair(std::string_view symbol) const {
        return result.pairs[h.pairIndex(symbol)];
    }
    // 300 well-formed lines, line `lineNumber` replaced.
    void writeHistoryWith(std::string_view symbol, int lineNumber, const std::string& replace) {
        std::string content;
        for (int r = 0; r < 300; ++r)
            content +=
                (r + 1 == lineNumber ? replace : fxtest::historyDate(r) + ",1.2345") + "\r\n";
        h.writeHistoryLines(h.pairIndex(symbol), content);
    }

    fxtest::HeadlessMonitor h{fx::VariantId::V17b};
    FolderCheck result;
    fx::datatools::CheckVerdict verdict;
    std::string report;
};

TEST_F(FolderCheckTest, AWellFormedFolderIsClean) {
    check();
    EXPECT_EQ(verdict.status, CheckStatus::Clean);
    EXPECT_TRUE(verdict.problems.empty());
    EXPECT_EQ(result.referenceDays, 300);
    EXPECT_EQ(pair("EURUSD").history.lastDate, fxtest::historyDate(299));
    EXPECT_TRUE(
        contains(report, "GBPUSD  found      300         0     300  " + fxtest::historyDate(0)))
        << report;
    EXPECT_TRUE(contains(report, "Status 0: the monitor would start cleanly")) << report;
}

TEST_F(FolderCheckTest, WhereAndWhyTheUsableHistoryStops) {
    writeHistoryWith("NZDJPY", 1, "Date,Close");
    check();
    EXPECT_EQ(result.referenceDays, 0);
    EXPECT_EQ(pair("NZDJPY").history.stop->lineNumber, 1);
    EXPECT_TRUE(contains(report, "NZDJPY.csv line 1: a header: \"Date,Close\"")) << report;
    EXPECT_TRUE(contains(report, "Reference days: 0, limited by NZDJPY\n")) << report;
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_EQ(verdict.problems, std::vector<std::string>{"only 0 reference days to choose from"});

    h.writeData(300);
    writeHistoryWith("AUDUSD", 100, "");
    check();
    EXPECT_EQ(result.referenceDays, 99);
    EXPECT_EQ(pair("AUDUSD").history.linesRead, 300);
    EXPECT_TRUE(contains(report, "AUDUSD.csv line 100: blank line: \"\"")) << report;
    EXPECT_TRUE(contains(report, "Reference days: 99, limited by AUDUSD\n")) << report;
    EXPECT_EQ(verdict.status, CheckStatus::Clean);
}

TEST_F(FolderCheckTest, AMissingHistoryFileWouldStopTheMonitor) {
    h.folder.remove("EURGBP.csv");
    check();
    EXPECT_EQ(verdict.status, CheckStatus::WouldStop);
    ASSERT_FALSE(verdict.problems.empty());
    EXPECT_EQ(verdict.problems[0],
              "EURGBP.csv is missing: the monitor shows \"File opening error\" and ends");
    EXPECT_TRUE(contains(report, "EURGBP  missing")) << report;
}

TEST_F(FolderCheckTest, MisalignedDatesAreReportedRowByRow) {
    // GBPJPY misses the 11th day, so from row 10 on its dates run one day ahead.
    std::string content;
    for (int r = 0; r < 301; ++r)
        if (r != 10) content += fxtest::historyDate(r) + ",150.25\r\n";
    h.writeHistoryLines(h.pairIndex("GBPJPY"), content);
    check();
    EXPECT_EQ(pair("GBPJPY").misalignedRows, 290);
    EXPECT_EQ(pair("GBPJPY").firstMisaligned.size(), fx::datatools::shownRowsPerPair);
    EXPECT_EQ(pair("USDJPY").misalignedRows, 0);
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_EQ(verdict.problems,
              std::vector<std::string>{
                  "GBPJPY.csv: 290 reference days have another date than EURUSD.csv"});
    EXPECT_TRUE(contains(
        report, "GBPJPY.csv: 290 of 300 reference days differ\n    row 10 (line 11): \"" +
                    fxtest::historyDate(11) + "\", EURUSD \"" + fxtest::historyDate(10) + "\""))
        << report;
}

TEST_F(FolderCheckTest, RealtimeLinesAreJudgedAsTheMonitorJudgesThemEachSecond) {
    const std::pair<std::string, std::string> cases[] = {
        {"1.98765,1.98790", ""},
        {"\t152.34", ""},
        {"499.999", ""},
        {"", "empty"},
        {"abc", "not a number"},
        {"+1.5", "not a number"},
        {"0", "outside (0, 500)"},
        {"-1.2", "outside (0, 500)"},
        {"500", "outside (0, 500)"},
    };
    for (const auto& [line, rejection] : cases) {
        h.writeRealtime(h.pairIndex("USDJPY"), line);
        check();
        EXPECT_EQ(pair("USDJPY").realtime.accepted, rejection.empty()) << line;
        EXPECT_EQ(pair("USDJPY").realtime.rejection, rejection) << line;
        EXPECT_EQ(verdict.status, rejection.empty() ? CheckStatus::Clean : CheckStatus::Warnings);
    }
    // Taken, as the monitor takes it, but as 1: files must start with the price.
    h.writeRealtime(h.pairIndex("USDJPY"), "01-02-2008,1.5");
    check();
    EXPECT_EQ(pair("USDJPY").realtime.readInPart, "01");
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);

    h.folder.remove("USDJPY_RT.csv");
    check();
    EXPECT_EQ(verdict.problems, std::vector<std::string>{"USDJPY_RT.csv: not accepted: missing"});
}

TEST_F(FolderCheckTest, RealtimeFilesNotWrittenForLongAreStale) {
    check(std::chrono::hours(2));
    EXPECT_TRUE(pair("EURUSD").realtime.stale);
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    ASSERT_EQ(verdict.problems.size(), 1u);
    EXPECT_TRUE(verdict.problems[0].starts_with(
        "not written for more than 5 min (stale): GBPUSD_RT.csv, EURGBP_RT.csv, "))
        << verdict.problems[0];
    EXPECT_TRUE(contains(report, "2 h 0 min (stale)")) << report;
}

TEST_F(FolderCheckTest, ARawTerminalExportInPlaceOfAHistoryFileIsExplained) {
    // MetaTrader 4's own lines: the monitor reads the time as the price, "12:49" as 12.
    std::string content;
    for (int r = 0; r < 300; ++r) content += "2009.01.05,12:49,1.3677,1.3678,1.3676,1.3676,8\r\n";
    h.writeHistoryLines(h.pairIndex("EURUSD"), content);
    check();
    EXPECT_EQ(pair("EURUSD").history.usableRows, 300);
    EXPECT_EQ(pair("EURUSD").history.partlyReadLines, 300);
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_TRUE(contains(report, "EURUSD.csv line 1 and 299 more: the price text \"12:49,"))
        << report;
}

TEST(ZeroPriceReasonTest, EachWayALineGivesPriceZero) {
    const std::pair<std::string, std::string> cases[] = {
        {"<DATE>\t<TIME>\t<CLOSE>", "a header"},
        {"01-02-2008,+1.5", "a \"+\" sign before the price"},
        {"01-02-2008,",
         "no price text: the line has 11 characters and the price starts at character 12"},
        {"2009.01.05,00:00,1.3677", "the price text is read only as far as \"00\", which is 0"},
        {"01-02-2008,n/a", "the price text is not a number"},
    };
    for (const auto& [line, reason] : cases) {
        EXPECT_EQ(fx::datatools::zeroPriceReason(line), reason) << line;
        EXPECT_EQ(fx::historyRowOf(line).price, 0.0f) << line;  // the monitor's own reading
    }
}

TEST_F(FolderCheckTest, CsvHasOneQuotedRowPerPair) {
    writeHistoryWith("GBPUSD", 3, "01-04-2008,\"n/a\"");
    const auto run = fxtest::runCheckTool({"--csv", h.folder.path()});
    EXPECT_EQ(run.status, 0);
    const auto lines = fxtest::linesOf(run.out);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_TRUE(
        lines[0].starts_with("pair,history_file,lines,lines_past_499,usable_rows,stop_line,"));
    EXPECT_TRUE(lines[1].starts_with(
        "GBPUSD,found,300,0,2,3,the price text is not a number,\"01-04-2008,\"\"n/a\"\"\","))
        << lines[1];
    EXPECT_TRUE(lines[1].ends_with(",yes,2")) << lines[1];
}

TEST(CheckOptionsTest, MistakesInTheCommandLineAndTheVariant) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--variant", "18"}, {"--stale-after", "soon"}, {"a", "b"}, {"--csv=1"}}) {
        const auto run = fxtest::runCheckTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_TRUE(run.err.starts_with("fxmonitor-check: ")) << run.err;
    }
    // v17's table has USDCHF and USDCAD where v17b has NZDJPY and NZDUSD.
    fxtest::HeadlessMonitor h(fx::VariantId::V17b);
    h.writeData(30);
    EXPECT_EQ(fxtest::runCheckTool({"--variant=17b", h.folder.path()}).status, 0);
    const auto run = fxtest::runCheckTool({"--variant", "17", h.folder.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.out, "USDCHF.csv is missing")) << run.out;
}

}  // namespace
