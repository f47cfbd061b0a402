#include "text/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> readAllLines(const std::string& path) {
    fx::InputTextFile file(path);
    EXPECT_TRUE(file.isOpen()) << path;
    std::vector<std::string> lines;
    std::string line;
    while (fx::readLine(file, line)) lines.push_back(line);
    EXPECT_TRUE(line.empty()) << "the end of the file must leave the line empty";
    // The end stays the end.
    EXPECT_FALSE(fx::readLine(file, line));
    return lines;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(ReadLineTest, EveryTerminatorKind) {
    const LineCase cases[] = {
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"empty file", "", {}},
        {"two CR LF", "\r\n\r\n", {"", ""}},
        {"two LF", "\n\n", {"", ""}},
        {"two CR", "\r\r", {"", ""}},
        {"LF then CR is two terminators", "\n\r", {"", ""}},
        {"CR CR LF", "x\r\r\ny", {"x", "", "y"}},
        {"no terminator", "x", {"x"}},
        {"terminated last line", "x\r\n", {"x"}},
        {"CR at the end", "a\r", {"a"}},
        {"blank inner line", "a\n\nb\n", {"a", "", "b"}},
        {"NUL bytes are text", "a\0b\nc"s, {"a\0b"s, "c"}},
        {"high bytes unchanged", "\xE9t\xE9\r\n", {"\xE9t\xE9"}},
    };
    fxtest::TempFolder folder;
    for (const auto& c : cases) {
        folder.write("lines.txt", c.bytes);
        EXPECT_EQ(readAllLines(folder.pathOf("lines.txt")), c.lines) << c.name;
    }
}

TEST(ReadLineTest, LongLinesKeepTheirFirst255Characters) {
    const std::string kept(fx::maxLineLength, 'x');
    const LineCase cases[] = {
        {"exactly 255", kept + "\n" + "y", {kept, "y"}},
        {"256", kept + "z\n" + "y", {kept, "y"}},
        {"CR LF across the read buffer", std::string(4095, 'x') + "\r\nnext", {kept, "next"}},
        {"CR at the end of the read buffer", std::string(4095, 'x') + "\r", {kept}},
        {"10 MB line", std::string(10 << 20, 'x') + "\nnext\n", {kept, "next"}},
        {"10 MB without terminator", std::string(10 << 20, 'x'), {kept}},
        {"NUL bytes", std::string(100000, '\0') + "\n1.5", {std::string(255, '\0'), "1.5"}},
    };
    fxtest::TempFolder folder;
    for (const auto& c : cases) {
        folder.write("long.txt", c.bytes);
        EXPECT_EQ(readAllLines(folder.pathOf("long.txt")), c.lines) << c.name;
    }
}

TEST(ReadLineTest, AFileThatCannotBeOpenedIsAtItsEnd) {
    fxtest::TempFolder folder;
    fx::InputTextFile missing;
    EXPECT_FALSE(missing.open(folder.pathOf("missing.txt")));
    std::string line = "old";
    EXPECT_FALSE(fx::readLine(missing, line));
    EXPECT_EQ(line, "");

    fx::InputTextFile aFolder;
    EXPECT_FALSE(aFolder.open(folder.path()));
}

TEST(WriteLineTest, EachLineEndsWithCrLf) {
    fxtest::TempFolder folder;
    fx::OutputTextFile file;
    ASSERT_TRUE(file.create(folder.pathOf("out.txt")));
    fx::writeLine(file, "03-07-2009,14:19:05,Started ZA Daderer");
    fx::writeLine(file, "");
    fx::writeLine(file, "a\nb");
    EXPECT_TRUE(file.close());
    EXPECT_EQ(folder.read("out.txt"), "03-07-2009,14:19:05,Started ZA Daderer\r\n\r\na\nb\r\n");
}

TEST(WriteLineTest, LargeOutputArrivesComplete) {
    fxtest::TempFolder folder;
    std::string expected;
    fx::OutputTextFile file;
    ASSERT_TRUE(file.create(folder.pathOf("big.txt")));
    for (int i = 0; i < 20000; ++i) {
        const std::string text = "row " + std::to_string(i) + std::string(i % 97, '.');
        fx::writeLine(file, text);
        expected += text + "\r\n";
    }
    const std::string block(300000, 'b');
    file.write(block);
    expected += block;
    fx::writeLine(file, "end");
    expected += "end\r\n";
    EXPECT_TRUE(file.close());
    EXPECT_EQ(folder.read("big.txt"), expected);
}

TEST(WriteLineTest, CreatingReplacesTheOldContent) {
    fxtest::TempFolder folder;
    folder.write("out.txt", "a much longer old content\r\n");
    fx::OutputTextFile file;
    ASSERT_TRUE(file.create(folder.pathOf("out.txt")));
    fx::writeLine(file, "new");
    ASSERT_TRUE(file.close());
    EXPECT_EQ(folder.read("out.txt"), "new\r\n");
}

TEST(WriteLineTest, FailuresAreReportedByClose) {
    fxtest::TempFolder folder;
    fx::OutputTextFile file;
    EXPECT_FALSE(file.create(folder.pathOf("no-such-folder/out.txt")));
    fx::writeLine(file, "lost");
    EXPECT_FALSE(file.close());

    fx::OutputTextFile neverOpened;
    EXPECT_FALSE(neverOpened.close());
}

#ifndef _WIN32
TEST(WriteLineTest, AFullDiskIsNotReportedAsSuccess) {
    fx::OutputTextFile file;
    if (!file.create("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    fx::writeLine(file, "this line cannot be stored");
    EXPECT_FALSE(file.close());
}
#endif

}  // namespace
