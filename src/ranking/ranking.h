#pragma once
// The pip moves, the five measures, the slot ranking with its colours, arrows and
// anchors.

namespace fx {

struct Monitor;

void rankPairs(Monitor& monitor);
// Both do nothing while arrowSuppression is 99.
void drawUpArrow(Monitor& monitor, int slotIndex);
void drawDownArrow(Monitor& monitor, int slotIndex);

}  // namespace fx
