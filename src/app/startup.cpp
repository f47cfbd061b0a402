#include "app/startup.h"

#include "controller/main_window_events.h"
#include "controller/options_window_events.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "monitor/pairs.h"
#include "prices/price_files.h"

namespace fx {

namespace {

// Entry i of the "Reference Day:" list is history row i; only the complete rows are offered.
void fillReferenceDayList(Monitor& monitor) {
    const HistoryTable& dates = monitor.prices.priceHistory[referenceDatePair];
    for (int row = 0; row < monitor.prices.historyRowCount; ++row)
        monitor.layer.addListEntry(monitor.mainWindow, mainwin::referenceDayCombo, dates[row].date);
}

}  // namespace

void buildWindows(Monitor& monitor) {
    buildMainWindow(monitor,
                    [&monitor](const WindowEvent& event) { onMainWindowEvent(monitor, event); });
    buildOptionsWindow(
        monitor, [&monitor](const WindowEvent& event) { onOptionsWindowEvent(monitor, event); });
}

void startMonitor(Monitor& monitor) {
    buildWindows(monitor);
    // The main window is on the screen already, so the loader's messages have an owner.
    loadHistory(monitor);
    fillReferenceDayList(monitor);
    logEvent(monitor, "Started ZA Daderer");
}

void runMessageLoop(Monitor& monitor) {
    // keepRunning is tested after each pass, so at least one pass always runs.
    do {
        if (!monitor.layer.runMessagePass()) break;
    } while (monitor.state.keepRunning != 0);
}

int shutDownMonitor(Monitor& monitor) {
    monitor.layer.stopTimer(monitor.mainWindow, mainwin::realTimeTimer);
    monitor.layer.closeWindow(monitor.mainWindow);
    monitor.layer.closeWindow(monitor.optionsWindow);
    return 0;
}

}  // namespace fx
