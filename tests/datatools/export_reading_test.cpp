#include "datatools/export_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using fx::datatools::DailyClose;
using fx::datatools::ExportReading;

class ExportReadingTest : public ::testing::Test {
protected:
    ExportReading read(const std::string& content, const char* format = nullptr) {
        folder.write("export.csv", content);
        return fx::datatools::readExport(
            folder.pathOf("export.csv"),
            format ? fx::datatools::dateFormatByName(format) : std::nullopt);
    }

    fxtest::TempFolder folder;
};

// "2009-01-05=1.15" for each day, to compare whole readings at a glance.
std::vector<std::string> daysOf(const ExportReading& reading) {
    std::vector<std::string> texts;
    for (const DailyClose& day : reading.days)
        texts.push_back(fx::datatools::monitorDateText(day.date) + "=" + day.close);
    return texts;
}

const std::vector<std::string> twoDays = {"01-05-2009=1.15", "01-06-2009=1.16"};

TEST_F(ExportReadingTest, EveryFormatGivesTheSameDays) {
    const std::string formats[] = {
        // MetaTrader 4 history export.
        "2009.01.05,00:00,1.1,1.2,1.0,1.15,8\r\n2009.01.06,00:00,1.1,1.2,1.0,1.16,8\r\n",
        // MetaTrader 5, with a byte-order mark, with and without the time column.
        "\xEF\xBB\xBF<DATE>\t<TIME>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\t<TICKVOL>\t<VOL>\t<SPREAD>\n"
        "2009.01.05\t00:00:00\t1.1\t1.2\t1.0\t1.15\t8\t0\t20\n"
        "2009.01.06\t00:00:00\t1.1\t1.2\t1.0\t1.16\t8\t0\t20\n",
        "<DATE>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\n2009.01.05\t1.1\t1.2\t1.0\t1.15\n"
        "2009.01.06\t1.1\t1.2\t1.0\t1.16\n",
        // Generic CSV, with and without blanks, with quotes.
        "date,open,high,low,close\n2009-01-05,1.1,1.2,1.0,1.15\n2009-01-06,1.1,1.2,1.0,1.16\n",
        "Date, Open, High, Low, Close\n2009-01-05, 1.1, 1.2, 1.0, 1.15\n"
        "2009-01-06, 1.1, 1.2, 1.0, 1.16\n",
        "\"Date\",\"Close\"\n\"01/05/2009\",\"1.15\"\n\"01/06/2009\",\"1.16\"\n",
        // Semicolons, CR LF, day-first dates and decimal commas.
        "Date;Open;High;Low;Close\r\n05.01.2009;1,1;1,2;1,0;1,15\r\n06.01.2009;1,1;1,2;1,0;1,"
        "16\r\n",
    };
    for (const std::string& content : formats) {
        const ExportReading reading = read(content);
        ASSERT_EQ(reading.error, "") << content;
        EXPECT_EQ(reading.rejectedCount, 0) << content;
        EXPECT_EQ(daysOf(reading), twoDays) << content;
    }
}

TEST_F(ExportReadingTest, IntradayRowsGiveTheDaysLastClose) {
    const std::vector<std::string> lastCloses = {"01-05-2009=1.20", "01-06-2009=1.40"};
    // Oldest first, newest first: the latest time of each day, wherever its line is.
    EXPECT_EQ(daysOf(read("2009.01.05,22:00,1,1,1,1.10,8\n2009.01.05,23:00,1,1,1,1.20,8\n"
                          "2009.01.06,00:00,1,1,1,1.30,8\n2009.01.06,01:00,1,1,1,1.40,8\n")),
              lastCloses);
    EXPECT_EQ(daysOf(read("Date,Time,Close\n2009.01.06,01:00,1.40\n2009.01.06,00:00,1.30\n"
                          "2009.01.05,23:00,1.20\n2009.01.05,22:00,1.10\n")),
              lastCloses);
    // A time in the date field counts the same.
    EXPECT_EQ(daysOf(read("time,close\n2009-01-05 23:00,1.20\n2009-01-05 09:00,1.10\n"
                          "2009-01-06 10:00,1.40\n")),
              lastCloses);
    // Without times, the row furthest on in the file's own direction.
    EXPECT_EQ(daysOf(read("Date,Close\n2009-01-06,1.40\n2009-01-05,1.20\n2009-01-05,1.10\n")),
              lastCloses);
}

TEST_F(ExportReadingTest, RejectedLinesAreCountedAndTheFirstFiveKeptWithLineNumbers) {
    const ExportReading reading = read(
        "Date,Close\n2009-01-05,1.5\n"
        "\n"                  // 3: blank lines are no rejections
        "2009-02-30,1.5\n"    // 4: no such day
        "2009-02-01,+1.5\n"   // 5
        "2009-02-02\n"        // 6
        "Date,Close\n"        // 7: a second header
        "2009-02-03,0\n"      // 8
        "2009-02-04,1.5E2\n"  // 9
        "2009-02-05," +
        std::string(300, '9') + "\n");  // 10: longer than readLine keeps
    ASSERT_EQ(reading.error, "");
    EXPECT_EQ(reading.days.size(), 1u);
    EXPECT_EQ(reading.rejectedCount, 7);
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
        {"Open,Close\n1,2\n", "no date column"},
    };
    for (const auto& [content, reason] : cases) {
        const ExportReading reading = read(content);
        EXPECT_NE(reading.error.find(reason), std::string::npos) << reading.error;
        EXPECT_TRUE(reading.days.empty());
    }
}

}  // namespace
