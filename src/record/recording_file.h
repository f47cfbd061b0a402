#pragma once
// The ticks file a recording appends to, a whole line at a time. The file is opened for
// each line and closed again: a folder that vanished is noticed at the next line, and
// nothing holds the file between reads.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "monitor/variants.h"
#include "text/clock.h"

namespace fx::record {

class RecordingFile {
public:
    enum class Outcome { Written, Refused, Failed };

    // Notes (an unfinished last line cut off) go to `messages`.
    RecordingFile(const Variant& variant, std::ostream& messages);

    // Appends the price line of one read (fields by PairTable index) to the file at
    // `path`, after the header when the file is new or empty. A file met for the first
    // time is taken as a recording: its unfinished last line is cut off, and it must be a
    // ticks file of the variant (Refused otherwise); the lines follow its header's order.
    // Failed: the line could not be written, and the file is as it was before it.
    // `problem` says why when the line was not written.
    Outcome append(const std::string& path, const LocalTime& time,
                   const std::array<std::string, pairCount>& fields, std::string& problem);

private:
    // A file met for the first time; nothing when the line may go to it (`size` is then
    // its length once an unfinished last line is cut off).
    std::optional<Outcome> adopt(const std::string& path, std::uintmax_t& size,
                                 std::string& problem);

    const Variant& variant_;
    std::ostream& messages_;
    std::string path_;  // the file the last line went to
    std::array<int, pairCount> columns_{};
};

}  // namespace fx::record
