#pragma once
// Exports written into temporary folders, and the data tools run on them in-process.

#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "datatools/check_command.h"
#include "datatools/import_command.h"
#include "support/temp_folder.h"

namespace fxtest {

// `count` weekdays from Monday 2009.01.05 on, written "YYYY.MM.DD".
inline std::vector<std::string> weekdays(int count) {
    using namespace std::chrono;
    std::vector<std::string> dates;
    for (sys_days day = 2009y / January / 5; static_cast<int>(dates.size()) < count;
         day += days(1)) {
        if (weekday(day) == Saturday || weekday(day) == Sunday) continue;
        const year_month_day date(day);
        char text[40];
        std::snprintf(text, sizeof text, "%04d.%02u.%02u", static_cast<int>(date.year()),
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
        dates.push_back(text);
    }
    return dates;
}

// A MetaTrader 4 history export, one daily row per date, the close rising by 0.001 a
// day from `base` ("1.3000", "1.3010", ...).
inline std::string mt4Export(const std::vector<std::string>& dates, double base = 1.3) {
    std::string content;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const std::string close =
            std::to_string(base + 0.001 * static_cast<double>(i)).substr(0, 6);
        content.append(dates[i]).append(",00:00,1,1,1,").append(close).append(",100\r\n");
    }
    return content;
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A tool's whole command, fxmonitor-check's or fxmonitor-import's, run in-process.
template <typename Command>
ToolRun runTool(Command command, std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = command(std::move(arguments), out, err);
    return {status, out.str(), err.str()};
}

inline ToolRun runImportTool(std::vector<std::string> arguments) {
    return runTool(fx::datatools::importCommand, std::move(arguments));
}

inline ToolRun runCheckTool(std::vector<std::string> arguments) {
    return runTool(fx::datatools::checkCommand, std::move(arguments));
}

}  // namespace fxtest
