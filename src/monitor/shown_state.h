#pragma once
// What the main window shows of the ranking and the status panel, as last written to
// it. The ranking and the panel compare their new results with this and write only what
// differs; nothing decides from it.

#include <array>
#include <cstdint>
#include <optional>

#include "monitor/main_window.h"
#include "monitor/variants.h"
#include "window/window_types.h"

namespace fx {

enum class ArrowMark : std::uint8_t { None, Up, Down };

struct ShownState {
    // Slot pair boxes: the pair (PairTable index) and its group colour; nothing while a
    // box still shows its first text and colours.
    std::array<std::optional<int>, pairCount> slotPair;
    std::array<std::optional<Colour>, pairCount> slotColour;
    // Slot value boxes: the move; nothing while a box still shows its first text.
    std::array<std::optional<int>, pairCount> slotMove;
    // The arrow each slot's cell holds.
    std::array<ArrowMark, pairCount> arrow{};
    // Each status text's value (the time as seconds of the day); nothing before its
    // first drawing.
    std::array<std::optional<int>, mainwin::statusPanel.size()> status;
};

}  // namespace fx
