#include "replay/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string_view>;

// The last value of an option wins, but alerts add up in order; a slot alert's pair belongs
// to the final variant (USDCHF is in v17's table, not in v17b's).
TEST(CommandLineTest, TheLastValueWinsAndAlertsAddUp) {
    EXPECT_EQ(fx::parseCommandLine(Arguments{"ticks.csv"}).options->variant->name, "17b");
    const auto line = fx::parseCommandLine(
        Arguments{"--alert", "slot=USDCHF:14", "--alert=bias", "--alert", "anchor", "--variant",
                  "17c", "t.csv", "--variant=17", "--data=in/", "--slots", "a.csv", "--slots=s.csv",
                  "--reference-day", "3", "--reference-day=03-07-2009", "--alert=grouped"});
    ASSERT_TRUE(line.options) << line.error;
    EXPECT_EQ(line.options->variant->name, "17");
    EXPECT_EQ(line.options->dataFolder, "in/");
    EXPECT_EQ(line.options->slotsFile, "s.csv");
    EXPECT_EQ(line.options->referenceDay, (fx::ReferenceChoice{std::nullopt, "03-07-2009"}));
    EXPECT_EQ(line.options->ticksFile, "t.csv");
    EXPECT_EQ(line.options->alerts,
              (std::vector<fx::AlertSetting>{{fx::pairInSlot, true, 3, 14},
                                             {fx::referenceBiasFlip, true, -1, 0},
                                             {fx::anchorDisplaced, true, -1, 0},
                                             {fx::pairsGrouped, true, -1, 0}}));
}

TEST(CommandLineTest, UsageErrorsSayWhatIsWrong) {
    const std::pair<Arguments, std::string> cases[] = {
        {{"--slots", "s.csv"}, "no ticks file"},
        {{"a.csv", "b.csv"}, "\"b.csv\" is a second one"},
        {{"--variant", "18", "t.csv"}, "--variant must be 17, 17b or 17c"},
        {{"--alert", "flip", "t.csv"}, "--alert must be anchor, bias, grouped or slot"},
        {{"--alert", "slot=USDCHF:3", "t.csv"}, "not a pair of variant 17b"},
        {{"--slots=", "t.csv"}, "--slots needs a file name"},
    };
    for (const auto& [arguments, what] : cases) {
        const auto line = fx::parseCommandLine(arguments);
        EXPECT_FALSE(line.options) << what;
        EXPECT_NE(line.error.find(what), std::string::npos) << line.error;
    }
    EXPECT_TRUE(fx::parseCommandLine(Arguments{"--help"}).options->help);
}

}  // namespace
