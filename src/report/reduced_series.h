#pragma once
// Series of whole numbers sampled together over a long session, kept small enough to
// chart: the samples fall into buckets of one size, and each bucket keeps its first and
// last time and each series' lowest and highest value, in the order they came. A spike
// of one tick therefore still shows, however long the session. The bucket size starts at
// one sample and doubles, neighbouring buckets merged, whenever one more bucket than
// allowed would be needed: the length of the session need not be known beforehand.

#include <climits>
#include <span>
#include <vector>

namespace fx {

class ReducedSeries {
public:
    // A series with no value at a sample (a basket's pips while none is open).
    static constexpr int none = INT_MIN;

    // At most `maxBuckets` buckets, two points each; a bucket of one sample is one point.
    ReducedSeries(int seriesCount, int maxBuckets);

    // One sample: a value (or `none`) for every series, at a time that does not go back.
    void add(long long time, std::span<const int> values);
    // Makes the points; add() must not be called after it.
    void finish();

    const std::vector<long long>& times() const { return times_; }
    // values()[series][point], `none` where that series had no value.
    const std::vector<std::vector<int>>& values() const { return values_; }

private:
    struct Extremes {
        int low = none;
        int high = none;
        long long lowAt = 0;  // the sample's number in the session
        long long highAt = 0;
    };
    struct Bucket {
        long long firstTime = 0;
        long long lastTime = 0;
        long long samples = 0;
    };

    Extremes* extremesOf(std::size_t bucket) { return &extremes_[bucket * seriesCount_]; }
    void mergeNeighbours();

    std::size_t seriesCount_;
    std::size_t maxBuckets_;
    long long bucketSize_ = 1;
    long long samples_ = 0;
    std::vector<Bucket> buckets_;
    std::vector<Extremes> extremes_;  // seriesCount_ per bucket
    std::vector<long long> times_;
    std::vector<std::vector<int>> values_;
};

}  // namespace fx
