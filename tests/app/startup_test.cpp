#include "app/startup.h"

#include <gtest/gtest.h>

#include "monitor/main_window.h"
#include "support/headless_monitor.h"

namespace {

namespace mw = fx::mainwin;

TEST(StartUpTest, TheListHoldsEveryCompleteRowInOrderAndTheOptionsWindowIsReady) {
    fxtest::HeadlessMonitor h(fx::VariantId::V17c);
    h.writeData(30);
    h.start();
    const fx::HeadlessControl* list = h.layer.control(h.mainWindow(), mw::referenceDayCombo);
    ASSERT_EQ(list->entries.size(), 30u);
    EXPECT_EQ(list->entries[29], fxtest::historyDate(29));
    EXPECT_EQ(list->selected, -1);
    EXPECT_EQ(h.logDescriptions(), fxtest::Lines{"Started ZA Daderer"});

    const fx::HeadlessWindow* options = h.layer.window(h.optionsWindow());
    EXPECT_FALSE(options->visible);
    EXPECT_TRUE(options->centred);
    // v17c's own pair table fills the pair list.
    EXPECT_EQ(h.layer.control(h.optionsWindow(), fx::optwin::slotAlertPairCombo)->entries[4],
              "NZDJPY");
}

TEST(StartUpTest, WithAHistoryFileMissingItCompletesAndEndsAfterOnePass) {
    fxtest::HeadlessMonitor h;
    h.writeData(10);
    h.folder.remove("EURGBP.csv");
    h.start();
    EXPECT_EQ(h.logDescriptions(), fxtest::Lines{"Started ZA Daderer"});
    EXPECT_TRUE(h.layer.control(h.mainWindow(), mw::referenceDayCombo)->entries.empty());
    int waits = 0;
    h.layer.post(h.mainWindow(), {fx::EventKind::Other});
    h.layer.beforeWaitedTick = [&](fx::WindowId, int) { ++waits; };
    fx::runMessageLoop(h.monitor());
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(fx::shutDownMonitor(h.monitor()), 0);
    EXPECT_EQ(h.layer.window(h.mainWindow()), nullptr);
    EXPECT_EQ(h.layer.window(h.optionsWindow()), nullptr);
}

TEST(MessageLoopTest, EndsAfterThePassInWhichQuitArrivedAndShutDownStopsTheTimer) {
    fxtest::HeadlessMonitor h;
    h.startInRealTime();
    int ticks = 0;
    h.layer.beforeWaitedTick = [&](fx::WindowId, int) {
        if (++ticks != 3) return;
        h.layer.post(h.mainWindow(), {fx::EventKind::MenuCommand, mw::quitItem});
        // Posted in the same pass, so it is still dispatched before the loop ends.
        h.layer.post(h.mainWindow(), {fx::EventKind::MenuCommand, mw::oneMinuteItem});
    };
    fx::runMessageLoop(h.monitor());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(h.monitor().state.logIntervalTicks, 60);
    ASSERT_NE(h.layer.window(h.mainWindow()), nullptr);  // closing does not destroy it
    EXPECT_EQ(fx::shutDownMonitor(h.monitor()), 0);
    EXPECT_FALSE(h.layer.timerRunning(h.mainWindow(), mw::realTimeTimer));
}

}  // namespace
