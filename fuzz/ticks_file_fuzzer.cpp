// The replay's ticks reader over a file of any bytes. It splits the file into the
// lines of the plain line model (also across its 64 KiB buffer fills: an input can
// ask to be pushed there behind a long comment), hands out price lines whose fields
// are exactly the line's, stops at the first malformed line for good, and agrees with
// checkTicksFile.
//
// An input that starts with the byte 0x01 is pushed: the rest of it after its second
// byte starts 65536 minus (the second byte times 16) bytes into the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "replay/ticks_file.h"

namespace {

constexpr std::size_t bufferFill = 65536;

std::vector<std::string_view> commaFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fxfuzz::ScratchFile scratch("session.ticks");
    const fx::Variant& variant = fx::variant(fx::VariantId::V17b);
    std::string_view bytes = fxfuzz::bytesOf(data, size);

    std::string file;
    if (size >= 2 && data[0] == 0x01) {
        const std::size_t offset = bufferFill - 16 * static_cast<std::size_t>(data[1]);
        file.assign(offset - 1, '#');
        file += '\n';
        bytes.remove_prefix(2);
    }
    file.append(bytes);
    scratch.write(file);
    const std::vector<std::string> lines = fxfuzz::linesOf(file, std::string::npos);

    fx::TicksReader reader(variant);
    fxfuzz::check(reader.open(scratch.path()), "the ticks file does not open");
    long long priceLines = 0;
    bool ended = false;
    // Every call takes at least one line, so the file is done within its line count.
    for (std::size_t call = 0; call <= lines.size() + 1; ++call) {
        const fx::TicksReader::Item item = reader.next();
        const long long number = reader.lineNumber();
        if (item == fx::TicksReader::Item::End) {
            fxfuzz::check(number == static_cast<long long>(lines.size()),
                          "the end came at another line than the model's last");
            ended = true;
            break;
        }
        if (item == fx::TicksReader::Item::Error) {
            fxfuzz::check(!reader.error().empty(), "an error without its message");
            fxfuzz::check(reader.next() == fx::TicksReader::Item::Error,
                          "the reader went on after an error");
            break;
        }
        fxfuzz::check(number >= 1 && number <= static_cast<long long>(lines.size()),
                      "a line number outside the file");
        const std::string_view line = lines[static_cast<std::size_t>(number - 1)];
        if (item == fx::TicksReader::Item::Action) {
            fxfuzz::check(line.starts_with("!"), "an action from a line without \"!\"");
            continue;
        }
        ++priceLines;
        const std::vector<std::string_view> fields = commaFields(line);
        fxfuzz::check(fields.size() == fx::pairCount + 1, "a price line without 15 fields");
        const fx::PriceLine& price = reader.price();
        for (int c = 0; c < fx::pairCount; ++c) {
            const int pair = reader.columns()[c];
            fxfuzz::check(pair >= 0 && pair < fx::pairCount, "a column without a pair");
            fxfuzz::check(price.fields[pair] == fields[c + 1], "a field differs from the line's");
        }
        fxfuzz::check(price.time.month >= 1 && price.time.month <= 12 && price.time.hour <= 23,
                      "a time out of range was taken");
    }

    const fx::TicksCheck whole = fx::checkTicksFile(scratch.path(), variant);
    fxfuzz::check(whole.ok == (ended && priceLines > 0),
                  "checkTicksFile disagrees with the reader");
    if (whole.ok) fxfuzz::check(whole.priceLines == priceLines, "checkTicksFile counts otherwise");
    return 0;
}
