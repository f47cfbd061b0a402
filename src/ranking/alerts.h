#pragma once
// The four alert rules, switched on and set up in the options window.

#include <optional>
#include <string_view>

#include "monitor/options_window.h"

namespace fx {

struct Monitor;

// Evaluates the rule of that AlertKind when its check box is checked; any other value
// does nothing.
void checkAlerts(Monitor& monitor, int alertKind);
// Plays the file named in an options-window sound box; an empty box plays nothing.
void playAlertSound(Monitor& monitor, int soundBoxId);
// The rule that logged an event-log description, or nothing for a row no rule writes.
std::optional<AlertKind> alertRuleOfLogText(std::string_view description);
// True when the symbol is exactly one of the buy group's seven symbols.
bool isBuyGroupPair(const Monitor& monitor, std::string_view symbol);

}  // namespace fx
