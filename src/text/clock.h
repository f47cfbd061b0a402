#pragma once
// Time reaches the program only through a Clock, so tests and the replay can set it.
// One reading holds both the date and the time: a row logged at midnight cannot
// carry the old date with the new time.

#include <string>

namespace fx {

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The computer's local date and time.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
};

// A clock that only moves when told to.
class SettableClock final : public Clock {
public:
    explicit SettableClock(LocalTime start = {}) : current_(start) {}
    LocalTime now() const override { return current_; }
    void set(const LocalTime& time) { current_ = time; }
    void advanceSeconds(long long seconds);

private:
    LocalTime current_;
};

// Seconds from 01-01-1970 00:00:00 to the time, both read on one calendar with no
// time zone: for placing times on a line, not for telling the hour anywhere else.
long long secondsSince1970(const LocalTime& time);

// "MM-DD-YYYY"
std::string dateText(const LocalTime& time);
// "HH:MM:SS", 24-hour
std::string timeText(const LocalTime& time);

}  // namespace fx
