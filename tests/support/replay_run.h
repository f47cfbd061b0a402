#pragma once
// The replay run in-process on a data folder of the headless-monitor fixture and a
// ticks file written beside it; programs run by the shell; the lines and fields of what
// they wrote.

#include <map>
#include <string>
#include <utility>
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

// What a program, or a tool's command in-process, returned and printed.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};
#ifndef _WIN32
// A command line run by the shell in the folder, as a user runs it there; its stdout and
// stderr pass through files in the folder.
ToolRun runInShell(const std::string& command, const TempFolder& folder);
#endif

// A ticks file's header for v17b: "time" and the pairs in PairTable order.
inline const std::string v17bHeader =
    "time,GBPUSD,EURGBP,GBPJPY,NZDJPY,CADJPY,AUDJPY,EURJPY,EURUSD,USDJPY,AUDUSD,NZDUSD,GBPCHF,"
    "CHFJPY,EURCHF\n";

// v17b's monitor data for 3 days, and the replay run on it.
class ReplayRun {
public:
    ReplayRun() { data.writeData(3); }

    // A price line at 01-05-2009 10:00:SS with every pair at its typical price, except
    // where `changed` gives a field of its own (by PairTable index).
    std::string prices(int second,
                       const std::vector<std::pair<int, std::string>>& changed = {}) const;
    // Runs on the data folder and the ticks file, with the arguments; returns the status.
    int run(const std::string& ticks, std::vector<std::string> arguments = {});
    std::string pathOf(std::string_view name) const { return data.folder.pathOf(name); }
    // The log's descriptions, oldest first.
    Lines descriptions() const;

    HeadlessMonitor data;
    int status = -1;
    std::string out;
    std::string err;
};

// Two days (01-05-2009 and 01-06-2009) of 60 ticks from 10:00:00, `secondsApart`, in
// four phases a day: the buy group on top, mixed, the sell group on top with GBPUSD
// leading, mixed again; every alert rule fires on both days when switched on. The first
// tick holds the start-up prices; the reference day (row 0) is chosen after it. The
// actions by (day, tick) follow that tick's line.
using SessionActions = std::map<std::pair<int, int>, std::string>;
std::string phasedSession(const ReplayRun& r, int secondsApart, const SessionActions& actions = {});

}  // namespace fxtest
