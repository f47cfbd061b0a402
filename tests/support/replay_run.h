#pragma once
// The replay run in-process on a data folder of the headless-monitor fixture and a
// ticks file written beside it; and the lines and fields of what it wrote.

#include <string>
#include <vector>

#include "replay/replay.h"
#include "support/headless_monitor.h"

namespace fxtest {

// The lines of a text, without their line ends (LF or CR LF).
Lines linesOf(const std::string& text);
Lines fieldsOf(const std::string& line, char separator = ',');
inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ReplayRun {
public:
    ReplayRun() { data.writeData(3); }

    // "time" and the pair symbols in PairTable order.
    std::string header() const;
    // A price line at 01-05-2009 10:00:SS with every pair at its typical price, except
    // where `changed` gives a field of its own (by PairTable index).
    std::string prices(int second,
                       const std::vector<std::pair<int, std::string>>& changed = {}) const;
    // Runs on the data folder and the ticks file, with the arguments; returns the status.
    int run(const std::string& ticks, std::vector<std::string> arguments = {});
    std::string ticksPath() const { return data.folder.pathOf("ticks.csv"); }
    std::string slotsPath() const { return data.folder.pathOf("slots.csv"); }
    Lines slotsRows() const { return linesOf(data.folder.read("slots.csv")); }
    // The log's descriptions, oldest first.
    Lines descriptions() const;

    HeadlessMonitor data;
    int status = -1;
    std::string out;
    std::string err;
};

}  // namespace fxtest
