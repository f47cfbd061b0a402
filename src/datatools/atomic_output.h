#pragma once
// History files written whole or not at all: the monitor, or a second import, never
// finds half a file.

#include <filesystem>
#include <string>
#include <vector>

namespace fx::datatools {

// Writes the lines, each ended by CR LF, to a temporary file beside `target` and then
// renames it to `target`, replacing any file of that name. On failure returns false
// with the reason in `error`; `target` is then as it was and the temporary file is gone.
bool writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines, std::string& error);

}  // namespace fx::datatools
