#pragma once
// The program state shared by every part of the monitor, with its first values.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/main_window.h"
#include "monitor/variants.h"
#include "window/window_types.h"

namespace fx {

// 9999 in previousReferenceBias: no ranking since start or since the last new reference day.
inline constexpr int noReferenceBias = 9999;
// While arrowSuppression holds this value no slot arrow is drawn.
inline constexpr int arrowsSuppressed = 99;

struct ProgramState {
    int previousReferenceBias = noReferenceBias;
    std::optional<int> groupedAlertLatch;  // absent in v17
    std::string programDirectory;          // ends with the backslash, if the path had one
    int logIntervalTicks = 900;            // 60 x 15: "15 minutes"
    int keepRunning = 1;
    int realTimeMode = 0;
    Colour windowColour = rgb(204, 204, 153);
    Colour buyGroupColour = rgb(84, 255, 159);
    Colour sellGroupColour = rgb(255, 105, 180);
    int arrowSuppression = arrowsSuppressed;
    Colour upArrowColour = rgb(34, 139, 34);
    Colour downArrowColour = rgb(238, 0, 0);
    int slotTop = mainwin::firstSlotTop;
    int slotStep = mainwin::slotSpacing;
    std::array<std::string, pairCount> PairTable;
    std::array<std::string, pairCount> PairGroups;
};

// Everything up to and including the last backslash of the executable's path; the
// whole path when it has none.
std::string programDirectoryOf(std::string_view executablePath);

// Start-up steps 0 to 8: the numeric mode and every first value, for one variant.
ProgramState initialProgramState(const Variant& variant, std::string_view executablePath);

}  // namespace fx
