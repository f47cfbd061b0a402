#pragma once
// The data tools' commands run in-process, and exports to run them on.

#include <sstream>
#include <string>
#include <vector>

#include "datatools/check_command.h"
#include "datatools/import_command.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

namespace fxtest {

// A MetaTrader 4 history export, a daily row per date, the close rising by 0.001 a day
// from `base` ("1.3000", "1.3010", ...).
inline std::string mt4Export(const std::vector<std::string>& dates, double base = 1.3) {
    std::string content;
    for (std::size_t i = 0; i < dates.size(); ++i)
        content += dates[i] + ",00:00,1,1,1," +
                   std::to_string(base + 0.001 * static_cast<double>(i)).substr(0, 6) + ",100\r\n";
    return content;
}

// fxmonitor-import's whole command (or with `check`, fxmonitor-check's), in-process.
inline ToolRun runTool(std::vector<std::string> arguments, bool check = false) {
    std::ostringstream out, err;
    const auto command = check ? fx::datatools::checkCommand : fx::datatools::importCommand;
    const int status = command(std::move(arguments), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace fxtest
