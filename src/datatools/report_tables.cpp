#include "datatools/report_tables.h"

#include <algorithm>

namespace fx::datatools {

void writeAlignedTable(std::ostream& out, const std::vector<TableRow>& rows,
                       const std::vector<bool>& rightAligned) {
    std::vector<std::size_t> widths;
    for (const TableRow& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    for (const TableRow& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) line += "  ";
            const std::string padding(widths[c] - row[c].size(), ' ');
            const bool right = c < rightAligned.size() && rightAligned[c];
            line += right ? padding + row[c] : row[c] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << "\n";
    }
}

void writeCsvRow(std::ostream& out, const TableRow& row) {
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (c > 0) out << ',';
        const std::string& field = row[c];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            out << field;
            continue;
        }
        out << '"';
        for (const char ch : field) {
            if (ch == '"') out << '"';
            out << ch;
        }
        out << '"';
    }
    out << "\n";
}

}  // namespace fx::datatools
