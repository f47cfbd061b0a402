#include "datatools/daily_closes.h"

namespace fx::datatools {

void DailyCloseCollector::add(ExportRow row) {
    if (empty_) firstDate_ = row.date;
    lastDate_ = row.date;
    const auto [entry, isNew] = days_.try_emplace(row.date);
    Day& day = entry->second;
    if (isNew || row.secondsOfDay > day.earlierLineWins.secondsOfDay)
        day.earlierLineWins = Candidate{row.secondsOfDay, row.close};
    if (isNew || row.secondsOfDay >= day.laterLineWins.secondsOfDay)
        day.laterLineWins = Candidate{row.secondsOfDay, std::move(row.close)};
    empty_ = false;
}

std::vector<DailyClose> DailyCloseCollector::days() const {
    const bool newestFirst = lastDate_ < firstDate_;
    std::vector<DailyClose> result;
    result.reserve(days_.size());
    for (const auto& [date, day] : days_) {
        result.push_back({date, newestFirst ? day.earlierLineWins.close : day.laterLineWins.close});
    }
    return result;
}

}  // namespace fx::datatools
