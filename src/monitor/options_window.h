#pragma once
// The Sounds/Alert Options window, described once as data: its frame, controls and
// drawing. Its controls are the only store of the alert settings.

#include <span>

#include "window/window_builder.h"

namespace fx {

struct Monitor;

namespace optwin {

inline constexpr int exitButton = 1;
inline constexpr int anchorAlertCheck = 2;
inline constexpr int anchorSoundBox = 3;
inline constexpr int biasAlertCheck = 4;
inline constexpr int biasSoundBox = 5;
inline constexpr int groupAlertCheck = 6;
inline constexpr int groupSoundBox = 7;
inline constexpr int slotAlertCheck = 8;
inline constexpr int slotSoundBox = 9;
inline constexpr int slotAlertPairCombo = 10;
inline constexpr int slotAlertSlotCombo = 11;

// Each alert's sound box has its check box's id plus one.
constexpr int soundBoxOf(int checkBoxId) { return checkBoxId + 1; }

}  // namespace optwin

// The four alert rules, as the values checkAlerts takes.
enum AlertKind : int {
    anchorDisplaced = 1,
    referenceBiasFlip = 2,
    pairsGrouped = 3,
    pairInSlot = 4,
};

// The check box that switches a rule on.
constexpr int alertCheckBoxOf(AlertKind kind) {
    switch (kind) {
        case anchorDisplaced:
            return optwin::anchorAlertCheck;
        case referenceBiasFlip:
            return optwin::biasAlertCheck;
        case pairsGrouped:
            return optwin::groupAlertCheck;
        case pairInSlot:
            break;
    }
    return optwin::slotAlertCheck;
}

extern const WindowSpec optionsWindowSpec;
inline constexpr const char* optionsWindowTitle = "Sounds/Alert Options";
std::span<const ControlSpec> optionsWindowControls();
std::span<const DrawingSpec> optionsWindowDrawings();

// Opens the window hidden with its event handler, builds it, centres it in the work
// area and fills its pair list with PairTable and its slot list with "1" to "14".
void buildOptionsWindow(Monitor& monitor, EventHandler handler);

}  // namespace fx
