#include "monitor/variants.h"

#include <gtest/gtest.h>

#include "monitor/state.h"
#include "support/headless_monitor.h"

namespace {

TEST(VariantTest, PairGroupsAreTakenFromThePairTableByIndex) {
    const std::pair<fx::VariantId, fxtest::Lines> cases[] = {
        {fx::VariantId::V17,
         {"CADJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "USDCAD", "GBPUSD", "EURGBP",
          "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "USDCHF"}},
        {fx::VariantId::V17b,
         {"CADJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "NZDUSD", "GBPUSD", "EURGBP",
          "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "NZDJPY"}},
        {fx::VariantId::V17c,
         {"NZDJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "NZDUSD", "GBPUSD", "EURGBP",
          "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "USDCHF"}},
    };
    for (const auto& [id, groups] : cases) {
        const fx::ProgramState state = fx::initialProgramState(fx::variant(id), "C:\\fx\\m.exe");
        EXPECT_EQ(fxtest::Lines(state.PairGroups.begin(), state.PairGroups.end()), groups);
        EXPECT_EQ(state.groupedAlertLatch.has_value(), id != fx::VariantId::V17);
    }
    EXPECT_EQ(fx::variantByName("17c"), &fx::variant(fx::VariantId::V17c));
    EXPECT_EQ(fx::variantByName("17B"), nullptr);
}

TEST(ProgramDirectoryTest, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(fx::programDirectoryOf("C:\\Trading\\fx\\fxmonitor-17b.exe"), "C:\\Trading\\fx\\");
    EXPECT_EQ(fx::programDirectoryOf("fxmonitor.exe"), "fxmonitor.exe");
    EXPECT_EQ(fx::programDirectoryOf("/opt/fx/fxmonitor"), "/opt/fx/");
}

}  // namespace
