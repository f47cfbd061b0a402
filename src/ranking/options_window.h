#pragma once
// The Sounds/Alert Options window: its layout as data and its event handler.
// Its controls are the only store of the alert settings.

#include <span>

#include "shell/window_builder.h"

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

extern const WindowSpec optionsWindowSpec;
inline constexpr const char* optionsWindowTitle = "Sounds/Alert Options";
std::span<const ControlSpec> optionsWindowControls();
std::span<const DrawingSpec> optionsWindowDrawings();

// Opens the window hidden, builds it, centres it in the work area and fills its
// pair list with PairTable and its slot list with "1" to "14".
void buildOptionsWindow(Monitor& monitor);

void onOptionsWindowEvent(Monitor& monitor, const WindowEvent& event);

// Asks for a .wav file; the chosen path, or "" on cancel, becomes the sound box's text.
void chooseSoundFile(Monitor& monitor, int soundBoxId);

}  // namespace fx
