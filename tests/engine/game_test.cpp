// Games other than 7/39: the offered values and default ranges for N. The run against the measures
// on other games is in measure_test.cpp, each filter's count over 7/50 and 7/64 against the history
// statistics' counts in tests/analysis/filter_counts_test.cpp.
#include "engine/lotto739.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace lotto {
namespace {

TEST(Game, SevenOfThirtyNineKeepsItsOfferedValuesAndRanges) {
    for (int k = 1; k <= FilterCount; ++k)
        EXPECT_EQ(highest_offered(k, 39), HighestOffered[k]) << k;
    EXPECT_EQ(default_ranges(39), DefaultRanges);
    EXPECT_EQ(highest_range_bound(39), 64);
}

TEST(Game, OfferedValuesFollowN) {
    const std::tuple<uint32_t, int, int32_t> cases[] = {
        {8, 1, 35},   {64, 2, 427}, {50, 7, 50},  {8, 8, 8},    {50, 9, 44},
        {50, 12, 45}, {50, 14, 48}, {64, 16, 63}, {64, 18, 64}, {8, 33, 1},
        {50, 33, 41}, {60, 35, 4},  {61, 35, 5},  {8, 35, 4},   {64, 32, 10},
        {64, 34, 6},  {8, 44, 7},   {64, 27, 1},  {64, 19, 0},  {50, 52, 0},
    };
    for (const auto& [n, k, highest] : cases)
        EXPECT_EQ(highest_offered(k, n), highest) << "7/" << n << " filter " << k;
}

TEST(Game, DefaultRangesCoverOneToN) {
    const std::pair<uint32_t, std::array<int32_t, 5>> cases[] = {
        {8, {2, 4, 6, 7, 8}},      {10, {2, 5, 7, 9, 10}},     {35, {8, 17, 26, 31, 35}},
        {37, {9, 18, 28, 33, 37}}, {50, {12, 24, 37, 45, 50}}, {64, {15, 31, 48, 57, 64}},
    };
    for (const auto& [n, ends] : cases) {
        const std::array<Range, RangeCount> r = default_ranges(n);
        for (int letter = 0; letter < 5; ++letter) {
            const Range expected{letter == 0 ? 1 : ends[letter - 1] + 1, ends[letter]};
            EXPECT_EQ(r[2 * letter], expected) << "7/" << n << " letter " << letter;
            EXPECT_EQ(r[2 * letter + 1], expected) << "7/" << n << " letter " << letter;
        }
        Settings s;
        init_defaults(s, n);
        EXPECT_EQ(s.highest, n);
        EXPECT_EQ(s.range_masks[9], span_mask(ends[3] + 1, static_cast<int>(n)));
    }
}

} // namespace
} // namespace lotto
