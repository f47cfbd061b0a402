#include "common/command_line.h"

namespace fx::tools {

ArgumentReader::ArgumentReader(int argc, char** argv)
    : ArgumentReader(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc)) {}

ArgumentReader::ArgumentReader(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)) {}

std::string ArgumentReader::next() {
    inlineValue_.reset();
    std::string argument = arguments_.at(next_++);
    if (isOption(argument)) {
        const auto equals = argument.find('=');
        if (equals != std::string::npos) {
            inlineValue_ = argument.substr(equals + 1);
            argument.resize(equals);
        }
    }
    return argument;
}

std::optional<std::string> ArgumentReader::value() {
    if (inlineValue_) {
        std::optional<std::string> taken = std::move(inlineValue_);
        inlineValue_.reset();
        return taken;
    }
    if (done()) return std::nullopt;
    return arguments_[next_++];
}

std::optional<std::uint64_t> parseCount(std::string_view text, std::uint64_t limit) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<int> parseWholeNumber(std::string_view text, int low, int high) {
    const std::optional<std::uint64_t> value = parseCount(text, static_cast<std::uint64_t>(high));
    if (!value || *value < static_cast<std::uint64_t>(low)) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace fx::tools
