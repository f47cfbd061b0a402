#pragma once
// The main window, described once as data: its frame, controls, drawings, event-log
// columns and menu bar. Both window layers realise these tables.

#include <array>
#include <span>

#include "shell/window_builder.h"

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

// The "Log Timers" items 20 to 25 and their minutes.
inline constexpr std::array<int, 6> logTimerMinutes = {60, 30, 15, 10, 5, 1};

inline constexpr int realTimeTimer = 1;
inline constexpr int realTimeTimerPeriodMs = 1000;

// Where the simulator draws its basket label.
inline constexpr Point basketLabelPoint = {210, 199};

}  // namespace mainwin

extern const WindowSpec mainWindowSpec;
std::span<const ControlSpec> mainWindowControls();
std::span<const DrawingSpec> mainWindowDrawings();
std::span<const ColumnSpec> eventLogColumns();
std::span<const MenuSpec> mainWindowMenus();

// Opens the main window with its handler onMainWindowEvent and builds it.
void buildMainWindow(Monitor& monitor);

}  // namespace fx
