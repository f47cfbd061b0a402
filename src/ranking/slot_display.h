#pragma once
// Writes the ranking into the main window's slot boxes: only the texts and colours that
// differ from what the boxes show.

#include "ranking/slot_ranking.h"

namespace fx {

struct Monitor;

// Slot s + 1 shows entry s: the symbol on the pair's group colour, and its move.
void showSlots(Monitor& monitor, const WorkingList& ranked);

}  // namespace fx
