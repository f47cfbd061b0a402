#include "datatools/alignment.h"

#include <algorithm>
#include <set>

namespace fx::datatools {

void keepCommonDates(const std::vector<std::vector<DailyClose>*>& lists) {
    if (lists.empty()) return;
    std::set<CalendarDate> common;
    for (const DailyClose& day : *lists.front()) common.insert(day.date);
    for (std::size_t i = 1; i < lists.size(); ++i) {
        std::set<CalendarDate> present;
        for (const DailyClose& day : *lists[i])
            if (common.contains(day.date)) present.insert(day.date);
        common = std::move(present);
    }
    for (std::vector<DailyClose>* days : lists) {
        std::erase_if(*days, [&](const DailyClose& day) { return !common.contains(day.date); });
    }
}

void keepNewest(std::vector<DailyClose>& days, std::size_t count) {
    if (days.size() > count)
        days.erase(days.begin(), days.end() - static_cast<std::ptrdiff_t>(count));
}

}  // namespace fx::datatools
