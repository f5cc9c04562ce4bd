// Games other than 7/39: the offered values and default ranges for N, and each filter's count over
// 7/50 and 7/64 against combinatorics (through the funnel, which needs no store). The run against
// the measures on other games is in measure_test.cpp.
#include "combinatorics.h"
#include "engine/lotto739.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

using test::choose;

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

// Settings for 7/n with the filters on at their parameters.
Settings game_settings(uint32_t n, const std::vector<std::pair<int, uint32_t>>& on) {
    Settings s;
    init_defaults(s, n);
    for (const auto& [k, p] : on) turn_filter_on(s, k), set_parameter(s, k, p);
    return s;
}

// How many 7-subsets of 1..n sum to at least p: ways[j][t] subsets of j numbers summing to t.
uint64_t sum_at_least(uint32_t n, uint32_t p) {
    std::vector<std::array<uint64_t, 8>> ways(7 * n + 1);
    ways[0][0] = 1;
    for (uint32_t v = 1; v <= n; ++v)
        for (uint32_t t = 7 * n; t >= v; --t)
            for (int j = 7; j >= 1; --j) ways[t][j] += ways[t - v][j - 1];
    uint64_t total = 0;
    for (uint32_t t = p; t <= 7 * n; ++t) total += ways[t][7];
    return total;
}

// How many combinations of 1..n have at most p numbers repeating a last digit: digit classes
// taken one by one, f[j][d] ways of j numbers with d distinct digits.
uint64_t same_last_digits_at_most(uint32_t n, uint32_t p) {
    std::array<std::array<uint64_t, 11>, 8> f{};
    f[0][0] = 1;
    for (uint32_t digit = 0; digit < 10; ++digit) {
        uint64_t members = 0;
        for (uint32_t v = 1; v <= n; ++v) members += v % 10 == digit;
        std::array<std::array<uint64_t, 11>, 8> g{};
        for (int j = 0; j <= 7; ++j)
            for (int dd = 0; dd <= 10; ++dd)
                for (int take = 0; j + take <= 7 && f[j][dd] != 0; ++take)
                    g[j + take][dd + (take > 0)] += f[j][dd] * choose(members, take);
        f = g;
    }
    uint64_t total = 0;
    for (int dd = 0; dd <= 7; ++dd)
        if (7 - dd <= static_cast<int>(p)) total += f[7][dd];
    return total;
}

// How many combinations of 1..n have every neighbour difference at most g: f[v] the ways of j
// numbers ending at v.
uint64_t largest_difference_at_most(uint32_t n, uint32_t g) {
    std::vector<uint64_t> f(n + 1, 1);
    f[0] = 0;
    for (int j = 2; j <= 7; ++j) {
        std::vector<uint64_t> next(n + 1, 0);
        for (uint32_t w = 1; w <= n; ++w)
            for (uint32_t v = w > g ? w - g : 1; v < w; ++v) next[w] += f[v];
        f = next;
    }
    uint64_t total = 0;
    for (uint32_t v = 1; v <= n; ++v) total += f[v];
    return total;
}

// At least m of the seven in a range of size a.
uint64_t at_least_in_range(uint32_t n, uint32_t a, uint32_t m) {
    uint64_t total = 0;
    for (uint32_t i = m; i <= 7; ++i) total += choose(a, i) * choose(n - a, 7 - i);
    return total;
}

// Each filter's count alone over the full system of 7/50 and 7/64, from one funnel pass, against
// combinatorics; the sums, lucky numbers, positions, ranges and last digits reach the top numbers.
TEST(Game, SingleFilterCountsOfTheLargeGames) {
    for (const uint32_t n : {50u, 64u}) {
        SCOPED_TRACE("7/" + std::to_string(n));
        const uint32_t sum = 7 * n - 60, lucky = n - 1, unlucky = n, first = 5, last = n - 3;
        Settings s = game_settings(n, {{1, sum},
                                       {7, lucky},
                                       {8, unlucky},
                                       {9, first},
                                       {18, last},
                                       {20, 0},
                                       {33, 12},
                                       {35, 2},
                                       {44, 2},
                                       {49, 3}});
        set_range(s, 9, static_cast<int32_t>(n - 19), static_cast<int32_t>(n));
        uint64_t step3 = 0; // at most 3 of the seven in 2, 5, 8, ..
        const uint32_t in_step3 = (n + 1) / 3;
        for (uint32_t i = 0; i <= 3; ++i)
            step3 += choose(in_step3, i) * choose(n - in_step3, 7 - i);
        const std::vector<std::pair<int, uint64_t>> expected = {
            {1, sum_at_least(n, sum)},
            {7, choose(n - 1, 6)},
            {8, choose(n - 1, 7)},
            {9, choose(n - first + 1, 7)},
            {18, choose(last, 7)},
            {20, choose(n - 6, 7)},
            {33, largest_difference_at_most(n, 12)},
            {35, same_last_digits_at_most(n, 2)},
            {44, at_least_in_range(n, 20, 2)},
            {49, step3},
        };
        const Funnel f = filter_funnel(s, n);
        ASSERT_EQ(f.rows.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(std::pair(f.rows[i].filter, uint64_t{f.rows[i].alone}), expected[i]);
    }
}

} // namespace
} // namespace lotto
