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
#include "support/feed_process.h"
#include "prices/price_files.h"
#include "support/temp_folder.h"

namespace fxtest {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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
