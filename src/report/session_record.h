#pragma once
// What a replayed session showed, gathered as it runs, for its report: every ranking
// (reduced for the charts), and exactly, the reference days, the anchor changes, the
// alert rows, the alert counts per day and the baskets.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "monitor/options_window.h"
#include "monitor/variants.h"
#include "report/reduced_series.h"
#include "text/clock.h"

namespace fx {

inline constexpr int alertRuleCount = 4;

// The engine's state after one ranking run, as the replay read it.
struct RankingSample {
    LocalTime time;
    std::array<int, pairCount> moves{};      // pips, by PairTable index
    std::array<int, pairCount> slotIndex{};  // 0 (slot 1) to 13, by PairTable index
    int buyPower = 0;
    int sellPower = 0;
    int referenceBias = 0;
    int basketBias = 0;
    int anchorBias = 0;
    int topAnchor = -1;  // PairTable index; -1 while no anchor is known
    int bottomAnchor = -1;
    std::optional<int> basketPips;  // the pips box, while a basket is open
};

struct TimedText {
    LocalTime time;
    std::string text;
};

struct AnchorChange {
    LocalTime time;
    bool top = true;
    int pair = 0;
};

struct AlertRow {
    LocalTime time;
    AlertKind rule = anchorDisplaced;
    int textIndex = 0;  // into alertTexts()
};

// One rule's rows on one day.
struct RuleTally {
    int count = 0;
    LocalTime first;
    LocalTime last;
};

struct AlertDay {
    LocalTime date;                                 // the day of its rows
    std::array<RuleTally, alertRuleCount> rules{};  // by AlertKind - 1
};

struct BasketRecord {
    LocalTime opened;
    std::optional<LocalTime> closed;  // nothing: still open at the end
    int direction = 0;                // buyTrade or sellTrade
    std::string result;               // the pips box when it closed
    std::optional<int> latestPips;    // at the latest ranking while it was open
};

class SessionRecord {
public:
    // Ranking samples beyond `maxChartBuckets` buckets are reduced.
    static constexpr int maxChartBuckets = 2000;
    // The series of the charts: the moves, the slots (by PairTable index), the five
    // measures, the basket's pips.
    static constexpr int moveSeries = 0;
    static constexpr int slotSeries = pairCount;
    static constexpr int measureSeries = 2 * pairCount;
    static constexpr int measureCount = 5;  // BP, SP, RB, BB, AB
    static constexpr int pipsSeries = measureSeries + measureCount;
    static constexpr int seriesCount = pipsSeries + 1;

    SessionRecord();

    // A ranking run: `tick` for a real-time tick, else a reference-day change.
    void addRanking(const RankingSample& sample, bool tick);
    void addReferenceDay(const LocalTime& time, std::string_view date);
    void addAlert(const LocalTime& time, AlertKind rule, std::string_view text);
    // An alert switched on or off during the session, in the words of the ticks file.
    void addAlertSetting(const LocalTime& time, std::string_view text);
    void openBasket(const LocalTime& time, int direction);
    void closeBasket(const LocalTime& time, std::string_view result);
    // Closes the reduction; nothing may be added after it.
    void finish();

    const ReducedSeries& series() const { return series_; }
    long long ticks() const { return ticks_; }
    const std::optional<LocalTime>& firstTick() const { return firstTick_; }
    const LocalTime& lastTick() const { return lastTick_; }
    int tickDays() const { return tickDays_; }
    const std::vector<TimedText>& referenceDays() const { return referenceDays_; }
    const std::vector<TimedText>& alertSettings() const { return alertSettings_; }
    const std::vector<AnchorChange>& anchorChanges() const { return anchorChanges_; }
    const std::vector<AlertRow>& alerts() const { return alerts_; }
    const std::vector<std::string>& alertTexts() const { return alertTexts_; }
    const std::vector<BasketRecord>& baskets() const { return baskets_; }
    // The days with alert rows, earliest first.
    std::vector<AlertDay> alertDays() const;

private:
    ReducedSeries series_;
    long long ticks_ = 0;
    std::optional<LocalTime> firstTick_;
    LocalTime lastTick_;
    int tickDays_ = 0;
    int topAnchor_ = -1;
    int bottomAnchor_ = -1;
    std::vector<TimedText> referenceDays_;
    std::vector<TimedText> alertSettings_;
    std::vector<AnchorChange> anchorChanges_;
    std::vector<AlertRow> alerts_;
    std::vector<std::string> alertTexts_;
    std::unordered_map<std::string, int> alertTextIndex_;
    std::map<std::tuple<int, int, int>, AlertDay> alertDays_;  // by year, month, day
    std::vector<BasketRecord> baskets_;
};

}  // namespace fx
