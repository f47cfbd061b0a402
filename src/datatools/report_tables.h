#pragma once
// The two shapes of a report table: aligned columns for people, CSV for programs.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace fx::datatools {

using TableRow = std::vector<std::string>;

// Every column as wide as its widest cell, two blanks apart; the columns marked in
// `rightAligned` (numbers) are aligned to the right. No blanks end a line.
void writeAlignedTable(std::ostream& out, const std::vector<TableRow>& rows,
                       const std::vector<bool>& rightAligned);

// One CSV line: fields holding a comma, a double quote or a line end are quoted, with
// their double quotes doubled.
void writeCsvRow(std::ostream& out, const TableRow& row);

}  // namespace fx::datatools
