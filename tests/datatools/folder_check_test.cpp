#include "datatools/folder_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "datatools/check_report.h"
#include "datatools_fixture.h"
#include "support/headless_monitor.h"

namespace {

using fx::datatools::CheckStatus;
using fxtest::contains;
using fxtest::historyDate;

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
            content += (r + 1 == lineNumber ? replace : historyDate(r) + ",1.2345") + "\r\n";
        h.writeHistoryLines(h.pairIndex(symbol), content);
    }

    fxtest::HeadlessMonitor h{fx::VariantId::V17b};
    fx::datatools::FolderCheck result;
    fx::datatools::CheckVerdict verdict;
    std::string report;
};

TEST_F(FolderCheckTest, WhereAndWhyTheUsableHistoryStops) {
    writeHistoryWith("NZDJPY", 1, "Date,Close");
    check();
    EXPECT_TRUE(contains(report, "NZDJPY.csv line 1: a header: \"Date,Close\"")) << report;
    EXPECT_TRUE(contains(report, "Reference days: 0, limited by NZDJPY\n")) << report;
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_EQ(verdict.problems, std::vector<std::string>{"only 0 reference days to choose from"});

    h.writeData(300);
    writeHistoryWith("AUDUSD", 100, "");
    check();
    EXPECT_TRUE(contains(report, "AUDUSD.csv line 100: blank line: \"\"")) << report;
    EXPECT_TRUE(contains(report, "Reference days: 99, limited by AUDUSD\n")) << report;
    EXPECT_EQ(verdict.status, CheckStatus::Clean);
}

// Was: any line starting with a letter was called "a header", even far down a file; only
// a file's first line can be one. The monitor takes the date from characters 1 to 10 and
// the price from character 12 on.
TEST_F(FolderCheckTest, ALaterLineStartingWithALetterIsToldByItsDateAndPrice) {
    writeHistoryWith("EURCHF", 100, "abc,1.2");
    check();
    EXPECT_TRUE(contains(report,
                         "EURCHF.csv line 100: date \"abc,1.2\" is not a date written MM-DD-YYYY; "
                         "no price text: the line has 7 characters and the price starts at "
                         "character 12: \"abc,1.2\""))
        << report;
}

TEST_F(FolderCheckTest, MisalignedDatesAreReportedRowByRow) {
    // GBPJPY misses the 11th day, so from row 10 on its dates run one day ahead.
    std::string content;
    for (int r = 0; r < 301; ++r)
        if (r != 10) content += historyDate(r) + ",150.25\r\n";
    h.writeHistoryLines(h.pairIndex("GBPJPY"), content);
    check();
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_EQ(verdict.problems,
              std::vector<std::string>{
                  "GBPJPY.csv: 290 reference days have another date than EURUSD.csv"});
    EXPECT_TRUE(contains(report,
                         "GBPJPY.csv: 290 of 300 reference days differ\n    row 10 "
                         "(line 11): \"" +
                             historyDate(11) + "\", EURUSD \"" + historyDate(10) + "\""))
        << report;
}

TEST_F(FolderCheckTest, RealtimeLinesAreJudgedAsTheMonitorJudgesThemEachSecond) {
    const std::pair<std::string, std::string> cases[] = {
        {"1.98765,1.98790", ""},
        {"", "empty"},
        {"+1.5", "not a number"},
        {"500", "outside (0, 500)"},
    };
    for (const auto& [line, rejection] : cases) {
        h.writeRealtime(h.pairIndex("USDJPY"), line);
        check();
        EXPECT_EQ(pair("USDJPY").realtime.rejection, rejection) << line;
        EXPECT_EQ(verdict.status, rejection.empty() ? CheckStatus::Clean : CheckStatus::Warnings);
    }
    // Taken, as the monitor takes it, but as 1: files must start with the price.
    h.writeRealtime(h.pairIndex("USDJPY"), "01-02-2008,1.5");
    check();
    EXPECT_EQ(pair("USDJPY").realtime.readInPart, "01");
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);

    h.folder.remove("USDJPY_RT.csv");
    check(std::chrono::hours(2));
    ASSERT_EQ(verdict.problems.size(), 2u);
    EXPECT_EQ(verdict.problems[0], "USDJPY_RT.csv: not accepted: missing");
    EXPECT_TRUE(verdict.problems[1].starts_with(
        "not written for more than 5 min (stale): GBPUSD_RT.csv, EURGBP_RT.csv, "))
        << verdict.problems[1];
    EXPECT_TRUE(contains(report, "2 h 0 min (stale)")) << report;
}

TEST_F(FolderCheckTest, ARawTerminalExportInPlaceOfAHistoryFileIsExplained) {
    // MetaTrader 4's own lines: the monitor reads the time as the price, "12:49" as 12.
    std::string content;
    for (int r = 0; r < 300; ++r) content += "2009.01.05,12:49,1.3677,1.3678,1.3676,1.3676,8\r\n";
    h.writeHistoryLines(h.pairIndex("EURUSD"), content);
    check();
    EXPECT_EQ(verdict.status, CheckStatus::Warnings);
    EXPECT_TRUE(contains(report, "EURUSD.csv line 1 and 299 more: the price text \"12:49,"))
        << report;

    // --csv: a row per pair, the line quoted as CSV quotes it.
    writeHistoryWith("GBPUSD", 3, "01-04-2008,\"n/a\"");
    const auto run = fxtest::runTool({"--csv", h.folder.path()}, true);
    const auto lines = fxtest::linesOf(run.out);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_TRUE(lines[1].starts_with(
        "GBPUSD,found,300,0,2,3,the price text is not a number,\"01-04-2008,\"\"n/a\"\"\","))
        << lines[1];
}

}  // namespace
