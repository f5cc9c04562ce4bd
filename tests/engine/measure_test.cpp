// The per-combination measures: the quantities of the worked examples of every filter family,
// verdicts at the edges of the bounds, and a randomized comparison with the enumeration run.
#include "engine/lotto739.h"
#include "random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace lotto {
namespace {

using test::Draws;
using test::text;

// Start-up settings with range C2 moved to 5..25, the 7-element array 5, 12, 19, 26, 33 and the
// 15-element array 1..15, as in the worked examples.
Settings example_settings() {
    Settings s;
    init_defaults(s);
    set_range(s, 6, 5, 25);
    for (int i = 1; i <= 5; ++i) set_array7_entry(s, i, 7 * i - 2);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
    return s;
}

TEST(Measure, QuantitiesOfTheWorkedExamples) {
    // Sum 1, evens 3, odds 5, c1 9, c2 11, c5 13, c6 15, c7 17, adjacency 19, groups 21, 2-groups
    // 23, 3-groups 25, 4+ groups 27, Dmin 32, Dmax 33, repeated differences 34, repeated last
    // digits 35, ranges 36..45, step-3 arrays 46/48/50, edge parities 52..61, chosen arrays 62/63.
    // clang-format off
    const std::pair<Combination, std::vector<std::pair<int, int32_t>>> examples[] = {
        {{1, 2, 3, 4, 5, 6, 7}, {{1, 28}, {3, 3}, {5, 4}, {9, 1}, {11, 2}, {13, 5}, {15, 6},
            {17, 7}, {19, 1}, {20, 1}, {21, 1}, {23, 0}, {25, 0}, {27, 1}, {31, 1}, {32, 1},
            {33, 1}, {34, 5}, {35, 0}}},
        {{3, 9, 15, 21, 27, 33, 39}, {{2, 147}, {4, 0}, {6, 7}, {10, 3}, {12, 9}, {14, 27},
            {16, 33}, {18, 39}, {19, 0}, {22, 0}, {24, 0}, {26, 0}, {28, 0}, {32, 6}, {33, 6},
            {34, 5}, {35, 2}}},
        {{2, 4, 6, 8, 10, 12, 14}, {{1, 56}, {3, 7}, {5, 0}}},
        {{33, 34, 35, 36, 37, 38, 39}, {{1, 252}, {3, 3}, {6, 4}}},
        {{1, 2, 3, 10, 11, 20, 30}, {{19, 1}, {21, 2}, {23, 1}, {29, 1}, {25, 1}, {30, 1},
            {27, 0}, {32, 1}, {33, 10}, {34, 2}, {35, 3}}},
        {{1, 2, 11, 12, 21, 22, 31}, {{21, 3}, {24, 3}, {26, 0}, {28, 0}, {32, 1}, {33, 9},
            {34, 4}, {35, 5}}},
        {{4, 5, 6, 7, 20, 21, 39}, {{22, 2}, {23, 1}, {25, 0}, {27, 1}, {32, 1}, {33, 18},
            {34, 3}, {35, 0}}},
        {{1, 2, 3, 5, 6, 7, 9}, {{21, 2}, {24, 0}, {26, 2}, {30, 2}, {28, 0}}},
        {{3, 8, 15, 22, 30, 33, 38}, {{36, 2}, {37, 2}, {38, 1}, {39, 1}, {40, 1}, {41, 3},
            {42, 2}, {43, 2}, {44, 1}, {45, 1}, {46, 1}, {47, 1}, {48, 2}, {49, 2}, {50, 4},
            {51, 4}}},
        {{1, 2, 3, 34, 35, 36, 37}, {{46, 3}, {48, 2}, {50, 2}}},
        {{4, 9, 12, 20, 27, 31, 36}, {{52, 0}, {53, 0}, {54, 0}, {55, 0}, {56, 1}, {57, 1},
            {58, 1}, {59, 1}, {60, 1}, {61, 1}}},
        {{3, 5, 12, 20, 26, 33, 38}, {{62, 4}, {63, 3}, {64, 3}}}};
    // clang-format on
    const Settings s = example_settings();
    for (const auto& [c, values] : examples) // filter, measured quantity
        for (const auto& [k, value] : values)
            EXPECT_EQ(measure_filter(s, k, c).value, value) << text(c) << "filter " << k;
}

// Each relation at its bound, both sides; comparisons are unsigned.
TEST(Measure, VerdictsAtTheBounds) {
    const Combination low{1, 2, 3, 4, 5, 6, 7}, odd{3, 9, 15, 21, 27, 33, 39};
    // clang-format off
    const std::tuple<Combination, int, uint32_t, bool> verdicts[] = { // filter, parameter, kept
        {low, 1, 28, true},  {low, 1, 29, false},  {odd, 18, 39, true}, {odd, 18, 38, false},
        {low, 7, 5, true},   {odd, 7, 5, false},   {low, 7, 0, false},  {low, 7, 1000, false},
        {odd, 8, 39, false}, {low, 8, 39, true},   {low, 8, 0, true},   {low, 19, 0, true},
        {odd, 19, 0, false}, {low, 20, 0, false},  {odd, 20, 0, true},  {low, 31, 0, false},
        {odd, 31, 0, true},  {low, 2, 0xffffffffu, true}, {low, 1, 0xffffffffu, false},
        {odd, 32, 0x80000000u, false}};
    // clang-format on
    for (const auto& [c, filter, parameter, kept] : verdicts) {
        Settings s = example_settings();
        set_parameter(s, filter, parameter);
        EXPECT_EQ(measure_filter(s, filter, c).kept, kept)
            << text(c) << "filter " << filter << " parameter " << parameter;
    }
}

bool keeps(const Settings& s, const Combination& c) { return active_filters_keep(s, c); }

// For 7/39, 7/50 and 7/64: first each filter alone at 0, 1, the middle and the top of its offered
// values for the game, so that every filter gets combinations it alone decides; then hundreds of
// random settings. Each runs on a small system in full and on random combinations of the game; a
// failure names the case. The random layouts move ranges (now and then wholly above the game, or
// through a pair the setter refuses) and fill the arrays with repeated and emptied entries. Last,
// small games in full on their own offered values and ranges.
TEST(Measure, AgreesWithTheRunOnRandomSettings) {
    Draws d(0x6c6f74746f373339u);
    std::vector<uint8_t> small(11440 * RecordBytes); // C(16, 7) records
    for (const uint32_t n : {39u, 50u, 64u}) {
        for (int k = 1; k <= FilterCount; ++k) {
            const auto top = static_cast<uint32_t>(highest_offered(k, n));
            for (uint32_t p : std::set<uint32_t>{0, std::min(1u, top), top / 2, top}) {
                SCOPED_TRACE(testing::Message()
                             << "7/" << n << " filter " << k << " parameter " << p);
                Settings s;
                init_defaults(s, n);
                test::random_layout(d, s);
                test::turn_on(d, s, k, p);
                test::expect_small_system_agrees(s, 16, small, keeps);
                test::expect_chain_agrees(s, d, 300, keeps);
                if (HasFatalFailure()) return;
            }
        }
        for (int i = 0; i < (n == 39 ? 400 : 150); ++i) {
            SCOPED_TRACE(testing::Message() << "7/" << n << " case " << i);
            const Settings s = test::random_settings(d, n);
            test::expect_small_system_agrees(s, static_cast<int>(d.between(10, 16)), small, keeps);
            test::expect_chain_agrees(s, d, 300, keeps);
            if (HasFatalFailure()) return;
        }
    }
    for (const uint32_t n : {8u, 10u, 16u})
        for (int i = 0; i < 60; ++i)
            test::expect_small_system_agrees(test::random_settings(d, n), static_cast<int>(n),
                                             small, keeps);
}

// Filters that count in one set, tested together on a small system: ranges A1..B2 all 1..8, the
// arrays 3, 6, 9 and 1, 2, 3 (alike: 3, 6, 9 both), or the lucky number also the unlucky one,
// where the tightest bounds decide. Last, every counting filter on at once: nineteen sets, so that
// the run keeps counts in more than one word; their loose bounds pass everything, the biting ones
// (the rows' last) lie in every word, most with several counts that pass whether the seventh
// number is in the set or not.
TEST(Measure, FiltersCountingInOneSetAgreeWithTheRun) {
    using On = std::vector<std::pair<int, uint32_t>>;
    const std::pair<On, bool> in_one_set[] = {
        {{{37, 3}, {39, 1}}, false},          // at most 3 and at most 1 in 1..8
        {{{39, 1}, {37, 3}, {36, 0}}, false}, // the same, listed the other way round
        {{{36, 2}, {38, 1}, {37, 2}}, false}, // at least 2, at most 2
        {{{38, 3}, {39, 1}}, false},          // bounds nothing meets
        {{{62, 1}, {64, 2}, {63, 1}}, true},  // the arrays hold the same numbers
        {{{7, 4}, {8, 4}}, false}};           // lucky and unlucky 4
    const On all_at_once[] = {
        {},                           // only the lucky 5 and the unlucky 9
        {{3, 4}, {37, 2}},            // at least 4 even, at most 2 in range A2
        {{44, 2}, {47, 2}},           // at least 2 in range E1, at most 2 in 1, 4, 7 ..
        {{50, 2}, {62, 2}},           // at least 2 in 3, 6, 9 .., at most 2 in the 7-element array
        {{63, 2}, {64, 4}},           // 2 to 4 in the 15-element array
        {{45, 0}, {50, 3}, {51, 3}}}; // nothing in range E2, exactly 3 in 3, 6, 9 ..
    std::vector<uint8_t> small(11440 * RecordBytes);
    for (const auto& [on, alike] : in_one_set) {
        Settings s;
        init_defaults(s);
        for (int r : {1, 2, 3, 4}) set_range(s, r, 1, 8);
        for (int i = 1; i <= 3; ++i) set_array7_entry(s, i, 3 * i);
        for (int i = 1; i <= 3; ++i) set_array15_entry(s, i, alike ? 3 * i : i);
        for (auto [k, p] : on) turn_filter_on(s, k), set_parameter(s, k, p);
        SCOPED_TRACE(::testing::PrintToString(on));
        test::expect_small_system_agrees(s, 16, small, keeps);
    }
    for (const On& biting : all_at_once) {
        Settings s;
        init_defaults(s);
        for (int r = 1; r <= 10; ++r) set_range(s, r, r, r + 5);
        for (int i = 1; i <= 4; ++i) set_array7_entry(s, i, 4 * i);
        for (int i = 1; i <= 6; ++i) set_array15_entry(s, i, 2 * i + 3);
        for (int k : {3, 4, 5, 6, 7, 8, 62, 63, 64})
            turn_filter_on(s, k), set_parameter(s, k, k % 2 == 1 && k != 7 ? 0 : 7);
        for (int k = 36; k <= 51; ++k) turn_filter_on(s, k), set_parameter(s, k, k % 2 ? 7 : 0);
        set_parameter(s, 7, 5), set_parameter(s, 8, 9);
        for (auto [k, p] : biting) set_parameter(s, k, p);
        SCOPED_TRACE(::testing::PrintToString(biting));
        test::expect_small_system_agrees(s, 16, small, keeps);
    }
}

} // namespace
} // namespace lotto
