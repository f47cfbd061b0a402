#include "controller/main_window_events.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "controller/trade_simulator.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/pairs.h"
#include "prices/price_files.h"
#include "ranking/ranking.h"
#include "text/clock.h"
#include "text/numbers.h"

namespace fx {

namespace {

using Action = void (*)(Monitor&);

struct MenuCommand {
    int menuId;
    Action action;
};

// "Print Window", "IBFX Pairs", "Vantrel Original" and "Pair Alerts" are greyed and
// have no entry: a command with their ids does nothing.
constexpr MenuCommand menuCommands[] = {
    {mainwin::saveLogItem, saveLog},
    {mainwin::clearLogItem, clearLog},
    {mainwin::quitItem, [](Monitor& m) { m.state.keepRunning = 0; }},
    // Shows the window as it was left; nothing in it is reset.
    {mainwin::soundAlertsItem, [](Monitor& m) { m.layer.showWindow(m.optionsWindow, true); }},
};

constexpr int anyNotification = -1;

struct ControlCommand {
    int controlId;
    int notifyCode;  // anyNotification: every notification of the control
    Action action;
};

// The buttons act on any notification they send: their enabled states are what keeps
// the simulator's steps in order.
constexpr ControlCommand controlCommands[] = {
    {mainwin::realTimeModeCheck, anyNotification, setRealTimeMode},
    {mainwin::referenceDayCombo, selectionChangedCode, changeReferenceDay},
    {mainwin::buyButton, anyNotification, [](Monitor& m) { openBasket(m, TradeDirection::Buy); }},
    {mainwin::sellButton, anyNotification, [](Monitor& m) { openBasket(m, TradeDirection::Sell); }},
    {mainwin::closeButton, anyNotification, closeBasket},
    {mainwin::clearButton, anyNotification, clearBasket},
};

void onMenuCommand(Monitor& monitor, int menuId) {
    for (const mainwin::LogTimerItem& item : mainwin::logTimerItems) {
        if (item.menuId == menuId) {
            selectLogInterval(monitor, item.minutes);
            return;
        }
    }
    for (const MenuCommand& command : menuCommands) {
        if (command.menuId == menuId) {
            command.action(monitor);
            return;
        }
    }
}

void onControlNotify(Monitor& monitor, int controlId, int notifyCode) {
    for (const ControlCommand& command : controlCommands) {
        if (command.controlId != controlId) continue;
        if (command.notifyCode == anyNotification || command.notifyCode == notifyCode)
            command.action(monitor);
        return;
    }
}

// Marks the cycle as under way for as long as it runs, whichever way it ends.
class CycleUnderWay {
public:
    explicit CycleUnderWay(ControllerState& controller) : controller_(controller) {
        controller_.realTimeCycleUnderWay = true;
    }
    ~CycleUnderWay() { controller_.realTimeCycleUnderWay = false; }
    CycleUnderWay(const CycleUnderWay&) = delete;
    CycleUnderWay& operator=(const CycleUnderWay&) = delete;

private:
    ControllerState& controller_;
};

// The number a status text shows; the time is the one text that is no number.
int statusNumber(const RankingState& ranking, mainwin::StatusValue value) {
    switch (value) {
        case mainwin::StatusValue::ReferenceBias:
            return ranking.referenceBias;
        case mainwin::StatusValue::AnchorBias:
            return ranking.anchorBias;
        case mainwin::StatusValue::BasketBias:
            return ranking.basketBias;
        case mainwin::StatusValue::BuyPower:
            return ranking.buyPower;
        case mainwin::StatusValue::Time:
        case mainwin::StatusValue::SellPower:
            break;
    }
    return ranking.sellPower;
}

void writePeriodicEntry(Monitor& monitor) {
    const RankingState& ranking = monitor.ranking;
    logEvent(monitor, "RB = " + formatNumber(ranking.referenceBias) +
                          "  BB = " + formatNumber(ranking.basketBias) +
                          "  AB = " + formatNumber(ranking.anchorBias));
    // The pips box still holds the value of the tick before: this tick revalues the
    // basket only after the entry.
    const int tradeState = monitor.trade.tradeState;
    if (tradeState == buyTrade || tradeState == sellTrade) {
        const std::string pips = monitor.layer.controlText(monitor.mainWindow, mainwin::pipsBox);
        logEvent(monitor,
                 (tradeState == buyTrade ? "Buy Profit: " : "Sell Profit: ") + pips + " pips.");
    }
}

}  // namespace

void onMainWindowEvent(Monitor& monitor, const WindowEvent& event) {
    switch (event.kind) {
        case EventKind::TimerTick:
            if (event.timerId == mainwin::realTimeTimer) onRealTimeTick(monitor);
            break;
        case EventKind::CloseRequest:
            monitor.state.keepRunning = 0;
            break;
        case EventKind::MenuCommand:
            onMenuCommand(monitor, event.menuId);
            break;
        case EventKind::ControlNotify:
            onControlNotify(monitor, event.controlId, event.notifyCode);
            break;
        case EventKind::Other:
            break;
    }
}

void onRealTimeTick(Monitor& monitor) {
    ControllerState& controller = monitor.controller;
    // Once the program is ending, no new cycle starts: its boxes would keep it alive.
    if (monitor.state.keepRunning == 0) return;
    // A tick that arrives while an earlier cycle waits on its "Not Found" box is skipped:
    // a file that stays missing would otherwise stack one cycle per second. It still
    // counts toward the periodic entry, which the next cycle writes when it falls due.
    if (controller.realTimeCycleUnderWay) {
        ++controller.logTickCount;
        return;
    }
    const CycleUnderWay underWay(controller);

    loadRealtime(monitor);
    rankPairs(monitor);

    ++controller.logTickCount;
    if (controller.logTickCount >= monitor.state.logIntervalTicks) {
        writePeriodicEntry(monitor);
        controller.logTickCount = 0;
    }

    drawStatusPanel(monitor);

    const int tradeState = monitor.trade.tradeState;
    if (tradeState == buyTrade || tradeState == sellTrade) updateBasketPips(monitor);
}

void drawStatusPanel(Monitor& monitor) {
    const LocalTime now = monitor.clock.now();
    for (std::size_t i = 0; i < mainwin::statusPanel.size(); ++i) {
        const mainwin::StatusText& text = mainwin::statusPanel[i];
        const bool isTime = text.value == mainwin::StatusValue::Time;
        const int value = isTime ? (now.hour * 60 + now.minute) * 60 + now.second
                                 : statusNumber(monitor.ranking, text.value);
        // A text that would be drawn as it stands is left alone: most stay for many ticks.
        if (monitor.shown.status[i] == value) continue;
        monitor.shown.status[i] = value;
        const std::string time = isTime ? timeText(now) : std::string();
        const NumberText number(isTime ? 0 : value);
        const std::string_view shown = isTime ? std::string_view(time) : number.view();
        const std::string_view parts[] = {text.caption, shown, text.trailingBlanks};
        char line[128];
        std::size_t length = 0;
        for (std::string_view part : parts) {
            const std::size_t taken = std::min(part.size(), sizeof line - length);
            part.copy(line + length, taken);
            length += taken;
        }
        monitor.layer.drawText(monitor.mainWindow, text.topLeft, std::string_view(line, length));
    }
}

void selectLogInterval(Monitor& monitor, int minutes) {
    for (const mainwin::LogTimerItem& item : mainwin::logTimerItems)
        monitor.layer.setMenuItemChecked(monitor.mainWindow, item.menuId, item.minutes == minutes);
    // The tick count runs on: an interval shorter than the count writes at the next tick.
    monitor.state.logIntervalTicks = minutes * 60;
}

void setRealTimeMode(Monitor& monitor) {
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    monitor.state.realTimeMode = layer.isChecked(window, mainwin::realTimeModeCheck) ? 1 : 0;
    const bool on = monitor.state.realTimeMode == 1;
    if (on) {
        layer.startTimer(window, mainwin::realTimeTimer, mainwin::realTimeTimerPeriodMs);
    } else {
        layer.stopTimer(window, mainwin::realTimeTimer);
    }
    layer.setEnabled(window, mainwin::buyButton, on);
    layer.setEnabled(window, mainwin::sellButton, on);
}

void changeReferenceDay(Monitor& monitor) {
    const int position =
        monitor.layer.selectedPosition(monitor.mainWindow, mainwin::referenceDayCombo);
    // A notification without a selected entry names no history row.
    if (position < 0 || position >= historyRows) return;
    monitor.controller.referenceDayIndex = position;

    RankingState& ranking = monitor.ranking;
    ranking.topAnchorPair.clear();
    ranking.bottomAnchorPair.clear();
    ranking.topAnchorPips = 0;
    ranking.bottomAnchorPips = 0;
    if (monitor.variant.resetsBiasOnNewReferenceDay)
        monitor.state.previousReferenceBias = noReferenceBias;

    rankPairs(monitor);

    monitor.layer.setEnabled(monitor.mainWindow, mainwin::realTimeModeCheck, true);
    logEvent(monitor, "New Reference date: " +
                          monitor.prices.priceHistory[referenceDatePair][position].date);
}

}  // namespace fx
