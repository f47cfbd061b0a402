// Long sessions are reduced for the charts to a few thousand points per line, keeping
// each interval's extremes; short ones are charted whole.

#include "report/reduced_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int maxBuckets = 2000;

TEST(ReducedSeriesTest, LongSessionKeepsFewPointsAndEverySpike) {
    // A million samples, flat but for a one-sample spike and a one-sample dip, and a
    // second series that has values only in its middle third.
    constexpr long long samples = 1'000'000;
    fx::ReducedSeries series(2, maxBuckets);
    for (long long i = 0; i < samples; ++i) {
        int flat = static_cast<int>(i % 7);
        if (i == 123'457) flat = 900;
        if (i == 876'543) flat = -900;
        const int middle = (i >= samples / 3 && i < 2 * samples / 3) ? 50 : fx::ReducedSeries::none;
        const int values[] = {flat, middle};
        series.add(1'000 + i, values);
    }
    series.finish();

    const auto& times = series.times();
    // Between half the buckets allowed and all of them, two points each.
    EXPECT_LE(times.size(), 2u * maxBuckets);
    EXPECT_GE(times.size(), 1u * maxBuckets);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(times.front(), 1'000);
    EXPECT_EQ(times.back(), 1'000 + samples - 1);

    const std::vector<int>& flat = series.values()[0];
    ASSERT_EQ(flat.size(), times.size());
    EXPECT_EQ(*std::max_element(flat.begin(), flat.end()), 900);
    EXPECT_EQ(*std::min_element(flat.begin(), flat.end()), -900);
    // The spike stands in the interval that holds its time.
    const auto spike = std::find(flat.begin(), flat.end(), 900) - flat.begin();
    EXPECT_LE(std::abs(times[spike] - (1'000 + 123'457)), 2 * samples / maxBuckets);

    const std::vector<int>& middle = series.values()[1];
    const auto gaps = std::count(middle.begin(), middle.end(), fx::ReducedSeries::none);
    EXPECT_GT(gaps, static_cast<long>(middle.size() / 2));
    EXPECT_LT(gaps, static_cast<long>(middle.size() * 3 / 4));
}

}  // namespace

namespace {

// Ten samples in at most four buckets: the buckets end four samples long (the first
// two merged twice), and each shows its lowest and highest value in the order they came,
// the first of equal values counting.
TEST(ReducedSeriesTest, BucketsMergedOnTheWayEndAsBucketsOfTheirFinalSize) {
    fx::ReducedSeries series(1, 4);
    const int samples[] = {5, 1, 7, 7, 2, 9, 0, 3, 4, 4};
    for (int i = 0; i < 10; ++i) series.add(100 + i, std::span<const int>(&samples[i], 1));
    series.finish();
    EXPECT_EQ(series.times(), (std::vector<long long>{100, 103, 104, 107, 108, 109}));
    EXPECT_EQ(series.values()[0], (std::vector<int>{1, 7, 9, 0, 4, 4}));
}

}  // namespace
