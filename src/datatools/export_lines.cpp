#include "datatools/export_lines.h"

namespace fx::datatools {

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

}  // namespace

bool ExportLines::next(std::string& line) {
    const std::optional<std::string_view> read = file_.nextLine(keep_, &lastLength_);
    if (!read) {
        line.clear();
        return false;
    }
    line.assign(*read);
    ++number_;
    if (number_ == 1 && std::string_view(line).starts_with(utf8Mark)) {
        line.erase(0, utf8Mark.size());
        lastLength_ -= utf8Mark.size();
    }
    return true;
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool isUtf16Text(std::string_view firstLine) {
    return firstLine.starts_with("\xFF\xFE") || firstLine.starts_with("\xFE\xFF");
}

}  // namespace fx::datatools
