#include "app/startup.h"

#include <gtest/gtest.h>

#include "monitor/main_window.h"
#include "monitor/options_window.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"

namespace {

namespace mw = fx::mainwin;

TEST(StartUp, FillsTheReferenceDayListWithEveryCompleteRowInOrder) {
    fxtest::HeadlessMonitor h;
    h.writeData(30);
    h.start();
    const fx::HeadlessControl* list = h.layer.control(h.mainWindow(), mw::referenceDayCombo);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->entries.size(), 30u);
    EXPECT_EQ(list->entries[0], fxtest::historyDate(0));
    EXPECT_EQ(list->entries[29], fxtest::historyDate(29));
    EXPECT_EQ(list->selected, -1);
    EXPECT_EQ(h.logDescriptions(), std::vector<std::string>{"Started ZA Daderer"});
    EXPECT_EQ(h.monitor().state.keepRunning, 1);
}

TEST(StartUp, BuildsTheOptionsWindowHiddenCentredAndFilled) {
    fxtest::HeadlessMonitor h(fx::VariantId::V17c);
    h.writeData(3);
    h.start();
    const fx::HeadlessWindow* options = h.layer.window(h.optionsWindow());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->title, "Sounds/Alert Options");
    EXPECT_FALSE(options->visible);
    EXPECT_TRUE(options->centred);
    const fx::HeadlessControl* pairs =
        h.layer.control(h.optionsWindow(), fx::optwin::slotAlertPairCombo);
    const fx::HeadlessControl* slots =
        h.layer.control(h.optionsWindow(), fx::optwin::slotAlertSlotCombo);
    ASSERT_TRUE(pairs && slots);
    ASSERT_EQ(pairs->entries.size(), 14u);
    ASSERT_EQ(slots->entries.size(), 14u);
    for (int k = 0; k < 14; ++k) {
        EXPECT_EQ(pairs->entries[k], h.symbol(k));
        EXPECT_EQ(slots->entries[k], std::to_string(k + 1));
    }
    EXPECT_EQ(pairs->selected, -1);
    EXPECT_EQ(slots->selected, -1);
}

TEST(StartUp, WithAHistoryFileMissingItStillCompletesAndEndsAfterOnePass) {
    fxtest::HeadlessMonitor h;
    h.writeData(10);
    h.folder.remove("EURGBP.csv");
    h.start();
    EXPECT_EQ(h.monitor().state.keepRunning, 0);
    ASSERT_EQ(h.layer.messages().size(), 1u);
    EXPECT_EQ(h.layer.messages()[0].text, "EURGBP.csv history file could not be opened.");
    EXPECT_EQ(h.logDescriptions(), std::vector<std::string>{"Started ZA Daderer"});
    // EURGBP has no rows, so no reference day is complete.
    EXPECT_EQ(h.layer.control(h.mainWindow(), mw::referenceDayCombo)->entries.size(), 0u);

    int passes = 0;
    h.layer.post(h.mainWindow(), {fx::EventKind::Other});
    h.layer.beforeWaitedTick = [&](fx::WindowId, int) { ++passes; };
    fx::runMessageLoop(h.monitor());
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(fx::shutDownMonitor(h.monitor()), 0);
    EXPECT_EQ(h.layer.window(h.mainWindow()), nullptr);
    EXPECT_EQ(h.layer.window(h.optionsWindow()), nullptr);
}

TEST(MessageLoop, EndsAfterThePassInWhichTheCloseRequestArrived) {
    fxtest::HeadlessMonitor h;
    h.writeData(5);
    h.start();
    h.layer.post(h.mainWindow(), {fx::EventKind::CloseRequest});
    // Posted in the same pass, so it is still dispatched before the loop ends.
    h.layer.post(h.mainWindow(), {fx::EventKind::MenuCommand, mw::oneMinuteItem});
    fx::runMessageLoop(h.monitor());
    EXPECT_EQ(h.monitor().state.keepRunning, 0);
    EXPECT_EQ(h.monitor().state.logIntervalTicks, 60);
    // Closing does not destroy the window; shutting down does, and stops the timer.
    ASSERT_NE(h.layer.window(h.mainWindow()), nullptr);
    EXPECT_EQ(fx::shutDownMonitor(h.monitor()), 0);
    EXPECT_EQ(h.layer.window(h.mainWindow()), nullptr);
}

TEST(MessageLoop, QuitEndsTheLoopWhileRealTimeTicksKeepComing) {
    fxtest::HeadlessMonitor h;
    h.writeData(5);
    h.start();
    ASSERT_TRUE(h.chooseReferenceDay(0));
    ASSERT_TRUE(h.clickMain(mw::realTimeModeCheck));
    int ticks = 0;
    h.layer.beforeWaitedTick = [&](fx::WindowId, int) {
        if (++ticks == 3) h.layer.post(h.mainWindow(), {fx::EventKind::MenuCommand, mw::quitItem});
    };
    fx::runMessageLoop(h.monitor());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(fx::shutDownMonitor(h.monitor()), 0);
    EXPECT_FALSE(h.layer.timerRunning(h.mainWindow(), mw::realTimeTimer));
}

}  // namespace
