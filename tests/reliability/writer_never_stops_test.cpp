// A writer that never stops: fxfeed rewrites the fourteen real-time files in place as
// fast as it can while a headless monitor ticks on the same files. Neither side may
// block the other, no file may ever look missing, and every price the monitor takes
// must be one the feed wrote or the number at the start of one.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "monitor/main_window.h"
#include "reliability/written_prices.h"
#include "support/headless_monitor.h"
#include "support/temp_folder.h"

namespace fxtest {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The feed as a child process, its messages in a file.
class Feed {
public:
    Feed(std::vector<std::string> arguments, const std::string& messagesPath) {
        arguments.insert(arguments.begin(), FX_FEED_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        pid_ = ::fork();
        if (pid_ == 0) {
            const int messages = ::open(messagesPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (messages >= 0) ::dup2(messages, 2);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~Feed() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // The exit status once it has ended; nothing while it runs.
    std::optional<int> status() {
        int status = 0;
        if (!status_ && pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_)
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

TEST(WriterNeverStopsTest, InPlaceFeedAndTickingMonitorNeverBlockEachOther) {
    HeadlessMonitor monitor;
    monitor.writeData(30);
    monitor.start();
    ASSERT_TRUE(monitor.chooseReferenceDay(0));
    ASSERT_TRUE(monitor.clickMain(fx::mainwin::realTimeModeCheck));

    WrittenPrices written = feedPrices(monitor.variant, 3000);
    // The start-up prices are readable too: the feed has not written yet.
    for (int k = 0; k < fx::pairCount; ++k) {
        written.whole[k].insert(monitor.monitor().prices.currentPrice[k]);
        written.readable[k].insert(monitor.monitor().prices.currentPrice[k]);
    }
    TempFolder feedFolder;
    feedFolder.write("session.ticks", written.ticksFile);

    Feed feed({"--variant", "17b", "--interval-ms", "0", "--in-place", "--ticks",
               feedFolder.pathOf("session.ticks"), monitor.folder.path()},
              feedFolder.pathOf("messages.txt"));

    const auto deadline = Clock::now() + 60s;
    int ticks = 0;
    int halfLines = 0;  // prices taken from a line caught half written
    std::array<std::set<float>, fx::pairCount> taken;
    Clock::duration slowestTick{};
    while (!feed.status() && Clock::now() < deadline) {
        const auto start = Clock::now();
        ASSERT_EQ(monitor.tick(), 1);
        slowestTick = std::max(slowestTick, Clock::now() - start);
        ++ticks;
        for (int k = 0; k < fx::pairCount; ++k) {
            const float price = monitor.monitor().prices.currentPrice[k];
            ASSERT_TRUE(written.readable[k].count(price))
                << monitor.symbol(k) << " took " << price << ", which the feed never wrote";
            taken[k].insert(price);
            if (!written.whole[k].count(price)) ++halfLines;
        }
        ASSERT_TRUE(monitor.layer.messages().empty())
            << "a real-time file looked missing: " << monitor.layer.messages().front().text;
    }

    ASSERT_EQ(feed.status(), std::optional<int>(0)) << "the feed did not finish in time";
    EXPECT_EQ(feedFolder.read("messages.txt"), "") << "the feed was kept from writing";
    // The monitor read all the while: many ticks, each quick, each seeing new prices.
    EXPECT_GE(ticks, 100);
    std::printf("%d ticks against the feed; %d prices taken from half-written lines\n", ticks,
                halfLines);
    EXPECT_LT(slowestTick, 1s);
    for (int k = 0; k < fx::pairCount; ++k)
        EXPECT_GE(taken[k].size(), 20u) << monitor.symbol(k) << " hardly moved";
}

}  // namespace
}  // namespace fxtest
