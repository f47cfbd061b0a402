#pragma once
// The arrows that mark each pair that rose or fell in the ranking.

namespace fx {

struct Monitor;

// Both do nothing while arrowSuppression is 99.
void drawUpArrow(Monitor& monitor, int slotIndex);
void drawDownArrow(Monitor& monitor, int slotIndex);

// Compares each slot's pair with the slot it held after the previous run, draws its
// arrow where the cell does not show it already, and remembers the new slot. A pair that
// kept its slot leaves its cell alone.
void drawMovementArrows(Monitor& monitor);

}  // namespace fx
