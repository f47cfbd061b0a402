// The feed as a process: how it stops on a signal. POSIX only (Windows has no
// SIGTERM to send; Ctrl+C there goes through the same flag).
#ifndef _WIN32

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "feed/tool_files.h"
#include "prices/price_files.h"
#include "support/temp_folder.h"

namespace fxtest {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class FeedProcess {
public:
    explicit FeedProcess(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), FX_FEED_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
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

    bool started() const { return pid_ > 0; }
    void signal(int number) const { ::kill(pid_, number); }

    // The exit status, or nothing if the process has not ended within the time.
    std::optional<int> waitForExit(std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!status_ && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            } else {
                std::this_thread::sleep_for(5ms);
            }
        }
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Polls for a condition the feed will bring about, up to a limit.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

class FeedSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(FeedSignalTest, StopsCleanlyAndLeavesNoTemporaryFile) {
    TempFolder folder;
    for (const std::string_view symbol : sampleSymbols) copyFromSample(symbol, folder.path(), true);
    const std::string before = folder.read("EURUSD_RT.csv");
    FeedProcess feed({"--interval-ms=1", "--seed=5", folder.path()});
    ASSERT_TRUE(feed.started());
    ASSERT_TRUE(eventually([&] { return folder.read("EURUSD_RT.csv") != before; }));

    feed.signal(GetParam());
    EXPECT_EQ(feed.waitForExit(10s), 0);
    for (const auto& entry : fs::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos) << entry.path();
    for (const std::string_view symbol : sampleSymbols) {
        const auto line = fx::readFirstLine(folder.pathOf(std::string(symbol) + "_RT.csv"));
        EXPECT_TRUE(line && isFullPriceText(symbol, *line)) << symbol;
    }
}

INSTANTIATE_TEST_SUITE_P(CtrlCAndTerminate, FeedSignalTest, ::testing::Values(SIGINT, SIGTERM));

TEST(FeedProcessTest, CountEndsTheProgramAndUsageErrorsExitTwo) {
    TempFolder folder;
    copyFromSample("EURUSD", folder.path(), false);
    FeedProcess counted({"--count", "3", "--interval-ms", "1", "--variant", "17", folder.path()});
    EXPECT_EQ(counted.waitForExit(10s), 0);
    EXPECT_TRUE(folder.exists("USDCAD_RT.csv"));
    EXPECT_FALSE(folder.exists("NZDUSD_RT.csv"));

    FeedProcess wrong({"--count", "none", folder.path()});
    EXPECT_EQ(wrong.waitForExit(10s), 2);
}

}  // namespace
}  // namespace fxtest

#endif
