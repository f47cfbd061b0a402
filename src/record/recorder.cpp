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

// The folder's fourteen real-time files, read as the monitor's real-time cycle reads them.
class RealtimeFiles {
public:
    RealtimeFiles(const std::string& folder, const Variant& variant) {
        for (int k = 0; k < pairCount; ++k)
            paths_[k] = folder + realtimeFileName(variant.pairTable[k]);
    }

    // The fields of one read, by PairTable index; a file that goes missing or comes back
    // is said, once.
    std::array<std::string, pairCount> read(const LocalTime& now, std::ostream& messages) {
        std::array<std::string, pairCount> fields;
        for (int k = 0; k < pairCount; ++k) {
            const std::optional<std::string> firstLine = readFirstLine(paths_[k]);
            if (missing_[k] != !firstLine) {
                missing_[k] = !firstLine;
                messages << "fxmonitor-record: " << timeOf(now) << ": " << paths_[k]
                         << (missing_[k]
                                 ? " is missing (an empty field: \"Not Found\" in the replay)"
                                 : " is back")
                         << '\n';
            }
            fields[k] = ticksFieldOf(firstLine);
        }
        return fields;
    }

private:
    std::array<std::string, pairCount> paths_;
    std::array<bool, pairCount> missing_{};
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
    const std::string folder = (fs::path(options.folder) / "").string();
    RealtimeFiles realtime(folder, *options.variant);
    messages << "fxmonitor-record: reading the real-time files of " << folder << " every "
             << options.pace.intervalMs << " ms into "
             << (options.dailyFolder.empty()
                     ? options.out
                     : (fs::path(options.dailyFolder) / "ticks-YYYY-MM-DD.csv").string() +
                           ", a file a day")
             << "; Ctrl+C stops\n";

    RecordingFile file(*options.variant, messages);
    Kept kept;
    std::string problem;
    const std::optional<std::uint64_t>& count = options.pace.count;
    while ((!count || kept.lines < *count) && nextReadDue()) {
        const LocalTime now = clock.now();
        const std::array<std::string, pairCount> fields = realtime.read(now, messages);
        const std::string path =
            options.dailyFolder.empty() ? options.out : dailyFilePath(options.dailyFolder, now);
        const RecordingFile::Outcome outcome = file.append(path, now, fields, problem);
        if (outcome == RecordingFile::Outcome::Refused) {
            messages << "fxmonitor-record: " << problem << '\n';
            return recordUsageError;
        }
        if (outcome == RecordingFile::Outcome::Failed) {
            messages << "fxmonitor-record: " << problem
                     << "\nfxmonitor-record: stopped; kept: " << kept.text() << '\n';
            return recordFailed;
        }
        kept = {kept.lines + 1, now, path};
    }
    messages << "fxmonitor-record: stopped; " << kept.text() << '\n';
    return recordStopped;
}

}  // namespace fx::record
