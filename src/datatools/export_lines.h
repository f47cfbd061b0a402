#pragma once
// The lines of a file a data tool reads, as readLine ends them, with a UTF-8 byte-order
// mark taken off the first one and each line's number kept for the report.

#include <cstddef>
#include <string>
#include <string_view>

#include "text/text_file.h"

namespace fx::datatools {

class ExportLines {
public:
    // Lines are kept up to `keep` characters; lastLength() tells when one was longer.
    explicit ExportLines(std::size_t keep = maxLineLength) : keep_(keep) {}

    bool open(const std::string& path) { return file_.open(path); }
    bool next(std::string& line);
    int number() const { return number_; }
    // The whole length of the line read last, its cut part included.
    std::size_t lastLength() const { return lastLength_; }

private:
    // A large fill: reference-rate tables run to megabytes of long lines.
    InputTextFile file_{64 * 1024};
    std::size_t keep_;
    std::size_t lastLength_ = 0;
    int number_ = 0;
};

bool isBlankLine(std::string_view line);
// A first line that starts with a UTF-16 byte-order mark: text the tools cannot read.
bool isUtf16Text(std::string_view firstLine);

}  // namespace fx::datatools
