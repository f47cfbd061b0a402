#pragma once
// A ticks file for fxfeed in which every price is known, and the prices a reader may
// take from the real-time files while the feed rewrites them in place: a price the
// feed wrote, or what parseNumber makes of a beginning of one (the reader may see a
// line half written). Shared by the native and the Windows tests of a writer that
// never stops.

#include <array>
#include <cstdio>
#include <set>
#include <string>

#include "monitor/variants.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"
#include "text/numbers.h"

namespace fxtest {

struct WrittenPrices {
    std::string ticksFile;
    std::array<std::set<float>, fx::pairCount> whole;     // the prices as written
    std::array<std::set<float>, fx::pairCount> readable;  // and their beginnings
};

// `lines` price lines; pair k's price moves around its typical price by up to 5 %,
// differently on every line.
inline WrittenPrices feedPrices(const fx::Variant& variant, int lines) {
    WrittenPrices written;
    std::string& file = written.ticksFile;
    file = "time";
    for (const std::string_view symbol : variant.pairTable) file += "," + std::string(symbol);
    file += "\r\n";
    fx::SettableClock clock(fx::LocalTime{2009, 3, 9, 9, 0, 0});
    for (int line = 0; line < lines; ++line) {
        file += fx::dateText(clock.now()) + " " + fx::timeText(clock.now());
        for (int k = 0; k < fx::pairCount; ++k) {
            const std::string_view symbol = variant.pairTable[k];
            const double step = ((line * 37 + k * 11) % 1001 - 500) / 10000.0;
            const double price = typicalPrice(symbol) * (1.0 + step);
            char text[32];
            std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", price);
            file += ",";
            file += text;
            const std::string_view digits(text);
            written.whole[k].insert(static_cast<float>(fx::parseNumber(digits)));
            for (std::size_t length = 0; length <= digits.size(); ++length) {
                const double value = fx::parseNumber(digits.substr(0, length));
                if (fx::isAcceptedRealtimePrice(value))
                    written.readable[k].insert(static_cast<float>(value));
            }
        }
        file += "\r\n";
        clock.advanceSeconds(1);
    }
    return written;
}

}  // namespace fxtest
