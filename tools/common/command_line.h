#pragma once
// Command lines of the tools: options written "--name value" or "--name=value",
// anything else is a plain argument.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fx::tools {

class ArgumentReader {
public:
    ArgumentReader(int argc, char** argv);
    explicit ArgumentReader(std::vector<std::string> arguments);

    bool done() const { return next_ >= arguments_.size(); }
    // The next argument; of "--name=value" only "--name" (the value is kept for value()).
    std::string next();
    static bool isOption(std::string_view argument) { return argument.starts_with("--"); }
    // The value of the option just read: its "=value" part, or else the next argument.
    std::optional<std::string> value();
    // The option just read was written "--name=value": wrong for an option without a value.
    bool hasInlineValue() const { return inlineValue_.has_value(); }

private:
    std::vector<std::string> arguments_;
    std::size_t next_ = 0;
    std::optional<std::string> inlineValue_;
};

// Only decimal digits, at least one, at most `limit`.
std::optional<std::uint64_t> parseCount(std::string_view text, std::uint64_t limit = UINT64_MAX);
// Only decimal digits, a number from `low` to `high`.
std::optional<int> parseWholeNumber(std::string_view text, int low, int high);

}  // namespace fx::tools
