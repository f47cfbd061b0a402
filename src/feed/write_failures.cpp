#include "feed/write_failures.h"

namespace fx::feed {

void WriteFailures::record(const std::string& file, const std::string& failure) {
    FileRecord& record = files_[file];
    ++record.updates;
    record.lastFailed = !failure.empty();
    if (!record.lastFailed) return;
    ++record.failed;
    if (record.told.insert(failure).second) messages_ << "fxfeed: " << failure << "\n";
}

bool WriteFailures::tellAtEnd() {
    bool stillFailing = false;
    for (const auto& [file, record] : files_) {
        if (record.failed == 0) continue;
        messages_ << "fxfeed: " << file << ": " << record.failed << " of " << record.updates
                  << " updates failed" << (record.lastFailed ? ", the last one too" : "") << "\n";
        stillFailing = stillFailing || record.lastFailed;
    }
    return stillFailing;
}

}  // namespace fx::feed
