// make-sample-data: writes the bundled sample (synthetic history and real-time files
// for every symbol any variant uses). The same seed, day count and last day always give
// the same files, so the committed sample can be regenerated and checked.

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "common/command_line.h"
#include "make-sample-data/sample_data.h"

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

}  // namespace

int main(int argc, char** argv) {
    fx::market::SampleOptions options;
    std::optional<std::string> folder;
    fx::tools::ArgumentReader arguments(argc, argv);
    while (!arguments.done()) {
        const std::string argument = arguments.next();
        if (argument == "--help") {
            std::cout << usage;
            return 0;
        }
        if (!fx::tools::ArgumentReader::isOption(argument)) {
            if (folder) return usageError("only one folder may be given");
            folder = argument;
            continue;
        }
        if (argument != "--seed" && argument != "--days" && argument != "--end")
            return usageError("unknown option " + argument);
        const auto value = arguments.value();
        if (!value) return usageError(argument + " needs a value");
        if (argument == "--seed") {
            const auto seed = fx::tools::parseCount(*value);
            if (!seed) return usageError("--seed takes a whole number");
            options.seed = *seed;
        } else if (argument == "--days") {
            const auto days = fx::tools::parseCount(*value, 499);
            if (!days || *days == 0) return usageError("--days takes a number from 1 to 499");
            options.days = static_cast<int>(*days);
        } else if (argument == "--end") {
            const auto day = parseDay(*value);
            if (!day) return usageError("--end takes a date MM-DD-YYYY");
            options.lastDay = *day;
        }
    }
    if (!folder) return usageError("no folder given");

    std::error_code failure;
    std::filesystem::create_directories(*folder, failure);
    std::string error;
    if (!fx::market::writeSample((std::filesystem::path(*folder) / "").string(), options, error)) {
        std::cerr << "make-sample-data: " << error << "\n";
        return 1;
    }
    return 0;
}
