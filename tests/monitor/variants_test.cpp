#include "monitor/variants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/state.h"

namespace {

struct VariantCase {
    fx::VariantId id;
    const char* title;
    std::vector<std::string> pairGroups;
    bool latch;
    bool resetsBias;
};

const VariantCase variantCases[] = {
    {fx::VariantId::V17,
     "Vantrel IA Monitor/Simulator (Original) v17 by Dorsan",
     {"CADJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "USDCAD", "GBPUSD", "EURGBP",
      "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "USDCHF"},
     false,
     false},
    {fx::VariantId::V17b,
     "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan",
     {"CADJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "NZDUSD", "GBPUSD", "EURGBP",
      "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "NZDJPY"},
     true,
     true},
    {fx::VariantId::V17c,
     "Vantrel IA Monitor/Simulator (Original) v17c by Dorsan",
     {"NZDJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "NZDUSD", "GBPUSD", "EURGBP",
      "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "USDCHF"},
     true,
     true},
};

class VariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantTest, PairGroupsFollowThePairTableByIndex) {
    const VariantCase& c = GetParam();
    const fx::ProgramState state = fx::initialProgramState(fx::variant(c.id), "C:\\fx\\m.exe");
    for (int g = 0; g < fx::pairCount; ++g) EXPECT_EQ(state.PairGroups[g], c.pairGroups[g]) << g;
    // EURUSD is entry 7 in every build: the reference-day list shows its dates.
    EXPECT_EQ(state.PairTable[7], "EURUSD");
}

TEST_P(VariantTest, TitleAndBehaviourSwitches) {
    const VariantCase& c = GetParam();
    const fx::Variant& v = fx::variant(c.id);
    EXPECT_EQ(v.title, c.title);
    EXPECT_EQ(v.hasGroupedAlertLatch, c.latch);
    EXPECT_EQ(v.resetsBiasOnNewReferenceDay, c.resetsBias);
    EXPECT_EQ(fx::variantByName(v.name), &v);
}

TEST_P(VariantTest, FirstValuesOfTheProgramState) {
    const VariantCase& c = GetParam();
    const fx::ProgramState s = fx::initialProgramState(fx::variant(c.id), "C:\\fx\\m.exe");
    EXPECT_EQ(s.previousReferenceBias, 9999);
    EXPECT_EQ(s.groupedAlertLatch.has_value(), c.latch);
    if (c.latch) {
        EXPECT_EQ(*s.groupedAlertLatch, 0);
    }
    EXPECT_EQ(s.logIntervalTicks, 900);
    EXPECT_EQ(s.keepRunning, 1);
    EXPECT_EQ(s.realTimeMode, 0);
    EXPECT_EQ(s.windowColour, fx::rgb(204, 204, 153));
    EXPECT_EQ(s.buyGroupColour, fx::rgb(84, 255, 159));
    EXPECT_EQ(s.sellGroupColour, fx::rgb(255, 105, 180));
    EXPECT_EQ(s.upArrowColour, fx::rgb(34, 139, 34));
    EXPECT_EQ(s.downArrowColour, fx::rgb(238, 0, 0));
    EXPECT_EQ(s.arrowSuppression, 99);
}

INSTANTIATE_TEST_SUITE_P(AllVariants, VariantTest, ::testing::ValuesIn(variantCases));

TEST(VariantLookup, UnknownNamesFindNothing) {
    EXPECT_EQ(fx::variantByName("18"), nullptr);
    EXPECT_EQ(fx::variantByName("17B"), nullptr);
    EXPECT_EQ(fx::variantByName(""), nullptr);
}

TEST(ProgramDirectory, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(fx::programDirectoryOf("C:\\Trading\\fx\\fxmonitor-17b.exe"), "C:\\Trading\\fx\\");
    EXPECT_EQ(fx::programDirectoryOf("fxmonitor.exe"), "fxmonitor.exe");
    EXPECT_EQ(fx::programDirectoryOf("C:\\"), "C:\\");
    EXPECT_EQ(fx::programDirectoryOf("/opt/fx/fxmonitor"), "/opt/fx/");
}

TEST(ColourPacking, RedIsTheLowByte) {
    EXPECT_EQ(fx::rgb(204, 204, 153), 0x99CCCCu);
    EXPECT_EQ(fx::redOf(fx::rgb(1, 2, 3)), 1);
    EXPECT_EQ(fx::greenOf(fx::rgb(1, 2, 3)), 2);
    EXPECT_EQ(fx::blueOf(fx::rgb(1, 2, 3)), 3);
}

}  // namespace
