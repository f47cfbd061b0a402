#include "replay/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

fx::CommandLine parse(const std::vector<std::string_view>& arguments) {
    return fx::parseCommandLine(arguments);
}

TEST(CommandLineTest, BothFormsAndTheLastValueWins) {
    EXPECT_EQ(parse({"ticks.csv"}).options->variant->name, "17b");
    const std::vector<std::vector<std::string_view>> forms = {
        {"--variant", "17", "--variant", "17c", "--data", "x", "--data", "in", "--slots", "a.csv",
         "--slots", "s.csv", "--reference-day", "3", "--reference-day", "03-07-2009", "t.csv"},
        {"--variant=17", "t.csv", "--variant=17c", "--data=x", "--data=in/", "--slots=a.csv",
         "--slots=s.csv", "--reference-day=3", "--reference-day=03-07-2009"},
    };
    for (const auto& arguments : forms) {
        const auto line = parse(arguments);
        ASSERT_TRUE(line.options) << line.error;
        EXPECT_EQ(line.options->variant->name, "17c");
        EXPECT_EQ(line.options->dataFolder, "in/");
        EXPECT_EQ(line.options->slotsFile, "s.csv");
        EXPECT_EQ(line.options->referenceDay, (fx::ReferenceChoice{std::nullopt, "03-07-2009"}));
        EXPECT_EQ(line.options->ticksFile, "t.csv");
    }
}

TEST(CommandLineTest, AlertsAddUpInOrderAndSlotPairsBelongToTheFinalVariant) {
    // USDCHF is in v17's table but not in v17b's; the later --variant decides.
    const auto line = parse({"--alert", "slot=USDCHF:14", "--alert=bias", "--alert", "anchor",
                             "--alert", "bias", "--variant", "17", "t.csv", "--alert=grouped"});
    ASSERT_TRUE(line.options) << line.error;
    const std::vector<fx::AlertSetting> expected = {{fx::pairInSlot, true, 3, 14},
                                                    {fx::referenceBiasFlip, true, -1, 0},
                                                    {fx::anchorDisplaced, true, -1, 0},
                                                    {fx::referenceBiasFlip, true, -1, 0},
                                                    {fx::pairsGrouped, true, -1, 0}};
    EXPECT_EQ(line.options->alerts, expected);
    EXPECT_FALSE(parse({"--alert", "slot=USDCHF:14", "t.csv"}).options);
}

TEST(CommandLineTest, UsageErrorsSayWhatIsWrong) {
    struct Case {
        std::vector<std::string_view> arguments;
        std::string what;
    };
    const std::vector<Case> cases = {
        {{"--slots", "s.csv"}, "no ticks file"},
        {{"a.csv", "b.csv"}, "\"b.csv\" is a second one"},
        {{"--variant", "18", "t.csv"}, "--variant must be 17, 17b or 17c"},
        {{"--reference-day=-1", "t.csv"}, "--reference-day needs"},
        {{"--alert", "slot=EURUSD", "t.csv"}, "--alert must be"},
        {{"--alert", "slot=EURUSD:15", "t.csv"}, "takes a whole number from 1 to 14"},
        {{"--alert", "slot=eurusd:3", "t.csv"}, "not a pair of variant 17b"},
        {{"--slots=", "t.csv"}, "--slots needs a file name"},
    };
    for (const Case& c : cases) {
        const auto line = parse(c.arguments);
        EXPECT_FALSE(line.options) << c.what;
        EXPECT_NE(line.error.find(c.what), std::string::npos) << line.error;
    }
}

TEST(CommandLineTest, HelpNeedsNoTicksFileAndDoubleDashEndsTheOptions) {
    const auto help = parse({"--help"});
    ASSERT_TRUE(help.options);
    EXPECT_TRUE(help.options->help);
    EXPECT_NE(fx::usageText().find("Example:"), std::string_view::npos);

    const auto line = parse({"--", "--odd-name.csv"});
    ASSERT_TRUE(line.options) << line.error;
    EXPECT_EQ(line.options->ticksFile, "--odd-name.csv");
}

}  // namespace
