#include "datatools/export_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datatools/export_rows.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

namespace {

using fx::datatools::ExportReading;
using fxtest::Lines;

class ExportReadingTest : public ::testing::Test {
protected:
    ExportReading read(const std::string& content) {
        folder.write("export.csv", content);
        return fx::datatools::readExport(folder.pathOf("export.csv"), std::nullopt);
    }
    // "01-05-2009=1.15" for each day, to compare whole readings at a glance.
    Lines days(const std::string& content) {
        Lines texts;
        for (const auto& day : read(content).days)
            texts.push_back(fx::datatools::monitorDateText(day.date) + "=" + day.close);
        return texts;
    }

    fxtest::TempFolder folder;
};

TEST_F(ExportReadingTest, EveryFormatGivesTheSameDays) {
    const std::string formats[] = {
        // MetaTrader 4 history export.
        "2009.01.05,00:00,1.1,1.2,1.0,1.15,8\r\n2009.01.06,00:00,1.1,1.2,1.0,1.16,8\r\n",
        // MetaTrader 5, with a byte-order mark.
        "\xEF\xBB\xBF<DATE>\t<TIME>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\t<TICKVOL>\t<VOL>\t<SPREAD>\n"
        "2009.01.05\t00:00:00\t1.1\t1.2\t1.0\t1.15\t8\t0\t20\n"
        "2009.01.06\t00:00:00\t1.1\t1.2\t1.0\t1.16\t8\t0\t20\n",
        // Generic CSV, with blanks, with quotes.
        "Date, Open, High, Low, Close\n2009-01-05, 1.1, 1.2, 1.0, 1.15\n"
        "2009-01-06, 1.1, 1.2, 1.0, 1.16\n",
        "\"Date\",\"Close\"\n\"01/05/2009\",\"1.15\"\n\"01/06/2009\",\"1.16\"\n",
        // Semicolons, CR LF, day-first dates and decimal commas.
        "Date;Open;Close\r\n05.01.2009;1,1;1,15\r\n06.01.2009;1,1;1,16\r\n",
    };
    for (const std::string& content : formats) {
        EXPECT_EQ(read(content).rejectedCount, 0) << content;
        EXPECT_EQ(days(content), (Lines{"01-05-2009=1.15", "01-06-2009=1.16"})) << content;
    }
}

TEST_F(ExportReadingTest, IntradayRowsGiveTheDaysLastClose) {
    // Oldest first or newest first, the time in a column or in the date field: the
    // latest time of each day; without times, the row furthest on in the file's direction.
    for (const char* content : {"2009.01.05,22:00,1,1,1,1.10,8\n2009.01.05,23:00,1,1,1,1.20,8\n"
                                "2009.01.06,00:00,1,1,1,1.30,8\n2009.01.06,01:00,1,1,1,1.40,8\n",
                                "Date,Time,Close\n2009.01.06,01:00,1.40\n2009.01.06,00:00,1.30\n"
                                "2009.01.05,23:00,1.20\n2009.01.05,22:00,1.10\n",
                                "Date,Close\n2009-01-06,1.40\n2009-01-05,1.20\n2009-01-05,1.10\n"})
        EXPECT_EQ(days(content), (Lines{"01-05-2009=1.20", "01-06-2009=1.40"})) << content;
}

TEST_F(ExportReadingTest, RejectedLinesAreCountedAndTheFirstFiveKeptWithLineNumbers) {
    const ExportReading reading = read(
        "Date,Close\n2009-01-05,1.5\n"
        "\n"                 // 3: blank lines are no rejections
        "2009-02-30,1.5\n"   // 4: no such day
        "2009-02-01,+1.5\n"  // 5
        "2009-02-02\n"       // 6
        "Date,Close\n"       // 7: a second header
        "2009-02-03,0\n"     // 8
        "2009-02-05," +
        std::string(300, '9') + "\n");  // 9: too long a line
    EXPECT_EQ(reading.days.size(), 1u);
    EXPECT_EQ(reading.rejectedCount, 6);
    ASSERT_EQ(reading.firstRejected.size(), 5u);
    EXPECT_EQ(reading.firstRejected[0].lineNumber, 4);
    EXPECT_EQ(reading.firstRejected[0].reason,
              "date \"2009-02-30\" is not a date written YYYY-MM-DD");
    EXPECT_EQ(reading.firstRejected[1].reason, "close \"+1.5\" is not a price above 0");
    EXPECT_EQ(reading.firstRejected[2].reason, "1 field, but the close is field 2");
    EXPECT_EQ(reading.firstRejected[4].lineNumber, 8);
}

TEST_F(ExportReadingTest, FilesThatGiveNothingSayWhy) {
    const std::pair<std::string, std::string> cases[] = {
        {"\r\n  \r\n", "no lines"},
        {"Date,Close\n", "no line has a date"},
        {"\xFF\xFE<\0D\0", "UTF-16"},
        {"Date,Open,High,Low,Adj Close\n", "no close column"},
        {"2009.01.05,1.1,1.2\n", "which one is the close"},
    };
    for (const auto& [content, reason] : cases) {
        const ExportReading reading = read(content);
        EXPECT_TRUE(fxtest::contains(reading.error, reason)) << reading.error;
        EXPECT_TRUE(reading.days.empty());
    }
}

TEST(CloseTextTest, OnlyPlainPricesAboveZeroPass) {
    using fx::datatools::closeText;
    EXPECT_EQ(closeText("1.3676", ','), "1.3676");
    EXPECT_EQ(closeText("1,3676", ';'), "1.3676");  // a decimal comma
    // Each of these the monitor would read as something else, or as 0.
    for (const char* bad : {"", "0.0000", "-1.5", "+1.5", "1.5E2", "1.2.3", "1,234.5",
                            "0.0000000000000000000000000000000000000000000001"})
        EXPECT_FALSE(closeText(bad, ';')) << bad;
}

}  // namespace
