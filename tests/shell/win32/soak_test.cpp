// A long run of the real windows: 10,000 real-time ticks of variant 17b, the window
// timer shortened to its minimum by the test, with prices that reorder every slot on
// every tick, so that each tick recolours the slots, draws fourteen arrows and logs
// new anchors. The layer's live GDI objects stay flat after the warm-up, the process's
// memory grows by no more than the log rows it gained, and the log list holds exactly
// the rows a headless monitor fed the same prices logs.

#include <gtest/gtest.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controller/event_log.h"
#include "win32_monitor.h"

namespace {

constexpr int soakTicks = 10'000;
constexpr int warmUpTicks = 1'000;
constexpr int calibrationRows = 20'000;

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

// The process's own memory: its private bytes on Windows; under Wine, which leaves them
// out, its working set (the resident memory of the Linux process).
long long processMemoryKb() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(),
                         reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    const SIZE_T bytes = runningOnWine() ? counters.WorkingSetSize : counters.PrivateUsage;
    return static_cast<long long>(bytes / 1024);
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
    app.startRealTime();
    const fx::WindowId main = app.monitor().mainWindow;
    // The test's own period: as short as the window timer goes.
    app.layer.startTimer(main, fx::mainwin::realTimeTimer, 1);

    const auto started = std::chrono::steady_clock::now();
    const auto runUntil = [&](long long cycles) {
        while (prices.cycles < cycles) ASSERT_TRUE(app.layer.runMessagePass());
    };
    runUntil(warmUpTicks);
    const int gdiAfterWarmUp = app.layer.gdiObjects().liveObjects();
    const long long memoryAfterWarmUp = processMemoryKb();
    const int rowsAfterWarmUp = logRows(app);
    int mostGdi = gdiAfterWarmUp;
    for (long long next = warmUpTicks + 500; next <= soakTicks; next += 500) {
        runUntil(next);
        mostGdi = std::max(mostGdi, app.layer.gdiObjects().liveObjects());
    }
    app.layer.stopTimer(main, fx::mainwin::realTimeTimer);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const int gdiAtEnd = app.layer.gdiObjects().liveObjects();
    const long long memoryAtEnd = processMemoryKb();
    const int rowsAtEnd = logRows(app);
    EXPECT_TRUE(arrowsShown(app));

    // What a log row costs in this process: as many rows again, logged straight in.
    for (int r = 0; r < calibrationRows; ++r) fx::logEvent(app.monitor(), "New +anchor: GBPJPY");
    const double kbPerRow =
        static_cast<double>(processMemoryKb() - memoryAtEnd) / calibrationRows;

    std::printf("%lld ticks in %.1f s; live GDI objects %d after %d ticks, %d at most, %d after "
                "%d; memory %lld kB after %d ticks, %lld kB after %d; log rows %d, "
                "then %d (about %.2f kB each)\n",
                prices.cycles, seconds, gdiAfterWarmUp, warmUpTicks, mostGdi, gdiAtEnd, soakTicks,
                memoryAfterWarmUp, warmUpTicks, memoryAtEnd, soakTicks, rowsAfterWarmUp, rowsAtEnd,
                kbPerRow);
    EXPECT_EQ(prices.cycles, soakTicks);
    EXPECT_EQ(mostGdi, gdiAfterWarmUp);
    EXPECT_EQ(gdiAtEnd, gdiAfterWarmUp);
    const double rowsKb = kbPerRow * (rowsAtEnd - rowsAfterWarmUp);
    EXPECT_LE(static_cast<double>(memoryAtEnd - memoryAfterWarmUp), rowsKb * 1.25 + 2048)
        << "the memory grew by more than the log rows hold";

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
