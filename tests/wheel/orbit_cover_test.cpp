// Covers made of orbits, by annealing and by the set-cover search: each is a cover by the
// independent verifier and holds the image of each of its blocks under the permutation; a search
// cut short gives nothing. The annealing schedule's steps and chances.
#include "wheel/cooling.h"
#include "wheel/cyclic_cover.h"
#include "wheel/orbit_cover.h"
#include "wheel/wheel_verify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

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
        std::vector<uint8_t> numbers;
        for (uint32_t n = 1; n <= c.v; ++n) numbers.push_back(static_cast<uint8_t>(n));
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

TEST(Cooling, TakesMovesWithTheirChance) {
    const struct {
        uint32_t beta;
        int64_t delta;
        int taken_of_4096_low, taken_of_4096_high;
    } cases[] = {
        {16, 0, 4096, 4096},  // no loss: always
        {16, -3, 4096, 4096}, // a gain: always
        {16, 1, 1948, 2148},  // half
        {16, 2, 924, 1124},   // a quarter
        {8, 2, 1948, 2148},   // half again
        {64, 8, 0, 0},        // 2^-32: never
        {128, 1, 6, 26},      // 1/256
    };
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
