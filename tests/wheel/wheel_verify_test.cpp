// The wheel verifier against a brute force written another way: every bit pattern of v bits with
// m set, every ticket, counted afresh.
#include "wheel/wheel_verify.h"

#include "analysis/splitmix64.h"
#include "wheel/guarantee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

// Uncovered m-subsets of numbers by brute force over all bit patterns of positions.
uint64_t brute_uncovered(const std::vector<uint8_t>& numbers, int t, int m,
                         const std::vector<Combination>& tickets) {
    uint64_t uncovered = 0;
    const uint32_t v = static_cast<uint32_t>(numbers.size());
    for (uint32_t pattern = 0; pattern < (1u << v); ++pattern) {
        if (std::popcount(pattern) != m) continue;
        bool met = false;
        for (const Combination& c : tickets) {
            int shared = 0;
            for (uint32_t i = 0; i < v; ++i)
                if (pattern >> i & 1) shared += std::count(c.begin(), c.end(), numbers[i]) > 0;
            met = met || shared >= t;
        }
        uncovered += !met;
    }
    return uncovered;
}

Combination random_ticket(SplitMix64& rng, const std::vector<uint8_t>& numbers) {
    std::vector<uint8_t> pool = numbers;
    Combination c{};
    for (int i = 0; i < 7; ++i) {
        const uint32_t k = rng.below(static_cast<uint32_t>(pool.size()));
        c[i] = pool[k];
        pool.erase(pool.begin() + k);
    }
    std::sort(c.begin(), c.end());
    return c;
}

TEST(WheelVerify, OneTicketLeavesThePairsWithTheEighthNumber) {
    const std::vector<uint8_t> numbers = {3, 9, 12, 20, 21, 30, 38, 5};
    const WheelCheck check = verify_wheel(numbers, 2, 2, {{3, 9, 12, 20, 21, 30, 38}});
    EXPECT_EQ(check.cases, 28u);
    EXPECT_EQ(check.uncovered, 7u);
    EXPECT_FALSE(check.holds());
    const std::vector<std::vector<uint8_t>> first = {{3, 5}, {5, 9}, {5, 12}, {5, 20}, {5, 21}};
    EXPECT_EQ(check.first_uncovered, first);
}

TEST(WheelVerify, AgreesWithBruteForceOnRandomTicketSets) {
    SplitMix64 rng{2024};
    for (int round = 0; round < 60; ++round) {
        const uint32_t v = 8 + rng.below(6);
        std::vector<uint8_t> numbers;
        for (uint32_t n = 1; numbers.size() < v; n += 1 + rng.below(3))
            numbers.push_back(static_cast<uint8_t>(n));
        const int t = 2 + static_cast<int>(rng.below(3));
        const int m = t + static_cast<int>(rng.below(static_cast<uint32_t>(8 - t)));
        std::vector<Combination> tickets;
        for (uint32_t k = rng.below(6); k > 0; --k) tickets.push_back(random_ticket(rng, numbers));
        const WheelCheck check = verify_wheel(numbers, t, m, tickets, 3);
        SCOPED_TRACE(testing::Message() << "v " << v << " t " << t << " m " << m);
        EXPECT_EQ(check.cases, choose(v, static_cast<uint32_t>(m)));
        EXPECT_EQ(check.uncovered, brute_uncovered(numbers, t, m, tickets));
        EXPECT_EQ(check.first_uncovered.size(), std::min<uint64_t>(check.uncovered, 3));
    }
}

// Progress is told every 2^22 cases: once over the 4,272,048 sevens of 33 numbers.
TEST(WheelVerify, TellsItsProgress) {
    std::vector<uint8_t> numbers;
    for (uint8_t n = 1; n <= 33; ++n) numbers.push_back(n);
    std::vector<uint64_t> told;
    const WheelCheck check = verify_wheel(numbers, 7, 7, {{1, 2, 3, 4, 5, 6, 7}}, 5,
                                          [&](uint64_t cases) { told.push_back(cases); });
    EXPECT_EQ(told, std::vector<uint64_t>{uint64_t{1} << 22});
    EXPECT_EQ(check.cases, 4'272'048u);
    EXPECT_EQ(check.uncovered, 4'272'047u);
}

TEST(WheelVerify, APlantedHoleIsFoundAndShown) {
    // The four tickets cover 3 if 4 over 1..12; moving 12 out of the last one opens holes.
    const std::vector<uint8_t> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    std::vector<Combination> tickets = {{1, 2, 6, 7, 9, 10, 12},
                                        {1, 3, 4, 5, 6, 8, 11},
                                        {2, 3, 4, 5, 7, 8, 11},
                                        {4, 5, 8, 9, 10, 11, 12}};
    EXPECT_TRUE(verify_wheel(numbers, 3, 4, tickets).holds());
    EXPECT_EQ(verify_wheel(numbers, 3, 4, tickets).cases, 495u);
    tickets[3] = {1, 4, 5, 8, 9, 10, 11};
    const WheelCheck check = verify_wheel(numbers, 3, 4, tickets);
    EXPECT_EQ(check.uncovered, brute_uncovered(numbers, 3, 4, tickets));
    ASSERT_GT(check.uncovered, 0u);
    for (const std::vector<uint8_t>& hole : check.first_uncovered) {
        EXPECT_EQ(hole.size(), 4u);
        EXPECT_EQ(verify_wheel(hole, 3, 4, tickets).uncovered, 1u);
    }
}

} // namespace
} // namespace lotto
