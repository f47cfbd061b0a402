#include "monitor/variants.h"

namespace fx {
namespace {

constexpr Variant v17{
    VariantId::V17,
    "17",
    "Vantrel IA Monitor/Simulator (Original) v17 by Dorsan",
    {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "CADJPY", "AUDJPY", "EURJPY", "EURUSD", "USDJPY",
     "AUDUSD", "USDCAD", "GBPCHF", "CHFJPY", "EURCHF"},
    false,
    false,
};

constexpr Variant v17b{
    VariantId::V17b,
    "17b",
    "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan",
    {"GBPUSD", "EURGBP", "GBPJPY", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY", "EURUSD", "USDJPY",
     "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"},
    true,
    true,
};

constexpr Variant v17c{
    VariantId::V17c,
    "17c",
    "Vantrel IA Monitor/Simulator (Original) v17c by Dorsan",
    {"GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "NZDJPY", "AUDJPY", "EURJPY", "EURUSD", "USDJPY",
     "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"},
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
