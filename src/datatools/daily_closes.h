#pragma once
// An export's rows turned into one close per day: intraday exports have many rows a
// day, the history file has one, holding the day's last close.

#include <map>
#include <string>
#include <vector>

#include "datatools/dates.h"
#include "datatools/export_rows.h"

namespace fx::datatools {

struct DailyClose {
    CalendarDate date;
    std::string close;
    friend bool operator==(const DailyClose&, const DailyClose&) = default;
};

class DailyCloseCollector {
public:
    // Rows in the file's order.
    void add(ExportRow row);
    // One close per date, oldest first. The day's last close is the one with the
    // latest time; among rows with the same time (or none), the one furthest on in
    // time, which is the later line in an oldest-first file and the earlier line in a
    // newest-first one.
    std::vector<DailyClose> days() const;

private:
    struct Candidate {
        int secondsOfDay = -1;
        std::string close;
    };
    // Both ways of breaking a tie are kept, because which one applies is known only
    // once the whole file has been seen.
    struct Day {
        Candidate laterLineWins;
        Candidate earlierLineWins;
    };
    std::map<CalendarDate, Day> days_;
    bool empty_ = true;
    CalendarDate firstDate_;
    CalendarDate lastDate_;
};

}  // namespace fx::datatools
