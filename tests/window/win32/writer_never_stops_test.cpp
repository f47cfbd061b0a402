// A writer that never stops, on Windows: fxfeed rewrites the fourteen real-time files
// in place as fast as it can while the monitor's real windows tick on the same files.
// Windows' share modes are where a reader and a writer can lock each other out: the
// feed must never fail to write, the monitor must never find a file "missing", and
// every price it takes must be one the feed wrote or the number at the start of one.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "reliability/written_prices.h"
#include "win32_monitor.h"

namespace {

using Clock = std::chrono::steady_clock;

// The feed as a child process, its messages in a file.
class Feed {
public:
    Feed(const std::string& arguments, const std::string& messagesPath) {
        SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
        messages_ = CreateFileA(messagesPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = messages_;
        startup.hStdOutput = messages_;
        std::string commandLine = "\"" + std::string(FX_FEED_PROGRAM) + "\" " + arguments;
        if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                           nullptr, nullptr, &startup, &process_))
            CloseHandle(process_.hThread);
        else
            process_.hProcess = nullptr;
    }
    ~Feed() {
        if (process_.hProcess) {
            if (!ended()) TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, INFINITE);
            CloseHandle(process_.hProcess);
        }
        if (messages_ != INVALID_HANDLE_VALUE) CloseHandle(messages_);
    }

    bool started() const { return process_.hProcess != nullptr; }
    bool ended() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD exitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
    HANDLE messages_ = INVALID_HANDLE_VALUE;
};

TEST(Win32WriterNeverStopsTest, InPlaceFeedAndTickingWindowsNeverBlockEachOther) {
    fxtest::Win32Monitor app;
    app.writeData(30);
    app.start();
    app.startRealTime();

    fxtest::WrittenPrices written = fxtest::feedPrices(app.variant, 1000);
    for (int k = 0; k < fx::pairCount; ++k) {
        written.whole[k].insert(app.monitor().prices.currentPrice[k]);
        written.readable[k].insert(app.monitor().prices.currentPrice[k]);
    }
    fxtest::TempFolder feedFolder;
    feedFolder.write("session.ticks", written.ticksFile);
    Feed feed("--variant 17b --interval-ms 0 --in-place --ticks \"" +
                  feedFolder.pathOf("session.ticks") + "\" \"" + app.folder.path() + ".\"",
              feedFolder.pathOf("messages.txt"));
    ASSERT_TRUE(feed.started());

    const auto deadline = Clock::now() + std::chrono::seconds(120);
    int ticks = 0;
    int halfLines = 0;
    Clock::duration slowestTick{};
    std::array<std::set<float>, fx::pairCount> taken;
    while (!feed.ended() && Clock::now() < deadline) {
        const auto start = Clock::now();
        app.tick();
        slowestTick = std::max(slowestTick, Clock::now() - start);
        ++ticks;
        for (int k = 0; k < fx::pairCount; ++k) {
            const float price = app.monitor().prices.currentPrice[k];
            ASSERT_TRUE(written.readable[k].count(price))
                << app.symbol(k) << " took " << price << ", which the feed never wrote";
            taken[k].insert(price);
            if (!written.whole[k].count(price)) ++halfLines;
        }
        ASSERT_TRUE(app.modals.seen.empty())
            << "a real-time file looked missing: " << app.modals.seen.front().text;
    }

    ASSERT_TRUE(feed.ended()) << "the feed did not finish in time";
    EXPECT_EQ(feed.exitCode(), 0u);
    EXPECT_EQ(feedFolder.read("messages.txt"), "") << "the feed was kept from writing";
    std::printf("%d ticks against the feed; %d prices taken from half-written lines\n", ticks,
                halfLines);
    EXPECT_GE(ticks, 20);
    EXPECT_LT(slowestTick, std::chrono::seconds(2));
    std::size_t moves = 0;
    for (const auto& prices : taken) moves += prices.size();
    EXPECT_GE(moves, static_cast<std::size_t>(fx::pairCount) * 5) << "the prices hardly moved";
}

}  // namespace
