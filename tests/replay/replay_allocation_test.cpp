// A long replay holds still in memory: reading the ticks, supplying the fourteen first
// lines, ranking and writing the --slots rows allocate nothing per tick, so only the
// log rows can make it grow.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "support/replay_run.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Every allocation of this test program is counted (each test runs in its own process).
// GCC takes the free() below for one of memory that `new` made elsewhere.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

std::string priceAbove(const char* symbol, double above) {
    return std::to_string(fxtest::typicalPrice(symbol) + above);
}

// CADJPY (buy group) 50 pips up stays in slot 1 and GBPUSD (sell group) 50 pips against
// stays in slot 14, so the anchors never change; EURUSD and AUDUSD trade places in the
// middle every tick, so slot texts change and arrows are drawn on every tick.
std::string ticks(const fxtest::ReplayRun& run, int count) {
    std::string text = fxtest::v17bHeader;
    for (int t = 0; t < count; ++t) {
        const bool odd = t % 2 == 1;
        std::string line = run.prices(0, {{4, priceAbove("CADJPY", 0.5)},
                                          {0, priceAbove("GBPUSD", 0.005)},
                                          {7, priceAbove("EURUSD", odd ? 0.0002 : 0.0)},
                                          {9, priceAbove("AUDUSD", odd ? 0.0 : 0.0002)}});
        char time[20];
        std::snprintf(time, sizeof time, "01-05-2009 %02d:%02d:%02d", 10 + t / 3600, t / 60 % 60,
                      t % 60);
        text += line.replace(0, 19, time);
    }
    return text;
}

long allocationsOfReplay(int tickCount) {
    fxtest::ReplayRun run;
    const std::string text = ticks(run, tickCount);
    const long before = allocations;
    run.run(text, {"--reference-day", "0", "--slots", run.pathOf("slots.csv")});
    const long used = allocations - before;
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fxtest::linesOf(run.data.folder.read("slots.csv")).size(), static_cast<std::size_t>(tickCount) + 2);
    return used;
}

TEST(ReplayAllocationTest, TenTimesTheTicksCostNoMoreAllocationsThanTheirFewLogRows) {
    const long shortRun = allocationsOfReplay(200);
    const long longRun = allocationsOfReplay(2000);
    // The long run logs two periodic "RB = " rows the short one does not; a row takes a
    // handful of allocations. One allocation a tick would add 1,800.
    EXPECT_LE(longRun - shortRun, 40) << shortRun << " then " << longRun;
}

}  // namespace
