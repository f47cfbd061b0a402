#pragma once
// One ranking run: the pip moves, the five measures, the slots with their colours,
// arrows and anchors, and the alert rules at their four points.

namespace fx {

struct Monitor;

void rankPairs(Monitor& monitor);

}  // namespace fx
