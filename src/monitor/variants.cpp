#include "monitor/variants.h"

#include "monitor/pairs.h"

namespace fx {
namespace {

using PairTable = std::array<std::string_view, pairCount>;

constexpr std::array<float, pairCount> pipFactorsOf(const PairTable& table) {
    std::array<float, pairCount> factors{};
    for (int k = 0; k < pairCount; ++k) factors[k] = pipFactor(table[k]);
    return factors;
}

constexpr PairTable table17 = {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "CADJPY",
                               "AUDJPY", "EURJPY", "EURUSD", "USDJPY", "AUDUSD",
                               "USDCAD", "GBPCHF", "CHFJPY", "EURCHF"};
constexpr PairTable table17b = {"GBPUSD", "EURGBP", "GBPJPY", "NZDJPY", "CADJPY",
                                "AUDJPY", "EURJPY", "EURUSD", "USDJPY", "AUDUSD",
                                "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};
constexpr PairTable table17c = {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "NZDJPY",
                                "AUDJPY", "EURJPY", "EURUSD", "USDJPY", "AUDUSD",
                                "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};

constexpr Variant v17{
    VariantId::V17,
    "17",
    "Vantrel IA Monitor/Simulator (Original) v17 by Dorsan",
    table17,
    pipFactorsOf(table17),
    false,
    false,
};

constexpr Variant v17b{
    VariantId::V17b,
    "17b",
    "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan",
    table17b,
    pipFactorsOf(table17b),
    true,
    true,
};

constexpr Variant v17c{
    VariantId::V17c,
    "17c",
    "Vantrel IA Monitor/Simulator (Original) v17c by Dorsan",
    table17c,
    pipFactorsOf(table17c),
    true,
    true,
};

}  // namespace

const Variant& variant(VariantId id) {
    switch (id) {
        case VariantId::V17:
            return v17;
        case VariantId::V17b:
            return v17b;
        case VariantId::V17c:
            break;
    }
    return v17c;
}

const Variant* variantByName(std::string_view name) {
    for (const Variant* v : {&v17, &v17b, &v17c})
        if (v->name == name) return v;
    return nullptr;
}

}  // namespace fx
