// The feed as a process: its exit statuses, and how it stops on a signal. POSIX only
// (Windows has no SIGTERM to send; Ctrl+C there goes through the same flag).
#ifndef _WIN32

#include "support/feed_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "prices/price_files.h"
#include "support/temp_folder.h"

namespace fxtest {
namespace {

using namespace std::chrono_literals;

class FeedSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(FeedSignalTest, StopsCleanlyAndLeavesNoTemporaryFile) {
    TempFolder folder;
    for (const std::string_view symbol : sampleSymbols) copyFromSample(symbol, folder.path(), true);
    const std::string before = folder.read("EURUSD_RT.csv");
    FeedProcess feed({"--interval-ms=1", "--seed=5", folder.path()});
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (folder.read("EURUSD_RT.csv") == before && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    ASSERT_NE(folder.read("EURUSD_RT.csv"), before) << "the feed wrote nothing";

    feed.signal(GetParam());
    EXPECT_EQ(feed.waitForExit(10s), 0);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
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
    EXPECT_EQ(FeedProcess({"--count", "none", folder.path()}).waitForExit(10s), 2);
}

}  // namespace
}  // namespace fxtest

#endif
