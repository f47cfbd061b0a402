#include <gtest/gtest.h>

#include "datatools_fixture.h"

namespace {

using fxtest::contains;

// The last rows of a published table of rates per US dollar, in the columns the pairs use:
// 22 dated rows from 2024-11-25, the last four each without a currency or two, and a
// broken last line whose date reads "undefined". Its files are the committed sample's
// last days, byte for byte (the test sample_from_reference_rates).
TEST(RatesImportTest, ReportsRejectedLinesSkippedDaysAndWhereTheRealTimePricesComeFrom) {
    fxtest::TempFolder out;
    const auto run =
        fxtest::runTool({"--rates", FX_TESTDATA_DIR "reference-rates/usd_to_xxx_excerpt.csv",
                         "--all", "--align", "--realtime", "--out", out.path()});
    ASSERT_EQ(run.status, 0) << run.out;
    for (const char* report :
         {"1 line rejected:\n    line 24: date \"undefined\" is not a date written YYYY-MM-DD\n",
          "--align: 18 of 22 days have a rate for each of AUD, CAD, CHF, EUR, GBP, JPY, NZD; 4 "
          "days skipped\n",
          "GBPJPY.csv: 18 days, 11-25-2024 to 12-19-2024, oldest first\n", "16 of 16 pairs written",
          // The next day, 12-20, has no CAD, so CAD is 12-19's.
          "CADJPY_RT.csv: 109.847, the rates of 12-20-2024 (CAD of 12-19-2024)\n"})
        EXPECT_TRUE(contains(run.out, report)) << run.out;
}

TEST(RatesImportTest, ReadsSemicolonTablesWithDecimalCommasAgainstAnotherBase) {
    // A central bank's table of rates per euro, newest day first, with a gap written N/A.
    fxtest::TempFolder tables, out;
    tables.write("eurofx.csv",
                 "Date;USD;JPY;GBP;CHF;AUD;NZD;CAD;\r\n"
                 "20.12.2024;1,0390;N/A;0,8263;0,9293;1,6685;1,8493;1,4941;\r\n"
                 "19.12.2024;1,0395;162,62;0,8250;0,9318;1,6696;1,8481;1,4936;\r\n");
    const auto run = fxtest::runTool(
        {"--rates", tables.pathOf("eurofx.csv"), "--base", "eur", "--out", out.path()});
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(out.read("EURUSD.csv"), "12-19-2024,1.03950\r\n12-20-2024,1.03900\r\n");
    // 162.62 / 0.8250; the yen has no rate on 12-20.
    EXPECT_EQ(out.read("GBPJPY.csv"), "12-19-2024,197.115\r\n");
    EXPECT_TRUE(contains(run.out, "1 day skipped, without a rate for GBP or JPY")) << run.out;
}

TEST(RatesImportTest, UnusableTablesWriteNothingAndRejectedLinesAreNamed) {
    const struct {
        bool exists;
        std::string content;
        const char* report;
    } unusable[] = {
        {false, "", "cannot be opened"},
        {true, "", "the file has no lines"},
        {true, "\377\376D", "the file is UTF-16 text; save it as UTF-8 or ANSI text"},
        {true, "Rate,USD,JPY\n2024-12-19,1,150\n",
         "line 1: the header names no date column (Date, Day, ...)"},
        {true, "Date,JPY\nundefined,150\n",
         "no line has a date in a known form (YYYY-MM-DD, YYYY.MM.DD, MM/DD/YYYY, DD.MM.YYYY, "
         "YYYYMMDD)"},
    };
    for (const auto& table : unusable) {
        fxtest::TempFolder tables, out;
        if (table.exists) tables.write("rates.csv", table.content);
        const std::string path = tables.pathOf("rates.csv");
        const auto run = fxtest::runTool({"--rates", path, "--out", out.path()});
        EXPECT_EQ(run.status, 1) << table.report;
        EXPECT_EQ(run.out, path + ": " + table.report + "\n0 of 14 pairs written\n");
    }
    const std::string rest = ",0.8,0.9,1.6,1.7,1.4,0.95\n";
    fxtest::TempFolder tables, out;
    tables.write("rates.csv", "Date,JPY,GBP,CHF,AUD,NZD,CAD,EUR\n2024-12-19,150" + rest +
                                  "2024-12-19,151" + rest + "2024-12-20,-1" + rest +
                                  "2024-12-23,152" + rest);
    const auto run = fxtest::runTool({"--rates", tables.pathOf("rates.csv"), "--out", out.path()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out,
                         "2 days; 2 lines rejected:\n"
                         "    line 3: the date 12-19-2024 is on line 2 already\n"
                         "    line 4: JPY \"-1\" is not a rate above 0\n"))
        << run.out;
}

}  // namespace
