#pragma once
// Command lines, as every program here reads them: options written "--name value" or
// "--name=value", "--" ending the options, anything else a plain argument; and the
// counts they and the ticks files give, with one rule for what a count is.

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fx {

struct OptionSpec {
    std::string_view name;  // "--variant"; "-h" for a short one
    bool takesValue = false;
};

struct Argument {
    bool isOption = false;
    std::string name;   // the option as listed, or the plain argument
    std::string value;  // the option's value, when it takes one
};

class ArgumentReader {
public:
    ArgumentReader(std::vector<std::string> arguments, std::span<const OptionSpec> options);
    // argv[0], the program's name, is skipped.
    ArgumentReader(int argc, char** argv, std::span<const OptionSpec> options);

    // The next argument. False at the end, and at the first mistake (an unknown option,
    // an option without its value, a value for an option that takes none), which
    // error() then names; reading stops there.
    bool next(Argument& argument);
    const std::string& error() const { return error_; }

private:
    const OptionSpec* find(std::string_view name) const;

    std::vector<std::string> arguments_;
    std::span<const OptionSpec> options_;
    std::size_t next_ = 0;
    bool optionsEnded_ = false;
    std::string error_;
};

// A count: decimal digits only, at least one, from `low` to `high`. Anything else,
// a value past `high` included, is no count.
std::optional<std::uint64_t> parseCount(
    std::string_view text, std::uint64_t low = 0,
    std::uint64_t high = std::numeric_limits<std::uint64_t>::max());
// The same rule, for counts that fit an int.
std::optional<int> parseIntCount(std::string_view text, int low, int high);
// What to say about a text that is no such count: "WHAT takes a whole number from
// LOW to HIGH, not "TEXT"" ("from LOW on" without a real upper end).
std::string countMessage(std::string_view what, std::uint64_t low, std::uint64_t high,
                         std::string_view text);

// The text shortened and made printable, in double quotes, for a message.
std::string quotedForMessage(std::string_view text);

}  // namespace fx
