#include "datatools/history_output.h"

#include <algorithm>
#include <filesystem>

#include "datatools/alignment.h"
#include "text/text_file.h"

namespace fx::datatools {

namespace {

// The monitor, or a second import, never finds half a file: it is written whole or not
// at all.
bool writeHistoryLines(OutputTextFile& file, const std::filesystem::path& target,
                       const std::vector<DailyClose>& days, bool newestFirst) {
    if (!file.create(target)) return false;
    const auto writeDay = [&file](const DailyClose& day) {
        writeLine(file, monitorDateText(day.date) + "," + day.close);
    };
    if (newestFirst)
        std::for_each(days.rbegin(), days.rend(), writeDay);
    else
        std::for_each(days.begin(), days.end(), writeDay);
    return file.close();
}

}  // namespace

bool writeHistoryFile(const ImportOptions& options, const std::string& symbol,
                      std::vector<DailyClose>& days, const std::string& source,
                      std::string_view note, std::ostream& out) {
    keepNewest(days, static_cast<std::size_t>(options.days));
    const std::filesystem::path target =
        std::filesystem::path(options.outFolder) / (symbol + ".csv");
    OutputTextFile file;
    if (!writeHistoryLines(file, target, days, options.newestFirst)) {
        out << source << ": nothing written: " << target.string() << " " << file.failure() << "\n";
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
