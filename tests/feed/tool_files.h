#pragma once
// What the tools' tests share: the committed sample folder, the lines of a file, and
// the shape of a price text as the tools write it.

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace fxtest {

// Every symbol any variant uses.
inline constexpr std::array<std::string_view, 16> sampleSymbols = {
    "GBPUSD", "EURGBP", "GBPJPY", "USDCHF", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY",
    "EURUSD", "USDJPY", "AUDUSD", "USDCAD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"};

// The sample folder of the source tree, ending with a path separator.
inline std::string sampleFolder() { return FX_SAMPLE_DIR; }

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file's lines, each of which must end with CR LF; `crlf` is cleared when one does not.
inline std::vector<std::string> crlfLines(const std::string& path, bool& crlf) {
    const std::string bytes = fileBytes(path);
    std::vector<std::string> lines;
    crlf = true;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            crlf = false;
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    for (const std::string& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos) crlf = false;
    return lines;
}

// Digits, ".", and exactly 3 decimals for a yen pair, 5 for any other.
inline bool isFullPriceText(std::string_view symbol, std::string_view text) {
    const std::size_t decimals = symbol.ends_with("JPY") ? 3 : 5;
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0) return false;
    if (text.size() - point - 1 != decimals) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    return true;
}

// Copies the symbol's history file, and its real-time file when asked, from the sample.
inline void copyFromSample(std::string_view symbol, const std::string& folder, bool withRealtime) {
    namespace fs = std::filesystem;
    const std::string name(symbol);
    fs::copy_file(sampleFolder() + name + ".csv", folder + name + ".csv",
                  fs::copy_options::overwrite_existing);
    if (withRealtime) {
        fs::copy_file(sampleFolder() + name + "_RT.csv", folder + name + "_RT.csv",
                      fs::copy_options::overwrite_existing);
    }
}

}  // namespace fxtest
