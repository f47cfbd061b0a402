// The importer's reader of terminal exports and CSV files over a file of any bytes:
// it ends, reports either an error and nothing else or what it took, and every day
// it keeps becomes a history line that the monitor reads back as that date with a
// price above 0. Days come oldest first, one per date; at most five rejected lines
// are kept, in line order, each within the file.
//
// An input whose first byte is below 0x08 names a date format, as --date-format does
// (the rest is the file); any other input is read with the format worked out.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "datatools/dates.h"
#include "datatools/export_reading.h"
#include "fuzz_support.h"
#include "prices/price_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace dt = fx::datatools;
    static const fxfuzz::ScratchFile scratch("export.csv");
    static constexpr std::string_view formats[] = {"YYYY.MM.DD", "YYYY-MM-DD", "MM/DD/YYYY",
                                                   "DD.MM.YYYY", "YYYYMMDD",   "DD/MM/YYYY",
                                                   "MM-DD-YYYY", "YYYY/MM/DD"};
    std::string_view bytes = fxfuzz::bytesOf(data, size);
    std::optional<dt::DateFormat> given;
    if (!bytes.empty() && static_cast<unsigned char>(bytes[0]) < 8) {
        given = dt::dateFormatByName(formats[static_cast<unsigned char>(bytes[0])]);
        fxfuzz::check(given.has_value(), "a --date-format name is not known");
        bytes.remove_prefix(1);
    }
    scratch.write(bytes);
    const std::size_t lineCount = fxfuzz::linesOf(bytes, std::string::npos).size();

    const dt::ExportReading reading = dt::readExport(scratch.path(), given);
    if (!reading.error.empty()) {
        fxfuzz::check(reading.days.empty() && reading.rowsTaken == 0 && reading.rejectedCount == 0,
                      "an unreadable file still gave rows");
        return 0;
    }
    if (given) fxfuzz::check(reading.dateFormat == *given, "the given date format was not used");
    fxfuzz::check(static_cast<std::size_t>(reading.rowsTaken + reading.rejectedCount) <= lineCount,
                  "more rows taken and rejected than the file has lines");
    fxfuzz::check(reading.days.size() <= static_cast<std::size_t>(reading.rowsTaken),
                  "more days than rows taken");
    fxfuzz::check(reading.firstRejected.size() ==
                      std::min<std::size_t>(reading.rejectedCount, dt::shownRejectedLines),
                  "the kept rejected lines do not match their count");
    int lastRejected = 0;
    for (const dt::RejectedLine& rejected : reading.firstRejected) {
        fxfuzz::check(rejected.lineNumber > lastRejected &&
                          static_cast<std::size_t>(rejected.lineNumber) <= lineCount,
                      "a rejected line out of order or outside the file");
        fxfuzz::check(!rejected.reason.empty(), "a line rejected without a reason");
        lastRejected = rejected.lineNumber;
    }

    const dt::DailyClose* previous = nullptr;
    for (const dt::DailyClose& day : reading.days) {
        if (previous)
            fxfuzz::check(previous->date < day.date, "days not oldest first, one per date");
        previous = &day;
        const std::string date = dt::monitorDateText(day.date);
        fxfuzz::check(date.size() == 10, "a date that is not MM-DD-YYYY");
        // The history line as the importer writes it, read as the monitor reads it.
        const fx::HistoryRow row = fx::historyRowOf(date + "," + day.close);
        fxfuzz::check(row.date == date, "the monitor reads another date");
        fxfuzz::check(row.price > 0.0f, "the monitor reads a price of 0 or less");
    }
    return 0;
}
