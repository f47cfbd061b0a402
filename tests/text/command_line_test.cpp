#include "text/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr fx::OptionSpec options[] = {{"--days", true}, {"--align", false}, {"-h", false}};

std::string readAll(std::vector<std::string> arguments) {
    fx::ArgumentReader reader(std::move(arguments), options);
    std::string seen;
    fx::Argument argument;
    while (reader.next(argument))
        seen += (argument.isOption ? argument.name + "=" + argument.value : "[" + argument.name + "]") + " ";
    return seen + reader.error();
}

TEST(ArgumentReaderTest, OptionsWithAValueEitherWayAndPlainArgumentsBetween) {
    EXPECT_EQ(readAll({"--days", "5", "a.csv", "--days=7", "--align", "-h", "-", "--", "--days"}),
              "--days=5 [a.csv] --days=7 --align= -h= [-] [--days] ");
    EXPECT_EQ(readAll({"a", "--frobnicate=1", "b"}), "[a] unknown option \"--frobnicate\"");
    EXPECT_EQ(readAll({"-x"}), "unknown option \"-x\"");
    EXPECT_EQ(readAll({"--days"}), "--days needs a value");
    EXPECT_EQ(readAll({"--align=yes"}), "--align takes no value");
}

TEST(CountTest, DigitsOnlyWithinTheirRangeAndNothingPastIt) {
    EXPECT_EQ(fx::parseCount("499", 1, 499), 499u);
    EXPECT_EQ(fx::parseCount("18446744073709551615"), 18446744073709551615u);
    for (const char* bad : {"", "0", "500", "+5", "5 ", "1e3", "18446744073709551616"})
        EXPECT_FALSE(fx::parseCount(bad, 1, 499)) << bad;
    EXPECT_FALSE(fx::parseIntCount("99999999999", 0, 2147483647));
    EXPECT_EQ(fx::countMessage("--days", 1, 499, "500"), "--days takes a whole number from 1 to 499, not \"500\"");
}

}  // namespace
