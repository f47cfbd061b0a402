#include "monitor/main_window.h"

#include <string_view>

#include "monitor/monitor.h"

namespace fx {

const WindowSpec mainWindowSpec = {{0, 0}, {630, 535}, WindowFrame::FixedWithMinimise, true, true};

namespace {

using namespace mainwin;

// "Pair1" to "Pair14" and "Price1" to "Price14": the slot boxes' first texts.
struct SlotBoxText {
    std::array<char, 8> chars{};
};
constexpr std::array<SlotBoxText, pairCount> slotBoxTexts(std::string_view stem) {
    std::array<SlotBoxText, pairCount> texts{};
    for (int s = 0; s < pairCount; ++s) {
        std::size_t at = 0;
        for (const char c : stem) texts[s].chars[at++] = c;
        const int slot = s + 1;
        if (slot >= 10) texts[s].chars[at++] = static_cast<char>('0' + slot / 10);
        texts[s].chars[at++] = static_cast<char>('0' + slot % 10);
    }
    return texts;
}
constexpr auto pairBoxTexts = slotBoxTexts("Pair");
constexpr auto priceBoxTexts = slotBoxTexts("Price");

constexpr ControlSpec slotBox(int id, const char* text, int x, int slotIndex) {
    return {id,
            ControlKind::EditBox,
            text,
            {x, firstSlotTop + slotSpacing * slotIndex, 70, 20},
            StyleReadOnly | StyleCentred,
            FontChoice::ControlFont,
            ColourChoice::PlatformDefault,
            true};
}

constexpr ControlSpec button(int id, const char* text, int x, int y) {
    return {id,
            ControlKind::PushButton,
            text,
            {x, y, 70, 20},
            StyleNone,
            FontChoice::ControlFont,
            ColourChoice::WindowColours,
            false};
}

constexpr std::array<ControlSpec, 3 + 2 * pairCount + 6> controls = [] {
    std::array<ControlSpec, 3 + 2 * pairCount + 6> list{};
    std::size_t at = 0;
    list[at++] = {referenceDayLabel,
                  ControlKind::Label,
                  "Reference Day:",
                  {15, 15, 98, 16},
                  StyleNone,
                  FontChoice::PlatformDefault,
                  ColourChoice::WindowColours,
                  true};
    list[at++] = {referenceDayCombo,
                  ControlKind::DropDownList,
                  "ComboBox1",
                  {15, 30, 108, 109},
                  StyleVScroll,
                  FontChoice::ControlFont,
                  ColourChoice::WindowColours,
                  true};
    list[at++] = {realTimeModeCheck,
                  ControlKind::CheckBox,
                  "Real-Time Mode",
                  {178, 30, 125, 20},
                  StyleNone,
                  FontChoice::ControlFont,
                  ColourChoice::WindowColours,
                  false};
    for (int s = 0; s < pairCount; ++s)
        list[at++] = slotBox(slotPairBox(s), pairBoxTexts[s].chars.data(), 25, s);
    for (int s = 0; s < pairCount; ++s)
        list[at++] = slotBox(slotPriceBox(s), priceBoxTexts[s].chars.data(), 110, s);
    list[at++] = button(buyButton, "Buy", 210, 140);
    list[at++] = button(sellButton, "Sell", 210, 163);
    list[at++] = button(closeButton, "Close", 288, 140);
    list[at++] = button(clearButton, "Clear", 364, 140);
    list[at++] = {pipsBox,
                  ControlKind::EditBox,
                  "0",
                  {288, 194, 70, 20},
                  StyleCentred,
                  FontChoice::ControlFont,
                  ColourChoice::WindowColours,
                  true};
    list[at++] = {eventLogList,
                  ControlKind::ReportList,
                  "",
                  {200, 244, 410, 228},
                  StyleNone,
                  FontChoice::ControlFont,
                  ColourChoice::PlatformDefault,
                  true};
    return list;
}();

// Two pixels above slot 8's boxes: it separates slots 1 to 7 from slots 8 to 14.
constexpr int separatorY = firstSlotTop + 7 * slotSpacing - 2;

constexpr DrawingSpec drawings[] = {
    {DrawingKind::Line, {20, separatorY}, {185, separatorY}, {}, "", slotPriceBox(pairCount - 1)},
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
constexpr MenuItemSpec logTimerMenuItems[] = {
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
    {"Log Timers", logTimerMenuItems},
    {"Pairs", pairsItems},
    {"Options", optionsItems},
};

}  // namespace

std::span<const ControlSpec> mainWindowControls() { return controls; }
std::span<const DrawingSpec> mainWindowDrawings() { return drawings; }
std::span<const ColumnSpec> eventLogColumns() { return columns; }
std::span<const MenuSpec> mainWindowMenus() { return menus; }

void buildMainWindow(Monitor& monitor, EventHandler handler) {
    WindowLayer& layer = monitor.layer;
    const ProgramState& state = monitor.state;
    const WindowId window =
        layer.openWindow(mainWindowSpec, monitor.variant.title, std::move(handler));
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
