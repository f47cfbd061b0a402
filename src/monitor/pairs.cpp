#include "monitor/pairs.h"

namespace fx {

float pipFactor(std::string_view symbol) { return symbol.ends_with("JPY") ? 100.0f : 10000.0f; }

int pairIndexOf(const Variant& variant, std::string_view symbol) {
    for (int k = 0; k < pairCount; ++k)
        if (variant.pairTable[k] == symbol) return k;
    return -1;
}

}  // namespace fx
