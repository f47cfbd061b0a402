// make-sample-data: writes the bundled sample (synthetic history and real-time files
// for every symbol any variant uses). The same seed, day count and last day always give
// the same files, so the committed sample can be regenerated and checked.

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "datatools/sample_data.h"
#include "text/command_line.h"

namespace {

constexpr const char* usage =
    "Usage: make-sample-data [--seed N] [--days N] [--end MM-DD-YYYY] FOLDER\n"
    "Writes SYMBOL.csv (daily history, weekdays, oldest first) and SYMBOL_RT.csv (the\n"
    "latest price) for the sixteen symbols the variants use. The prices are synthetic:\n"
    "a seeded random walk of the currencies, every cross derived from its legs.\n"
    "  --seed N            random seed (default 20250530)\n"
    "  --days N            history rows, 1 to 499 (default 300)\n"
    "  --end MM-DD-YYYY    the last history day, or the Friday before it (default 05-30-2025)\n"
    "Example: make-sample-data sample\n";

std::optional<std::chrono::year_month_day> parseDay(const std::string& text) {
    unsigned month = 0, day = 0;
    int year = 0;
    char tail = 0;
    if (text.size() != 10 ||
        std::sscanf(text.c_str(), "%2u-%2u-%4d%c", &month, &day, &year, &tail) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (!date.ok()) return std::nullopt;
    return date;
}

int usageError(const std::string& message) {
    std::cerr << "make-sample-data: " << message << "\n" << usage;
    return 2;
}

constexpr fx::OptionSpec options[] = {
    {"--seed", true}, {"--days", true}, {"--end", true}, {"--help", false}};

}  // namespace

int main(int argc, char** argv) {
    fx::market::SampleOptions sample;
    std::optional<std::string> folder;
    fx::ArgumentReader reader(argc, argv, options);
    fx::Argument argument;
    while (reader.next(argument)) {
        const std::string& value = argument.value;
        if (argument.name == "--help") {
            std::cout << usage;
            return 0;
        }
        if (!argument.isOption) {
            if (folder) return usageError("only one folder may be given");
            folder = argument.name;
        } else if (argument.name == "--seed") {
            const auto seed = fx::parseCount(value);
            if (!seed) return usageError(fx::countMessage("--seed", 0, UINT64_MAX, value));
            sample.seed = *seed;
        } else if (argument.name == "--days") {
            const auto days = fx::parseIntCount(value, 1, 499);
            if (!days) return usageError(fx::countMessage("--days", 1, 499, value));
            sample.days = *days;
        } else if (argument.name == "--end") {
            const auto day = parseDay(value);
            if (!day) return usageError("--end takes a date MM-DD-YYYY");
            sample.lastDay = *day;
        }
    }
    if (!reader.error().empty()) return usageError(reader.error());
    if (!folder) return usageError("no folder given");

    std::error_code failure;
    std::filesystem::create_directories(*folder, failure);
    std::string error;
    if (!fx::market::writeSample((std::filesystem::path(*folder) / "").string(), sample, error)) {
        std::cerr << "make-sample-data: " << error << "\n";
        return 1;
    }
    return 0;
}
