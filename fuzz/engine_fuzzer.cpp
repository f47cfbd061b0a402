// The monitor's engine as a whole, driven through the replay's ticks-file path by a
// file of any bytes: prices of any text, empty fields (missing files), the user's
// actions in any order, on the bundled sample history with all four alerts on and a
// --slots file written. Every run ends (libFuzzer's -timeout catches one that does
// not), the sanitizers watch every read and write, and the replay either refuses the
// file with a message and an empty log or prints log rows of date, time and text.
//
// The variant's header is put before the input unless the input starts with "time"
// itself; an input whose first byte is below 0x03 names the variant (v17, v17b,
// v17c; otherwise v17b).

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "monitor/variants.h"
#include "replay/replay.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "MM-DD-YYYY,HH:MM:SS,": how every row of the log starts.
bool startsWithDateAndTime(std::string_view row) {
    constexpr std::string_view shape = "00-00-0000,00:00:00,";
    if (row.size() < shape.size()) return false;
    for (std::size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == '0' ? !isDigit(row[i]) : row[i] != shape[i]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fxfuzz::ScratchFile ticks("engine.ticks");
    static const fxfuzz::ScratchFile slots("engine.slots");
    std::string_view bytes = fxfuzz::bytesOf(data, size);
    fx::VariantId variant = fx::VariantId::V17b;
    if (!bytes.empty() && static_cast<unsigned char>(bytes[0]) < 3) {
        variant = static_cast<fx::VariantId>(bytes[0]);
        bytes.remove_prefix(1);
    }

    fx::ReplayOptions options;
    options.variant = &fx::variant(variant);
    options.dataFolder = FX_SAMPLE_DIR;
    options.alerts = {{fx::anchorDisplaced},
                      {fx::referenceBiasFlip},
                      {fx::pairsGrouped},
                      {fx::pairInSlot, true, 0, 1}};
    options.slotsFile = slots.path();
    options.ticksFile = ticks.path();
    std::string file;
    if (!bytes.starts_with("time")) {
        file = "time";
        for (std::string_view symbol : options.variant->pairTable) file.append(",").append(symbol);
        file += '\n';
    }
    file.append(bytes);
    ticks.write(file);

    std::ostringstream log;
    std::ostringstream messages;
    const int status = fx::runReplay(options, log, messages);
    fxfuzz::check(status == fx::replayDone || status == fx::replayUsageError,
                  "the replay ended otherwise than done or refused");
    const std::string text = log.str();
    if (status != fx::replayDone) {
        fxfuzz::check(text.empty(), "a refused file still printed log rows");
        fxfuzz::check(!messages.str().empty(), "a file refused without a message");
        return 0;
    }
    fxfuzz::check(text.ends_with('\n'), "the log does not end with a whole row");
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        fxfuzz::check(startsWithDateAndTime(std::string_view(text).substr(start, end - start)),
                      "a log row without its date and time");
        start = end + 1;
    }
    return 0;
}
