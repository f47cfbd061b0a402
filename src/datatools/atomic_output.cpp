#include "datatools/atomic_output.h"

#include <system_error>

#include "text/text_file.h"

namespace fx::datatools {

bool writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines, std::string& error) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    bool written = false;
    {
        OutputTextFile file;
        if (file.create(temporary.string())) {
            for (const std::string& line : lines) writeLine(file, line);
            written = file.close();
        }
    }
    std::error_code failure;
    if (written) {
        std::filesystem::rename(temporary, target, failure);
        if (!failure) return true;
        error = "cannot replace " + target.string() + ": " + failure.message();
    } else {
        error = "cannot write " + temporary.string();
    }
    std::filesystem::remove(temporary, failure);
    return false;
}

}  // namespace fx::datatools
