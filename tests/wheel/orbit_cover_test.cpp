// Covers found by the set-cover search over orbits: each is a cover by the independent verifier
// and is closed under the permutation; too little work gives nothing.
#include "wheel/orbit_cover.h"

#include "tests/wheel/closed_cover.h"

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

TEST(OrbitCover, GivesCoversClosedUnderThePermutation) {
    const struct {
        uint32_t v;
        Guarantee g;
        PointCycles shape;
    } cases[] = {{12, {3, 3}, {1, 1, 11}}, {14, {4, 4}, {0, 1, 14}}, {14, {3, 4}, {1, 1, 13}},
                 {18, {5, 5}, {1, 1, 17}}, {12, {2, 3}, {0, 2, 6}},  {10, {2, 2}, {2, 2, 4}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "v " << c.v << " " << c.g.t << " if " << c.g.m);
        SearchClock clock(200'000'000, 0);
        const std::vector<uint64_t> blocks =
            orbit_cover(c.v, c.g, c.shape, 1, clock, clock.budget());
        ASSERT_FALSE(blocks.empty());
        EXPECT_TRUE(std::is_sorted(blocks.begin(), blocks.end()));
        EXPECT_EQ(std::adjacent_find(blocks.begin(), blocks.end()), blocks.end());
        test::expect_closed_cover(c.v, c.g, blocks, [&](uint32_t p) { return image(p, c.shape); });
    }
}

TEST(OrbitCover, TooLittleWorkGivesNothing) {
    // Not even the orbits can be listed within the work left.
    SearchClock clock(1'000'000, 0);
    clock.work = 500'000;
    EXPECT_TRUE(orbit_cover(18, {5, 5}, {1, 1, 17}, 1, clock, 1'000'000).empty());
    EXPECT_EQ(clock.work, 500'000u);
}

} // namespace
} // namespace lotto
