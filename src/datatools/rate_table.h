#pragma once
// Reference-rate tables, in the wide shape central banks, statistics offices and data
// packages publish them: a header naming the date column and one column per currency
// by its three-letter code, then one row per day, each value the units of that
// currency per one unit of a base currency.
//
//   DATE,AUD,CAD,CHF,EUR,GBP,JPY,NZD,...
//   2024-12-19,1.6002,1.4385,0.8965,0.9622,0.7948,157.33,1.7749,...

#include <optional>
#include <string>
#include <vector>

#include "datatools/dates.h"
#include "datatools/export_reading.h"

namespace fx::datatools {

struct RateDay {
    CalendarDate date;
    // One per currency asked for, in the order asked; empty where the day has no rate.
    std::vector<std::optional<double>> rates;
};

struct RateTable {
    std::string error;        // the table could not be read at all; nothing else is set
    std::string description;  // the separator and the columns, for the report
    DateFormat dateFormat;
    bool dateOrderAssumed = false;  // see DateFormatDetector
    // Currencies asked for that the header does not name; their rates stay empty.
    std::vector<std::string> missingColumns;
    int rejectedCount = 0;
    std::vector<RejectedLine> firstRejected;  // at most shownRejectedLines
    std::vector<RateDay> days;                // oldest first, one per date
};

// Reads the rates of `currencies` (three-letter codes) from the table. A line whose
// date cannot be read, whose date came before, or whose rate for one of these
// currencies is not a number above 0, is rejected; an empty field is no rate.
// `dateFormat`: as the user gave it; worked out from the dates when nothing.
RateTable readRateTable(const std::string& path, const std::vector<std::string>& currencies,
                        std::optional<DateFormat> dateFormat);

}  // namespace fx::datatools
