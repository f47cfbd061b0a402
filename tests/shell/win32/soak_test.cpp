// A long run of the real windows: 10,000 real-time ticks of variant 17b, as fast as
// they can be handled, with prices that reorder every slot on every tick, so that each tick
// recolours the slots, draws fourteen arrows and logs new anchors. The layer's live GDI objects
// stay flat after the warm-up, the process's memory grows by no more than the log rows it gained,
// and the log list holds exactly the rows a headless monitor fed the same prices logs.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses. Version 2: the call is KERNEL32's own
// K32GetProcessMemoryInfo, with no PSAPI.DLL to link.
#define PSAPI_VERSION 2
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "controller/event_log.h"
#include "win32_monitor.h"

namespace {

constexpr int soakTicks = 10'000;
constexpr int warmUpTicks = 1'000;
constexpr int calibrationRows = 2'000;

// Pair k's first line at cycle c: its place in a ranking that turns by one every
// cycle, about 12 pips apart (10 for the yen pairs).
std::string priceAt(std::string_view symbol, long long cycle, int pair) {
    const int place = static_cast<int>((pair + cycle) % fx::pairCount);
    char text[32];
    std::snprintf(text, sizeof text, "%.5f",
                  static_cast<double>(fxtest::typicalPrice(symbol)) * (1.0 + 0.001 * place));
    return text;
}

// Answers the real-time reads with the turning prices; counts the cycles it served.
struct TurningPrices {
    void attach(fx::Monitor& monitor) {
        monitor.realtimeFirstLine = [this, &monitor](const std::string& path) {
            int pair = 0;
            while (pair < fx::pairCount &&
                   !path.ends_with(monitor.state.PairTable[pair] + "_RT.csv"))
                ++pair;
            if (pair == 0) ++cycles;
            return std::optional<std::string>(
                priceAt(monitor.state.PairTable[pair % fx::pairCount], cycles, pair));
        };
    }
    long long cycles = 0;
};

bool runningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// The process's memory as the system counts it: its private bytes on Windows; under
// Wine, which leaves them out, its working set (the Linux process's resident memory).
long long processMemoryKb() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    const SIZE_T bytes = runningOnWine() ? counters.WorkingSetSize : counters.PrivateUsage;
    return static_cast<long long>(bytes / 1024);
}

// The bytes allocated and not freed in every heap of the process: exact, where the
// system's counts move in steps of whole pages and heap segments.
long long heapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    long long total = 0;
    for (DWORD h = 0; h < count && h < 256; ++h) {
        if (!HeapLock(heaps[h])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[h]);
    }
    return total;
}

int logRows(fxtest::Win32Monitor& app) {
    return app.layer.rowCount(app.monitor().mainWindow, fx::mainwin::eventLogList);
}

bool arrowsShown(fxtest::Win32Monitor& app) {
    const fx::ImagePixels image = app.layer.readImage(app.monitor().mainWindow);
    const fx::ProgramState& state = app.monitor().state;
    bool up = false;
    bool down = false;
    for (int y = state.slotTop; y < state.slotTop + state.slotStep * fx::pairCount; ++y) {
        for (int x = 3; x < 18; ++x) {
            up = up || image.at(x, y) == state.upArrowColour;
            down = down || image.at(x, y) == state.downArrowColour;
        }
    }
    return up && down;
}

TEST(Win32SoakTest, TenThousandTicksKeepGdiObjectsAndMemoryFlatAndEveryLogRow) {
    fxtest::Win32Monitor app;
    app.writeData(5);
    app.start();
    TurningPrices prices;
    prices.attach(app.monitor());
    // Real-time mode on, its window timer stopped: Wine's timers fire at most every
    // 10 ms, so the ticks are posted as the timer's own WM_TIMER messages instead and
    // handled by the program's message loop, one pass each.
    app.startRealTime();
    const auto started = std::chrono::steady_clock::now();
    const auto tickUntil = [&](long long cycles) {
        while (prices.cycles < cycles) {
            PostMessageA(app.mainWindow(), WM_TIMER, fx::mainwin::realTimeTimer, 0);
            ASSERT_TRUE(app.layer.runMessagePass());
        }
    };
    tickUntil(warmUpTicks);
    const int gdiAfterWarmUp = app.layer.gdiObjects().liveObjects();
    const long long memoryAfterWarmUp = processMemoryKb();
    const long long heapAfterWarmUp = heapBytesInUse();
    const int rowsAfterWarmUp = logRows(app);
    int mostGdi = gdiAfterWarmUp;
    for (long long done = warmUpTicks; done < soakTicks;) {
        done = std::min<long long>(done + 500, soakTicks);
        tickUntil(done);
        mostGdi = std::max(mostGdi, app.layer.gdiObjects().liveObjects());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const int gdiAtEnd = app.layer.gdiObjects().liveObjects();
    const long long memoryAtEnd = processMemoryKb();
    const long long heapAtEnd = heapBytesInUse();
    const int rowsAtEnd = logRows(app);
    EXPECT_TRUE(arrowsShown(app));

    // What a log row holds in this process: more rows like most of the soak's, logged
    // straight in.
    for (int r = 0; r < calibrationRows; ++r) fx::logEvent(app.monitor(), "New +anchor: GBPJPY");
    const double bytesPerRow = static_cast<double>(heapBytesInUse() - heapAtEnd) / calibrationRows;

    std::printf(
        "%lld ticks in %.1f s; live GDI objects %d after %d ticks, %d at most, %d after "
        "%d; memory %lld kB after %d ticks, %lld kB after %d; heap in use %lld kB, "
        "then %lld kB; log rows %d, then %d (%.0f bytes each)\n",
        prices.cycles, seconds, gdiAfterWarmUp, warmUpTicks, mostGdi, gdiAtEnd, soakTicks,
        memoryAfterWarmUp, warmUpTicks, memoryAtEnd, soakTicks, heapAfterWarmUp / 1024,
        heapAtEnd / 1024, rowsAfterWarmUp, rowsAtEnd, bytesPerRow);
    EXPECT_EQ(prices.cycles, soakTicks);
    EXPECT_EQ(mostGdi, gdiAfterWarmUp);
    EXPECT_EQ(gdiAtEnd, gdiAfterWarmUp);
    // Some rows logged are a little longer than the measured ones: a twentieth more, and
    // 256 kB for whatever else a heap keeps, is room enough; a leak of one allocation per
    // tick is not.
    const double rowsBytes = bytesPerRow * (rowsAtEnd - rowsAfterWarmUp);
    EXPECT_GT(bytesPerRow, 0.0);
    EXPECT_LE(static_cast<double>(heapAtEnd - heapAfterWarmUp), rowsBytes * 1.05 + 256 * 1024)
        << "the heap grew by more than the log rows hold";

    // Every row the ticks logged is in the list, in order: a headless monitor fed the
    // same prices logs the same descriptions.
    fxtest::HeadlessMonitor twin;
    twin.writeData(5);
    twin.start();
    TurningPrices twinPrices;
    twinPrices.attach(twin.monitor());
    twin.chooseReferenceDay(0);
    twin.clickMain(fx::mainwin::realTimeModeCheck);
    ASSERT_EQ(twin.tick(soakTicks), soakTicks);
    const std::vector<std::string> expected = twin.logDescriptions();
    std::vector<std::string> shown = app.logDescriptions();
    ASSERT_EQ(shown.size(), expected.size() + calibrationRows);
    shown.erase(shown.begin(), shown.begin() + calibrationRows);
    EXPECT_EQ(shown, expected);
}

}  // namespace
