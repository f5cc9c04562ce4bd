// Budget, key-number, filtered and repaired wheels, each counted by the independent verifier and,
// for the filters, each ticket judged by the engine's per-combination measures.
#include "wheel/budget.h"

#include "wheel/cover.h"
#include "wheel/wheel_verify.h"
#include "wheel_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace lotto {
namespace {

using test::first_numbers;
using test::quick;

// A request for the v numbers from..from+v-1.
WheelRequest request(uint8_t v, Guarantee g, uint8_t from = 1) {
    WheelRequest r;
    r.numbers = first_numbers(v, from), r.guarantee = g;
    return r;
}

std::vector<Combination> all_of(const WheelRequest& r, const ShapedWheel& w) {
    std::vector<Combination> t = r.kept;
    t.insert(t.end(), w.added.begin(), w.added.end());
    return t;
}

uint64_t verified_covered(const WheelRequest& r, const ShapedWheel& w) {
    const WheelCheck c = verify_wheel(r.numbers, r.guarantee.t, r.guarantee.m, all_of(r, w), 0);
    return c.cases - c.uncovered;
}

TEST(Budget, CoversAtLeastTheGreedyWithinTheBudget) {
    std::mt19937_64 rng(739);
    for (int i = 0; i < 24; ++i) {
        const int v = 9 + static_cast<int>(rng() % 6), t = 2 + static_cast<int>(rng() % 3);
        WheelRequest r = request(v, {t, t + static_cast<int>(rng() % 3)});
        r.budget = 1 + static_cast<uint32_t>(rng() % 5);
        SCOPED_TRACE(testing::Message() << r.guarantee.t << "-if-" << r.guarantee.m << " over " << v
                                        << ", B = " << r.budget);
        const ShapedWheel reference = greedy_shaped_wheel(r);
        const ShapedWheel w = find_shaped_wheel(r, quick(i, 3'000'000));
        EXPECT_LE(w.added.size(), r.budget);
        EXPECT_EQ(w.covered, verified_covered(r, w));
        EXPECT_EQ(reference.covered, verified_covered(r, reference));
        EXPECT_GE(w.covered, reference.covered);
    }
}

// Key numbers in every ticket, the guarantee whole without a budget or where the budget allows
// it (then with no more tickets than the greedy), else no more tickets than the budget.
TEST(Keys, EveryTicketHoldsTheKeysAndTheGuaranteeHolds) {
    // clang-format off
    const struct {
        std::vector<uint8_t> keys;
        Guarantee g;
        uint32_t budget;
        bool whole;
    } cases[] = {{{30}, {3, 4}, 0, true}, {{30, 39}, {3, 3}, 0, true},
                 {{21, 22, 23, 24, 25}, {2, 2}, 0, true}, {{39, 1}, {4, 5}, 6, false},
                 {{}, {3, 4}, 40, true}};
    // clang-format on
    for (const auto& c : cases) {
        WheelRequest r = request(14, c.g, 2);
        r.keys = c.keys, r.budget = c.budget;
        ASSERT_EQ(check_wheel_shape(r), "");
        const ShapedWheel w = find_shaped_wheel(r, quick(5, 3'000'000));
        for (const Combination& t : w.added) {
            EXPECT_TRUE(std::is_sorted(t.begin(), t.end()));
            for (uint8_t k : c.keys) EXPECT_TRUE(std::count(t.begin(), t.end(), k) == 1);
        }
        EXPECT_EQ(w.covered, verified_covered(r, w));
        EXPECT_EQ(w.covered == w.cases, c.whole) << c.g.t << "-if-" << c.g.m;
        EXPECT_LE(w.added.size(), c.whole ? greedy_shaped_wheel(r).added.size() : c.budget);
    }
}

// The M-subsets of the numbers that neither a kept ticket nor any ticket passing the filters meets
// in T numbers: what the independent verifier leaves uncovered with all of them (the first
// thousand listed).
WheelCheck uncoverable_by_brute_force(const WheelRequest& r) {
    std::vector<Combination> passing;
    for (uint64_t m = 0; m < uint64_t{1} << r.numbers.size(); ++m) {
        if (std::popcount(m) != 7) continue;
        Combination c{};
        int i = 0;
        for (uint64_t b = m; b; b &= b - 1) c[i++] = r.numbers[std::countr_zero(b)];
        if (active_filters_keep(*r.filters, c)) passing.push_back(c);
    }
    passing.insert(passing.end(), r.kept.begin(), r.kept.end());
    return verify_wheel(r.numbers, r.guarantee.t, r.guarantee.m, passing, 1000);
}

TEST(FilteredTickets, EachTicketPassesAndTheImpossibleCasesAreCounted) {
    const struct {
        int filter;
        uint32_t parameter;
        Guarantee g;
        bool possible;
        std::vector<Combination> kept; // a repair's tickets, which need not pass
    } cases[] = {{1, 60, {3, 4}, false, {}}, {1, 60, {3, 4}, true, {{1, 2, 3, 4, 5, 6, 7}}},
                 {2, 40, {3, 3}, false, {}}, {3, 3, {3, 4}, true, {}},
                 {32, 2, {2, 3}, false, {}}, {5, 2, {2, 3}, true, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE("filter " + std::to_string(c.filter));
        Settings s;
        init_defaults(s, 13);
        turn_filter_on(s, c.filter);
        set_parameter(s, c.filter, c.parameter);
        WheelRequest r = request(13, c.g);
        r.kept = c.kept, r.filters = &s, r.highest = 13;
        for (const Combination& t : r.kept) EXPECT_FALSE(active_filters_keep(s, t));
        const ShapedWheel w = find_shaped_wheel(r, quick(3, 3'000'000));
        for (const Combination& t : w.added) EXPECT_TRUE(active_filters_keep(s, t));
        const WheelCheck brute = uncoverable_by_brute_force(r);
        EXPECT_EQ(w.uncoverable, brute.uncovered);
        EXPECT_EQ(w.uncoverable == 0, c.possible);
        if (!c.possible) {
            EXPECT_NE(std::find(brute.first_uncovered.begin(), brute.first_uncovered.end(),
                                w.first_uncoverable),
                      brute.first_uncovered.end());
            EXPECT_EQ(verify_wheel(r.numbers, c.g.t, c.g.m, all_of(r, w), 0).uncovered,
                      w.uncoverable);
        }
        EXPECT_EQ(w.covered + w.uncoverable, w.cases);
        EXPECT_EQ(w.covered, verified_covered(r, w));
    }
}

TEST(Repair, KeepsTheTicketsAndMendsPlantedHoles) {
    WheelRequest r = request(15, {3, 4});
    const Wheel whole = find_wheel(r.numbers, r.guarantee, quick(2, 3'000'000));
    r.kept = whole.tickets;
    EXPECT_TRUE(find_shaped_wheel(r, quick(2, 3'000'000)).added.empty()); // a cover needs nothing
    r.kept.erase(r.kept.begin() + 1, r.kept.begin() + 4);                 // three holes
    ASSERT_FALSE(verify_wheel(r.numbers, 3, 4, r.kept).holds());
    const ShapedWheel w = find_shaped_wheel(r, quick(2, 3'000'000));
    EXPECT_TRUE(verify_wheel(r.numbers, 3, 4, all_of(r, w)).holds());
    EXPECT_GE(w.added.size(), 1u);
}

TEST(WheelShape, RefusesWhatItCannotBuild) {
    const struct {
        std::vector<uint8_t> keys;
        Guarantee g;
        int v;
        const char* why;
    } cases[] = {
        {{20, 20}, {3, 4}, 10, "key number 20 is given twice"},
        {{40}, {3, 4}, 10, "key number 40 is outside 1..39"},
        {{31, 32, 33, 34, 35, 36}, {2, 2}, 10, "6 key numbers given; at most 5"},
        {{31, 32}, {2, 3}, 5, "the wheel needs more than 5 numbers beside the keys"},
        {{},
         {3, 7},
         39,
         "the 39 numbers have more than 4000000 7-subsets, more than this search holds"},
        {{},
         {3, 4},
         32,
         "the 32 numbers make more than 3000000 tickets to choose from; use fewer "
         "numbers or more keys"},
    };
    for (const auto& c : cases) {
        WheelRequest r = request(c.v, c.g);
        r.keys = c.keys;
        EXPECT_EQ(check_wheel_shape(r), c.why);
    }
}

} // namespace
} // namespace lotto
