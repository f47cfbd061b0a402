#include "ranking/slot_display.h"

#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "text/numbers.h"

namespace fx {

void showSlots(Monitor& monitor, const WorkingList& ranked) {
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    for (int s = 0; s < pairCount; ++s) {
        const int pairBox = mainwin::slotPairBox(s);
        layer.setControlText(window, pairBox, ranked[s].symbol);
        layer.setControlColours(window, pairBox, black, ranked[s].colour);
        // The value boxes keep their default colours.
        layer.setControlText(window, mainwin::slotPriceBox(s), NumberText(ranked[s].move).view());
    }
}

}  // namespace fx
