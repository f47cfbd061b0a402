#include "replay/ticks_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "monitor/main_window.h"
#include "monitor/pairs.h"
#include "text/command_line.h"
#include "text/numbers.h"

namespace fx {

namespace {

constexpr std::size_t bufferSize = 1 << 16;
constexpr std::string_view timeColumn = "time";
// "MM-DD-YYYY HH:MM:SS"
constexpr std::size_t timeLength = 19;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// "NN-NN-NNNN": the shape of every date the program writes.
bool hasDateShape(std::string_view text) {
    if (text.size() != 10 || text[2] != '-' || text[5] != '-') return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(text[i])) return false;
    return true;
}

// Splits at every comma; the pieces point into the text.
template <std::size_t N>
std::size_t splitCommas(std::string_view text, std::array<std::string_view, N>& pieces) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view piece = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (count < N) pieces[count] = piece;
        ++count;
        if (comma == std::string_view::npos) return count;
        start = comma + 1;
    }
}

// The commas in the text, eight bytes at a time: a byte of the word XOR ",,,,,,,," is
// zero exactly where a comma is, and the arithmetic below marks each zero byte with its
// top bit without disturbing its neighbours.
std::size_t commasIn(std::string_view text) {
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7Fu;
    std::size_t count = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        const std::uint64_t x = word ^ (ones * ',');
        const std::uint64_t zeros = ~(((x & lows) + lows) | x | lows);
        count += static_cast<std::size_t>(((zeros >> 7) * ones) >> 56);
    }
    for (; at < text.size(); ++at) count += text[at] == ',';
    return count;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at])) ++at;
        if (at > start) result.push_back(text.substr(start, at - start));
    }
    return result;
}

std::optional<bool> onOff(std::string_view word) {
    if (word == "on") return true;
    if (word == "off") return false;
    return std::nullopt;
}

}  // namespace

std::optional<ReferenceChoice> parseReferenceChoice(std::string_view text) {
    if (const auto position = parseIntCount(text, 0, std::numeric_limits<int>::max()))
        return ReferenceChoice{position, ""};
    if (hasDateShape(text)) return ReferenceChoice{std::nullopt, std::string(text)};
    return std::nullopt;
}

namespace {

struct AlertWord {
    std::string_view word;
    AlertKind rule;
};

constexpr AlertWord alertWords[] = {
    {"anchor", anchorDisplaced},
    {"bias", referenceBiasFlip},
    {"grouped", pairsGrouped},
    {"slot", pairInSlot},
};

}  // namespace

std::optional<AlertKind> alertKindNamed(std::string_view word) {
    for (const AlertWord& entry : alertWords)
        if (entry.word == word) return entry.rule;
    return std::nullopt;
}

std::string_view alertKindWord(AlertKind rule) {
    for (const AlertWord& entry : alertWords)
        if (entry.rule == rule) return entry.word;
    return "";
}

TicksReader::TicksReader(const Variant& variant, Fields fields)
    : variant_(variant), keepsFields_(fields == Fields::Kept), file_(bufferSize) {}

bool TicksReader::open(const std::string& path) {
    path_ = path;
    headerRead_ = failed_ = ended_ = false;
    note_.clear();
    lineNumber_ = 0;
    error_.clear();
    if (!file_.open(path)) {
        failed_ = true;
        error_ = path + ": the ticks file cannot be opened";
        return false;
    }
    return true;
}

TicksReader::Item TicksReader::fail(const std::string& what) {
    failed_ = true;
    error_ = path_ + ":" + std::to_string(lineNumber_) + ": " + what;
    return Item::Error;
}

