#pragma once
// The pairs that anchor the top and the bottom of the ranking.

namespace fx {

struct Monitor;

// Steps 10 and 11 of a ranking run: the pair in slot 1, then the one in slot 14,
// becomes anchor when there is none, or when it differs from the anchor and its move
// lies more than 5 pips from the anchor's; a change is logged and the anchor alert runs.
void updateAnchors(Monitor& monitor);

}  // namespace fx
