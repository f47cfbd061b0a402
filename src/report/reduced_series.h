#pragma once
// Series of whole numbers sampled together over a long session, kept small enough to
// chart: the samples fall into buckets of a fixed size, and each bucket keeps its first
// and last time and each series' lowest and highest value, in the order they came. A
// spike of one tick therefore still shows, however long the session.

#include <climits>
#include <span>
#include <vector>

namespace fx {

class ReducedSeries {
public:
    // A series with no value at a sample (a basket's pips while none is open).
    static constexpr int none = INT_MIN;

    // `expectedSamples` sets the bucket size, so that about that many samples make at
    // most `maxBuckets` buckets, two points each; a bucket of one sample is one point.
    ReducedSeries(int seriesCount, long long expectedSamples, int maxBuckets);

    // One sample: a value (or `none`) for every series, at a time that does not go back.
    void add(long long time, std::span<const int> values);
    // Closes the last bucket; add() must not be called after it.
    void finish();

    const std::vector<long long>& times() const { return times_; }
    // values()[series][point], `none` where that series had no value.
    const std::vector<std::vector<int>>& values() const { return values_; }

private:
    struct Extremes {
        int low = none;
        int high = none;
        long long lowAt = 0;  // the sample's place in the bucket
        long long highAt = 0;
    };

    void closeBucket();

    long long bucketSize_;
    long long inBucket_ = 0;
    long long firstTime_ = 0;
    long long lastTime_ = 0;
    std::vector<Extremes> extremes_;
    std::vector<long long> times_;
    std::vector<std::vector<int>> values_;
};

}  // namespace fx
