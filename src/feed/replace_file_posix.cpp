#include <system_error>

#include "feed/price_file_writer.h"
#include "feed/replace_file.h"
#include "text/text_file.h"

namespace fx::feed {

// A new file beside the target, renamed over it: rename is atomic, so a reader opens
// either the old file or the new one, each complete.
bool replaceWholeFile(const std::filesystem::path& target, std::string_view content,
                      std::string& error) {
    const std::filesystem::path temporary = temporaryPathFor(target);
    OutputTextFile file;
    bool done = file.create(temporary.string());
    if (done) {
        file.write(content);
        done = file.close();
    }
    if (!done) {
        error = temporary.filename().string() + " could not be written";
    } else {
        std::error_code failure;
        std::filesystem::rename(temporary, target, failure);
        if (failure)
            error = target.filename().string() + " could not be replaced: " + failure.message();
        done = !failure;
    }
    if (!done) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return done;
}

}  // namespace fx::feed
