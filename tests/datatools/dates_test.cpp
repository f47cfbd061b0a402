#include "datatools/dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using fx::datatools::CalendarDate;

TEST(ReadDateTest, EveryFormatAndItsMistakes) {
    const struct {
        std::string field, format;
        std::optional<CalendarDate> date;
    } cases[] = {
        {"20090105", "YYYYMMDD", CalendarDate{2009, 1, 5}},
        {"05/01/2009", "dd/mm/yyyy", CalendarDate{2009, 1, 5}},
        // A time after the date does not disturb it.
        {"2009-01-05T12:49:00Z", "YYYY-MM-DD", CalendarDate{2009, 1, 5}},
        {"05.01.2009 00:00:00.000 GMT+0100", "DD.MM.YYYY", CalendarDate{2009, 1, 5}},
        {"2008.02.29", "YYYY.MM.DD", CalendarDate{2008, 2, 29}},
        {"2009.02.29", "YYYY.MM.DD", std::nullopt},
        {"2009-01-05", "YYYY.MM.DD", std::nullopt},  // another separator
        {"05.01.09", "DD.MM.YYYY", std::nullopt},    // two-digit years are not guessed at
    };
    for (const auto& c : cases) {
        const auto format = fx::datatools::dateFormatByName(c.format);
        ASSERT_TRUE(format) << c.format;
        EXPECT_EQ(fx::datatools::readDate(c.field, *format), c.date) << c.field << " " << c.format;
    }
    EXPECT_FALSE(fx::datatools::dateFormatByName("YYYY.DD.MM"));
    EXPECT_EQ(fx::datatools::monitorDateText({2009, 3, 7}), "03-07-2009");
}

TEST(DateFormatDetectorTest, OnlyAPartAbove12SaysWhichIsTheDay) {
    const struct {
        std::vector<std::string> fields;
        std::string format;  // empty: none
        bool assumed;
    } cases[] = {
        // Nothing above 12: the usual order for the separator.
        {{"05.01.2009", "06.01.2009"}, "DD.MM.YYYY", true},
        // A part above 12 settles it, in either place.
        {{"01/12/2009", "01/13/2009"}, "MM/DD/YYYY", false},
        {{"12/01/2009", "13/01/2009"}, "DD/MM/YYYY", false},
        // The first date fixes the shape; a header is no date.
        {{"Date", "2009.01.05", "05.01.2009"}, "YYYY.MM.DD", false},
        {{"Date", "close"}, "", false},
    };
    for (const auto& c : cases) {
        fx::datatools::DateFormatDetector detector;
        for (const std::string& field : c.fields) detector.see(field);
        const auto format = detector.format();
        EXPECT_EQ(format ? fx::datatools::dateFormatName(*format) : "", c.format) << c.fields[0];
        EXPECT_EQ(detector.orderAssumed(), c.assumed) << c.fields[0];
    }
}

}  // namespace
