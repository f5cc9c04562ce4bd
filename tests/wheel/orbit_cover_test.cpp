// Set covering: the matrix's columns of each row, the greedy and the local search give covers of
// random instances, and the local search finds the optimum the greedy misses. Covers made of
// orbits, by annealing and by the set-cover search: each is a cover by the independent verifier and
// holds the image of each of its blocks under the permutation; a search cut short gives nothing.
// The annealing schedule's steps and chances.
#include "analysis/splitmix64.h"
#include "wheel/cooling.h"
#include "wheel/cyclic_cover.h"
#include "wheel/orbit_cover.h"
#include "wheel/set_cover.h"
#include "wheel/wheel_verify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

TEST(SetCover, GreedyAndLocalSearchGiveCoversOfRandomInstances) {
    SplitMix64 rng{5};
    for (int round = 0; round < 20; ++round) {
        // Columns of 0..4 random rows, then one column for each row, so that every row is covered.
        const uint32_t rows = 5 + rng.below(60);
        std::vector<std::vector<uint32_t>> rows_of(10 + rng.below(100));
        for (std::vector<uint32_t>& column : rows_of) {
            for (uint32_t k = rng.below(5); k > 0; --k) column.push_back(rng.below(rows));
            std::sort(column.begin(), column.end());
            column.erase(std::unique(column.begin(), column.end()), column.end());
        }
        for (uint32_t i = 0; i < rows; ++i) rows_of.push_back({i});
        const CoverMatrix a(rows, rows_of);
        SCOPED_TRACE(testing::Message() << "round " << round);
        for (uint32_t i = 0; i < rows; ++i) { // the transpose, column by column
            std::vector<uint32_t> columns, want;
            a.for_columns(i, [&](uint32_t j) { columns.push_back(j); });
            for (uint32_t j = 0; j < rows_of.size(); ++j)
                if (std::count(rows_of[j].begin(), rows_of[j].end(), i)) want.push_back(j);
            EXPECT_EQ(columns, want) << "row " << i;
        }
        EXPECT_FALSE(covers(a, {0})); // at most four of five or more rows
        const std::vector<uint32_t> greedy = greedy_cover(a);
        EXPECT_TRUE(covers(a, greedy));
        SearchClock clock(2'000'000, 0);
        const std::vector<uint32_t> found = weighted_local_search(a, greedy, 9, clock, 2'000'000);
        EXPECT_TRUE(covers(a, found));
        EXPECT_LE(found.size(), greedy.size());
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
        EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
    }
}

TEST(SetCover, LocalSearchFindsTheOptimumTheGreedyMisses) {
    // Rows 0..5: the greedy takes the column of four rows first and needs two more for rows 2
    // and 5; the two columns of three rows cover everything.
    const CoverMatrix a(6, {{0, 1, 2}, {3, 4, 5}, {0, 1, 3, 4}});
    const std::vector<uint32_t> greedy = greedy_cover(a);
    EXPECT_EQ(greedy.size(), 3u);
    SearchClock clock(1'000'000, 0);
    EXPECT_EQ(weighted_local_search(a, greedy, 1, clock, 1'000'000), (std::vector<uint32_t>{0, 1}));
    // No work left: the start comes back as it is.
    EXPECT_EQ(weighted_local_search(a, greedy, 1, clock, 0), (std::vector<uint32_t>{0, 1, 2}));
}

// The image of point p under the permutation of the shape.
uint32_t image(uint32_t p, PointCycles s) {
    if (p < s.fixed) return p;
    const uint32_t x = p - s.fixed;
    return s.fixed + x / s.length * s.length + (x % s.length + 1) % s.length;
}

