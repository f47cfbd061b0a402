#include "replay/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string_view>;

TEST(CommandLineTest, UsageErrorsSayWhatIsWrong) {
    const std::pair<Arguments, std::string> cases[] = {
        {{"--slots", "s.csv"}, "no ticks file"},
        {{"a.csv", "b.csv"}, "\"b.csv\" is a second one"},
        {{"--variant", "18", "t.csv"}, "--variant must be 17, 17b or 17c"},
        {{"--reference-day=-1", "t.csv"}, "--reference-day needs"},
        {{"--alert", "flip", "t.csv"}, "--alert must be anchor, bias, grouped or slot"},
        {{"--alert", "slot=EURUSD:15", "t.csv"}, "takes a whole number from 1 to 14"},
        {{"--alert", "slot=USDCHF:3", "t.csv"}, "not a pair of variant 17b"},
        {{"--slots=", "t.csv"}, "--slots needs a file name"},
        {{"--study=", "t.csv"}, "--study needs a file name"},
        {{"--study-horizons", "0", "t.csv"}, "each horizon takes a whole number from 1 to 10080"},
        {{"--study-horizons", "15,1h", "t.csv"}, "not \"1h\""},
        {{"--study-horizons", "15,", "t.csv"}, "not \"\""},
        {{"--study-horizons", "15,60,15", "t.csv"}, "names 15 minutes twice"},
        {{"--study-horizons", "1,2,3,4,5,6,7,8,9", "t.csv"}, "at most 8 horizons, not 9"},
    };
    for (const auto& [arguments, what] : cases) {
        const auto line = fx::parseCommandLine(arguments);
        EXPECT_FALSE(line.options) << what;
        EXPECT_NE(line.error.find(what), std::string::npos) << line.error;
    }
    EXPECT_TRUE(fx::parseCommandLine(Arguments{"--help"}).options->help);
    const auto horizons = fx::parseCommandLine(Arguments{"--study-horizons=60,5", "t.csv"});
    EXPECT_EQ(horizons.options->studyHorizons, (std::vector<int>{5, 60}));
}

}  // namespace
