#include "record/recording_file.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "record/ticks_line.h"
#include "replay/ticks_file.h"
#include "text/command_line.h"
#include "text/file_access.h"

namespace fx::record {

namespace {

namespace fs = std::filesystem;

// What follows the file's last line end: a line left unfinished, or nothing at all.
// Nothing is returned when no line end lies within the longest line a ticks file holds.
std::optional<std::string> unfinishedTail(const std::string& path, std::uintmax_t size) {
    const std::uintmax_t tailSize = std::min<std::uintmax_t>(size, maxTicksLineLength + 2);
    std::string tail(static_cast<std::size_t>(tailSize), '\0');
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(size - tailSize));
    if (!file.read(tail.data(), static_cast<std::streamsize>(tailSize))) return std::nullopt;
    const std::size_t lineEnd = tail.find_last_of("\r\n");
    if (lineEnd != std::string::npos) return tail.substr(lineEnd + 1);
    if (tailSize == size) return tail;
    return std::nullopt;
}

}  // namespace

RecordingFile::RecordingFile(const Variant& variant, std::ostream& messages)
    : variant_(variant), messages_(messages) {}

RecordingFile::Outcome RecordingFile::append(const std::string& path, const LocalTime& time,
                                             const std::array<std::string, pairCount>& fields,
                                             std::string& problem) {
    std::error_code missing;
    std::uintmax_t size = fs::file_size(path, missing);
    if (missing) size = 0;
    if (path != path_ || size == 0) {
        if (size > 0) {
            if (const auto refusal = adopt(path, size, problem)) return *refusal;
        }
        if (size == 0) columns_ = pairTableColumns();
        path_ = path;
    }

    const std::string text =
        (size == 0 ? ticksHeader(variant_) : "") + priceLineText(time, fields, columns_);
    const platform::FileHandle file = platform::openForAppending(path);
    if (file == platform::invalidFile) {
        problem = path + ": the file cannot be opened for writing (is its folder gone?)";
        return Outcome::Failed;
    }
    // One write of the whole line: a recording stopped at any moment ends with a whole line.
    const bool written = platform::writeAll(file, text.data(), text.size());
    if (platform::closeFile(file) && written) return Outcome::Written;
    // A write cut short (a full disk) is taken back, so the file still ends with a whole line.
    std::error_code ignored;
    fs::resize_file(path, size, ignored);
    problem = path + ": the line could not be written (is the disk full?)";
    return Outcome::Failed;
}

std::optional<RecordingFile::Outcome> RecordingFile::adopt(const std::string& path,
                                                           std::uintmax_t& size,
                                                           std::string& problem) {
    const std::optional<std::string> unfinished = unfinishedTail(path, size);
    if (!unfinished) {
        problem = path + ": its last line is longer than any line of a ticks file";
        return Outcome::Refused;
    }
    if (!unfinished->empty()) {
        std::error_code failure;
        fs::resize_file(path, size - unfinished->size(), failure);
        if (failure) {
            problem = path + ": its unfinished last line cannot be cut off: " + failure.message();
            return Outcome::Failed;
        }
        messages_ << "fxmonitor-record: " << path << ": its last line "
                  << quotedForMessage(*unfinished)
                  << " has no line end; taken as cut off while it was written, and removed\n";
        size -= unfinished->size();
        if (size == 0) return std::nullopt;
    }
    TicksReader reader(variant_);
    if (!reader.open(path) || reader.next() == TicksReader::Item::Error) {
        problem = reader.error() + "; a recording of variant " + std::string(variant_.name) +
                  " is not added to it (record to another file, or give its --variant)";
        return Outcome::Refused;
    }
    columns_ = reader.columns();
    return std::nullopt;
}

}  // namespace fx::record
