#pragma once
// The lines of a recorded ticks file, as the replay's reader (replay/ticks_file.h) reads
// them back: the header, and one price line per read of the real-time files, each field
// replaying its file's first line as the monitor read it.

#include <array>
#include <optional>
#include <string>

#include "monitor/variants.h"
#include "text/clock.h"

namespace fx::record {

// "time" and the variant's fourteen symbols in PairTable order, then CR LF.
std::string ticksHeader(const Variant& variant);

// The field of a real-time file's first line; nothing: the file was missing, which the
// empty field says. The monitor takes the number at the start of the line, so the line up
// to its first comma (the ticks file's separator) replays as the monitor read it. A file
// that holds nothing before a comma, an empty file among them, is written as one blank:
// like the empty line it holds no price, and the field is not taken for a missing file.
std::string ticksFieldOf(const std::optional<std::string>& firstLine);

// "MM-DD-YYYY HH:MM:SS", the fields (by PairTable index) in the order of a header's
// columns (column c holds pair columns[c]), then CR LF.
std::string priceLineText(const LocalTime& time, const std::array<std::string, pairCount>& fields,
                          const std::array<int, pairCount>& columns);

// Column c holds pair c: the order of ticksHeader.
std::array<int, pairCount> pairTableColumns();

}  // namespace fx::record
