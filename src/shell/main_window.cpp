#include "shell/main_window.h"

#include "controller/main_window_events.h"
#include "shell/monitor.h"

namespace fx {

const WindowSpec mainWindowSpec = {{0, 0}, {630, 535}, WindowFrame::FixedWithMinimise, true, true};

namespace {

using namespace mainwin;

constexpr unsigned slotBoxStyle = StyleReadOnly | StyleCentred;
constexpr int slotTop = 140;
constexpr int slotStep = 24;

constexpr ControlSpec slotBox(int id, const char* text, int x, int slotIndex) {
    return {id, ControlKind::EditBox, text, {x, slotTop + slotStep * slotIndex, 70, 20},
            slotBoxStyle, FontChoice::ControlFont, ColourChoice::PlatformDefault, true};
}

constexpr ControlSpec button(int id, const char* text, int x, int y) {
    return {id, ControlKind::PushButton, text, {x, y, 70, 20}, StyleNone,
            FontChoice::ControlFont, ColourChoice::WindowColours, false};
}

constexpr ControlSpec controls[] = {
    {referenceDayLabel, ControlKind::Label, "Reference Day:", {15, 15, 98, 16}, StyleNone,
     FontChoice::PlatformDefault, ColourChoice::WindowColours, true},
    {referenceDayCombo, ControlKind::DropDownList, "ComboBox1", {15, 30, 108, 109}, StyleVScroll,
     FontChoice::ControlFont, ColourChoice::WindowColours, true},
    {realTimeModeCheck, ControlKind::CheckBox, "Real-Time Mode", {178, 30, 125, 20}, StyleNone,
     FontChoice::ControlFont, ColourChoice::WindowColours, false},
    slotBox(5, "Pair1", 25, 0),
    slotBox(6, "Pair2", 25, 1),
    slotBox(7, "Pair3", 25, 2),
    slotBox(8, "Pair4", 25, 3),
    slotBox(9, "Pair5", 25, 4),
    slotBox(10, "Pair6", 25, 5),
    slotBox(11, "Pair7", 25, 6),
    slotBox(12, "Pair8", 25, 7),
    slotBox(13, "Pair9", 25, 8),
    slotBox(14, "Pair10", 25, 9),
    slotBox(15, "Pair11", 25, 10),
    slotBox(16, "Pair12", 25, 11),
    slotBox(17, "Pair13", 25, 12),
    slotBox(18, "Pair14", 25, 13),
    slotBox(20, "Price1", 110, 0),
    slotBox(21, "Price2", 110, 1),
    slotBox(22, "Price3", 110, 2),
    slotBox(23, "Price4", 110, 3),
    slotBox(24, "Price5", 110, 4),
    slotBox(25, "Price6", 110, 5),
    slotBox(26, "Price7", 110, 6),
    slotBox(27, "Price8", 110, 7),
    slotBox(28, "Price9", 110, 8),
    slotBox(29, "Price10", 110, 9),
    slotBox(30, "Price11", 110, 10),
    slotBox(31, "Price12", 110, 11),
    slotBox(32, "Price13", 110, 12),
    slotBox(33, "Price14", 110, 13),
    button(buyButton, "Buy", 210, 140),
    button(sellButton, "Sell", 210, 163),
    button(closeButton, "Close", 288, 140),
    button(clearButton, "Clear", 364, 140),
    {pipsBox, ControlKind::EditBox, "0", {288, 194, 70, 20}, StyleCentred,
     FontChoice::ControlFont, ColourChoice::WindowColours, true},
    {eventLogList, ControlKind::ReportList, "", {200, 244, 410, 228}, StyleNone,
     FontChoice::ControlFont, ColourChoice::PlatformDefault, true},
};

constexpr DrawingSpec drawings[] = {
    // Separates slots 1 to 7 from slots 8 to 14, two pixels above slot 8.
    {DrawingKind::Line, {20, slotTop + 7 * slotStep - 2}, {185, slotTop + 7 * slotStep - 2}, {}, "",
     slotPriceBox(13)},
    {DrawingKind::RectangleOutline, {200, 119}, {}, {243, 108}, "", pipsBox},
    // Drawn over the frame's top edge.
    {DrawingKind::Text, {200, 112}, {}, {}, "RT Trade Simulator", pipsBox},
};

constexpr ColumnSpec columns[] = {{"Date", 75}, {"Time", 60}, {"Description", 265}};

constexpr MenuItemSpec fileItems[] = {
    {"Print Window", printWindowItem, true, false},
    {"Save Log", saveLogItem, false, false},
    {"Clear Log", clearLogItem, false, false},
    {"Quit", quitItem, false, false},
};
constexpr MenuItemSpec logTimerItems[] = {
    {"60 minutes", sixtyMinutesItem, false, false},
    {"30 minutes", thirtyMinutesItem, false, false},
    {"15 minutes", fifteenMinutesItem, false, true},
    {"10 minutes", tenMinutesItem, false, false},
    {"5 minutes", fiveMinutesItem, false, false},
    {"1 minute", oneMinuteItem, false, false},
};
constexpr MenuItemSpec pairsItems[] = {
    {"IBFX Pairs", ibfxPairsItem, true, false},
    {"Vantrel Original", vantrelOriginalItem, true, true},
};
constexpr MenuItemSpec optionsItems[] = {
    {"Sound/Alerts", soundAlertsItem, false, false},
    {"Pair Alerts", pairAlertsItem, true, false},
};
constexpr MenuSpec menus[] = {
    {"&File", fileItems},
    {"Log Timers", logTimerItems},
    {"Pairs", pairsItems},
    {"Options", optionsItems},
};

}  // namespace

std::span<const ControlSpec> mainWindowControls() { return controls; }
std::span<const DrawingSpec> mainWindowDrawings() { return drawings; }
std::span<const ColumnSpec> eventLogColumns() { return columns; }
std::span<const MenuSpec> mainWindowMenus() { return menus; }

void buildMainWindow(Monitor& monitor) {
    WindowLayer& layer = monitor.layer;
    const ProgramState& state = monitor.state;
    const WindowId window =
        layer.openWindow(mainWindowSpec, monitor.variant.title,
                         [&monitor](const WindowEvent& event) { onMainWindowEvent(monitor, event); });
    monitor.mainWindow = window;
    layer.setBackground(window, state.windowColour);
    layer.setDrawingState(window, drawingStateFor(state.windowColour));
    buildControls(layer, window, {controls, drawings}, state.windowColour);
    layer.setChecked(window, realTimeModeCheck, state.realTimeMode != 0);
    for (const ColumnSpec& column : columns)
        layer.insertColumn(window, eventLogList, column.heading, column.width);
    layer.attachMenuBar(window, menus);
}

}  // namespace fx
