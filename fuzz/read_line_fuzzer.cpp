// readLine over a file of any bytes gives exactly the lines of the plain line model,
// each cut to its first 255 characters, then the end of the file, and keeps giving
// the end. readFirstLine agrees with the first of them.

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "prices/price_files.h"
#include "text/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fxfuzz::ScratchFile scratch("lines.txt");
    const std::string_view bytes = fxfuzz::bytesOf(data, size);
    scratch.write(bytes);
    const std::vector<std::string> expected = fxfuzz::linesOf(bytes, fx::maxLineLength);

    fx::InputTextFile file;
    fxfuzz::check(file.open(scratch.path()), "the file does not open");
    std::string line;
    for (const std::string& wanted : expected) {
        fxfuzz::check(fx::readLine(file, line), "the file ended early");
        fxfuzz::check(line == wanted, "a line differs from the model");
    }
    for (int again = 0; again < 2; ++again) {
        fxfuzz::check(!fx::readLine(file, line), "a line after the last one");
        fxfuzz::check(line.empty(), "the end of the file left a line behind");
    }

    const auto first = fx::readFirstLine(scratch.path());
    fxfuzz::check(first.has_value(), "readFirstLine does not open the file");
    fxfuzz::check(*first == (expected.empty() ? std::string() : expected.front()),
                  "readFirstLine differs from the first line");
    return 0;
}
