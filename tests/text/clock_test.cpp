#include "text/clock.h"

#include <gtest/gtest.h>

namespace {

using fx::LocalTime;

TEST(ClockTextTest, DateIsMonthDayYear) {
    EXPECT_EQ(fx::dateText(LocalTime{2009, 12, 31, 0, 0, 0}), "12-31-2009");
    EXPECT_EQ(fx::dateText(LocalTime{2009, 3, 7, 14, 19, 5}), "03-07-2009");
    EXPECT_EQ(fx::dateText(LocalTime{987, 1, 2, 0, 0, 0}), "01-02-0987");
}

TEST(ClockTextTest, TimeIsTwentyFourHour) {
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 0, 5, 0}), "00:05:00");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 9, 5, 3}), "09:05:03");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 17, 45, 0}), "17:45:00");
    EXPECT_EQ(fx::timeText(LocalTime{2009, 1, 1, 23, 59, 59}), "23:59:59");
}

struct AdvanceCase {
    LocalTime from;
    long long seconds;
    LocalTime to;
};

TEST(SettableClockTest, AdvanceFollowsTheCalendar) {
    const AdvanceCase cases[] = {
        {{2009, 3, 7, 14, 19, 5}, 1, {2009, 3, 7, 14, 19, 6}},
        {{2009, 3, 7, 23, 59, 59}, 1, {2009, 3, 8, 0, 0, 0}},
        {{2009, 4, 30, 23, 59, 59}, 1, {2009, 5, 1, 0, 0, 0}},
        {{2009, 12, 31, 23, 59, 59}, 1, {2010, 1, 1, 0, 0, 0}},
        {{2008, 2, 28, 23, 59, 59}, 1, {2008, 2, 29, 0, 0, 0}},
        {{2009, 2, 28, 23, 59, 59}, 1, {2009, 3, 1, 0, 0, 0}},
        {{1900, 2, 28, 12, 0, 0}, 86400, {1900, 3, 1, 12, 0, 0}},
        {{2000, 2, 28, 12, 0, 0}, 86400, {2000, 2, 29, 12, 0, 0}},
        {{2008, 1, 1, 0, 0, 0}, 365LL * 86400, {2008, 12, 31, 0, 0, 0}},
        {{2009, 1, 1, 0, 0, 0}, 365LL * 86400, {2010, 1, 1, 0, 0, 0}},
        {{2010, 1, 1, 0, 0, 0}, -1, {2009, 12, 31, 23, 59, 59}},
        {{2008, 3, 1, 0, 0, 0}, -1, {2008, 2, 29, 23, 59, 59}},
        {{2009, 3, 1, 0, 0, 30}, -86400, {2009, 2, 28, 0, 0, 30}},
        {{2009, 3, 7, 0, 0, 0}, 0, {2009, 3, 7, 0, 0, 0}},
        {{2009, 3, 7, 10, 0, 0}, 3600LL * 24 * 7 + 61, {2009, 3, 14, 10, 1, 1}},
    };
    for (const auto& c : cases) {
        fx::SettableClock clock(c.from);
        clock.advanceSeconds(c.seconds);
        EXPECT_EQ(clock.now(), c.to)
            << fx::dateText(c.from) << " " << fx::timeText(c.from) << " + " << c.seconds
            << " s gave " << fx::dateText(clock.now()) << " " << fx::timeText(clock.now());
    }
}

TEST(SettableClockTest, LargeStepsThereAndBackReturnToTheStart) {
    const LocalTime start{2009, 3, 7, 14, 19, 5};
    for (long long seconds : {1LL, 86399LL, 1000000007LL, 4000000000000LL, -98765432123LL}) {
        fx::SettableClock clock(start);
        clock.advanceSeconds(seconds);
        clock.advanceSeconds(-seconds);
        EXPECT_EQ(clock.now(), start) << seconds;
    }
}

TEST(SystemClockTest, GivesAPlausibleLocalTime) {
    const LocalTime now = fx::SystemClock().now();
    EXPECT_GE(now.year, 2020);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
    EXPECT_TRUE(now.minute >= 0 && now.minute <= 59);
    EXPECT_TRUE(now.second >= 0 && now.second <= 60);
    EXPECT_EQ(fx::dateText(now).size(), 10u);
    EXPECT_EQ(fx::timeText(now).size(), 8u);
}

}  // namespace
