#include "record/ticks_line.h"

#include <numeric>

namespace fx::record {

std::string ticksHeader(const Variant& variant) {
    std::string header = "time";
    for (const std::string_view symbol : variant.pairTable) (header += ',') += symbol;
    return header + "\r\n";
}

std::string ticksFieldOf(const std::optional<std::string>& firstLine) {
    if (!firstLine) return "";
    const std::string field = firstLine->substr(0, firstLine->find(','));
    return field.empty() ? " " : field;
}

std::string priceLineText(const LocalTime& time, const std::array<std::string, pairCount>& fields,
                          const std::array<int, pairCount>& columns) {
    std::string line = dateText(time) + ' ' + timeText(time);
    for (const int pair : columns) (line += ',') += fields[pair];
    return line + "\r\n";
}

std::array<int, pairCount> pairTableColumns() {
    std::array<int, pairCount> columns{};
    std::iota(columns.begin(), columns.end(), 0);
    return columns;
}

}  // namespace fx::record
