#include "replay/ticks_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace fx {

namespace {

constexpr std::size_t bufferSize = 1 << 16;
constexpr std::size_t longestQuote = 40;
constexpr std::string_view timeColumn = "time";
// "MM-DD-YYYY HH:MM:SS"
constexpr std::size_t timeLength = 19;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

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

std::optional<AlertRule> switchedRule(std::string_view word) {
    if (word == "anchor") return AlertRule::Anchor;
    if (word == "bias") return AlertRule::Bias;
    if (word == "grouped") return AlertRule::Grouped;
    return std::nullopt;
}

std::optional<bool> onOff(std::string_view word) {
    if (word == "on") return true;
    if (word == "off") return false;
    return std::nullopt;
}

bool isLogTimerInterval(int minutes) {
    for (int allowed : {60, 30, 15, 10, 5, 1})
        if (minutes == allowed) return true;
    return false;
}

}  // namespace

std::optional<ReferenceChoice> parseReferenceChoice(std::string_view text) {
    if (const auto position = parseCount(text)) return ReferenceChoice{position, ""};
    if (hasDateShape(text)) return ReferenceChoice{std::nullopt, std::string(text)};
    return std::nullopt;
}

int pairIndexOf(const Variant& variant, std::string_view symbol) {
    for (int k = 0; k < pairCount; ++k)
        if (variant.pairTable[k] == symbol) return k;
    return -1;
}

std::optional<int> parseCount(std::string_view text) {
    if (!allDigits(text)) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

std::string quotedForMessage(std::string_view text) {
    std::string result = "\"";
    for (std::size_t i = 0; i < text.size() && i < longestQuote; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        result += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (text.size() > longestQuote) result += "...";
    return result + "\"";
}

TicksReader::TicksReader(const Variant& variant) : variant_(variant), buffer_(bufferSize) {}

TicksReader::~TicksReader() {
    if (file_) std::fclose(file_);
}

bool TicksReader::open(const std::string& path) {
    if (file_) std::fclose(file_);
    path_ = path;
    position_ = end_ = 0;
    lfKnown_ = crKnown_ = skipLf_ = atEnd_ = headerRead_ = failed_ = false;
    lineNumber_ = 0;
    error_.clear();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        failed_ = true;
        error_ = path + ": the ticks file cannot be opened";
        return false;
    }
    return true;
}

bool TicksReader::refill() {
    position_ = 0;
    end_ = file_ ? std::fread(buffer_.data(), 1, buffer_.size(), file_) : 0;
    lfKnown_ = false;
    crKnown_ = false;
    return end_ > 0;
}

std::size_t TicksReader::findFrom(char wanted, std::size_t& cache, bool& known) {
    if (!known || cache < position_) {
        const void* found = std::memchr(buffer_.data() + position_, wanted, end_ - position_);
        cache = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data())
                      : end_;
        known = true;
    }
    return cache;
}

// Lines end with CR LF, a lone LF or a lone CR. The line is read in place when it
// lies within one buffer fill; only a line across two fills is copied.
bool TicksReader::readLine(std::string_view& line) {
    spanning_.clear();
    bool spans = false;
    while (true) {
        if (position_ == end_ && (atEnd_ || !refill())) {
            atEnd_ = true;
            if (!spans) return false;
            line = spanning_;
            return true;
        }
        if (skipLf_) {
            skipLf_ = false;
            if (buffer_[position_] == '\n') ++position_;
            continue;
        }
        const std::size_t lf = findFrom('\n', nextLf_, lfKnown_);
        const std::size_t cr = findFrom('\r', nextCr_, crKnown_);
        const std::size_t stop = std::min(lf, cr);
        const std::string_view piece(buffer_.data() + position_, stop - position_);
        if (stop == end_) {
            spanning_.append(piece);
            spans = true;
            position_ = end_;
            if (spanning_.size() > maxTicksLineLength) {
                line = spanning_;
                return true;
            }
            continue;
        }
        position_ = stop + 1;
        if (buffer_[stop] == '\r') {
            if (position_ < end_) {
                if (buffer_[position_] == '\n') ++position_;
            } else {
                skipLf_ = true;
            }
        }
        if (spans) {
            spanning_.append(piece);
            line = spanning_;
        } else {
            line = piece;
        }
        return true;
    }
}

TicksReader::Item TicksReader::fail(const std::string& what) {
    failed_ = true;
    error_ = path_ + ":" + std::to_string(lineNumber_) + ": " + what;
    return Item::Error;
}

TicksReader::Item TicksReader::next() {
    if (failed_) return Item::Error;
    std::string_view line;
    while (readLine(line)) {
        ++lineNumber_;
        if (line.size() > maxTicksLineLength)
            return fail("the line is longer than " + std::to_string(maxTicksLineLength) +
                        " characters");
        if (line.empty() || line.front() == '#') continue;
        if (!headerRead_) {
            if (!readHeader(line)) return Item::Error;
            headerRead_ = true;
            continue;
        }
        if (line.front() == '!') return readAction(line) ? Item::Action : Item::Error;
        return readPriceLine(line) ? Item::Price : Item::Error;
    }
    if (!headerRead_) return fail("no header line (time and the 14 pair symbols)");
    return Item::End;
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

bool TicksReader::readPriceLine(std::string_view line) {
    std::array<std::string_view, pairCount + 1> fields;
    const std::size_t count = splitCommas(line, fields);
    const std::string_view time = fields[0];
    const bool shaped = time.size() == timeLength && hasDateShape(time.substr(0, 10)) &&
                        time[10] == ' ' && time[13] == ':' && time[16] == ':' &&
                        allDigits(time.substr(11, 2)) && allDigits(time.substr(14, 2)) &&
                        allDigits(time.substr(17, 2));
    if (!shaped) {
        fail("a price line must start with the time as MM-DD-YYYY HH:MM:SS, not " +
             quotedForMessage(time));
        return false;
    }
    LocalTime& at = price_.time;
    at.month = digitsAt(time, 0, 2);
    at.day = digitsAt(time, 3, 2);
    at.year = digitsAt(time, 6, 4);
    at.hour = digitsAt(time, 11, 2);
    at.minute = digitsAt(time, 14, 2);
    at.second = digitsAt(time, 17, 2);
    if (at.month < 1 || at.month > 12 || at.day < 1 || at.day > 31 || at.hour > 23 ||
        at.minute > 59 || at.second > 59) {
        fail("the time " + quotedForMessage(time) + " is out of range");
        return false;
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
        const auto minutes = arguments == 1 ? parseCount(w[1]) : std::nullopt;
        if (!minutes || !isLogTimerInterval(*minutes)) {
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
            const auto rule = switchedRule(w[1]);
            const auto on = onOff(w[2]);
            if (rule && on) {
                action.alert = {*rule, *on, -1, 0};
                return true;
            }
            if (w[1] == "slot" && w[2] == "off") {
                action.alert = {AlertRule::Slot, false, -1, 0};
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
            const auto slot = parseCount(w[3]);
            if (!slot || *slot < 1 || *slot > pairCount) {
                fail("the slot of !alert slot must be 1 to 14, not " + quotedForMessage(w[3]));
                return false;
            }
            action.alert = {AlertRule::Slot, true, pair, *slot};
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
    TicksReader reader(variant);
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
