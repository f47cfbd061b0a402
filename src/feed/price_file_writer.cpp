#include "feed/price_file_writer.h"

#include <chrono>
#include <system_error>
#include <thread>

#include "text/file_access.h"
#include "text/shared_file.h"

namespace fx::feed {

namespace {

namespace fs = std::filesystem;

// On Windows a file that a reader holds open cannot be deleted until the reader closes
// it, which the monitor does within its one pass; a few retries suffice.
constexpr int removeAttempts = 50;
constexpr std::chrono::milliseconds removeRetryDelay{2};

}  // namespace

bool writePriceFile(const fs::path& target, std::string_view firstLine, WriteMode mode,
                    std::string& error) {
    const std::string content = std::string(firstLine) + "\r\n";
    const std::string name = target.filename().string();
    if (mode == WriteMode::Atomic) {
        std::string failure;
        if (replaceSharedFile(target, content, failure)) return true;
        error = name + " " + failure;
        return false;
    }

    // Truncated first, then written: a reader in between finds an empty file.
    const platform::FileHandle file = platform::createForWriting(target);
    if (file == platform::invalidFile) {
        error = name + " could not be opened for writing";
        return false;
    }
    const bool written = platform::writeAll(file, content.data(), content.size());
    if (!platform::closeFile(file) || !written) {
        error = name + " could not be written";
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
