// readHistoryFile over a file of any bytes: at most 499 rows, one per line in order,
// each the date of characters 1 to 10 and parseNumber of characters 12 on; the rows
// after the stored ones and row 499 are left alone; the complete-row count stops at
// the first zero price.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "prices/price_files.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace {

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const fx::HistoryRow untouched{"untouched", -1.0f};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fxfuzz::ScratchFile scratch("history.csv");
    const std::string_view bytes = fxfuzz::bytesOf(data, size);
    scratch.write(bytes);
    const std::vector<std::string> lines = fxfuzz::linesOf(bytes, fx::maxLineLength);

    static std::array<fx::HistoryTable, fx::pairCount> tables;
    fx::HistoryTable& table = tables[0];
    table.fill(untouched);
    const auto rows = fx::readHistoryFile(scratch.path(), table);
    fxfuzz::check(rows.has_value(), "the history file does not open");

    const int expectedRows = static_cast<int>(std::min<std::size_t>(lines.size(), 499));
    fxfuzz::check(*rows == expectedRows, "not one row per line up to 499");
    for (int r = 0; r < fx::historyRows; ++r) {
        const fx::HistoryRow& row = table[r];
        if (r >= expectedRows) {
            fxfuzz::check(row.date == untouched.date && sameFloat(row.price, untouched.price),
                          "a row past the file's lines was changed");
            continue;
        }
        const std::string& line = lines[r];
        fxfuzz::check(row.date == line.substr(0, 10), "the date is not characters 1 to 10");
        const std::string priceText = line.size() > 11 ? line.substr(11) : std::string();
        fxfuzz::check(sameFloat(row.price, static_cast<float>(fx::parseNumber(priceText))),
                      "the price is not parseNumber of characters 12 on");
    }

    // Every pair the same file: the count is the rows before the first zero price.
    for (int k = 1; k < fx::pairCount; ++k) tables[k] = table;
    int leading = 0;
    while (leading < expectedRows && table[leading].price != 0.0f) ++leading;
    // Past the stored rows the untouched marker is non-zero; it is not history.
    const int complete = fx::completeHistoryRows(tables);
    fxfuzz::check(complete <= 499, "more than 499 complete rows");
    if (leading < expectedRows) fxfuzz::check(complete == leading, "the count passes a zero price");
    return 0;
}
