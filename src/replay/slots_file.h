#pragma once
// The --slots file: one CSV row per ranking run, lines ended by LF.

#include <array>
#include <string>
#include <string_view>

#include "monitor/variants.h"
#include "text/clock.h"
#include "text/text_file.h"

namespace fx {

// What one ranking run left behind, as the user sees it after its cycle.
struct SlotsRow {
    LocalTime time;
    std::string_view cause;  // "tick" or "reference"
    int referenceBias = 0;
    int basketBias = 0;
    int anchorBias = 0;
    int buyPower = 0;
    int sellPower = 0;
    std::array<std::string_view, pairCount> symbols;  // slot 1 first
    std::array<int, pairCount> moves{};
    std::string_view pips;  // the pips box, blanks around it removed
};

// "date,time,cause,RB,BB,AB,BP,SP,slot1,move1,...,slot14,move14,pips"
std::string slotsHeader();
// The row's line, LF included, appended to `line`.
void appendSlotsLine(std::string& line, const SlotsRow& row);

class SlotsFile {
public:
    // Starts the file with its header line; false when it cannot be created. The file
    // appears under its name only when it is closed, whole; one never closed is dropped.
    bool create(const std::string& path);
    void write(const SlotsRow& row);
    // False when any write, the close or putting the file in place failed.
    bool close();

private:
    OutputTextFile file_;
    std::string line_;
};

}  // namespace fx
