#include "report/alert_study.h"

#include <algorithm>

namespace fx {

namespace {

constexpr TradeDirection directions[] = {TradeDirection::Buy, TradeDirection::Sell};

StudyFigures figuresOf(std::vector<int>& pips) {
    StudyFigures figures;
    figures.valued = static_cast<int>(pips.size());
    if (pips.empty()) return figures;
    std::sort(pips.begin(), pips.end());
    long long sum = 0;
    int above = 0;
    for (int value : pips) {
        sum += value;
        above += value > 0;
    }
    const std::size_t middle = pips.size() / 2;
    figures.mean = static_cast<double>(sum) / static_cast<double>(pips.size());
    figures.median = pips.size() % 2 ? pips[middle] : (pips[middle - 1] + 0.0 + pips[middle]) / 2;
    figures.aboveZero = static_cast<double>(above) / static_cast<double>(pips.size());
    figures.best = pips.back();
    figures.worst = pips.front();
    return figures;
}

}  // namespace

AlertStudy::AlertStudy(std::vector<int> horizonMinutes, const PairPrices& pipFactors)
    : horizonMinutes_(std::move(horizonMinutes)),
      pipFactors_(pipFactors),
      waiting_(horizonMinutes_.size(), 0) {}

void AlertStudy::openForAlert(const LocalTime& time, AlertKind rule, const PairPrices& entry) {
    open(secondsSince1970(time), rule - 1, std::nullopt, entry);
}

void AlertStudy::openForUser(const LocalTime& time, TradeDirection direction,
                             const PairPrices& entry) {
    open(secondsSince1970(time), userBaskets, direction, entry);
}

void AlertStudy::open(long long time, int subject, std::optional<TradeDirection> direction,
                      const PairPrices& entry) {
    baskets_.push_back({time, subject, direction});
    entries_.push_back(entry);
    outcomes_.resize(outcomes_.size() + columns(), notValued);
    findNextDue();
}

void AlertStudy::value(std::size_t basket, int horizon, const PairPrices& current) {
    for (TradeDirection direction : directions) {
        const auto& way = baskets_[basket].direction;
        if (way && *way != direction) continue;
        outcomes_[basket * columns() + column(horizon, direction)] =
            basketPips(direction, entries_[basket], current, pipFactors_);
    }
}

void AlertStudy::valueDue(long long now, const PairPrices& current) {
    for (std::size_t h = 0; h < horizonMinutes_.size(); ++h) {
        const long long horizon = 60LL * horizonMinutes_[h];
        std::size_t& next = waiting_[h];
        for (; next < baskets_.size() && baskets_[next].time + horizon <= now; ++next)
            value(next, static_cast<int>(h), current);
    }
    findNextDue();
}

void AlertStudy::findNextDue() {
    nextDue_ = LLONG_MAX;
    for (std::size_t h = 0; h < horizonMinutes_.size(); ++h)
        if (waiting_[h] < baskets_.size())
            nextDue_ = std::min(nextDue_, baskets_[waiting_[h]].time + 60LL * horizonMinutes_[h]);
}

void AlertStudy::finish(const PairPrices& current) {
    const int end = static_cast<int>(horizonMinutes_.size());
    for (std::size_t b = 0; b < baskets_.size(); ++b) value(b, end, current);
}

std::vector<StudyFigures> AlertStudy::figures() const {
    const int horizons = static_cast<int>(horizonMinutes_.size()) + 1;
    std::vector<StudyFigures> all;
    for (int subject = 0; subject < studySubjectCount; ++subject) {
        for (int h = 0; h < horizons; ++h) {
            for (TradeDirection direction : directions) {
                std::vector<int> pips;
                int baskets = 0;
                for (std::size_t b = 0; b < baskets_.size(); ++b) {
                    const Basket& basket = baskets_[b];
                    if (basket.subject != subject) continue;
                    if (basket.direction && *basket.direction != direction) continue;
                    ++baskets;
                    if (const int value = outcome(b, h, direction); value != notValued)
                        pips.push_back(value);
                }
                StudyFigures figures = figuresOf(pips);
                figures.subject = subject;
                figures.horizon = h;
                figures.direction = direction;
                figures.baskets = baskets;
                all.push_back(figures);
            }
        }
    }
    return all;
}

}  // namespace fx
