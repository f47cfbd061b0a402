#include "text/clock.h"

#include <cstdio>

namespace fx {

namespace {

constexpr long long secondsPerDay = 86400;

// Days since 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's
// days_from_civil), valid for every year including those before 0.
long long daysFromCivil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, LocalTime& time) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    time.year = static_cast<int>(year);
    time.month = static_cast<int>(month);
    time.day = static_cast<int>(day);
}

// Floor division and its remainder, so that negative amounts step back across midnight.
void splitFloor(long long value, long long divisor, long long& quotient, long long& remainder) {
    quotient = value / divisor;
    remainder = value % divisor;
    if (remainder < 0) {
        remainder += divisor;
        --quotient;
    }
}

bool inRange(int value, int most) { return value >= 0 && value <= most; }

// The value's last `count` decimal digits, with leading zeros, as "%0Nd" writes a value
// of at most N digits.
void putDigits(char* at, int value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

}  // namespace

void SettableClock::advanceSeconds(long long seconds) {
    // Whole days and the rest are added separately, so no amount of seconds overflows.
    long long days = 0;
    long long rest = 0;
    splitFloor(seconds, secondsPerDay, days, rest);

    const long long secondOfDay = static_cast<long long>(current_.hour) * 3600 +
                                  static_cast<long long>(current_.minute) * 60 + current_.second;
    long long carryDays = 0;
    long long newSecondOfDay = 0;
    splitFloor(secondOfDay + rest, secondsPerDay, carryDays, newSecondOfDay);

    civilFromDays(daysFromCivil(current_.year, current_.month, current_.day) + days + carryDays,
                  current_);
    current_.hour = static_cast<int>(newSecondOfDay / 3600);
    current_.minute = static_cast<int>(newSecondOfDay / 60 % 60);
    current_.second = static_cast<int>(newSecondOfDay % 60);
}

long long secondsSince1970(const LocalTime& time) {
    return daysFromCivil(time.year, time.month, time.day) * secondsPerDay +
           static_cast<long long>(time.hour) * 3600 + static_cast<long long>(time.minute) * 60 +
           time.second;
}

std::string dateText(const LocalTime& time) {
    // Every row of the log is stamped: the usual values are written digit by digit,
    // which costs a small part of a formatted print; anything else goes through it.
    if (inRange(time.month, 99) && inRange(time.day, 99) && inRange(time.year, 9999)) {
        std::string text(10, '-');
        putDigits(text.data(), time.month, 2);
        putDigits(text.data() + 3, time.day, 2);
        putDigits(text.data() + 6, time.year, 4);
        return text;
    }
    char text[48];
    const int length =
        std::snprintf(text, sizeof text, "%02d-%02d-%04d", time.month, time.day, time.year);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string timeText(const LocalTime& time) {
    if (inRange(time.hour, 99) && inRange(time.minute, 99) && inRange(time.second, 99)) {
        std::string text(8, ':');
        putDigits(text.data(), time.hour, 2);
        putDigits(text.data() + 3, time.minute, 2);
        putDigits(text.data() + 6, time.second, 2);
        return text;
    }
    char text[48];
    const int length =
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace fx
