#include "shell/startup.h"

#include "controller/event_log.h"
#include "prices/price_files.h"
#include "ranking/options_window.h"
#include "shell/main_window.h"
#include "shell/monitor.h"

namespace fx {

namespace {

// The reference-day list shows EURUSD's dates (PairTable entry 7 in every variant);
// list position p is history row p of every pair.
constexpr int referenceDatePair = 7;

void fillReferenceDayList(Monitor& monitor) {
    const HistoryTable& dates = monitor.prices.priceHistory[referenceDatePair];
    for (int row = 0; row < monitor.prices.historyRowCount; ++row)
        monitor.layer.addListEntry(monitor.mainWindow, mainwin::referenceDayCombo, dates[row].date);
}

}  // namespace

void startMonitor(Monitor& monitor) {
    buildMainWindow(monitor);
    buildOptionsWindow(monitor);
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
