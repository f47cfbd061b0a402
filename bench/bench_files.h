#pragma once
// The data files the monitor benchmarks read, made the same way on Linux and Windows:
// the fourteen history files of 499 lines and the fourteen real-time files of
// variant 17b.

#include <string>
#include <string_view>

#include "monitor/variants.h"

namespace fxbench {

inline constexpr int historyLines = 499;

inline const fx::Variant& benchVariant() { return fx::variant(fx::VariantId::V17b); }

// A price as a trading terminal writes it: three decimals for JPY pairs, five otherwise.
std::string priceText(std::string_view symbol, double price);

// Writes the files into `folder`, which ends with a path separator.
void writeMonitorFiles(const std::string& folder);

}  // namespace fxbench
