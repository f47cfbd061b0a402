#include "replay/slots_file.h"

#include <charconv>

namespace fx {

namespace {

// Longest texts of the fixed-size parts of a row: an int, a date or a time field.
constexpr std::size_t intRoom = 12;
constexpr std::size_t fixedRoom = 64;

// The row is written straight into room sized once for its longest form: it is written
// a million times in a long replay.
class LineWriter {
public:
    explicit LineWriter(char* at) : at_(at) {}
    char* end() const { return at_; }

    void put(char c) { *at_++ = c; }
    void put(std::string_view text) {
        text.copy(at_, text.size());
        at_ += text.size();
    }
    void number(int value) { at_ = std::to_chars(at_, at_ + intRoom, value).ptr; }
    // Zero-padded to two or four digits, as the log's dates and times are.
    void padded(int value, int width) {
        if (width == 2 && value >= 0 && value < 100) {
            put(static_cast<char>('0' + value / 10));
            put(static_cast<char>('0' + value % 10));
            return;
        }
        char digits[intRoom];
        const char* end = std::to_chars(digits, digits + intRoom, value).ptr;
        for (auto length = end - digits; value >= 0 && length < width; ++length) put('0');
        put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

private:
    char* at_;
};

// The most characters the row's line can take.
std::size_t roomFor(const SlotsRow& row) {
    std::size_t room = fixedRoom + row.cause.size() + row.pips.size() + 5 * intRoom;
    for (int s = 0; s < pairCount; ++s) room += row.symbols[s].size() + intRoom + 2;
    return room;
}

// Writes the row's line, LF included, into room enough for it; returns its end.
char* writeSlotsLine(char* at, const SlotsRow& row) {
    LineWriter out(at);
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
    return out.end();
}

}  // namespace

std::string slotsHeader() {
    std::string header = "date,time,cause,RB,BB,AB,BP,SP";
    for (int slot = 1; slot <= pairCount; ++slot)
        header += ",slot" + std::to_string(slot) + ",move" + std::to_string(slot);
    return header + ",pips\n";
}

void appendSlotsLine(std::string& line, const SlotsRow& row) {
    const std::size_t start = line.size();
    line.resize(start + roomFor(row));
    line.resize(static_cast<std::size_t>(writeSlotsLine(line.data() + start, row) - line.data()));
}

bool SlotsFile::create(const std::string& path) {
    if (!file_.create(path)) return false;
    file_.write(slotsHeader());
    return true;
}

void SlotsFile::write(const SlotsRow& row) {
    // The usual row, a few hundred characters, is made on the stack.
    char line[1024];
    if (roomFor(row) <= sizeof line) {
        file_.write(
            std::string_view(line, static_cast<std::size_t>(writeSlotsLine(line, row) - line)));
        return;
    }
    line_.clear();
    appendSlotsLine(line_, row);
    file_.write(line_);
}

bool SlotsFile::close() { return file_.close(); }

}  // namespace fx
