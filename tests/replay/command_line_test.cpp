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
    };
    for (const auto& [arguments, what] : cases) {
        const auto line = fx::parseCommandLine(arguments);
        EXPECT_FALSE(line.options) << what;
        EXPECT_NE(line.error.find(what), std::string::npos) << line.error;
    }
    EXPECT_TRUE(fx::parseCommandLine(Arguments{"--help"}).options->help);
}

}  // namespace
