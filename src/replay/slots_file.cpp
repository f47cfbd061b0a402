#include "replay/slots_file.h"

#include <charconv>

namespace fx {

namespace {

// Longest texts of the fixed-size parts of a row: an int, a date or a time field.
constexpr std::size_t intRoom = 12;
constexpr std::size_t fixedRoom = 64;

// The row is written straight into the line's storage, sized once for its longest
// form: it is written a million times in a long replay.
class LineWriter {
public:
    LineWriter(std::string& line, std::size_t room) : line_(line), start_(line.size()) {
        line_.resize(start_ + room);
        at_ = line_.data() + start_;
    }
    ~LineWriter() { line_.resize(static_cast<std::size_t>(at_ - line_.data())); }

    void put(char c) { *at_++ = c; }
    void put(std::string_view text) {
        text.copy(at_, text.size());
        at_ += text.size();
    }
    void number(int value) { at_ = std::to_chars(at_, at_ + intRoom, value).ptr; }
    // Zero-padded to two or four digits, as the log's dates and times are.
    void padded(int value, int width) {
        char digits[intRoom];
        const char* end = std::to_chars(digits, digits + intRoom, value).ptr;
        for (auto length = end - digits; value >= 0 && length < width; ++length) put('0');
        put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

private:
    std::string& line_;
    std::size_t start_;
    char* at_;
};

}  // namespace

std::string slotsHeader() {
    std::string header = "date,time,cause,RB,BB,AB,BP,SP";
    for (int slot = 1; slot <= pairCount; ++slot)
        header += ",slot" + std::to_string(slot) + ",move" + std::to_string(slot);
    return header + ",pips\n";
}

void appendSlotsLine(std::string& line, const SlotsRow& row) {
    std::size_t room = fixedRoom + row.cause.size() + row.pips.size() + 5 * intRoom;
    for (int s = 0; s < pairCount; ++s) room += row.symbols[s].size() + intRoom + 2;
    LineWriter out(line, room);
    const LocalTime& t = row.time;
    out.padded(t.month, 2);
    out.put('-');
    out.padded(t.day, 2);
    out.put('-');
    out.padded(t.year, 4);
    out.put(',');
    out.padded(t.hour, 2);
    out.put(':');
    out.padded(t.minute, 2);
    out.put(':');
    out.padded(t.second, 2);
    out.put(',');
    out.put(row.cause);
    for (int value :
         {row.referenceBias, row.basketBias, row.anchorBias, row.buyPower, row.sellPower}) {
        out.put(',');
        out.number(value);
    }
    for (int s = 0; s < pairCount; ++s) {
        out.put(',');
        out.put(row.symbols[s]);
        out.put(',');
        out.number(row.moves[s]);
    }
    out.put(',');
    out.put(row.pips);
    out.put('\n');
}

bool SlotsFile::create(const std::string& path) {
    if (!file_.create(path)) return false;
    file_.write(slotsHeader());
    return true;
}

void SlotsFile::write(const SlotsRow& row) {
    line_.clear();
    appendSlotsLine(line_, row);
    file_.write(line_);
}

bool SlotsFile::close() { return file_.close(); }

}  // namespace fx
