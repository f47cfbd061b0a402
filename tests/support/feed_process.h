#pragma once
// What the feed's tests share: the committed sample folder, the shape of a price text as
// the feed writes it, and fxfeed as a child process (POSIX), its stderr in a file when asked.

#include <filesystem>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>
#endif

#include "datatools/market.h"

namespace fxtest {

// Digits, ".", and exactly 3 decimals for a yen pair, 5 for any other.
inline bool isFullPriceText(std::string_view symbol, std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0) return false;
    if (text.size() - point - 1 != (symbol.ends_with("JPY") ? 3u : 5u)) return false;
    return text.find_first_not_of("0123456789.") == std::string_view::npos &&
           text.find('.', point + 1) == std::string_view::npos;
}

// Copies the symbol's history file, and its real-time file when asked, from the sample.
inline void copyFromSample(std::string_view symbol, const std::string& folder, bool withRealtime) {
    for (const std::string& name : {std::string(symbol) + ".csv", std::string(symbol) + "_RT.csv"})
        if (withRealtime || !name.ends_with("_RT.csv"))
            std::filesystem::copy_file(FX_SAMPLE_DIR + name, folder + name);
}

#ifndef _WIN32
class FeedProcess {
public:
    explicit FeedProcess(std::vector<std::string> arguments, const std::string& messagesPath = "") {
        arguments.insert(arguments.begin(), FX_FEED_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int messages =
                messagesPath.empty() ? -1 : ::open(messagesPath.c_str(), O_WRONLY | O_CREAT, 0644);
            if (messages >= 0) ::dup2(messages, 2);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~FeedProcess() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    FeedProcess(const FeedProcess&) = delete;
    FeedProcess& operator=(const FeedProcess&) = delete;

    void signal(int number) const { ::kill(pid_, number); }
    // The exit status once it has ended; nothing while it runs.
    std::optional<int> status() {
        int status = 0;
        if (!status_ && pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_)
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return status_;
    }
    // The exit status, or nothing if the process has not ended within the limit (a hang).
    std::optional<int> waitForExit(std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!status() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

#endif

}  // namespace fxtest
