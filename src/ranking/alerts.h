#pragma once
// The four alert rules, switched on and set up in the options window.

#include <string_view>

#include "monitor/options_window.h"

namespace fx {

struct Monitor;

// Evaluates the rule of that AlertKind when its check box is checked; any other value
// does nothing.
void checkAlerts(Monitor& monitor, int alertKind);
// Plays the file named in an options-window sound box; an empty box plays nothing.
void playAlertSound(Monitor& monitor, int soundBoxId);
// True when the symbol is exactly one of the buy group's seven symbols.
bool isBuyGroupPair(const Monitor& monitor, std::string_view symbol);

}  // namespace fx