TicksReader::Item TicksReader::next() {
    if (failed_) return Item::Error;
    std::size_t length = 0;
    // One character past the longest line is kept, to tell a line that is too long.
    while (!ended_) {
        const std::optional<std::string_view> read =
            file_.nextLine(maxTicksLineLength + 1, &length);
        if (!read) break;
        const std::string_view line = *read;
        ++lineNumber_;
        if (length > maxTicksLineLength) {
            fail("the line is longer than " + std::to_string(maxTicksLineLength) + " characters");
        } else if (line.empty() || line.front() == '#') {
            continue;
        } else if (!headerRead_) {
            headerRead_ = readHeader(line);
            if (headerRead_) continue;
        } else if (line.front() == '!') {
            if (readAction(line)) return Item::Action;
        } else if (readPriceLine(line)) {
            return Item::Price;
        }
        if (!file_.lastLineUnended()) return Item::Error;
        leaveOutUnfinishedLine();
    }
    if (!headerRead_) return fail("no header line (time and the 14 pair symbols)");
    return Item::End;
}

// A recording cut off while it wrote its last line (a power cut, a full disk) ends in a
// line without its line end; when that line does not read, it is taken as unfinished and
// the file ends before it. (A cut that leaves a whole line's shape, inside the last
// price, cannot be told from a last line written without a line end.)
void TicksReader::leaveOutUnfinishedLine() {
    note_ = path_ + ":" + std::to_string(lineNumber_) +
            ": the last line has no line end and does not read: taken as cut off while it "
            "was written, and left out";
    failed_ = false;
    error_.clear();
    ended_ = true;
}

bool TicksReader::readHeader(std::string_view line) {
    std::array<std::string_view, pairCount + 1> names;
    const std::size_t count = splitCommas(line, names);
    if (count != pairCount + 1) {
        fail("the header must hold \"time\" and the 14 pair symbols, comma separated; it has " +
             std::to_string(count) + " fields");
        return false;
    }
    if (names[0] != timeColumn) {
        fail("the header must start with \"time\", not " + quotedForMessage(names[0]));
        return false;
    }
    std::array<bool, pairCount> seen{};
    for (int c = 0; c < pairCount; ++c) {
        const std::string_view name = names[c + 1];
        const int pair = pairIndexOf(variant_, name);
        if (pair < 0) {
            fail("the header names " + quotedForMessage(name) +
                 ", which is not a pair of variant " + std::string(variant_.name));
            return false;
        }
        if (seen[pair]) {
            fail("the header names " + std::string(name) + " twice");
            return false;
        }
        seen[pair] = true;
        columns_[c] = pair;
    }
    return true;
}

TicksReader::TimeField TicksReader::readTime(std::string_view time) {
    const bool shaped = time.size() == timeLength && hasDateShape(time.substr(0, 10)) &&
                        time[10] == ' ' && time[13] == ':' && time[16] == ':' &&
                        allDigits(time.substr(11, 2)) && allDigits(time.substr(14, 2)) &&
                        allDigits(time.substr(17, 2));
    if (!shaped) return TimeField::Misshapen;
    LocalTime& at = price_.time;
    at.month = digitsAt(time, 0, 2);
    at.day = digitsAt(time, 3, 2);
    at.year = digitsAt(time, 6, 4);
    at.hour = digitsAt(time, 11, 2);
    at.minute = digitsAt(time, 14, 2);
    at.second = digitsAt(time, 17, 2);
    if (at.month < 1 || at.month > 12 || at.day < 1 || at.day > 31 || at.hour > 23 ||
        at.minute > 59 || at.second > 59)
        return TimeField::OutOfRange;
    return TimeField::Read;
}

bool TicksReader::readPriceLine(std::string_view line) {
    // Checking keeps no fields: a line of the usual shape is only counted, not split.
    if (!keepsFields_ && line.size() > timeLength && line[timeLength] == ',' &&
        commasIn(line) == pairCount && readTime(line.substr(0, timeLength)) == TimeField::Read)
        return true;
    std::array<std::string_view, pairCount + 1> fields;
    const std::size_t count = splitCommas(line, fields);
    const std::string_view time = fields[0];
    switch (readTime(time)) {
        case TimeField::Misshapen:
            fail("a price line must start with the time as MM-DD-YYYY HH:MM:SS, not " +
                 quotedForMessage(time));
            return false;
        case TimeField::OutOfRange:
            fail("the time " + quotedForMessage(time) + " is out of range");
            return false;
        case TimeField::Read:
            break;
    }
    if (count != pairCount + 1) {
        fail("a price line must hold the time and 14 fields; it has " + std::to_string(count - 1) +
             " fields after the time");
        return false;
    }
    for (int c = 0; c < pairCount; ++c) price_.fields[columns_[c]] = fields[c + 1];
    return true;
}

