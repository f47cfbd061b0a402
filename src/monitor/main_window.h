#pragma once
// The main window, described once as data: its frame, controls, drawings, event-log
// columns, menu bar, and the places where the program draws on it later (the status
// panel, the basket label, the slot arrows). Both window layers realise these tables.

#include <array>
#include <span>

#include "window/window_builder.h"

namespace fx {

struct Monitor;

namespace mainwin {

// Controls.
inline constexpr int realTimeModeCheck = 1;
inline constexpr int referenceDayLabel = 2;
inline constexpr int referenceDayCombo = 3;
inline constexpr int buyButton = 40;
inline constexpr int sellButton = 41;
inline constexpr int closeButton = 42;
inline constexpr int clearButton = 43;
inline constexpr int pipsBox = 44;
inline constexpr int eventLogList = 46;
// Slot s + 1 (slot index s, 0 to 13) shows its pair in 5 + s and its move in 20 + s.
constexpr int slotPairBox(int slotIndex) { return 5 + slotIndex; }
constexpr int slotPriceBox(int slotIndex) { return 20 + slotIndex; }

// The slot rows: slot 1's boxes at y 140, one slot every 24 pixels.
inline constexpr int firstSlotTop = 140;
inline constexpr int slotSpacing = 24;

// Menu commands; a separate number space from the controls.
inline constexpr int printWindowItem = 1;
inline constexpr int saveLogItem = 2;
inline constexpr int clearLogItem = 3;
inline constexpr int quitItem = 4;
inline constexpr int sixtyMinutesItem = 20;
inline constexpr int thirtyMinutesItem = 21;
inline constexpr int fifteenMinutesItem = 22;
inline constexpr int tenMinutesItem = 23;
inline constexpr int fiveMinutesItem = 24;
inline constexpr int oneMinuteItem = 25;
inline constexpr int ibfxPairsItem = 30;
inline constexpr int vantrelOriginalItem = 31;
inline constexpr int soundAlertsItem = 35;
inline constexpr int pairAlertsItem = 36;

// The "Log Timers" items and the minutes each one sets.
struct LogTimerItem {
    int menuId;
    int minutes;
};
inline constexpr std::array<LogTimerItem, 6> logTimerItems = {{
    {sixtyMinutesItem, 60},
    {thirtyMinutesItem, 30},
    {fifteenMinutesItem, 15},
    {tenMinutesItem, 10},
    {fiveMinutesItem, 5},
    {oneMinuteItem, 1},
}};
// The "Log Timers" item of a number of minutes, or 0 when there is none.
constexpr int logTimerItemFor(int minutes) {
    for (const LogTimerItem& item : logTimerItems)
        if (item.minutes == minutes) return item.menuId;
    return 0;
}

inline constexpr int realTimeTimer = 1;
inline constexpr int realTimeTimerPeriodMs = 1000;

// The status panel: six texts drawn straight onto the window by each real-time tick,
// the caption, then the value, then blanks that wipe the end of a longer text drawn
// there before.
enum class StatusValue { ReferenceBias, AnchorBias, BasketBias, Time, BuyPower, SellPower };
struct StatusText {
    Point topLeft;
    const char* caption;
    StatusValue value;
    const char* trailingBlanks;
};
inline constexpr std::array<StatusText, 6> statusPanel = {{
    {{25, 70}, "Ref. Bias: ", StatusValue::ReferenceBias, "    "},
    {{25, 85}, "Anchor Bias: ", StatusValue::AnchorBias, "      "},
    {{25, 100}, "Basket Bias: ", StatusValue::BasketBias, "      "},
    {{25, 120}, "Time: ", StatusValue::Time, ""},
    {{200, 70}, "Buy Power: ", StatusValue::BuyPower, "     "},
    {{200, 85}, "Sell Power: ", StatusValue::SellPower, "      "},
}};

// Where the simulator draws its basket label.
inline constexpr Point basketLabelPoint = {210, 199};

// A slot's arrow cell, left of its pair box, relative to the top y of the slot's boxes:
// wiped in the window colour, then six one-pixel lines (end points not drawn).
inline constexpr Rect arrowCell = {3, -1, 15, 22};
struct ArrowLine {
    Point from;
    Point to;
};
inline constexpr std::array<ArrowLine, 6> upArrowLines = {{
    {{10, 0}, {10, 20}},
    {{11, 0}, {11, 20}},
    {{10, 0}, {5, 12}},
    {{11, 0}, {5, 13}},
    {{10, 0}, {15, 12}},
    {{10, 0}, {15, 13}},
}};
inline constexpr std::array<ArrowLine, 6> downArrowLines = {{
    {{10, 0}, {10, 20}},
    {{11, 0}, {11, 20}},
    {{10, 20}, {5, 12}},
    {{11, 20}, {5, 13}},
    {{10, 20}, {15, 12}},
    {{10, 20}, {15, 13}},
}};

}  // namespace mainwin

extern const WindowSpec mainWindowSpec;
std::span<const ControlSpec> mainWindowControls();
std::span<const DrawingSpec> mainWindowDrawings();
std::span<const ColumnSpec> eventLogColumns();
std::span<const MenuSpec> mainWindowMenus();

// Opens the main window with its event handler and builds it from the tables.
void buildMainWindow(Monitor& monitor, EventHandler handler);

}  // namespace fx
