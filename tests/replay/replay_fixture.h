#pragma once
// A data folder made by the headless-monitor fixture, a ticks file written beside it,
// and the replay run in-process on them.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "replay/replay.h"
#include "support/headless_monitor.h"

namespace fxtest {

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

class ReplayRun {
public:
    explicit ReplayRun(fx::VariantId variant = fx::VariantId::V17b) : data(variant) {
        data.writeData(3);
    }

    // "time" and the pair symbols in PairTable order.
    std::string header() const {
        std::string text = "time";
        for (std::string_view symbol : data.variant.pairTable) {
            text += ',';
            text += symbol;
        }
        return text + "\n";
    }

    // A price line at 10:00:SS with every pair at its typical price, except where
    // `changed` gives a field of its own (by PairTable index).
    std::string prices(int second,
                       const std::vector<std::pair<int, std::string>>& changed = {}) const {
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

    // Runs with the arguments, the data folder and the ticks file; returns the exit status.
    int run(const std::string& ticks, std::vector<std::string> arguments = {}) {
        data.folder.write("ticks.csv", ticks);
        arguments.insert(arguments.begin(), {"--data", data.folder.path()});
        arguments.push_back(ticksPath());
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        std::ostringstream log;
        std::ostringstream messages;
        status = fx::replayMain(views, log, messages);
        out = log.str();
        err = messages.str();
        return status;
    }

    std::string ticksPath() const { return data.folder.pathOf("ticks.csv"); }
    std::string slotsPath() const { return data.folder.pathOf("slots.csv"); }
    std::vector<std::string> slotsRows() const { return linesOf(data.folder.read("slots.csv")); }

    // The log's descriptions, oldest first.
    std::vector<std::string> descriptions() const {
        std::vector<std::string> result;
        for (const std::string& line : linesOf(out)) {
            const auto fields = fieldsOf(line);
            result.push_back(line.substr(fields[0].size() + fields[1].size() + 2));
        }
        return result;
    }

    HeadlessMonitor data;
    int status = -1;
    std::string out;
    std::string err;
};

}  // namespace fxtest
