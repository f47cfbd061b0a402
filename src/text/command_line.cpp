#include "text/command_line.h"

namespace fx {

namespace {

constexpr std::size_t longestQuote = 40;

bool looksLikeOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

}  // namespace

ArgumentReader::ArgumentReader(std::vector<std::string> arguments,
                               std::span<const OptionSpec> options)
    : arguments_(std::move(arguments)), options_(options) {}

ArgumentReader::ArgumentReader(int argc, char** argv, std::span<const OptionSpec> options)
    : ArgumentReader(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), options) {}

const OptionSpec* ArgumentReader::find(std::string_view name) const {
    for (const OptionSpec& option : options_)
        if (option.name == name) return &option;
    return nullptr;
}

bool ArgumentReader::next(Argument& argument) {
    if (!error_.empty() || next_ >= arguments_.size()) return false;
    argument = Argument{};
    std::string text = arguments_[next_++];
    if (!optionsEnded_ && text == "--") {
        optionsEnded_ = true;
        return next(argument);
    }
    if (optionsEnded_ || !looksLikeOption(text)) {
        argument.name = std::move(text);
        return true;
    }
    std::optional<std::string> inlineValue;
    if (const std::size_t equals = text.find('='); equals != std::string::npos) {
        inlineValue = text.substr(equals + 1);
        text.resize(equals);
    }
    const OptionSpec* option = find(text);
    if (!option) {
        error_ = "unknown option " + quotedForMessage(text);
        return false;
    }
    argument.isOption = true;
    argument.name = std::move(text);
    if (!option->takesValue) {
        if (!inlineValue) return true;
        error_ = argument.name + " takes no value";
        return false;
    }
    if (inlineValue) {
        argument.value = std::move(*inlineValue);
        return true;
    }
    if (next_ >= arguments_.size()) {
        error_ = argument.name + " needs a value";
        return false;
    }
    argument.value = arguments_[next_++];
    return true;
}

std::optional<std::uint64_t> parseCount(std::string_view text, std::uint64_t low,
                                        std::uint64_t high) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (high - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (value < low) return std::nullopt;
    return value;
}

std::optional<int> parseIntCount(std::string_view text, int low, int high) {
    if (low < 0 || high < low) return std::nullopt;
    const auto value =
        parseCount(text, static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(high));
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

std::string countMessage(std::string_view what, std::uint64_t low, std::uint64_t high,
                         std::string_view text) {
    std::string message = std::string(what) + " takes a whole number from " + std::to_string(low);
    if (high < std::numeric_limits<std::uint32_t>::max())
        message += " to " + std::to_string(high);
    else
        message += " on";
    return message + ", not " + quotedForMessage(text);
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

}  // namespace fx
