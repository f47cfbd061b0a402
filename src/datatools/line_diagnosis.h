#pragma once
// Why the monitor reads what it reads from a line: the check's explanations of
// history lines and real-time first lines, all in terms of parseNumber's rule.

#include <optional>
#include <string>
#include <string_view>

namespace fx::datatools {

// Why a history line gives the price 0, which ends the usable history at its row:
// "blank line", "a header" (line 1 only), "a \"+\" sign before the price", ...; led by
// what is wrong with its date, if anything ("date \"abc\" is not a date written ...; ").
std::string zeroPriceReason(std::string_view line, int lineNumber);

// The number parseNumber takes from the start of a text, as written, when something
// other than a field separator follows it: "12" for "12:49,1.3677", "1.5" for
// "1.5E2". Nothing when the number stands alone or ends at ",", ";", a tab or a blank.
std::optional<std::string> numberReadInPart(std::string_view text);

// Why the monitor's real-time read does not take a first line, or nothing when it
// takes it: "empty", "not a number", "outside (0, 500)".
std::optional<std::string> realtimeRejection(std::string_view firstLine);

}  // namespace fx::datatools
