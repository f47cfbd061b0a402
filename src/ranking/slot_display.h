#pragma once
// Writes the ranking into the main window's slot boxes.

#include "ranking/slot_ranking.h"

namespace fx {

struct Monitor;

// Slot s + 1 shows entry s: the symbol on the pair's group colour, and its move.
void showSlots(Monitor& monitor, const WorkingList& ranked);

}  // namespace fx
