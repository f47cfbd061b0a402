#include "datatools/market.h"

#include <gtest/gtest.h>

namespace fx::market {
namespace {

TEST(PriceTextTest, RoundsToThePairsDecimals) {
    const struct {
        std::string_view symbol;
        double price;
        std::string_view text;
    } cases[] = {
        {"EURUSD", 1.084234, "1.08423"},  {"EURUSD", 1.084236, "1.08424"},
        {"EURUSD", 0.5, "0.50000"},       {"EURUSD", 1.0000049, "1.00000"},
        {"EURUSD", 0.999999, "1.00000"},  {"USDJPY", 150.2, "150.200"},
        {"EURJPY", 162.87449, "162.874"}, {"CHFJPY", 99.9996, "100.000"},
        {"NZDUSD", 0.000004, "0.00000"},
    };
    for (const auto& c : cases) EXPECT_EQ(priceText(c.symbol, c.price), c.text) << c.price;
}

TEST(ValuesFromPricesTest, FillsCurrenciesWithoutADollarPairFromCrosses) {
    // The v17b table has no USDCHF and no USDCAD: the franc and the Canadian dollar
    // come through the yen.
    const auto values = valuesFromPrices({{"USDJPY", 150.0}, {"CHFJPY", 170.0}, {"CADJPY", 110.0}});
    ASSERT_TRUE(values[static_cast<int>(Currency::CHF)]);
    ASSERT_TRUE(values[static_cast<int>(Currency::CAD)]);
    EXPECT_DOUBLE_EQ(*values[static_cast<int>(Currency::CHF)], 170.0 / 150.0);
    EXPECT_DOUBLE_EQ(*values[static_cast<int>(Currency::CAD)], 110.0 / 150.0);
    EXPECT_FALSE(values[static_cast<int>(Currency::EUR)]);
}

TEST(ValuesFromPricesTest, DollarPairsWinOverCrosses) {
    // EURUSD stands after the cross in the list, and still decides the euro.
    const auto values =
        valuesFromPrices({{"GBPUSD", 1.25}, {"EURGBP", 0.9}, {"EURUSD", 1.10}, {"USDJPY", 0.0}});
    EXPECT_DOUBLE_EQ(*values[static_cast<int>(Currency::EUR)], 1.10);
    // A price of 0 is no price.
    EXPECT_FALSE(values[static_cast<int>(Currency::JPY)]);
}

}  // namespace
}  // namespace fx::market
