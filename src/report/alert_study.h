#pragma once
// The alert study: what a BUY and a SELL basket opened at each alert row would have
// shown some minutes of session time later and at the session's end, valued by the
// trade simulator's own rule (no costs, no spread); and the same for the baskets the
// user opened. A basket is valued at the first tick at or after its opening time plus
// the horizon; one whose session ends sooner is not valued.
//
// Baskets are opened in the order of their times, so at each horizon the baskets still
// waiting are the latest ones, and a tick compares its time with one number: when the
// next of them falls due. (Should the session's clock go back, a basket opened after it
// waits for those opened before it.)

#include <array>
#include <climits>
#include <optional>
#include <vector>

#include "controller/trade_simulator.h"
#include "report/session_record.h"
#include "text/clock.h"

namespace fx {

using PairPrices = std::array<float, pairCount>;

// The study's subjects: the four rules, by AlertKind - 1, then the user's own baskets.
inline constexpr int userBaskets = alertRuleCount;
inline constexpr int studySubjectCount = alertRuleCount + 1;

// Horizons in minutes of session time.
inline const std::vector<int> defaultStudyHorizons = {15, 60, 240};
inline constexpr int maxStudyHorizons = 8;
inline constexpr int maxStudyHorizonMinutes = 10080;  // a week

// What one subject's baskets of one direction showed at one horizon.
struct StudyFigures {
    int subject = 0;
    int horizon = 0;  // into horizons(); horizons().size() is the session's end
    TradeDirection direction = TradeDirection::Buy;
    int baskets = 0;  // alert rows; of the user's baskets, those opened this way
    int valued = 0;   // of them, those the session lasted long enough for
    double mean = 0.0;
    double median = 0.0;
    double aboveZero = 0.0;  // the share of the valued ones above 0 pips, 0 to 1
    int best = 0;
    int worst = 0;
};

class AlertStudy {
public:
    // An outcome of a basket that was not valued.
    static constexpr int notValued = INT_MIN;

    struct Basket {
        long long time = 0;  // seconds since 1970 on the session's clock
        int subject = 0;
        std::optional<TradeDirection> direction;  // nothing: both ways (an alert row)
    };

    AlertStudy(std::vector<int> horizonMinutes, const PairPrices& pipFactors);

    // A basket opened now at the `entry` prices: both ways for an alert row, the user's
    // own way for theirs.
    void openForAlert(const LocalTime& time, AlertKind rule, const PairPrices& entry);
    void openForUser(const LocalTime& time, TradeDirection direction, const PairPrices& entry);
    // A tick, with the prices after it: values the baskets whose horizon it reaches.
    void priced(const LocalTime& time, const PairPrices& current) {
        const long long now = secondsSince1970(time);
        if (now >= nextDue_) valueDue(now, current);
    }
    // The session's end, at its last prices.
    void finish(const PairPrices& current);

    const std::vector<int>& horizons() const { return horizonMinutes_; }
    const std::vector<Basket>& baskets() const { return baskets_; }
    // The pips of a basket at a horizon (horizons().size(): the end), or notValued.
    int outcome(std::size_t basket, int horizon, TradeDirection direction) const {
        return outcomes_[basket * columns() + column(horizon, direction)];
    }
    // Every subject, every horizon with the end last, BUY before SELL.
    std::vector<StudyFigures> figures() const;

private:
    std::size_t columns() const { return 2 * (horizonMinutes_.size() + 1); }
    static std::size_t column(int horizon, TradeDirection direction) {
        return 2 * static_cast<std::size_t>(horizon) + (direction == TradeDirection::Sell);
    }
    void open(long long time, int subject, std::optional<TradeDirection> direction,
              const PairPrices& entry);
    void valueDue(long long now, const PairPrices& current);
    void value(std::size_t basket, int horizon, const PairPrices& current);
    void findNextDue();

    std::vector<int> horizonMinutes_;
    PairPrices pipFactors_;
    std::vector<Basket> baskets_;
    std::vector<PairPrices> entries_;  // by basket
    std::vector<int> outcomes_;        // columns() per basket
    std::vector<std::size_t> waiting_;  // by horizon: the first basket it has not valued
    long long nextDue_ = LLONG_MAX;
};

}  // namespace fx
