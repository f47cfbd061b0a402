// fxfeed as a process: how it stops and its exit statuses, and as a writer that never stops
// beside a ticking monitor. POSIX only (Windows has no SIGTERM to send; Ctrl+C there goes
// through the same flag).

#ifndef _WIN32
#include "support/feed_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "monitor/main_window.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"
#include "support/temp_folder.h"
#include "text/numbers.h"

namespace fxtest {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using PriceSets = std::array<std::set<float>, fx::pairCount>;

class FeedSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(FeedSignalTest, StopsCleanlyAndLeavesNoTemporaryFile) {
    TempFolder folder;
    for (const std::string_view symbol : fx::market::knownSymbols)
        copyFromSample(symbol, folder.path(), true);
    const std::string before = folder.read("EURUSD_RT.csv");
    FeedProcess feed({"--interval-ms=1", "--seed=5", folder.path()});
    const auto deadline = Clock::now() + 10s;
    while (folder.read("EURUSD_RT.csv") == before && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    ASSERT_NE(folder.read("EURUSD_RT.csv"), before) << "the feed wrote nothing";

    feed.signal(GetParam());
    EXPECT_EQ(feed.waitForExit(10s), 0);
    for (const std::string& name : namesIn(folder.path()))
        EXPECT_EQ(name.find("tmp"), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(CtrlCAndTerminate, FeedSignalTest, ::testing::Values(SIGINT, SIGTERM));

TEST(FeedProcessTest, CountEndsTheProgramAndUsageErrorsExitTwo) {
    TempFolder folder;
    copyFromSample("EURUSD", folder.path(), false);
    FeedProcess counted({"--count", "3", "--interval-ms", "1", "--variant", "17", folder.path()});
    EXPECT_EQ(counted.waitForExit(10s), 0);
    EXPECT_EQ(FeedProcess({"--count", "none", folder.path()}).waitForExit(10s), 2);
}

// A ticks file of `lines` price lines, pair k's price moving around its typical price by
// up to 5 %, differently on every line; with the prices as written (`whole`) and every
// price a reader may take from a line caught half written (`readable`).
std::string ticksFile(const fx::Variant& variant, int lines, PriceSets& whole,
                      PriceSets& readable) {
    std::string file = "time";
    for (const std::string_view symbol : variant.pairTable) file += "," + std::string(symbol);
    fx::SettableClock clock(fx::LocalTime{2009, 3, 9, 9, 0, 0});
    for (int line = 0; line < lines; ++line, clock.advanceSeconds(1)) {
        file += "\r\n" + fx::dateText(clock.now()) + " " + fx::timeText(clock.now());
        for (int k = 0; k < fx::pairCount; ++k) {
            const std::string_view symbol = variant.pairTable[k];
            const double step = ((line * 37 + k * 11) % 1001 - 500) / 10000.0;
            char text[32];
            std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f",
                          typicalPrice(symbol) * (1.0 + step));
            file += ",";
            file += text;
            const std::string_view digits(text);
            whole[k].insert(static_cast<float>(fx::parseNumber(digits)));
            for (std::size_t length = 0; length <= digits.size(); ++length) {
                const double value = fx::parseNumber(digits.substr(0, length));
                if (fx::isAcceptedRealtimePrice(value))
                    readable[k].insert(static_cast<float>(value));
            }
        }
    }
    return file + "\r\n";
}

// The feed rewrites the real-time files in place as fast as it can while a headless monitor
// ticks on them: neither side may block the other, no file may look missing, and every
// price the monitor takes must be one the feed wrote or the number at the start of one.
TEST(WriterNeverStopsTest, InPlaceFeedAndTickingMonitorNeverBlockEachOther) {
    HeadlessMonitor monitor;
    monitor.writeData(30);
    monitor.start();
    ASSERT_TRUE(monitor.chooseReferenceDay(0));
    ASSERT_TRUE(monitor.clickMain(fx::mainwin::realTimeModeCheck));

    // The start-up prices are readable too: the feed has not written yet.
    PriceSets whole, readable;
    for (int k = 0; k < fx::pairCount; ++k)
        whole[k] = readable[k] = {monitor.monitor().prices.currentPrice[k]};
    TempFolder feedFolder;
    feedFolder.write("session.ticks", ticksFile(monitor.variant, 1000, whole, readable));
    FeedProcess feed({"--variant", "17b", "--interval-ms", "0", "--in-place", "--ticks",
                      feedFolder.pathOf("session.ticks"), monitor.folder.path()},
                     feedFolder.pathOf("messages.txt"));

    // Only a guard against a hang: the feed writes its 1,000 lines in well under a second.
    const auto deadline = Clock::now() + 120s;
    int ticks = 0;
    int halfLines = 0;  // prices taken from a line caught half written
    Clock::duration slowestTick{};
    while (!feed.status() && Clock::now() < deadline) {
        const auto start = Clock::now();
        ASSERT_EQ(monitor.tick(), 1);
        slowestTick = std::max(slowestTick, Clock::now() - start);
        ++ticks;
        for (int k = 0; k < fx::pairCount; ++k) {
            const float price = monitor.monitor().prices.currentPrice[k];
            ASSERT_TRUE(readable[k].count(price))
                << monitor.symbol(k) << " took " << price << ", which the feed never wrote";
            if (!whole[k].count(price)) ++halfLines;
        }
        ASSERT_TRUE(monitor.layer.messages().empty())
            << "a real-time file looked missing: " << monitor.layer.messages().front().text;
    }

    ASSERT_EQ(feed.status(), std::optional<int>(0)) << "the feed was blocked, or did not finish";
    EXPECT_EQ(feedFolder.read("messages.txt"), "") << "the feed was kept from writing";
    EXPECT_GE(ticks, 1);
    std::printf(
        "%d ticks against the feed, the slowest %lld us; %d prices from half-written lines\n",
        ticks, static_cast<long long>(slowestTick / 1us), halfLines);
}

}  // namespace
}  // namespace fxtest
#endif
