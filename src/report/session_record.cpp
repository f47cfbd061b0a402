#include "report/session_record.h"

namespace fx {

namespace {

bool sameDay(const LocalTime& a, const LocalTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

SessionRecord::SessionRecord() : series_(seriesCount, maxChartBuckets) {}

void SessionRecord::addRanking(const RankingSample& sample, bool tick) {
    std::array<int, seriesCount> values{};
    for (int k = 0; k < pairCount; ++k) {
        values[moveSeries + k] = sample.moves[k];
        values[slotSeries + k] = sample.slotIndex[k] + 1;
    }
    const int measures[measureCount] = {sample.buyPower, sample.sellPower, sample.referenceBias,
                                        sample.basketBias, sample.anchorBias};
    for (int m = 0; m < measureCount; ++m) values[measureSeries + m] = measures[m];
    values[pipsSeries] = sample.basketPips.value_or(ReducedSeries::none);
    if (sample.basketPips && !baskets_.empty() && !baskets_.back().closed)
        baskets_.back().latestPips = sample.basketPips;
    series_.add(secondsSince1970(sample.time), values);

    if (sample.topAnchor != topAnchor_ && sample.topAnchor >= 0)
        anchorChanges_.push_back({sample.time, true, sample.topAnchor});
    if (sample.bottomAnchor != bottomAnchor_ && sample.bottomAnchor >= 0)
        anchorChanges_.push_back({sample.time, false, sample.bottomAnchor});
    topAnchor_ = sample.topAnchor;
    bottomAnchor_ = sample.bottomAnchor;

    if (!tick) return;
    if (!firstTick_) firstTick_ = sample.time;
    if (ticks_ == 0 || !sameDay(lastTick_, sample.time)) ++tickDays_;
    lastTick_ = sample.time;
    ++ticks_;
}

void SessionRecord::addReferenceDay(const LocalTime& time, std::string_view date) {
    referenceDays_.push_back({time, std::string(date)});
}

void SessionRecord::addAlert(const LocalTime& time, AlertKind rule, std::string_view text) {
    // A long session repeats a few dozen texts many times: each is kept once.
    const auto [entry, added] =
        alertTextIndex_.try_emplace(std::string(text), static_cast<int>(alertTexts_.size()));
    if (added) alertTexts_.emplace_back(text);
    alerts_.push_back({time, rule, entry->second});

    AlertDay& day = alertDays_[{time.year, time.month, time.day}];
    day.date = time;
    RuleTally& tally = day.rules[rule - 1];
    if (tally.count++ == 0) tally.first = time;
    tally.last = time;
}

void SessionRecord::addAlertSetting(const LocalTime& time, std::string_view text) {
    alertSettings_.push_back({time, std::string(text)});
}

void SessionRecord::openBasket(const LocalTime& time, int direction) {
    baskets_.push_back({time, std::nullopt, direction, "", std::nullopt});
}

void SessionRecord::closeBasket(const LocalTime& time, std::string_view result) {
    if (baskets_.empty() || baskets_.back().closed) return;
    baskets_.back().closed = time;
    baskets_.back().result = std::string(result);
}

void SessionRecord::finish() { series_.finish(); }

std::vector<AlertDay> SessionRecord::alertDays() const {
    std::vector<AlertDay> days;
    for (const auto& [key, day] : alertDays_) days.push_back(day);
    return days;
}

}  // namespace fx
