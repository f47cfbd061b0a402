#pragma once
// Calendar dates as the trading terminals write them, and the monitor's own MM-DD-YYYY.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace fx::datatools {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// "MM-DD-YYYY", the form in which the monitor shows its dates.
std::string monitorDateText(CalendarDate date);

enum class DateOrder { YearMonthDay, MonthDayYear, DayMonthYear };

// How a file writes its dates: the order of the parts and the character between them
// ('\0' for the compact YYYYMMDD).
struct DateFormat {
    DateOrder order = DateOrder::YearMonthDay;
    char separator = '.';
    friend bool operator==(const DateFormat&, const DateFormat&) = default;
};

// The names --date-format takes: "YYYY.MM.DD", "YYYY-MM-DD", "MM/DD/YYYY", "DD.MM.YYYY",
// any of the three orders with ".", "-" or "/", and "YYYYMMDD".
std::optional<DateFormat> dateFormatByName(std::string_view name);
std::string dateFormatName(DateFormat format);

// The date at the start of a field; a time may follow after a blank or a "T"
// ("2009-01-05 12:49:00", "2009-01-05T12:49:00Z").
std::optional<CalendarDate> readDate(std::string_view field, DateFormat format);
// The time written in a date field after its date, or empty.
std::string_view timeAfterDate(std::string_view field);
// Seconds since midnight of "HH:MM" or "HH:MM:SS"; a fraction of a second is ignored.
std::optional<int> readTimeOfDay(std::string_view text);

// What a report adds to a date format the detector had to assume.
inline constexpr std::string_view assumedDateOrderNote =
    " (assumed: no date shows which part is the day; give --date-format if it is the other "
    "way round)";

// Works out a file's date format from all of its date fields. Year-first dates say
// everything; for day-month-year against month-day-year, only a part above 12 tells,
// and when no date has one the usual order for the separator is assumed: "." is
// day first (DD.MM.YYYY), "/" and "-" are month first (MM/DD/YYYY, MM-DD-YYYY).
class DateFormatDetector {
public:
    void see(std::string_view field);
    // Nothing when no field looked like a date.
    std::optional<DateFormat> format() const;
    // The day and the month could be either way round in every date seen.
    bool orderAssumed() const;

private:
    enum class Shape { None, YearFirst, YearLast, Compact };
    Shape shape_ = Shape::None;
    char separator_ = '\0';
    bool firstAbove12_ = false;
    bool secondAbove12_ = false;
};

}  // namespace fx::datatools
