#pragma once
// The replay's command line.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/variants.h"
#include "replay/ticks_file.h"
#include "report/alert_study.h"

namespace fx {

struct ReplayOptions {
    const Variant* variant = nullptr;  // v17b unless --variant says otherwise
    std::string dataFolder;            // "" is the current folder; else ends with a separator
    std::optional<ReferenceChoice> referenceDay;
    std::vector<AlertSetting> alerts;  // in command-line order
    std::optional<std::string> slotsFile;
    std::optional<std::string> reportFile;  // --report: the session report, an HTML page
    std::optional<std::string> studyFile;   // --study: the alert study's table, CSV
    std::vector<int> studyHorizons = defaultStudyHorizons;  // minutes, ascending
    std::string note;                       // --note: said in the report beside the study
    std::string ticksFile;
    bool help = false;  // --help: print the usage text and do nothing else
};

struct CommandLine {
    std::optional<ReplayOptions> options;  // nothing: a usage error
    std::string error;                     // one line saying what is wrong
};

// The arguments after the program name. Options may be written "--opt value" or
// "--opt=value"; a repeated option's last value wins, except --alert, which adds up.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);

// The --help text.
std::string_view usageText();

}  // namespace fx
