#pragma once
// Writing a real-time file the way the feed does: by default so that a reader finds the
// old first line or the new one, never half a line or an empty file; in place (truncated,
// then written) for testing how the monitor copes without that.

#include <filesystem>
#include <string>
#include <string_view>

namespace fx::feed {

enum class WriteMode { Atomic, InPlace };

// The file then holds exactly `firstLine` and CR LF. False, with `error` set, when it
// could not be written (no temporary file is left behind).
bool writePriceFile(const std::filesystem::path& target, std::string_view firstLine, WriteMode mode,
                    std::string& error);

// Removes the file; one that is already missing is fine.
bool removePriceFile(const std::filesystem::path& target, std::string& error);

}  // namespace fx::feed
