#pragma once
// The pair symbol of an export, from its file name. Brokers decorate their symbols
// ("EURUSDm", "EURUSD.i", "FX_EURUSD") and terminals add the period ("_Daily"), so
// the name is searched for the monitor's own symbols rather than cut at fixed places.

#include <string>
#include <string_view>
#include <vector>

namespace fx::datatools {

// Every symbol of the three pair tables that the file name holds, in either case,
// each once, in the order found. One is an answer; none or several are not.
std::vector<std::string> symbolsInFileName(std::string_view fileName);

// One of the symbols in the pair table of any variant.
bool isMonitorSymbol(std::string_view symbol);

// Six letters, given in either case, as the monitor's symbols are written.
bool isSymbolText(std::string_view text);
std::string upperCase(std::string_view text);
// Three letters, a currency's code ("USD", "eur").
bool isCurrencyCode(std::string_view text);

}  // namespace fx::datatools
