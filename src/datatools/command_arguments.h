#pragma once
// The data tools' command lines: options written "--name value" or "--name=value",
// anything else a plain argument.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fx::datatools {

class CommandArguments {
public:
    explicit CommandArguments(std::vector<std::string> arguments)
        : arguments_(std::move(arguments)) {}

    bool done() const { return next_ >= arguments_.size(); }
    // The next argument; of "--name=value" only "--name", the value waits for value().
    std::string next();
    static bool isOption(std::string_view argument) { return argument.starts_with("--"); }
    // The value of the option just read: its "=value", or else the next argument.
    std::optional<std::string> value();
    // The option just read was written "--name=value": wrong for an option that takes none.
    bool hasInlineValue() const { return inlineValue_.has_value(); }

private:
    std::vector<std::string> arguments_;
    std::size_t next_ = 0;
    std::optional<std::string> inlineValue_;
};

// A whole number written with digits only, from `low` to `high`.
std::optional<int> parseWholeNumber(std::string_view text, int low, int high);

}  // namespace fx::datatools
