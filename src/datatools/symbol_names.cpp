#include "datatools/symbol_names.h"

#include <algorithm>

#include "monitor/variants.h"

namespace fx::datatools {

namespace {

std::vector<std::string_view> monitorSymbols() {
    std::vector<std::string_view> symbols;
    for (const VariantId id : {VariantId::V17, VariantId::V17b, VariantId::V17c}) {
        for (const std::string_view symbol : variant(id).pairTable) {
            if (std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
                symbols.push_back(symbol);
        }
    }
    return symbols;
}

}  // namespace

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::vector<std::string> symbolsInFileName(std::string_view fileName) {
    const std::string name = upperCase(fileName);
    std::vector<std::pair<std::size_t, std::string>> found;
    for (const std::string_view symbol : monitorSymbols()) {
        const std::size_t at = name.find(symbol);
        if (at != std::string::npos) found.emplace_back(at, std::string(symbol));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> symbols;
    for (auto& entry : found) symbols.push_back(std::move(entry.second));
    return symbols;
}

bool isMonitorSymbol(std::string_view symbol) {
    const auto symbols = monitorSymbols();
    return std::find(symbols.begin(), symbols.end(), symbol) != symbols.end();
}

namespace {

bool allLetters(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

}  // namespace

bool isSymbolText(std::string_view text) { return text.size() == 6 && allLetters(text); }

bool isCurrencyCode(std::string_view text) { return text.size() == 3 && allLetters(text); }

}  // namespace fx::datatools
