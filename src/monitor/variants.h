#pragma once
// The three build variants. Each executable carries exactly one of them; the core
// takes the variant as a value, so a test can build a monitor of any variant.

#include <array>
#include <string_view>

namespace fx {

inline constexpr int pairCount = 14;

enum class VariantId { V17, V17b, V17c };

struct Variant {
    VariantId id;
    std::string_view name;   // "17", "17b", "17c"
    std::string_view title;  // the main window's title
    std::array<std::string_view, pairCount> pairTable;
    // Pips per unit of each pair's price, by PairTable index: the pipFactor of its symbol.
    std::array<float, pairCount> pipFactors;
    // v17b and v17c fire the grouped-pairs alert once per grouping; v17 at every ranking.
    bool hasGroupedAlertLatch;
    // v17b and v17c forget the previous reference bias when a new reference day is chosen.
    bool resetsBiasOnNewReferenceDay;
};

const Variant& variant(VariantId id);
// "17", "17b" or "17c"; nullptr for anything else.
const Variant* variantByName(std::string_view name);
// What the tools say of a --variant value that names none.
inline constexpr std::string_view variantOptionMistake = "--variant takes 17, 17b or 17c";

// PairGroups is built from PairTable by these indexes: the buy group (positions 0 to 6)
// followed by the sell group (positions 7 to 13).
inline constexpr std::array<int, pairCount> pairGroupOrder = {4, 9, 8,  7,  13, 2, 10,
                                                              0, 1, 11, 12, 5,  6, 3};
inline constexpr int buyGroupSize = 7;

// By PairTable index: whether the pair belongs to the buy group (PairGroups positions 0
// to 6), the same in every build.
inline constexpr std::array<bool, pairCount> inBuyGroup = [] {
    std::array<bool, pairCount> buy{};
    for (int g = 0; g < buyGroupSize; ++g) buy[pairGroupOrder[g]] = true;
    return buy;
}();

}  // namespace fx
