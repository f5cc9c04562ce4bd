// The per-combination measures: the quantities of the worked examples of every filter family,
// verdicts at the edges of the bounds, and a randomized comparison with the enumeration run.
#include "engine/lotto739.h"
#include "engine/measure.h"
#include "random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace lotto {
namespace {

using test::Draws;

std::string text(const Combination& c) {
    std::string t;
    for (int n : c) t += std::to_string(n) + ' ';
    return t;
}

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

struct Example {
    Combination c;
    std::vector<std::pair<int, int32_t>> values; // filter, measured quantity
};

TEST(Measure, QuantitiesOfTheWorkedExamples) {
    // Sum 1, evens 3, odds 5, c1 9, c2 11, c5 13, c6 15, c7 17, adjacency 19, groups 21, 2-groups
    // 23, 3-groups 25, 4+ groups 27, Dmin 32, Dmax 33, repeated differences 34, repeated last
    // digits 35, ranges 36..45, step-3 arrays 46/48/50, edge parities 52..61, chosen arrays 62/63.
    // clang-format off
    const Example examples[] = {
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
    for (const Example& e : examples)
        for (const auto& [k, value] : e.values)
            EXPECT_EQ(measure_filter(s, k, e.c).value, value) << text(e.c) << "filter " << k;
}

struct Verdict {
    Combination c;
    int filter;
    uint32_t parameter;
    bool kept;
};

// Each relation at its bound, both sides; comparisons are unsigned.
TEST(Measure, VerdictsAtTheBounds) {
    const Combination low{1, 2, 3, 4, 5, 6, 7}, odd{3, 9, 15, 21, 27, 33, 39};
    // clang-format off
    const Verdict verdicts[] = {
        {low, 1, 28, true},  {low, 1, 29, false},  {odd, 18, 39, true}, {odd, 18, 38, false},
        {low, 7, 5, true},   {odd, 7, 5, false},   {low, 7, 0, false},  {low, 7, 1000, false},
        {odd, 8, 39, false}, {low, 8, 39, true},   {low, 8, 0, true},   {low, 19, 0, true},
        {odd, 19, 0, false}, {low, 20, 0, false},  {odd, 20, 0, true},  {low, 31, 0, false},
        {odd, 31, 0, true},  {low, 2, 0xffffffffu, true}, {low, 1, 0xffffffffu, false},
        {odd, 32, 0x80000000u, false}};
    // clang-format on
    for (const Verdict& v : verdicts) {
        Settings s = example_settings();
        set_parameter(s, v.filter, v.parameter);
        EXPECT_EQ(measure_filter(s, v.filter, v.c).kept, v.kept)
            << text(v.c) << "filter " << v.filter << " parameter " << v.parameter;
    }
    // The edge parity filters on 4 9 12 20 27 31 36: c1 and c7 even, one odd in each edge pair.
    const Settings s = example_settings();
    for (int k = 52; k <= 61; ++k) {
        const bool kept = k == 52 || k == 54 || k == 58 || k == 61;
        EXPECT_EQ(measure_filter(s, k, {4, 9, 12, 20, 27, 31, 36}).kept, kept) << "filter " << k;
    }
}

// Filters without a parameter hold their quantity to a fixed bound and never read their slot.
TEST(Measure, FixedBoundsIgnoreTheParameterSlot) {
    Settings s = example_settings();
    for (int k = 1; k <= FilterCount; ++k) set_parameter(s, k, 5);
    const std::pair<int, uint32_t> fixed[] = {{19, 1}, {20, 0}, {29, 0}, {30, 0}, {31, 0},
                                              {52, 0}, {53, 1}, {54, 0}, {55, 1}, {56, 0},
                                              {57, 2}, {58, 1}, {59, 0}, {60, 2}, {61, 1}};
    for (const auto& [k, bound] : fixed) {
        const FilterMeasure m = measure_filter(s, k, {1, 3, 5, 7, 9, 10, 39});
        EXPECT_EQ(std::pair(m.relation, m.bound), std::pair(Relation::Equals, bound)) << k;
    }
    const FilterMeasure lucky = measure_filter(s, 7, {1, 3, 5, 7, 9, 10, 39});
    EXPECT_EQ(std::tie(lucky.value, lucky.relation, lucky.bound, lucky.kept),
              std::tuple(1, Relation::Contains, 5u, true));
    const FilterMeasure unlucky = measure_filter(s, 8, {1, 3, 5, 7, 9, 10, 39});
    EXPECT_EQ(std::tie(unlucky.value, unlucky.relation, unlucky.bound, unlucky.kept),
              std::tuple(1, Relation::Lacks, 5u, false));
}

TEST(Measure, RangesArraysAndMovedBounds) {
    Settings s;
    init_defaults(s);
    const Combination c{3, 8, 15, 22, 30, 33, 38};
    const auto in_a2 = [&] { return measure_filter(s, 37, c).value; };
    set_range(s, 2, 40, 64); // wholly above 39
    EXPECT_EQ(in_a2(), 0);
    set_range(s, 2, 1, 64);
    EXPECT_EQ(in_a2(), 7);
    set_range(s, 2, 22, 22);
    EXPECT_EQ(in_a2(), 1);
    EXPECT_EQ(set_range(s, 2, 9, 1), RangeCode::StartAboveEnd); // refused: 22..22 stays
    EXPECT_EQ(in_a2(), 1);
    EXPECT_EQ(measure_filter(s, 36, c).value, 2); // A1 keeps its own range
    set_array15_entry(s, 1, 22), set_array15_entry(s, 2, 22), set_array15_entry(s, 3, 64);
    EXPECT_EQ(measure_filter(s, 63, c).value, 1); // a repeated entry counts once
    set_array15_entry(s, 1, 0);
    EXPECT_EQ(measure_filter(s, 64, c).value, 1); // still at position 2
    set_array15_entry(s, 2, 0);
    EXPECT_EQ(measure_filter(s, 64, c).value, 0);
    EXPECT_EQ(measure_filter(s, 62, c).value, 0); // empty array
}

TEST(Measure, NoActiveFilterKeepsEverything) {
    Settings s;
    init_defaults(s);
    EXPECT_TRUE(active_filters_keep(s, {1, 2, 3, 4, 5, 6, 7}));
    turn_filter_on(s, 7); // lucky number 0
    EXPECT_FALSE(active_filters_keep(s, {1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(measure_filter(s, 7, {1, 2, 3, 4, 5, 6, 7}).kept);
    turn_filter_off(s, 7);
    EXPECT_TRUE(active_filters_keep(s, {1, 2, 3, 4, 5, 6, 7}));
}

// The store of the full system, allocated on first use.
uint8_t* full_store() {
    static const ResultStore store = allocate_store();
    return store.get();
}

Combination record_at(const uint8_t* store, uint32_t i) {
    Combination c;
    std::memcpy(c.data(), record(store, i), RecordBytes);
    return c;
}

// Whether the first count records of store hold c; they are in lexicographic order.
bool stored(const uint8_t* store, uint32_t count, const Combination& c) {
    uint32_t lo = 0, hi = count;
    while (lo < hi) {
        const uint32_t mid = lo + (hi - lo) / 2;
        if (record_at(store, mid) < c)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < count && record_at(store, lo) == c;
}

// Every combination of a small system is stored exactly when the measures keep it.
void expect_small_system_agrees(const Settings& s, int highest, std::vector<uint8_t>& store) {
    const uint32_t count = run(s, static_cast<uint32_t>(highest), store.data());
    uint32_t next = 0;
    Combination c{1, 2, 3, 4, 5, 6, 7};
    do {
        if (!active_filters_keep(s, c)) continue;
        ASSERT_LT(next, count) << "not stored: " << text(c);
        ASSERT_EQ(record_at(store.data(), next), c) << "record " << next;
        ++next;
    } while (test::next_combination(c, highest));
    EXPECT_EQ(next, count) << "stored more than the measures keep";
}

// Random combinations of the full system kept by the measures exactly when the run's chain
// passes them.
void expect_chain_agrees(const Settings& s, Draws& d, int samples) {
    for (int i = 0; i < samples; ++i) {
        const Combination c = test::random_combination(d);
        uint8_t numbers[7];
        std::copy(c.begin(), c.end(), numbers);
        ASSERT_EQ(combination_passes(s, numbers), active_filters_keep(s, c)) << text(c);
    }
}

// A full-system run: random combinations, and records of the store, stored exactly when the
// measures keep them.
void expect_full_run_agrees(const Settings& s, Draws& d) {
    uint8_t* store = full_store();
    ASSERT_NE(store, nullptr);
    const uint32_t count = run(s, HighestNumber, store);
    for (int i = 0; i < 1500; ++i) {
        const Combination c = i % 3 == 0 && count > 0
                                  ? record_at(store, static_cast<uint32_t>(d.between(0, count - 1)))
                                  : test::random_combination(d);
        ASSERT_EQ(stored(store, count, c), active_filters_keep(s, c)) << text(c);
    }
}

// Each filter alone at 0, 1, the middle and the top of its offered values, on a random layout of
// ranges and arrays: every filter gets combinations that it alone decides.
TEST(Measure, EachFilterAloneAgreesWithTheRun) {
    Draws d(0x616c6f6e65u);
    std::vector<uint8_t> small(11440 * RecordBytes); // C(16, 7) records
    for (int k = 1; k <= FilterCount; ++k) {
        const uint32_t top = static_cast<uint32_t>(HighestOffered[k]);
        std::vector<uint32_t> values{0, 1, top / 2, top};
        std::erase_if(values, [top](uint32_t v) { return v > top; });
        values.erase(std::unique(values.begin(), values.end()), values.end());
        for (uint32_t p : values) {
            SCOPED_TRACE("filter " + std::to_string(k) + " parameter " + std::to_string(p));
            Settings s;
            init_defaults(s);
            test::random_layout(d, s);
            test::turn_on(d, s, k, p);
            expect_small_system_agrees(s, 16, small);
            expect_chain_agrees(s, d, 300);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

// Several hundred random settings, each on a small system in full and on random combinations of
// the full system, every 25th also through a full run; a failure names the case number.
TEST(Measure, AgreesWithTheRunOnRandomSettings) {
    Draws d(0x6c6f74746f373339u);
    std::vector<uint8_t> small(11440 * RecordBytes); // C(16, 7) records
    for (int i = 0; i < 400; ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const Settings s = test::random_settings(d);
        expect_small_system_agrees(s, static_cast<int>(d.between(10, 16)), small);
        expect_chain_agrees(s, d, 300);
        if (i % 25 == 0) expect_full_run_agrees(s, d);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

} // namespace
} // namespace lotto
