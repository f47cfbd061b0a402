#include "support/replay_run.h"

#include <cstdlib>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fxtest {

Lines linesOf(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Lines fieldsOf(const std::string& line, char separator) {
    Lines fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    if (line.empty() || line.ends_with(separator)) fields.emplace_back();
    return fields;
}

#ifndef _WIN32
ToolRun runInShell(const std::string& command, const TempFolder& folder) {
    const int status =
        std::system(("cd '" + folder.path() + "' && " + command + " >out.txt 2>err.txt").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.read("out.txt"),
            folder.read("err.txt")};
}
#endif

std::string ReplayRun::prices(int second,
                              const std::vector<std::pair<int, std::string>>& changed) const {
    std::string line =
        "01-05-2009 10:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second);
    for (int k = 0; k < fx::pairCount; ++k) {
        std::string field = std::to_string(typicalPrice(data.symbol(k)));
        for (const auto& [pair, text] : changed)
            if (pair == k) field = text;
        line += "," + field;
    }
    return line + "\n";
}

int ReplayRun::run(const std::string& ticks, std::vector<std::string> arguments) {
    data.folder.write("ticks.csv", ticks);
    arguments.insert(arguments.begin(), {"--data", data.folder.path()});
    arguments.push_back(pathOf("ticks.csv"));
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream log, messages;
    status = fx::replayMain(views, log, messages);
    out = log.str();
    err = messages.str();
    return status;
}

Lines ReplayRun::descriptions() const {
    Lines result;
    for (const std::string& line : linesOf(out)) result.push_back(line.substr(20));
    return result;
}

}  // namespace fxtest
