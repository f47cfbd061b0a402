#include "datatools/dates.h"

#include "text/clock.h"
#include "text/numbers.h"

namespace fx::datatools {

namespace {

int digitsValue(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The date part of a field: up to a blank or the "T" of an ISO date and time.
std::string_view dateToken(std::string_view field) {
    const std::size_t end = field.find_first_of(" \tT");
    return field.substr(0, end);
}

enum class PartsShape { None, YearFirst, YearLast, Compact };

// A date's three numbers as written, before anyone says which is the day.
struct DateParts {
    PartsShape shape = PartsShape::None;
    char separator = '\0';
    int first = 0;
    int second = 0;
    int third = 0;
};

DateParts splitDate(std::string_view token) {
    DateParts parts;
    if (token.size() == 8 && allDigits(token)) {
        parts.shape = PartsShape::Compact;
        parts.first = digitsValue(token.substr(0, 4));
        parts.second = digitsValue(token.substr(4, 2));
        parts.third = digitsValue(token.substr(6, 2));
        return parts;
    }
    const std::size_t firstEnd = token.find_first_of(".-/");
    if (firstEnd == std::string_view::npos) return parts;
    const char separator = token[firstEnd];
    const std::size_t secondEnd = token.find(separator, firstEnd + 1);
    if (secondEnd == std::string_view::npos) return parts;
    const std::string_view a = token.substr(0, firstEnd);
    const std::string_view b = token.substr(firstEnd + 1, secondEnd - firstEnd - 1);
    const std::string_view c = token.substr(secondEnd + 1);
    if (!allDigits(a) || !allDigits(b) || !allDigits(c)) return parts;
    const auto shortPart = [](std::string_view p) { return p.size() <= 2; };
    if (a.size() == 4 && shortPart(b) && shortPart(c)) {
        parts.shape = PartsShape::YearFirst;
    } else if (shortPart(a) && shortPart(b) && c.size() == 4) {
        parts.shape = PartsShape::YearLast;
    } else {
        return parts;
    }
    parts.separator = separator;
    parts.first = digitsValue(a);
    parts.second = digitsValue(b);
    parts.third = digitsValue(c);
    return parts;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool isValid(CalendarDate date) {
    static constexpr int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.year < 1000 || date.year > 9999 || date.month < 1 || date.month > 12) return false;
    const int days = monthDays[date.month - 1] + (date.month == 2 && isLeapYear(date.year));
    return date.day >= 1 && date.day <= days;
}

}  // namespace

std::string monitorDateText(CalendarDate date) {
    return dateText(LocalTime{date.year, date.month, date.day});
}

std::optional<DateFormat> dateFormatByName(std::string_view written) {
    std::string name(written);
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (name == "YYYYMMDD") return DateFormat{DateOrder::YearMonthDay, '\0'};
    if (name.size() != 10) return std::nullopt;
    const char separator = name[2] == name[5] && name[2] != 'Y' ? name[2] : name[4];
    if (separator != '.' && separator != '-' && separator != '/') return std::nullopt;
    for (const DateOrder order :
         {DateOrder::YearMonthDay, DateOrder::MonthDayYear, DateOrder::DayMonthYear}) {
        const DateFormat format{order, separator};
        if (dateFormatName(format) == name) return format;
    }
    return std::nullopt;
}

std::string dateFormatName(DateFormat format) {
    if (format.separator == '\0') return "YYYYMMDD";
    const std::string s(1, format.separator);
    switch (format.order) {
        case DateOrder::YearMonthDay:
            return "YYYY" + s + "MM" + s + "DD";
        case DateOrder::MonthDayYear:
            return "MM" + s + "DD" + s + "YYYY";
        case DateOrder::DayMonthYear:
            return "DD" + s + "MM" + s + "YYYY";
    }
    return {};
}

std::optional<CalendarDate> readDate(std::string_view field, DateFormat format) {
    const DateParts parts = splitDate(dateToken(field));
    CalendarDate date;
    if (format.separator == '\0') {
        if (parts.shape != PartsShape::Compact) return std::nullopt;
        date = {parts.first, parts.second, parts.third};
    } else {
        if (parts.separator != format.separator) return std::nullopt;
        switch (format.order) {
            case DateOrder::YearMonthDay:
                if (parts.shape != PartsShape::YearFirst) return std::nullopt;
                date = {parts.first, parts.second, parts.third};
                break;
            case DateOrder::MonthDayYear:
                if (parts.shape != PartsShape::YearLast) return std::nullopt;
                date = {parts.third, parts.first, parts.second};
                break;
            case DateOrder::DayMonthYear:
                if (parts.shape != PartsShape::YearLast) return std::nullopt;
                date = {parts.third, parts.second, parts.first};
                break;
        }
    }
    if (!isValid(date)) return std::nullopt;
    return date;
}

std::string_view timeAfterDate(std::string_view field) {
    const std::size_t dateEnd = dateToken(field).size();
    std::size_t start = field.find_first_not_of(" \tT", dateEnd);
    if (start == std::string_view::npos) return {};
    // A zone after the time ("Z", "+01:00", " GMT+0100") does not move the day.
    const std::size_t end = field.find_first_of(" \tZ+-", start);
    return field.substr(start, end == std::string_view::npos ? end : end - start);
}

std::optional<int> readTimeOfDay(std::string_view text) {
    const std::size_t firstColon = text.find(':');
    if (firstColon == std::string_view::npos) return std::nullopt;
    const std::string_view hours = text.substr(0, firstColon);
    std::string_view rest = text.substr(firstColon + 1);
    const std::size_t fraction = rest.find('.');
    if (fraction != std::string_view::npos) {
        if (fraction + 1 < rest.size() && !allDigits(rest.substr(fraction + 1)))
            return std::nullopt;
        rest = rest.substr(0, fraction);
    }
    std::string_view minutes = rest;
    std::string_view seconds = "0";
    const std::size_t secondColon = rest.find(':');
    if (secondColon != std::string_view::npos) {
        minutes = rest.substr(0, secondColon);
        seconds = rest.substr(secondColon + 1);
    }
    if (hours.size() > 2 || minutes.size() != 2 || seconds.size() > 2) return std::nullopt;
    if (!allDigits(hours) || !allDigits(minutes) || !allDigits(seconds)) return std::nullopt;
    const int h = digitsValue(hours);
    const int m = digitsValue(minutes);
    const int s = digitsValue(seconds);
    if (h > 23 || m > 59 || s > 59) return std::nullopt;
    return h * 3600 + m * 60 + s;
}

void DateFormatDetector::see(std::string_view field) {
    const DateParts parts = splitDate(dateToken(field));
    if (parts.shape == PartsShape::None) return;
    const Shape shape = parts.shape == PartsShape::YearFirst  ? Shape::YearFirst
                        : parts.shape == PartsShape::YearLast ? Shape::YearLast
                                                              : Shape::Compact;
    // The first date decides the shape; dates of another shape are the file's own
    // mistakes and are rejected when the rows are read.
    if (shape_ == Shape::None) {
        shape_ = shape;
        separator_ = parts.separator;
    }
    if (shape != shape_ || parts.separator != separator_ || shape != Shape::YearLast) return;
    if (parts.first > 12) firstAbove12_ = true;
    if (parts.second > 12) secondAbove12_ = true;
}

std::optional<DateFormat> DateFormatDetector::format() const {
    switch (shape_) {
        case Shape::None:
            return std::nullopt;
        case Shape::Compact:
            return DateFormat{DateOrder::YearMonthDay, '\0'};
        case Shape::YearFirst:
            return DateFormat{DateOrder::YearMonthDay, separator_};
        case Shape::YearLast:
            break;
    }
    if (firstAbove12_ && !secondAbove12_) return DateFormat{DateOrder::DayMonthYear, separator_};
    if (secondAbove12_ && !firstAbove12_) return DateFormat{DateOrder::MonthDayYear, separator_};
    return DateFormat{separator_ == '.' ? DateOrder::DayMonthYear : DateOrder::MonthDayYear,
                      separator_};
}

bool DateFormatDetector::orderAssumed() const {
    return shape_ == Shape::YearLast && firstAbove12_ == secondAbove12_;
}

}  // namespace fx::datatools