TEST(OrbitCovers, AreCoversClosedUnderThePermutation) {
    const struct {
        bool annealed;
        uint32_t v;
        Guarantee g;
        PointCycles shape;
    } cases[] = {{true, 12, {3, 3}, {1, 1, 11}},  {true, 14, {4, 4}, {1, 1, 13}},
                 {true, 14, {3, 4}, {1, 1, 13}},  {true, 18, {5, 5}, {1, 1, 17}},
                 {true, 12, {2, 3}, {1, 1, 11}},  {false, 12, {3, 3}, {1, 1, 11}},
                 {false, 14, {4, 4}, {0, 1, 14}}, {false, 18, {5, 5}, {1, 1, 17}},
                 {false, 12, {2, 3}, {0, 2, 6}},  {false, 10, {2, 2}, {2, 2, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.annealed << " v " << c.v << " " << c.g.t << " if "
                                        << c.g.m << " fixed " << c.shape.fixed);
        SearchClock clock(c.annealed ? 100'000'000 : 200'000'000, 0);
        const std::vector<uint64_t> blocks =
            c.annealed ? cyclic_cover(c.v, c.g, c.shape, 1, clock, clock.budget())
                       : orbit_cover(c.v, c.g, c.shape, 1, clock, clock.budget());
        ASSERT_FALSE(blocks.empty());
        EXPECT_TRUE(std::is_sorted(blocks.begin(), blocks.end()));
        EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end());
        std::vector<uint8_t> numbers(c.v);
        for (uint32_t n = 0; n < c.v; ++n) numbers[n] = static_cast<uint8_t>(n + 1);
        std::vector<Combination> tickets;
        for (uint64_t b : blocks) {
            Combination t{};
            int i = 0;
            uint64_t to = 0;
            for (uint64_t rest = b; rest; rest &= rest - 1) {
                const auto p = static_cast<uint32_t>(std::countr_zero(rest));
                t[i++] = static_cast<uint8_t>(p + 1);
                to |= uint64_t{1} << image(p, c.shape);
            }
            tickets.push_back(t);
            EXPECT_TRUE(std::binary_search(blocks.begin(), blocks.end(), to));
        }
        EXPECT_TRUE(verify_wheel(numbers, c.g.t, c.g.m, tickets).holds());
    }
}

TEST(OrbitCovers, CutBeforeTheirFirstCoverGiveNothing) {
    SearchClock spent(1'000'000, 0);
    spent.work = 500'000; // not even the orbits can be listed within the work left
    EXPECT_TRUE(orbit_cover(18, {5, 5}, {1, 1, 17}, 1, spent, 1'000'000).empty());
    EXPECT_TRUE(cyclic_cover(14, {4, 4}, {1, 1, 13}, 1, spent, 500'000).empty());
    EXPECT_EQ(spent.work, 500'000u);
    SearchClock late(100'000'000, 1e-9);
    EXPECT_TRUE(cyclic_cover(14, {4, 4}, {1, 1, 13}, 1, late, late.budget()).empty());
    EXPECT_TRUE(late.stopped_early());
}

TEST(Cooling, WarmsTheInverseTemperatureUpAndStartsOverWithLongerSteps) {
    Cooling c(16, 20, 2);
    // beta after each move: +beta/64+1 every 2 moves; past 20 it starts over, 4 moves a step.
    const uint32_t betas[] = {16, 17, 17, 18, 18, 19, 19, 20, 20, 16, 16, 16, 16, 17};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(c.tick(), i == 9) << i;
        EXPECT_EQ(c.beta(), betas[i]) << i;
    }
}

// No loss or a gain: always; then half, a quarter, half again, 2^-32 (never) and 1/256.
TEST(Cooling, TakesMovesWithTheirChance) {
    const struct {
        uint32_t beta;
        int64_t delta;
        int taken_of_4096_low, taken_of_4096_high;
    } cases[] = {{16, 0, 4096, 4096}, {16, -3, 4096, 4096}, {16, 1, 1948, 2148}, {16, 2, 924, 1124},
                 {8, 2, 1948, 2148},  {64, 8, 0, 0},        {128, 1, 6, 26}};
    for (const auto& c : cases) {
        Cooling cooling(c.beta, c.beta, 1 << 30);
        SplitMix64 rng{9};
        int taken = 0;
        for (int i = 0; i < 4096; ++i) taken += cooling.accept(rng, c.delta);
        EXPECT_GE(taken, c.taken_of_4096_low) << c.beta << " " << c.delta;
        EXPECT_LE(taken, c.taken_of_4096_high) << c.beta << " " << c.delta;
    }
}

} // namespace
} // namespace lotto
