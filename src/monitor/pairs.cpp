#include "monitor/pairs.h"

namespace fx {

int pairIndexOf(const Variant& variant, std::string_view symbol) {
    for (int k = 0; k < pairCount; ++k)
        if (variant.pairTable[k] == symbol) return k;
    return -1;
}

}  // namespace fx
