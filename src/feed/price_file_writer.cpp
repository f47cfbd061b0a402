#include "feed/price_file_writer.h"

#include <chrono>
#include <system_error>
#include <thread>

#include "feed/replace_file.h"
#include "text/text_file.h"

namespace fx::feed {

namespace {

namespace fs = std::filesystem;

// On Windows a file that a reader holds open cannot be deleted until the reader closes
// it, which the monitor does within its one pass; a few retries suffice.
constexpr int removeAttempts = 50;
constexpr std::chrono::milliseconds removeRetryDelay{2};

}  // namespace

fs::path temporaryPathFor(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".fxfeed-tmp";
    return temporary;
}

bool writePriceFile(const fs::path& target, std::string_view firstLine, WriteMode mode,
                    std::string& error) {
    const std::string content = std::string(firstLine) + "\r\n";
    if (mode == WriteMode::Atomic) return replaceWholeFile(target, content, error);

    // Truncated first, then written: a reader in between finds an empty file.
    OutputTextFile file;
    if (!file.create(target.string())) {
        error = target.filename().string() + " could not be opened for writing";
        return false;
    }
    file.write(content);
    if (!file.close()) {
        error = target.filename().string() + " could not be written";
        return false;
    }
    return true;
}

bool removePriceFile(const fs::path& target, std::string& error) {
    std::error_code failure;
    for (int attempt = 1; attempt <= removeAttempts; ++attempt) {
        failure.clear();
        fs::remove(target, failure);
        if (!failure) return true;
        if (attempt < removeAttempts) std::this_thread::sleep_for(removeRetryDelay);
    }
    error = target.filename().string() + " could not be removed: " + failure.message();
    return false;
}

}  // namespace fx::feed
