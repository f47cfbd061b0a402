#pragma once
// The currencies behind the sixteen pair symbols the variants use. A pair's price is
// the value of its first currency in units of its second, so every price follows from
// one value per currency (in US dollars) and the crosses always agree with their legs.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fx::market {

enum class Currency { USD, EUR, GBP, AUD, NZD, JPY, CHF, CAD };
inline constexpr int currencyCount = 8;

// Every symbol any variant uses.
inline constexpr std::array<std::string_view, 16> knownSymbols = {
    "GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY",
    "EURUSD", "USDJPY", "AUDUSD", "USDCAD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};

// One unit of each currency in US dollars, indexed by Currency.
using CurrencyValues = std::array<double, currencyCount>;

struct CurrencyPair {
    Currency base;
    Currency quote;
};

std::string_view currencyCode(Currency currency);
// "EURJPY" -> {EUR, JPY}; nothing for a symbol that is not two known, different codes.
std::optional<CurrencyPair> splitSymbol(std::string_view symbol);

// The price of the pair from the currencies' values; the symbol must be a valid pair.
double pairPrice(const CurrencyValues& values, std::string_view symbol);

// Yen pairs are quoted to 3 decimals, all others to 5.
int priceDecimals(std::string_view symbol);
// The price at the pair's decimals ("1.08423", "162.874"), rounded half away from zero.
std::string priceText(std::string_view symbol, double price);

// The currencies' values implied by the given prices: US dollar pairs are taken before
// crosses, so a cross only fills in a currency that has no dollar pair of its own.
// Currencies no price reaches stay empty.
std::array<std::optional<double>, currencyCount> valuesFromPrices(
    const std::vector<std::pair<std::string, double>>& prices);

// Plausible levels, the generator's starting point and the feed's fallback for a
// currency no history file reaches.
const CurrencyValues& typicalValues();

}  // namespace fx::market
