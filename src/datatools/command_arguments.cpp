#include "datatools/command_arguments.h"

namespace fx::datatools {

std::string CommandArguments::next() {
    inlineValue_.reset();
    std::string argument = arguments_.at(next_++);
    if (isOption(argument)) {
        const std::size_t equals = argument.find('=');
        if (equals != std::string::npos) {
            inlineValue_ = argument.substr(equals + 1);
            argument.resize(equals);
        }
    }
    return argument;
}

std::optional<std::string> CommandArguments::value() {
    if (inlineValue_) {
        std::optional<std::string> taken = std::move(inlineValue_);
        inlineValue_.reset();
        return taken;
    }
    if (done()) return std::nullopt;
    return arguments_[next_++];
}

std::optional<int> parseWholeNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

}  // namespace fx::datatools
