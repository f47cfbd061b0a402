#include "report/reduced_series.h"

#include <algorithm>

namespace fx {

ReducedSeries::ReducedSeries(int seriesCount, long long expectedSamples, int maxBuckets)
    : bucketSize_(std::max(1LL, (expectedSamples + maxBuckets - 1) / std::max(1, maxBuckets))),
      extremes_(static_cast<std::size_t>(seriesCount)),
      values_(static_cast<std::size_t>(seriesCount)) {}

void ReducedSeries::add(long long time, std::span<const int> values) {
    if (inBucket_ == 0) firstTime_ = time;
    lastTime_ = time;
    for (std::size_t s = 0; s < extremes_.size() && s < values.size(); ++s) {
        const int value = values[s];
        if (value == none) continue;
        Extremes& e = extremes_[s];
        if (e.low == none || value < e.low) {
            e.low = value;
            e.lowAt = inBucket_;
        }
        if (e.high == none || value > e.high) {
            e.high = value;
            e.highAt = inBucket_;
        }
    }
    if (++inBucket_ == bucketSize_) closeBucket();
}

void ReducedSeries::finish() {
    if (inBucket_ > 0) closeBucket();
}

void ReducedSeries::closeBucket() {
    const bool onePoint = inBucket_ == 1;
    times_.push_back(firstTime_);
    if (!onePoint) times_.push_back(lastTime_);
    for (std::size_t s = 0; s < extremes_.size(); ++s) {
        Extremes& e = extremes_[s];
        std::vector<int>& points = values_[s];
        if (onePoint) {
            points.push_back(e.low);
        } else if (e.lowAt <= e.highAt) {
            points.push_back(e.low);
            points.push_back(e.high);
        } else {
            points.push_back(e.high);
            points.push_back(e.low);
        }
        e = Extremes{};
    }
    inBucket_ = 0;
}

}  // namespace fx
