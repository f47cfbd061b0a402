#include "datatools/market.h"

#include <cmath>

namespace fx::market {

namespace {

constexpr std::array<std::string_view, currencyCount> codes = {"USD", "EUR", "GBP", "AUD",
                                                               "NZD", "JPY", "CHF", "CAD"};

std::optional<Currency> currencyOf(std::string_view code) {
    for (int c = 0; c < currencyCount; ++c)
        if (codes[c] == code) return static_cast<Currency>(c);
    return std::nullopt;
}

int indexOf(Currency currency) { return static_cast<int>(currency); }

bool isDollarPair(const CurrencyPair& pair) {
    return pair.base == Currency::USD || pair.quote == Currency::USD;
}

}  // namespace

std::string_view currencyCode(Currency currency) { return codes[indexOf(currency)]; }

std::optional<CurrencyPair> splitSymbol(std::string_view symbol) {
    if (symbol.size() != 6) return std::nullopt;
    const auto base = currencyOf(symbol.substr(0, 3));
    const auto quote = currencyOf(symbol.substr(3));
    if (!base || !quote || *base == *quote) return std::nullopt;
    return CurrencyPair{*base, *quote};
}

double pairPrice(const CurrencyValues& values, std::string_view symbol) {
    const auto pair = splitSymbol(symbol);
    if (!pair) return 0.0;
    return values[indexOf(pair->base)] / values[indexOf(pair->quote)];
}

int priceDecimals(std::string_view symbol) { return symbol.ends_with("JPY") ? 3 : 5; }

std::string priceText(std::string_view symbol, double price) {
    const int decimals = priceDecimals(symbol);
    long long scale = 1;
    for (int d = 0; d < decimals; ++d) scale *= 10;
    // Whole units of the last decimal, so the text is the same on every platform's printf.
    const double scaled = price * static_cast<double>(scale);
    if (!std::isfinite(scaled) || std::fabs(scaled) > 1e15) return "0";
    long long units = std::llround(scaled);
    std::string sign;
    if (units < 0) {
        sign = "-";
        units = -units;
    }
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return sign + std::to_string(units / scale) + "." + fraction;
}

std::array<std::optional<double>, currencyCount> valuesFromPrices(
    const std::vector<std::pair<std::string, double>>& prices) {
    std::vector<std::pair<CurrencyPair, double>> usable;
    for (const bool dollarPairs : {true, false}) {
        for (const auto& [symbol, price] : prices) {
            const auto pair = splitSymbol(symbol);
            if (pair && isDollarPair(*pair) == dollarPairs && price > 0.0 && std::isfinite(price))
                usable.emplace_back(*pair, price);
        }
    }

    std::array<std::optional<double>, currencyCount> values;
    values[indexOf(Currency::USD)] = 1.0;
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [pair, price] : usable) {
            auto& base = values[indexOf(pair.base)];
            auto& quote = values[indexOf(pair.quote)];
            if (base && !quote) {
                quote = *base / price;
                changed = true;
            } else if (quote && !base) {
                base = price * *quote;
                changed = true;
            }
        }
    }
    return values;
}

const CurrencyValues& typicalValues() {
    static const CurrencyValues values = {
        1.0,           // USD
        1.0850,        // EUR
        1.2700,        // GBP
        0.6600,        // AUD
        0.6100,        // NZD
        1.0 / 150.20,  // JPY
        1.0 / 0.8800,  // CHF
        1.0 / 1.3600,  // CAD
    };
    return values;
}

}  // namespace fx::market
