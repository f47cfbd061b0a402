#include "ranking/slot_display.h"

#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "text/numbers.h"

namespace fx {

void showSlots(Monitor& monitor, const WorkingList& ranked) {
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    ShownState& shown = monitor.shown;
    for (int s = 0; s < pairCount; ++s) {
        const SlotEntry& entry = ranked[s];
        const int pairBox = mainwin::slotPairBox(s);
        if (shown.slotPair[s] != entry.pair) {
            layer.setControlText(window, pairBox, entry.symbol);
            shown.slotPair[s] = entry.pair;
        }
        if (shown.slotColour[s] != entry.colour) {
            layer.setControlColours(window, pairBox, black, entry.colour);
            shown.slotColour[s] = entry.colour;
        }
        // The value boxes keep their default colours.
        if (shown.slotMove[s] != entry.move) {
            layer.setControlText(window, mainwin::slotPriceBox(s), NumberText(entry.move).view());
            shown.slotMove[s] = entry.move;
        }
    }
}

}  // namespace fx
