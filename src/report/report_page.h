#pragma once
// The session report: one HTML page that carries its charting library, its data and
// its tables, so it opens offline with nothing beside it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/variants.h"
#include "report/alert_study.h"
#include "report/session_record.h"
#include "report/study_section.h"
#include "window/window_types.h"

namespace fx {

// What the report says about the run besides what the session showed.
struct ReportSummary {
    std::string_view variant;  // "17", "17b" or "17c"
    std::array<std::string_view, pairCount> pairTable;
    std::string dataFolder;  // as given; "" is the current folder
    std::string ticksFile;
    std::vector<std::string> alertsOn;  // switched on before the first tick, in the replay's words
    Colour buyGroupColour = 0;
    Colour sellGroupColour = 0;
    Colour upArrowColour = 0;
    Colour downArrowColour = 0;
    StudyPageText study;
};

// The whole page; `record` and `study` must be finished.
std::string reportPage(const SessionRecord& record, const ReportSummary& summary,
                       const AlertStudy& study);

// Writes a page or a table whole or not at all; false when it could not be written.
bool writeReportFile(const std::string& path, std::string_view text);

// True when a file can be made at `path`. The check leaves no file behind that was not
// there before, and leaves a file that was there unchanged.
bool reportFileCanBeMade(const std::string& path);

}  // namespace fx
