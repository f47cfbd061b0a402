#include "ranking/arrows.h"

#include <span>

#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/pairs.h"
#include "text/same_text.h"

namespace fx {

namespace {

void drawArrow(Monitor& monitor, int slotIndex, std::span<const mainwin::ArrowLine> lines,
               Colour colour) {
    const ProgramState& state = monitor.state;
    if (state.arrowSuppression == arrowsSuppressed) return;
    const int y = state.slotTop + state.slotStep * slotIndex;
    const Rect cell = mainwin::arrowCell;
    monitor.layer.fillRectangle(monitor.mainWindow, {cell.x, y + cell.y, cell.width, cell.height},
                                state.windowColour);
    for (const mainwin::ArrowLine& line : lines)
        monitor.layer.drawLine(monitor.mainWindow, {line.from.x, y + line.from.y},
                               {line.to.x, y + line.to.y}, colour);
}

}  // namespace

void drawUpArrow(Monitor& monitor, int slotIndex) {
    drawArrow(monitor, slotIndex, mainwin::upArrowLines, monitor.state.upArrowColour);
}

void drawDownArrow(Monitor& monitor, int slotIndex) {
    drawArrow(monitor, slotIndex, mainwin::downArrowLines, monitor.state.downArrowColour);
}

void drawMovementArrows(Monitor& monitor, const WorkingList& ranked) {
    for (int s = 0; s < pairCount; ++s) {
        // PairTable holds the variant's symbols in the variant's order, so the entry's
        // own index is the usual answer; it is checked, not assumed.
        const SlotEntry& entry = ranked[s];
        const int pair = entry.pair >= 0 && entry.pair < pairCount &&
                                 sameText(monitor.variant.pairTable[entry.pair], entry.symbol)
                             ? entry.pair
                             : pairIndexOf(monitor.variant, entry.symbol);
        if (pair < 0) continue;
        int& previous = monitor.ranking.previousSlot[pair];
        if (previous > s)
            drawUpArrow(monitor, s);
        else if (previous < s)
            drawDownArrow(monitor, s);
        previous = s;
    }
}

}  // namespace fx