bool TicksReader::readAction(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    TicksAction& action = action_;
    action = TicksAction{};
    // The words alone, one blank apart, so that messages quote the action plainly.
    for (std::string_view word : w) {
        if (!action.text.empty()) action.text += ' ';
        action.text += word;
    }
    const std::string_view verb = w.empty() ? std::string_view() : w[0];
    const std::size_t arguments = w.size() - 1;

    const auto noArguments = [&](ActionKind kind) {
        if (arguments != 0) {
            fail(std::string(verb) + " takes nothing after it");
            return false;
        }
        action.kind = kind;
        return true;
    };

    if (verb == "!buy") return noArguments(ActionKind::Buy);
    if (verb == "!sell") return noArguments(ActionKind::Sell);
    if (verb == "!close") return noArguments(ActionKind::Close);
    if (verb == "!clear") return noArguments(ActionKind::Clear);

    if (verb == "!reference") {
        const auto choice = arguments == 1 ? parseReferenceChoice(w[1]) : std::nullopt;
        if (!choice) {
            fail("!reference needs one list position (0, 1, ...) or one date MM-DD-YYYY");
            return false;
        }
        action.kind = ActionKind::Reference;
        action.reference = *choice;
        return true;
    }

    if (verb == "!interval") {
        const auto minutes = arguments == 1 ? parseIntCount(w[1], 1, 60) : std::nullopt;
        if (!minutes || mainwin::logTimerItemFor(*minutes) == 0) {
            fail("!interval needs one of the Log Timers intervals: 60, 30, 15, 10, 5 or 1");
            return false;
        }
        action.kind = ActionKind::Interval;
        action.minutes = *minutes;
        return true;
    }

    if (verb == "!alert") {
        action.kind = ActionKind::Alert;
        if (arguments == 2) {
            const auto rule = alertKindNamed(w[1]);
            const auto on = onOff(w[2]);
            if (rule && *rule != pairInSlot && on) {
                action.alert = {*rule, *on, -1, 0};
                return true;
            }
            if (w[1] == "slot" && w[2] == "off") {
                action.alert = {pairInSlot, false, -1, 0};
                return true;
            }
        }
        if (arguments == 3 && w[1] == "slot") {
            const int pair = pairIndexOf(variant_, w[2]);
            if (pair < 0) {
                fail(quotedForMessage(w[2]) + " is not a pair of variant " +
                     std::string(variant_.name));
                return false;
            }
            const auto slot = parseIntCount(w[3], 1, pairCount);
            if (!slot) {
                fail(countMessage("the slot of !alert slot", 1, pairCount, w[3]));
                return false;
            }
            action.alert = {pairInSlot, true, pair, *slot};
            return true;
        }
        fail("!alert needs anchor|bias|grouped on|off, slot SYMBOL SLOT, or slot off");
        return false;
    }

    fail("unknown action " + quotedForMessage(verb));
    return false;
}

TicksCheck checkTicksFile(const std::string& path, const Variant& variant) {
    TicksCheck check;
    TicksReader reader(variant, TicksReader::Fields::NotKept);
    if (!reader.open(path)) {
        check.error = reader.error();
        return check;
    }
    while (true) {
        const TicksReader::Item item = reader.next();
        if (item == TicksReader::Item::Error) {
            check.error = reader.error();
            return check;
        }
        if (item == TicksReader::Item::End) break;
        if (item == TicksReader::Item::Price) {
            if (check.priceLines == 0) check.firstPriceTime = reader.price().time;
            ++check.priceLines;
        }
    }
    if (check.priceLines == 0) {
        check.error = path + ":" + std::to_string(reader.lineNumber()) +
                      ": the ticks file holds no price line";
        return check;
    }
    check.ok = true;
    return check;
}

}  // namespace fx
