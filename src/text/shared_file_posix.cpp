#include "text/shared_file.h"

#include "text/text_file.h"

namespace fx {

// The file is written whole beside the target and renamed over it: a reader that has the
// old file open goes on reading it, and the next open finds the new one.
bool replaceSharedFile(const std::filesystem::path& target, std::string_view content,
                       std::string& failure) {
    OutputTextFile file;
    if (file.create(target)) file.write(content);
    if (file.close()) return true;
    failure = file.failure();
    return false;
}

}  // namespace fx
