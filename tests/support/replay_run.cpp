#include "support/replay_run.h"

#include <algorithm>
#include <cstdio>
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

std::string phasedSession(const ReplayRun& r, int secondsApart, const SessionActions& actions) {
    std::string ticks = v17bHeader;
    for (int day = 5; day <= 6; ++day) {
        if (day == 6) ticks += "!alert slot GBPUSD 1\n";
        fx::SettableClock clock(fx::LocalTime{2009, 1, day, 10, 0, 0});
        for (int t = 0; t < 60; ++t, clock.advanceSeconds(secondsApart)) {
            ticks += fx::dateText(clock.now()) + " " + fx::timeText(clock.now());
            for (int k = 0; k < fx::pairCount; ++k) {
                const auto& order = fx::pairGroupOrder;
                const int g =
                    static_cast<int>(std::find(order.begin(), order.end(), k) - order.begin());
                const bool buy = g < fx::buyGroupSize;
                const int place = g % fx::buyGroupSize;
                int move = buy ? -30 - 2 * place : (k == 0 ? 80 : 30 + place);
                if (t < 20) move = buy ? 30 + 2 * place : -30 - place;
                if ((t >= 20 && t < 25) || t >= 50)
                    move = (place + (buy ? 0 : 1)) % 2 ? -10 - place : 10 + place;
                // Every pair drifts alike, which leaves the slots as they are but moves
                // a basket's worth from tick to tick.
                int drift = (t * t * 7 + day * 5) % 17;
                if (day == 5 && t == 0) move = drift = 0;
                const std::string symbol = r.data.symbol(k);
                char text[32];
                std::snprintf(text, sizeof text, ",%.5f",
                              typicalPrice(symbol) + ((buy ? move : -move) + drift) /
                                                         (symbol.ends_with("JPY") ? 100.0 : 1e4));
                ticks += text;
            }
            ticks += "\n";
            if (day == 5 && t == 0) ticks += "!reference 0\n";
            if (const auto action = actions.find({day, t}); action != actions.end())
                ticks += action->second;
        }
    }
    return ticks;
}

}  // namespace fxtest
