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

}  // namespace
