#include "report/reduced_series.h"

#include <algorithm>

namespace fx {

ReducedSeries::ReducedSeries(int seriesCount, int maxBuckets)
    : seriesCount_(static_cast<std::size_t>(std::max(seriesCount, 0))),
      maxBuckets_(static_cast<std::size_t>(std::max(maxBuckets, 1))),
      values_(seriesCount_) {}

void ReducedSeries::add(long long time, std::span<const int> values) {
    if (buckets_.empty() || buckets_.back().samples == bucketSize_) {
        if (buckets_.size() == maxBuckets_) mergeNeighbours();
        if (buckets_.empty() || buckets_.back().samples == bucketSize_) {
            buckets_.push_back({time, time, 0});
            extremes_.resize(extremes_.size() + seriesCount_);
        }
    }
    Bucket& bucket = buckets_.back();
    bucket.lastTime = time;
    ++bucket.samples;
    Extremes* extremes = extremesOf(buckets_.size() - 1);
    for (std::size_t s = 0; s < seriesCount_ && s < values.size(); ++s) {
        const int value = values[s];
        if (value == none) continue;
        Extremes& e = extremes[s];
        // The first of equal extremes is kept.
        if (e.low == none || value < e.low) {
            e.low = value;
            e.lowAt = samples_;
        }
        if (e.high == none || value > e.high) {
            e.high = value;
            e.highAt = samples_;
        }
    }
    ++samples_;
}

// Buckets 2i and 2i + 1 become bucket i, of twice the size; the extremes of the earlier
// one win ties, as they would have in one bucket.
void ReducedSeries::mergeNeighbours() {
    const std::size_t merged = (buckets_.size() + 1) / 2;
    for (std::size_t i = 0; i < merged; ++i) {
        const std::size_t a = 2 * i;
        const std::size_t b = a + 1;
        Bucket bucket = buckets_[a];
        std::vector<Extremes> extremes(extremesOf(a), extremesOf(a) + seriesCount_);
        if (b < buckets_.size()) {
            bucket.lastTime = buckets_[b].lastTime;
            bucket.samples += buckets_[b].samples;
            const Extremes* later = extremesOf(b);
            for (std::size_t s = 0; s < seriesCount_; ++s) {
                Extremes& e = extremes[s];
                const Extremes& l = later[s];
                if (l.low != none && (e.low == none || l.low < e.low)) {
                    e.low = l.low;
                    e.lowAt = l.lowAt;
                }
                if (l.high != none && (e.high == none || l.high > e.high)) {
                    e.high = l.high;
                    e.highAt = l.highAt;
                }
            }
        }
        buckets_[i] = bucket;
        std::copy(extremes.begin(), extremes.end(), extremesOf(i));
    }
    buckets_.resize(merged);
    extremes_.resize(merged * seriesCount_);
    bucketSize_ *= 2;
}

void ReducedSeries::finish() {
    for (std::size_t b = 0; b < buckets_.size(); ++b) {
        const Bucket& bucket = buckets_[b];
        const bool onePoint = bucket.samples == 1;
        times_.push_back(bucket.firstTime);
        if (!onePoint) times_.push_back(bucket.lastTime);
        const Extremes* extremes = extremesOf(b);
        for (std::size_t s = 0; s < seriesCount_; ++s) {
            const Extremes& e = extremes[s];
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
        }
    }
    buckets_.clear();
    extremes_.clear();
}

}  // namespace fx
