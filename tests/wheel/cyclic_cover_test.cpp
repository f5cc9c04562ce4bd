// Covers made of orbits: each is a cover by the independent verifier and is closed under the
// cycle; a search cut short gives nothing. The annealing schedule's steps and chances.
#include "wheel/cyclic_cover.h"

#include "tests/wheel/closed_cover.h"
#include "wheel/cooling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

// The point after p under one fixed point and one cycle of the others.
uint32_t next_point(uint32_t p, uint32_t v) { return p == 0 ? 0 : p % (v - 1) + 1; }

TEST(CyclicCover, GivesCoversClosedUnderTheCycle) {
    const struct {
        uint32_t v;
        Guarantee g;
    } cases[] = {{12, {3, 3}}, {14, {4, 4}}, {14, {3, 4}}, {18, {5, 5}}, {12, {2, 3}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "v " << c.v << " " << c.g.t << " if " << c.g.m);
        SearchClock clock(100'000'000, 0);
        const std::vector<uint64_t> blocks =
            cyclic_cover(c.v, c.g, cycle_shapes(c.v)[0], 1, clock, clock.budget());
        ASSERT_FALSE(blocks.empty());
        EXPECT_EQ(blocks.size() % (c.v - 1), 0u); // v - 1 is prime: every orbit is whole
        test::expect_closed_cover(c.v, c.g, blocks, [&](uint32_t p) { return next_point(p, c.v); });
    }
}

TEST(CyclicCover, CutBeforeItsFirstCoverGivesNothing) {
    SearchClock spent(1000, 0);
    spent.work = 1000;
    EXPECT_TRUE(cyclic_cover(14, {4, 4}, cycle_shapes(14)[0], 1, spent, 1000).empty());
    SearchClock late(100'000'000, 1e-9);
    EXPECT_TRUE(cyclic_cover(14, {4, 4}, cycle_shapes(14)[0], 1, late, late.budget()).empty());
    EXPECT_TRUE(late.stopped_early());
}

TEST(Cooling, WarmsTheInverseTemperatureUpAndStartsOverWithLongerSteps) {
    Cooling c(16, 20, 2);
    // beta after each move: +beta/64+1 every 2 moves; past 20 it starts over, 4 moves a step.
    const struct {
        uint32_t beta;
        bool restarted;
    } moves[] = {{16, false}, {17, false}, {17, false}, {18, false}, {18, false},
                 {19, false}, {19, false}, {20, false}, {20, false}, {16, true},
                 {16, false}, {16, false}, {16, false}, {17, false}};
    for (const auto& m : moves) {
        EXPECT_EQ(c.tick(), m.restarted);
        EXPECT_EQ(c.beta(), m.beta);
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
