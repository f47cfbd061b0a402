#pragma once
// The replay's side of --report: it reads the engine's own state after every ranking,
// action and log row, so the report shows the numbers the log was written from.

#include <string>
#include <string_view>

#include "monitor/monitor.h"
#include "replay/command_line.h"
#include "replay/ticks_file.h"
#include "report/alert_study.h"
#include "report/session_record.h"

namespace fx {

class ReplayReport {
public:
    explicit ReplayReport(const Monitor& monitor);

    // After a ranking run: `tick` for a real-time tick, else a new reference day.
    // `pipsBox` is the text of the pips box.
    void ranked(bool tick, std::string_view pipsBox);
    void referenceDayChosen(std::string_view date);
    // After an action of the ticks file had its effect.
    void acted(const TicksAction& action, std::string_view pipsBox);
    // A row the log received.
    void logged(std::string_view description);

    // Writes the page, with the finished study; false when the file could not be written
    // whole.
    bool write(const std::string& path, const ReplayOptions& options, const AlertStudy& study);

private:
    const Monitor& monitor_;
    SessionRecord record_;
    int tradeState_;
};

}  // namespace fx
