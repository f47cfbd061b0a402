#include "datatools/symbol_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SymbolsInFileNameTest, BrokerDecorationsAreStripped) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"EURUSDm.csv", {"EURUSD"}},
        {"EURUSD.i_Daily.csv", {"EURUSD"}},
        {"FX_EURUSD.csv", {"EURUSD"}},
        {"eurusd_d1.txt", {"EURUSD"}},
        {"GBPJPY1440.csv", {"GBPJPY"}},
        {"USDCAD.csv", {"USDCAD"}},  // only in v17's pair table
        {"prices.csv", {}},
        {"EURSEK.csv", {}},  // a pair the monitor does not follow
        {"EURUSD_vs_GBPUSD.csv", {"EURUSD", "GBPUSD"}},
    };
    for (const auto& [name, symbols] : cases)
        EXPECT_EQ(fx::datatools::symbolsInFileName(name), symbols) << name;
}

}  // namespace
