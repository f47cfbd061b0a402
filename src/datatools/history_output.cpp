#include "datatools/history_output.h"

#include <algorithm>
#include <filesystem>

#include "datatools/alignment.h"
#include "datatools/atomic_output.h"

namespace fx::datatools {

namespace {

std::vector<std::string> historyLines(const std::vector<DailyClose>& days, bool newestFirst) {
    std::vector<std::string> lines;
    lines.reserve(days.size());
    for (const DailyClose& day : days) lines.push_back(monitorDateText(day.date) + "," + day.close);
    if (newestFirst) std::reverse(lines.begin(), lines.end());
    return lines;
}

}  // namespace

bool writeHistoryFile(const ImportOptions& options, const std::string& symbol,
                      std::vector<DailyClose>& days, const std::string& source,
                      std::string_view note, std::ostream& out) {
    keepNewest(days, static_cast<std::size_t>(options.days));
    const std::filesystem::path target =
        std::filesystem::path(options.outFolder) / (symbol + ".csv");
    std::string error;
    if (!writeLinesAtomically(target, historyLines(days, options.newestFirst), error)) {
        out << source << ": nothing written: " << error << "\n";
        return false;
    }
    out << "wrote " << target.string() << ": " << counted(days.size(), "day", "days") << ", "
        << monitorDateText(days.front().date) << " to " << monitorDateText(days.back().date) << ", "
        << (options.newestFirst ? "newest" : "oldest") << " first" << note << "\n";
    return true;
}

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace fx::datatools
