#include "record/recorder.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "prices/price_files.h"
#include "record/recording_file.h"
#include "record/ticks_line.h"

namespace fx::record {

namespace {

namespace fs = std::filesystem;

std::string timeOf(const LocalTime& time) { return dateText(time) + " " + timeText(time); }

// What a run has recorded: said when it stops, and when it fails, so that the user knows
// what the file holds.
struct Kept {
    std::uint64_t lines = 0;
    LocalTime last;
    std::string path;

    std::string text() const {
        if (lines == 0) return "no line recorded in this run";
        return std::to_string(lines) + (lines == 1 ? " line" : " lines") +
               " recorded in this run, the last at " + timeOf(last) + " in " + path;
    }
};

bool folderReady(const RecordOptions& options, std::ostream& messages) {
    std::error_code failure;
    if (!fs::is_directory(options.folder, failure)) {
        messages << "fxmonitor-record: " << options.folder << " is not a folder\n";
        return false;
    }
    if (options.dailyFolder.empty()) return true;
    fs::create_directories(options.dailyFolder, failure);
    if (fs::is_directory(options.dailyFolder, failure)) return true;
    messages << "fxmonitor-record: the folder " << options.dailyFolder << " cannot be made\n";
    return false;
}

}  // namespace

std::string dailyFilePath(const std::string& folder, const LocalTime& time) {
    char name[40];
    std::snprintf(name, sizeof name, "ticks-%04d-%02d-%02d.csv", time.year, time.month, time.day);
    return (fs::path(folder) / name).string();
}

int runRecorder(const RecordOptions& options, const Clock& clock,
                const std::function<bool()>& nextReadDue, std::ostream& messages) {
    if (!folderReady(options, messages)) return recordFailed;
    const Variant& variant = *options.variant;
    const std::string folder = (fs::path(options.folder) / "").string();
    std::array<std::string, pairCount> realtimePaths;
    for (int k = 0; k < pairCount; ++k)
        realtimePaths[k] = folder + realtimeFileName(variant.pairTable[k]);
    messages << "fxmonitor-record: reading the real-time files of " << folder << " every "
             << options.pace.intervalMs << " ms into "
             << (options.dailyFolder.empty()
                     ? options.out
                     : (fs::path(options.dailyFolder) / "ticks-YYYY-MM-DD.csv").string() +
                           ", a file a day")
             << "; Ctrl+C stops\n";

    RecordingFile file(variant, messages);
    std::array<bool, pairCount> missing{};
    Kept kept;
    std::string problem;
    const std::optional<std::uint64_t>& count = options.pace.count;
    while ((!count || kept.lines < *count) && nextReadDue()) {
        const LocalTime now = clock.now();
        std::array<std::string, pairCount> fields;
        for (int k = 0; k < pairCount; ++k) {
            const std::optional<std::string> firstLine = readFirstLine(realtimePaths[k]);
            if (missing[k] != !firstLine) {
                missing[k] = !firstLine;
                messages << "fxmonitor-record: " << timeOf(now) << ": " << realtimePaths[k]
                         << (missing[k] ? " is missing (an empty field: \"Not Found\" in the replay)"
                                        : " is back")
                         << '\n';
            }
            fields[k] = ticksFieldOf(firstLine);
        }
        const std::string path =
            options.dailyFolder.empty() ? options.out : dailyFilePath(options.dailyFolder, now);
        const RecordingFile::Outcome outcome = file.append(path, now, fields, problem);
        if (outcome != RecordingFile::Outcome::Written) {
            messages << "fxmonitor-record: " << problem << "\nfxmonitor-record: stopped; kept: "
                     << kept.text() << '\n';
            return outcome == RecordingFile::Outcome::Refused ? recordUsageError : recordFailed;
        }
        kept = {kept.lines + 1, now, path};
    }
    messages << "fxmonitor-record: stopped; " << kept.text() << '\n';
    return recordStopped;
}

}  // namespace fx::record
