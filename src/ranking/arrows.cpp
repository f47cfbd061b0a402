#include "ranking/arrows.h"

#include <span>

#include "monitor/main_window.h"
#include "monitor/monitor.h"

namespace fx {

namespace {

void drawArrow(Monitor& monitor, int slotIndex, ArrowMark mark) {
    const ProgramState& state = monitor.state;
    if (state.arrowSuppression == arrowsSuppressed) return;
    const bool up = mark == ArrowMark::Up;
    const std::span<const mainwin::ArrowLine> lines =
        up ? std::span(mainwin::upArrowLines) : std::span(mainwin::downArrowLines);
    const Colour colour = up ? state.upArrowColour : state.downArrowColour;
    const int y = state.slotTop + state.slotStep * slotIndex;
    const Rect cell = mainwin::arrowCell;
    monitor.layer.fillRectangle(monitor.mainWindow, {cell.x, y + cell.y, cell.width, cell.height},
                                state.windowColour);
    for (const mainwin::ArrowLine& line : lines)
        monitor.layer.drawLine(monitor.mainWindow, {line.from.x, y + line.from.y},
                               {line.to.x, y + line.to.y}, colour);
    monitor.shown.arrow[slotIndex] = mark;
}

}  // namespace

void drawUpArrow(Monitor& monitor, int slotIndex) { drawArrow(monitor, slotIndex, ArrowMark::Up); }

void drawDownArrow(Monitor& monitor, int slotIndex) {
    drawArrow(monitor, slotIndex, ArrowMark::Down);
}

void drawMovementArrows(Monitor& monitor) {
    RankingState& ranking = monitor.ranking;
    for (int s = 0; s < pairCount; ++s) {
        int& previous = ranking.previousSlot[ranking.slotPair[s]];
        const ArrowMark mark = previous > s   ? ArrowMark::Up
                               : previous < s ? ArrowMark::Down
                                              : ArrowMark::None;
        // A cell that holds this arrow already looks as the new drawing would.
        if (mark != ArrowMark::None && monitor.shown.arrow[s] != mark) drawArrow(monitor, s, mark);
        previous = s;
    }
}

}  // namespace fx
