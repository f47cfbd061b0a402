#pragma once
// What the feed says about files it could not write. A failure is told when it first
// happens, once per file and cause, not at every update; at the end each file that
// failed is told with its count, and whether it was still failing.

#include <map>
#include <ostream>
#include <set>
#include <string>

namespace fx::feed {

class WriteFailures {
public:
    explicit WriteFailures(std::ostream& messages) : messages_(messages) {}

    // One update of `file`; `failure` is empty when it went through, else the message.
    void record(const std::string& file, const std::string& failure);
    // Tells the count of every file that failed. True when a file's last update failed:
    // the feed then stops without having done its work.
    bool tellAtEnd();

private:
    struct FileRecord {
        int updates = 0;
        int failed = 0;
        bool lastFailed = false;
        std::set<std::string> told;
    };
    std::ostream& messages_;
    std::map<std::string, FileRecord> files_;
};

}  // namespace fx::feed
