// The wheel verifier against a brute force written another way: every bit pattern of v bits with
// m set, every ticket, counted afresh.
#include "wheel/wheel_verify.h"

#include "analysis/splitmix64.h"
#include "wheel_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace lotto {
namespace {

using test::first_numbers;

// The uncovered m-subsets of the numbers by brute force, every subset against every ticket: how
// many, and the first `keep` in the order of the sorted numbers (number i on bit v-1-i, so that
// falling masks run in that order).
WheelCheck brute_check(std::vector<uint8_t> numbers, int t, int m,
                       const std::vector<Combination>& tickets, std::size_t keep) {
    std::sort(numbers.begin(), numbers.end());
    const int v = static_cast<int>(numbers.size());
    WheelCheck check;
    for (uint32_t mask = (1u << v) - 1; mask > 0; --mask) {
        if (std::popcount(mask) != m) continue;
        ++check.cases;
        std::vector<uint8_t> subset;
        for (int i = 0; i < v; ++i)
            if (mask >> (v - 1 - i) & 1) subset.push_back(numbers[i]);
        const bool met = std::any_of(tickets.begin(), tickets.end(), [&](const Combination& c) {
            return std::count_if(subset.begin(), subset.end(), [&](uint8_t n) {
                       return std::count(c.begin(), c.end(), n) > 0;
                   }) >= t;
        });
        if (met) continue;
        if (check.uncovered++ < keep) check.first_uncovered.push_back(subset);
    }
    return check;
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

TEST(WheelVerify, AgreesWithBruteForceOnRandomTicketSets) {
    SplitMix64 rng{2024};
    for (int round = 0; round < 60; ++round) {
        const uint32_t v = 8 + rng.below(6);
        std::vector<uint8_t> numbers;
        for (uint32_t n = 1; numbers.size() < v; n += 1 + rng.below(3))
            numbers.push_back(static_cast<uint8_t>(n));
        const int shift = round % 4 == 3 ? 64 - numbers.back() : 0; // ending at 64, the highest
        for (uint8_t& n : numbers) n = static_cast<uint8_t>(n + shift);
        const int t = 2 + static_cast<int>(rng.below(3));
        const int m = t + static_cast<int>(rng.below(static_cast<uint32_t>(8 - t)));
        std::vector<Combination> tickets;
        for (uint32_t k = rng.below(6); k > 0; --k) tickets.push_back(random_ticket(rng, numbers));
        if (round % 2) std::reverse(numbers.begin(), numbers.end()); // any order is taken
        const std::size_t keep = rng.below(4);
        const WheelCheck check = verify_wheel(numbers, t, m, tickets, keep);
        const WheelCheck want = brute_check(numbers, t, m, tickets, keep);
        SCOPED_TRACE(testing::Message() << "v " << v << " t " << t << " m " << m);
        EXPECT_EQ(check.cases, want.cases);
        EXPECT_EQ(check.uncovered, want.uncovered);
        EXPECT_EQ(check.first_uncovered, want.first_uncovered);
        EXPECT_EQ(check.holds(), want.uncovered == 0);
    }
}

// Progress is told every 2^22 cases: once over the 4,272,048 sevens of 33 numbers.
TEST(WheelVerify, TellsItsProgress) {
    std::vector<uint64_t> told;
    const WheelCheck check = verify_wheel(first_numbers(33), 7, 7, {{1, 2, 3, 4, 5, 6, 7}}, 5,
                                          [&](uint64_t cases) { told.push_back(cases); });
    EXPECT_EQ(told, std::vector<uint64_t>{uint64_t{1} << 22});
    EXPECT_EQ(check.cases, 4'272'048u);
    EXPECT_EQ(check.uncovered, 4'272'047u);
}

} // namespace
} // namespace lotto
