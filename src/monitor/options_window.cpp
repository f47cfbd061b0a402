#include "monitor/options_window.h"

#include <string>

#include "monitor/monitor.h"

namespace fx {

const WindowSpec optionsWindowSpec = {
    {0, 0}, {515, 350}, WindowFrame::FixedNoMinimise, false, false};

namespace {

using namespace optwin;

constexpr ControlSpec checkBox(int id, const char* text, Rect place) {
    return {id,
            ControlKind::CheckBox,
            text,
            place,
            StyleNone,
            FontChoice::ControlFont,
            ColourChoice::WindowColours,
            true};
}

constexpr ControlSpec soundBox(int id, int y) {
    return {id,
            ControlKind::EditBox,
            "",
            {60, y, 390, 20},
            StyleNoHScroll,
            FontChoice::ControlFont,
            ColourChoice::WindowColours,
            true};
}

constexpr ControlSpec dropDown(int id, const char* text, int x, int width) {
    return {id,
            ControlKind::DropDownList,
            text,
            {x, 165, width, 80},
            StyleVScroll,
            FontChoice::ControlFont,
            ColourChoice::WindowColours,
            true};
}

constexpr ControlSpec controls[] = {
    checkBox(anchorAlertCheck, "Alert - Anchor pairs displaced by opposing pair.",
             {10, 15, 450, 22}),
    soundBox(anchorSoundBox, 35),
    checkBox(biasAlertCheck, "Alert - Reference Bias Shift (Buy/Sell Power Shift).",
             {10, 65, 450, 22}),
    soundBox(biasSoundBox, 87),
    checkBox(groupAlertCheck, "Alert - Grouped Buy/Sell Pairs.", {10, 115, 450, 20}),
    soundBox(groupSoundBox, 135),
    checkBox(slotAlertCheck, "Alert when:", {10, 165, 90, 20}),
    dropDown(slotAlertPairCombo, "ComboBox1", 95, 70),
    dropDown(slotAlertSlotCombo, "ComboBox2", 255, 57),
    soundBox(slotSoundBox, 190),
    {exitButton,
     ControlKind::PushButton,
     "Exit",
     {407, 260, 70, 20},
     StyleDefaultButton,
     FontChoice::ControlFont,
     ColourChoice::WindowColours,
     true},
};

// Drawn between the two lists, so that the row reads as one sentence.
constexpr DrawingSpec drawings[] = {
    {DrawingKind::Text, {172, 167}, {}, {}, "moves to slot:", slotAlertPairCombo},
};

}  // namespace

std::span<const ControlSpec> optionsWindowControls() { return controls; }
std::span<const DrawingSpec> optionsWindowDrawings() { return drawings; }

void buildOptionsWindow(Monitor& monitor, EventHandler handler) {
    WindowLayer& layer = monitor.layer;
    const ProgramState& state = monitor.state;
    const WindowId window =
        layer.openWindow(optionsWindowSpec, optionsWindowTitle, std::move(handler));
    monitor.optionsWindow = window;
    layer.setBackground(window, state.windowColour);
    layer.setDrawingState(window, drawingStateFor(state.windowColour));
    buildControls(layer, window, {optionsWindowControls(), optionsWindowDrawings()},
                  state.windowColour);
    layer.centreInWorkArea(window);
    // Position p of the pair list is pair index p; position t of the slot list is slot t + 1.
    for (const std::string& symbol : state.PairTable)
        layer.addListEntry(window, slotAlertPairCombo, symbol);
    for (int slot = 1; slot <= pairCount; ++slot)
        layer.addListEntry(window, slotAlertSlotCombo, std::to_string(slot));
}

}  // namespace fx
