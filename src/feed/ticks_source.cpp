#include "feed/ticks_source.h"

namespace fx::feed {

TicksSource::TicksSource(const Variant& variant) : reader_(variant) {
    for (const std::string_view symbol : variant.pairTable) symbols_.emplace_back(symbol);
}

std::unique_ptr<TicksSource> TicksSource::open(const std::string& path, const Variant& variant,
                                               std::string& error, int& status) {
    std::unique_ptr<TicksSource> source(new TicksSource(variant));
    if (!source->reader_.open(path)) {
        error = source->reader_.error();
        status = 1;
        return nullptr;
    }
    const TicksCheck check = checkTicksFile(path, variant);
    if (!check.ok) {
        error = check.error;
        status = 2;
        return nullptr;
    }
    return source;
}

std::optional<std::vector<PriceUpdate>> TicksSource::next() {
    while (true) {
        switch (reader_.next()) {
            case TicksReader::Item::Action:
                continue;
            case TicksReader::Item::End:
                return std::nullopt;
            case TicksReader::Item::Error:
                failure_ = reader_.error();
                return std::nullopt;
            case TicksReader::Item::Price:
                break;
        }
        std::vector<PriceUpdate> round;
        round.reserve(symbols_.size());
        for (std::size_t k = 0; k < symbols_.size(); ++k) {
            const std::string_view field = reader_.price().fields[k];
            // An empty field is a file that was missing at that tick; a field of blanks
            // is a file whose first line is blanks, and is written as such.
            if (field.empty()) {
                round.push_back({symbols_[k], std::nullopt});
            } else {
                round.push_back({symbols_[k], std::string(field)});
            }
        }
        return round;
    }
}

}  // namespace fx::feed
