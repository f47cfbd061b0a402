#include "text/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {

using namespace std::string_literals;

std::vector<std::string> readAllLines(const fxtest::TempFolder& folder, const std::string& bytes) {
    folder.write("lines.txt", bytes);
    fx::InputTextFile file(folder.pathOf("lines.txt"));
    std::vector<std::string> lines;
    std::string line;
    while (fx::readLine(file, line)) lines.push_back(line);
    EXPECT_FALSE(fx::readLine(file, line)) << "the end stays the end";
    return lines;
}

TEST(ReadLineTest, CrLfLoneCrAndLoneLfEndALineAndLongLinesKeepTheirFirst255Characters) {
    const std::string kept(255, 'x');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"", {}},
        {"\r\n\r\n", {"", ""}},
        {"\n\r", {"", ""}},
        {"x\r\r\ny", {"x", "", "y"}},
        {"a\r", {"a"}},
        {"a\0b\nc"s, {"a\0b"s, "c"}},
        // Long lines keep their first 255 characters.
        {kept + "z\ny", {kept, "y"}},
        // The read buffer holds 4096 bytes: a terminator split across two fills.
        {std::string(4095, 'x') + "\r\nnext", {kept, "next"}},
        {std::string(4095, 'x') + "\r", {kept}},
        {std::string(10 << 20, 'x') + "\nnext\n", {kept, "next"}},
    };
    fxtest::TempFolder folder;
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(readAllLines(folder, bytes), lines) << bytes.size() << " bytes";
}

TEST(WriteLineTest, EachLineEndsWithCrLfAndReplacesTheOldFile) {
    fxtest::TempFolder folder;
    folder.write("out.txt", "a much longer old content\r\n");
    fx::OutputTextFile file;
    ASSERT_TRUE(file.create(folder.pathOf("out.txt")));
    fx::writeLine(file, "03-07-2009,14:19:05,Started ZA Daderer");
    fx::writeLine(file, "");
    const std::string block(3 << 20, 'b');  // past the 1 MiB the writer collects
    fx::writeLine(file, block);
    EXPECT_TRUE(file.close());
    EXPECT_EQ(folder.read("out.txt"),
              "03-07-2009,14:19:05,Started ZA Daderer\r\n\r\n" + block + "\r\n");
}

// Until the new file is whole the old one stays, and for good when a write fails or the
// new file is never closed; no partial or temporary file is left behind.
TEST(WriteLineTest, TheOldFileStaysUntilTheNewOneIsWholeAndAfterAFailure) {
    fxtest::TempFolder folder;
    folder.write("out.txt", "old\r\n");
    const auto names = [&folder] { return fxtest::namesIn(folder.path()); };
    {
        fx::OutputTextFile file;
        ASSERT_TRUE(file.create(folder.pathOf("out.txt")));
        fx::writeLine(file, std::string(3 << 20, 'n'));  // past the buffer: written through
        EXPECT_EQ(folder.read("out.txt").substr(0, 8), "old\r\n");
    }
    EXPECT_EQ(names(), std::vector<std::string>{"out.txt"});

    fx::OutputTextFile file;
    ASSERT_TRUE(file.create(folder.pathOf("out.txt")));
    fx::writeLine(file, "new");
    {
        const fx::platform::SimulatedWriteFailure diskFull;
        EXPECT_FALSE(file.close());
    }
    EXPECT_EQ(file.failure(), "could not be written");
    EXPECT_EQ(folder.read("out.txt"), "old\r\n");
    EXPECT_EQ(names(), std::vector<std::string>{"out.txt"});
}

}  // namespace
