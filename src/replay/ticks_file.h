#pragma once
// Ticks files: a recorded session, one line per real-time tick, with the user's
// actions in between. The replay, the price feed and the fuzzer read them with this
// one reader, so they all agree on what a well-formed file is.
//
//   # comment, and empty lines, are ignored
//   time,GBPUSD,EURGBP,...            header: "time" and the variant's 14 symbols
//   01-05-2009 09:00:00,1.4562,...    a price line: one tick, one field per pair
//   !buy                              an action, at the time of the latest price line
//
// A last line without a line end that does not read is a recording cut off while it was
// written: it is left out, and the file ends before it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/options_window.h"
#include "monitor/variants.h"
#include "text/clock.h"
#include "text/text_file.h"

namespace fx {

// A longer line is malformed: no real field comes near it, and a runaway file must
// not make the reader hold it whole.
inline constexpr std::size_t maxTicksLineLength = 65536;

// A "Reference Day:" list position, or a date to look for in it.
struct ReferenceChoice {
    std::optional<int> position;  // nothing: choose by date
    std::string date;             // "MM-DD-YYYY"
    friend bool operator==(const ReferenceChoice&, const ReferenceChoice&) = default;
};

// One alert setting: a rule switched on or off; the pair-in-slot rule switched on also
// names its pair (PairTable index) and its target slot (1 to 14).
struct AlertSetting {
    AlertKind rule = anchorDisplaced;
    bool on = true;
    int pair = -1;
    int slot = 0;
    friend bool operator==(const AlertSetting&, const AlertSetting&) = default;
};

enum class ActionKind { Reference, Buy, Sell, Close, Clear, Interval, Alert };

struct TicksAction {
    ActionKind kind = ActionKind::Buy;
    ReferenceChoice reference;  // Reference
    int minutes = 0;            // Interval: 60, 30, 15, 10, 5 or 1
    AlertSetting alert;         // Alert
    std::string text;           // its words one blank apart, for messages
};

struct PriceLine {
    LocalTime time;
    // By PairTable index. They point into the reader's line and stay valid only until
    // its next read. An empty field is a real-time file that was missing at that tick.
    std::array<std::string_view, pairCount> fields;
};

// "N" (digits) or "MM-DD-YYYY"; nothing for anything else.
std::optional<ReferenceChoice> parseReferenceChoice(std::string_view text);
// The rule a replay names "anchor", "bias", "grouped" or "slot"; nothing for other words.
std::optional<AlertKind> alertKindNamed(std::string_view word);
// The word of a rule: "anchor", "bias", "grouped" or "slot".
std::string_view alertKindWord(AlertKind rule);

// Reads a ticks file line by line, checking each line as it goes; it never holds more
// than one line.
class TicksReader {
public:
    enum class Item { Price, Action, End, Error };
    // NotKept: price lines are checked and their times read, but price().fields stay
    // empty (the checking pass, which needs no prices, then costs less).
    enum class Fields { Kept, NotKept };

    explicit TicksReader(const Variant& variant, Fields fields = Fields::Kept);
    TicksReader(const TicksReader&) = delete;
    TicksReader& operator=(const TicksReader&) = delete;

    // Starts reading the file from its first line; false when it cannot be opened
    // (error() then says so).
    bool open(const std::string& path);
    // The next price or action line; the header is read on the way. End after the
    // last line; Error on the first malformed line, and from then on.
    Item next();

    const PriceLine& price() const { return price_; }
    const TicksAction& action() const { return action_; }
    // The number of the line last read, 1 for the first line of the file.
    long long lineNumber() const { return lineNumber_; }
    // "PATH:LINE: what is wrong", once next() or open() has failed.
    const std::string& error() const { return error_; }
    // "PATH:LINE: ..." when an unfinished last line was left out, once next() gave End.
    const std::string& note() const { return note_; }
    // The header's columns: column c (after "time") holds this PairTable index.
    const std::array<int, pairCount>& columns() const { return columns_; }

private:
    Item fail(const std::string& what);
    bool readHeader(std::string_view line);
    enum class TimeField { Read, Misshapen, OutOfRange };
    TimeField readTime(std::string_view time);
    bool readPriceLine(std::string_view line);
    bool readAction(std::string_view line);
    void leaveOutUnfinishedLine();

    const Variant& variant_;
    bool keepsFields_;
    std::string path_;
    InputTextFile file_;
    long long lineNumber_ = 0;
    bool headerRead_ = false;
    bool failed_ = false;
    bool ended_ = false;  // an unfinished last line was left out
    std::array<int, pairCount> columns_{};
    PriceLine price_;
    TicksAction action_;
    std::string error_;
    std::string note_;
};

// What the checking pass found.
struct TicksCheck {
    bool ok = false;
    std::string error;         // when not ok: "PATH:LINE: what is wrong"
    LocalTime firstPriceTime;  // when ok
    long long priceLines = 0;
};

// Reads the whole file once: every line must be well formed and at least one price
// line must be there.
TicksCheck checkTicksFile(const std::string& path, const Variant& variant);

}  // namespace fx
