#include "replay/ticks_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/replay_run.h"
#include "support/temp_folder.h"

namespace {

using Item = fx::TicksReader::Item;

const fx::Variant& v17b = fx::variant(fx::VariantId::V17b);

const std::string header = fxtest::v17bHeader.substr(0, fxtest::v17bHeader.size() - 1);

// A price line whose field for pair k is "1.k" (k = 0..13).
std::string priceLine(std::string_view time = "01-05-2009 10:00:00") {
    std::string text(time);
    for (int k = 0; k < fx::pairCount; ++k) text += ",1." + std::to_string(k);
    return text;
}

class TicksFileTest : public ::testing::Test {
protected:
    fx::TicksCheck check(const std::string& content) {
        folder.write("ticks.csv", content);
        return fx::checkTicksFile(folder.pathOf("ticks.csv"), v17b);
    }
    Item first(const std::string& content) {
        folder.write("ticks.csv", content);
        reader.open(folder.pathOf("ticks.csv"));
        return reader.next();
    }

    fxtest::TempFolder folder;
    fx::TicksReader reader{v17b};
};

TEST_F(TicksFileTest, MalformedFilesNameTheFileTheLineAndTheFault) {
    const std::string h = header + "\n";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"# only a comment\n\n", ":2: ", "no header line"},
        {h + "# no ticks\n", ":2: ", "no price line"},
        {"Time" + header.substr(4) + "\n", ":1: ", "must start with \"time\""},
        {"time,USDCHF" + header.substr(11) + "\n", ":1: ", "not a pair of variant 17b"},
        {"time,EURGBP" + header.substr(11) + "\n", ":1: ", "EURGBP twice"},
        {"\n# header next\n" + h + priceLine("1-05-2009 10:00:00") + "\n",
         ":4: ", "MM-DD-YYYY HH:MM:SS"},
        {h + priceLine("13-05-2009 10:00:00") + "\n", ":2: ", "out of range"},
        {h + priceLine() + ",1.5\n", ":2: ", "it has 15 fields"},
        {h + priceLine() + "\r\n\r\n#\r\n!bye\r\n", ":5: ", "unknown action \"!bye\""},
        {h + priceLine() + "\r" + std::string(70000, '#') + "\r", ":3: ", "longer than"},
    };
    for (const auto& [content, where, what] : cases) {
        const fx::TicksCheck result = check(content);
        EXPECT_FALSE(result.ok) << content;
        EXPECT_TRUE(result.error.starts_with(folder.pathOf("ticks.csv") + where)) << result.error;
        EXPECT_NE(result.error.find(what), std::string::npos) << result.error;
    }
}

TEST_F(TicksFileTest, FieldsFollowTheHeaderOrder) {
    // The header names the pairs backwards, so column c holds pair 13 - c; the last line
    // has no line end at all.
    std::string backwards = "time";
    for (int k = fx::pairCount - 1; k >= 0; --k) backwards += "," + std::string(v17b.pairTable[k]);
    ASSERT_EQ(first(backwards + "\n01-05-2009 10:00:00,a,b,c,d,e,f,g,h,i,j,k,l,,n"), Item::Price);
    EXPECT_EQ(reader.price().fields[13], "a");
    EXPECT_EQ(reader.price().fields[1], "");
    EXPECT_EQ(reader.price().fields[0], "n");
    EXPECT_EQ(reader.next(), Item::End);
}

TEST_F(TicksFileTest, ActionsAreReadWithAnyBlanksBetweenTheirWords) {
    using fx::ActionKind;
    const int eurusd = 7;
    const struct Case {
        std::string line;
        ActionKind kind;
        fx::ReferenceChoice reference = {};
        int minutes = 0;
        fx::AlertSetting alert = {};
    } cases[] = {
        {"!sell \t ", ActionKind::Sell},
        {"!reference  03-07-2009", ActionKind::Reference, {std::nullopt, "03-07-2009"}},
        {"!interval 60", ActionKind::Interval, {}, 60},
        {"!alert\tslot EURUSD  14", ActionKind::Alert, {}, 0, {fx::pairInSlot, true, eurusd, 14}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(first(header + "\n" + c.line + "\n"), Item::Action) << c.line << reader.error();
        EXPECT_EQ(reader.action().kind, c.kind) << c.line;
        EXPECT_EQ(reader.action().reference, c.reference) << c.line;
        EXPECT_EQ(reader.action().minutes, c.minutes) << c.line;
        EXPECT_EQ(reader.action().alert, c.alert) << c.line;
    }
    for (const char* line :
         {"! buy", "!buy now", "!reference 99999999999", "!reference 3-7-2009", "!interval 2",
          "!alert anchor yes", "!alert slot EURUSD 15", "!alert slot eurusd 3"}) {
        EXPECT_EQ(first(header + "\n" + line + "\n"), Item::Error) << line;
        EXPECT_NE(reader.error().find(":2: "), std::string::npos) << reader.error();
    }
}

// Lines are read in 64 KiB pieces; a CR LF split between two pieces is one line end,
// and a line across two pieces is read whole.
TEST_F(TicksFileTest, LinesAcrossBufferFillsKeepTheirNumbersAndFields) {
    std::string content = header + "\r\n#" + std::string(65536 - header.size() - 4, 'x') + "\r\n";
    ASSERT_EQ(content.size(), 65536u + 1);  // the LF is the first byte of the second fill
    const int lines = 3000;  // about 200 KiB more, in lines of every length modulo the fill
    for (int i = 0; i < lines; ++i) {
        content += priceLine() + std::string(static_cast<std::size_t>(i % 37), ' ');
        content += (i % 3 == 0) ? "\r" : (i % 3 == 1) ? "\n" : "\r\n";
    }
    int prices = 0;
    Item item = first(content + "!oops\r");
    for (; item == Item::Price; item = reader.next()) {
        ++prices;
        for (int k = 0; k < fx::pairCount - 1; ++k)
            ASSERT_EQ(reader.price().fields[k], "1." + std::to_string(k)) << reader.lineNumber();
        ASSERT_EQ(reader.price().fields[13].substr(0, 4), "1.13") << reader.lineNumber();
    }
    EXPECT_EQ(prices, lines);
    EXPECT_EQ(item, Item::Error);
    EXPECT_NE(reader.error().find(":" + std::to_string(lines + 3) + ": unknown action"),
              std::string::npos)
        << reader.error();
}

}  // namespace
