#include "text/clock.h"

#include <gtest/gtest.h>

namespace {

using fx::LocalTime;

TEST(ClockTextTest, DateIsMonthDayYearAndTimeIsTwentyFourHour) {
    EXPECT_EQ(fx::dateText(LocalTime{2009, 12, 31, 0, 0, 0}), "12-31-2009");
    EXPECT_EQ(fx::dateText(LocalTime{2009, 3, 7, 14, 19, 5}), "03-07-2009");
    EXPECT_EQ(fx::dateText(LocalTime{987, 1, 2, 0, 0, 0}), "01-02-0987");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 0, 5, 0}), "00:05:00");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 9, 5, 3}), "09:05:03");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 17, 45, 0}), "17:45:00");
}

TEST(SettableClockTest, AdvanceFollowsTheCalendar) {
    struct Case {
        LocalTime from;
        long long seconds;
        LocalTime to;
    };
    const Case cases[] = {
        {{2009, 12, 31, 23, 59, 59}, 1, {2010, 1, 1, 0, 0, 0}},
        {{2008, 2, 28, 23, 59, 59}, 1, {2008, 2, 29, 0, 0, 0}},
        {{2000, 2, 28, 12, 0, 0}, 86400, {2000, 2, 29, 12, 0, 0}},
        {{2008, 3, 1, 0, 0, 0}, -1, {2008, 2, 29, 23, 59, 59}},
    };
    for (const auto& c : cases) {
        fx::SettableClock clock(c.from);
        clock.advanceSeconds(c.seconds);
        EXPECT_EQ(clock.now(), c.to) << fx::dateText(c.from) << " + " << c.seconds << " s";
    }
}

}  // namespace
