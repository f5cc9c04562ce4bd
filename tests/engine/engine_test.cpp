// The engine's suite: the filter settings and their setters' result codes, the games' offered
// values and default ranges, the chain a run builds and its routines, the enumeration run with the
// stored counts of each filter over the full system, and the funnel.
#include "engine/chain.h"
#include "engine/funnel_build.h"
#include "engine/lotto739.h"
#include "random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

// The suite's store of StoreBytes bytes, allocated on first use.
uint8_t* shared_store() {
    static const ResultStore store = allocate_store();
    return store.get();
}

using FilterValue = std::pair<int, uint32_t>; // a filter and its parameter
using Prepare = std::function<void(Settings&)>;

// Start-up settings, then prepare, then the given filters on with their parameters.
Settings settings_with(const std::vector<FilterValue>& on = {}, const Prepare& prepare = {}) {
    Settings s;
    init_defaults(s);
    if (prepare) prepare(s);
    for (const auto& [k, value] : on) turn_filter_on(s, k), set_parameter(s, k, value);
    return s;
}

// Ranges A1 and A2 both start..end.
Prepare ranges_a(int32_t start, int32_t end) {
    return [=](Settings& s) { set_range(s, 1, start, end), set_range(s, 2, start, end); };
}

// The chosen arrays of the worked example: 5, 12, 19, 26, 33 and 1..15.
void example_arrays(Settings& s) {
    for (int i = 1; i <= 5; ++i) set_array7_entry(s, i, 7 * i - 2);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
}

// Start-up values, also after the settings have been changed and initialised again (the default
// ranges' and the step-3 arrays' masks are counted over the full system below).
TEST(StartUp, EverythingOffZeroAndDefaultRanges) {
    Settings s = settings_with({{12, 9}}, [](Settings& t) {
        set_range(t, 3, 2, 4), set_array7_entry(t, 1, 5), set_array15_entry(t, 15, 39);
    });
    init_defaults(s);
    EXPECT_EQ(std::tie(s.params, s.lowest_offered, s.highest_offered),
              std::tuple(decltype(s.params){}, decltype(s.lowest_offered){}, HighestOffered));
    EXPECT_EQ(std::tie(s.active, s.array7, s.array7_mask, s.array15, s.array15_mask),
              std::tuple(0u, decltype(s.array7){}, 0u, decltype(s.array15){}, 0u));
    EXPECT_EQ(std::tie(s.entered, s.effective), std::tie(DefaultRanges, DefaultRanges));
    EXPECT_EQ(std::pair(s.range_masks, s.step3_masks),
              std::pair(settings_with().range_masks, settings_with().step3_masks));
}

// Games other than 7/39: the offered values and default ranges for N. The run against the measures
// on other games is in measure_test.cpp, each filter's count over 7/50 and 7/64 against the history
// statistics' counts in tests/analysis/filter_counts_test.cpp.
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

TEST(Switches, OnOffAndParametersOnlyFor1To64) {
    Settings s = settings_with();
    turn_filter_on(s, 64), turn_filter_on(s, 64), turn_filter_off(s, 1);
    EXPECT_EQ(std::pair(s.active, filter_is_on(s, 64)), std::pair(Mask{1} << 63, true));
    turn_filter_on(s, 1), turn_filter_off(s, 64);
    EXPECT_EQ(std::pair(s.active, filter_is_on(s, 64)), std::pair(Mask{1}, false));
    for (int k : {-1, 0, 65, 1000}) {
        turn_filter_on(s, k), set_parameter(s, k, 7);
        EXPECT_FALSE(filter_is_on(s, k));
    }
    EXPECT_EQ(s.active, Mask{1});
    set_parameter(s, 1, 252), set_parameter(s, 64, 0xffffffffu); // unchecked
    decltype(s.params) expected{};
    expected[0] = 252, expected[63] = 0xffffffffu;
    EXPECT_EQ(s.params, expected);
}

TEST(RangeSetter, ChecksInOrderAndRefusedValuesChangeNothing) {
    using enum RangeCode;
    // clang-format off
    const std::tuple<int32_t, int32_t, RangeCode, Mask> cases[] = {
        {5, 5, Accepted, Mask{1} << 4},   {1, 39, Accepted, span_mask(1, 39)},
        {40, 64, Accepted, span_mask(40, 64)}, {64, 64, Accepted, Mask{1} << 63},
        {1, 64, Accepted, ~Mask{0}},      {9, 1, StartAboveEnd, 0x1ff},
        {0, 9, StartBelowOne, 0x1ff},     {-5, -1, StartBelowOne, 0x1ff},
        {65, 65, StartAbove64, 0x1ff},    {1, 65, EndAbove64, 0x1ff},
        // pairs that fail two or three checks: the first in the order 1, 2, 3, 4 decides
        {70, 2, StartAboveEnd, 0x1ff},    {0, 65, StartBelowOne, 0x1ff},
        {0, -1, StartAboveEnd, 0x1ff},    {70, 65, StartAboveEnd, 0x1ff},
        {65, 66, StartAbove64, 0x1ff},    {0, 70, StartBelowOne, 0x1ff}};
    // clang-format on
    for (const auto& [start, end, code, mask] : cases) {
        Settings s = settings_with();
        EXPECT_EQ(set_range(s, 1, start, end), code) << start << ".." << end;
        std::array<Range, RangeCount> effective = DefaultRanges;
        if (code == Accepted) effective[0] = {start, end};
        EXPECT_EQ(std::tie(s.range_masks[0], s.effective, s.entered),
                  std::tie(mask, effective, DefaultRanges))
            << start << ".." << end;
    }
}

TEST(RangeSetter, EachIndexOwnsItsRangeAndOthersChangeNothing) {
    Settings s = settings_with();
    EXPECT_EQ(set_range(s, 0, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(set_range(s, 11, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(std::tuple(s.effective, s.range_masks),
              std::tuple(DefaultRanges, settings_with().range_masks));
    set_range(s, 6, 5, 25); // C2
    EXPECT_EQ(std::tie(s.range_masks[4], s.range_masks[5]),
              std::tuple(span_mask(20, 29), span_mask(5, 25)));
}

TEST(ArraySetters, CodesInOrderPositionThenNumberAndRefusedChangeNothing) {
    using Setter = ArrayCode (*)(Settings&, int, int32_t);
    auto arrays = [](const Settings& t) {
        return std::tie(t.array7, t.array7_mask, t.array15, t.array15_mask);
    };
    for (auto [set, size] : {std::pair<Setter, int>{set_array7_entry, Array7Size},
                             std::pair<Setter, int>{set_array15_entry, Array15Size}}) {
        using enum ArrayCode;
        // clang-format off
        const std::tuple<int, int32_t, ArrayCode> cases[] = {
            {1, 0, Accepted},                 {size, 64, Accepted},
            {0, 5, PositionBelowOne},         {0, -1, PositionBelowOne},
            {size + 1, 5, PositionAboveLast}, {size + 1, 99, PositionAboveLast},
            {1, -1, NumberBelowZero},         {1, 65, NumberAbove64}};
        // clang-format on
        for (const auto& [position, number, code] : cases) {
            Settings s = settings_with();
            set(s, 2, 7);
            const Settings before = s;
            EXPECT_EQ(set(s, position, number), code) << size << ": " << position << " " << number;
            EXPECT_TRUE(code == Accepted || arrays(s) == arrays(before))
                << position << " " << number;
        }
    }
}

TEST(ArraySetters, MaskRebuiltFromAllPositions) {
    Settings s = settings_with();
    set_array7_entry(s, 1, 5), set_array7_entry(s, 2, 5), set_array7_entry(s, 7, 64);
    set_array7_entry(s, 1, 0); // 5 is still at position 2
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[64]);
    set_array7_entry(s, 2, 0);
    EXPECT_EQ(s.array7_mask, NumberBit[64]);
}

Mask filters(std::initializer_list<int> ks) {
    return std::accumulate(ks.begin(), ks.end(), Mask{0},
                           [](Mask m, int k) { return m | NumberBit[k]; });
}

std::vector<ChainEntry> entries(const Chain& chain) {
    EXPECT_EQ(std::count(chain.routines.begin(), chain.routines.begin() + chain.length, nullptr),
              0);
    return {chain.entries.begin(), chain.entries.begin() + chain.length};
}

TEST(ChainComposition, EntriesInBuildingOrder) {
    // clang-format off
    const std::pair<Mask, std::vector<ChainEntry>> cases[] = {
        {0, {}}, {filters({2}), {{2, 2}}}, {filters({2, 4}), {{2, 2}, {4, 4}}},
        {filters({1, 2, 3, 21, 51}), {{1, 2}, {3, 3}, {21, 21}, {51, 51}}},
        {filters({17, 18, 19}), {{17, 18}, {19, 19}}},
        {filters({9, 11, 13}), {{9, 9}, {11, 11}, {13, 13}}},
        {filters({19, 20, 63, 64}), {{19, 19}, {20, 20}, {63, 63}, {64, 64}}},
        {filters({64, 18, 7, 8}), {{7, 8}, {18, 18}, {64, 64}}}};
    // clang-format on
    for (const auto& [active, expected] : cases) {
        EXPECT_EQ(describe_chain(active), expected) << std::hex << active;
        for (bool popcnt : {false, true}) EXPECT_EQ(entries(build_chain(active, popcnt)), expected);
    }
}

TEST(Enumeration, NothingWrittenPastTheRecordsNorByARunRejectingEverything) {
    uint8_t* store = shared_store();
    std::memset(store, 0xa5, StoreBytes);
    const std::size_t end = 36 * RecordBytes;
    const auto untouched_past_end = [&] {
        return std::count(store + end, store + StoreBytes, 0xa5) ==
               std::ptrdiff_t(StoreBytes - end);
    };
    ASSERT_EQ(run(settings_with({{32, 6}}), HighestNumber, store), 36u);
    const std::vector<uint8_t> records(store, store + end);
    EXPECT_EQ(std::vector(records.begin(), records.begin() + 7),
              (std::vector<uint8_t>{1, 7, 13, 19, 25, 31, 37}));
    EXPECT_EQ(std::vector(records.end() - 7, records.end()),
              (std::vector<uint8_t>{3, 9, 15, 21, 27, 33, 39}));
    EXPECT_TRUE(untouched_past_end());
    EXPECT_EQ(run(settings_with({{7, 0}}), HighestNumber, store), 0u);
    EXPECT_TRUE(std::equal(records.begin(), records.end(), store));
    EXPECT_TRUE(untouched_past_end());
}

// Filters of one pair or one set on together, and the edges; each filter alone is held against the
// history statistics' counts in tests/analysis/filter_counts_test.cpp.
TEST(FullSystemCount, StoresTheExpectedCount) {
    // clang-format off
    const struct {
        const char* name;
        std::vector<FilterValue> on;
        uint32_t stored;
        Prepare prepare = {};
    } counts[] = {
        {"LuckyUnlucky5_30", {{7, 5}, {8, 30}}, 2'324'784}, {"MinSum252", {{1, 252}}, 1},
        {"LuckyUnluckySame", {{7, 12}, {8, 12}}, 0}, {"MaxOdd0", {{6, 0}}, 50'388},
        {"SumRange100_180", {{1, 100}, {2, 180}}, 13'214'149}, {"MaxFirst0", {{10, 0}}, 0},
        {"EvenRange3_4", {{3, 3}, {4, 4}}, 9'113'445}, {"MinGroups3", {{21, 3}}, 180'048},
        {"First5_10", {{9, 5}, {10, 10}}, 5'163'740}, {"MinFourPlus1", {{27, 1}}, 215'985},
        {"Seventh35_38", {{17, 35}, {18, 38}}, 7'240'640}, {"EmptyMin15_1", {{63, 1}}, 0},
        {"A1AndA2Exactly2", {{36, 2}, {37, 2}}, 5'130'216}, {"Min3_6_9_3", {{50, 3}}, 6'599'307},
        {"MaxDifference5", {{33, 5}}, 328'125}, {"LastTwoEven", {{59, 0}}, 3'127'932},
        {"MinAbove39", {{36, 1}}, 0, ranges_a(40, 64)},
        {"MaxSingleNumber0", {{37, 0}}, 12'620'256, ranges_a(5, 5)},
        {"AtMost3From15", {{64, 3}}, 11'662'794, example_arrays},
        {"Exactly3From15", {{63, 3}, {64, 3}}, 4'834'830, example_arrays}};
    // clang-format on
    for (const auto& c : counts)
        EXPECT_EQ(run(settings_with(c.on, c.prepare), HighestNumber, shared_store()), c.stored)
            << c.name;
}

// The funnel held against independent runs: each count is what a run with the matching filters on
// stores, on random settings over small systems (the counting does not depend on the system's
// size), on one thread and on several; hand-counted cases. The funnel as a table the tests
// compare: rows of (filter, alone, cumulative, only) and a last row (0, stored).
using Table = std::vector<std::array<uint32_t, 4>>;

Table table(const Funnel& f) {
    Table t;
    for (const FunnelRow& r : f.rows)
        t.push_back({static_cast<uint32_t>(r.filter), r.alone, r.cumulative, r.only});
    t.push_back({0, f.stored, 0, 0});
    return t;
}

// The funnel from one run per distinct set of filters.
Table expected_table(const Settings& s, uint32_t highest) {
    std::map<Mask, uint32_t> runs;
    const auto stored = [&](Mask active) {
        Settings t = s;
        t.active = active;
        const auto [at, added] = runs.try_emplace(active);
        if (added) at->second = run(t, highest, shared_store());
        return at->second;
    };
    Table t;
    Mask so_far = 0;
    for (int k = 1; k <= FilterCount; ++k) {
        if (!(s.active & NumberBit[k])) continue;
        so_far |= NumberBit[k];
        t.push_back({static_cast<uint32_t>(k), stored(NumberBit[k]), stored(so_far),
                     stored(s.active & ~NumberBit[k]) - stored(s.active)});
    }
    t.push_back({0, stored(s.active), 0, 0});
    return t;
}

TEST(Funnel, AgreesWithRunsOnSmallSystems) {
    test::Draws d(0x5eed'f00d);
    for (int i = 0; i < 400; ++i) {
        const Settings s = test::random_settings(d);
        const auto highest = static_cast<uint32_t>(d.between(10, 16));
        const Table expected = expected_table(s, highest);
        EXPECT_EQ(table(filter_funnel(s, highest)), expected)
            << "case " << i << ", active " << std::hex << s.active;
        if (i % 4 == 0) { // the portable build too, and several threads
            EXPECT_EQ(table(filter_funnel(s, highest, false)), expected) << "case " << i;
        } else if (i % 4 == 1) {
            EXPECT_EQ(table(filter_funnel(s, highest, 3u)), expected) << "case " << i;
        }
    }
}

// Hand-counted tables. Lucky and unlucky number both 5: every combination is rejected by exactly
// one of the two, filter 7 by the C(38, 7) without 5, filter 8 by the C(38, 6) with it. The 8
// combinations of 1..8, each missing one number: 7 (lucky 1) keeps all but 2..8; 18 (c7 at most 7)
// keeps only 1..7; 54 (c7 even) keeps all but 1..7; only 18 rejects the six with 1 and 8, only 54
// rejects 1..7, and 2..8 is rejected by 7 and 18. Without filters every combination is stored;
// outside 7..64 nothing is counted; without a game the settings' own game (7/35) is counted.
TEST(Funnel, HandCountedCases) {
    // clang-format off
    const struct {
        Settings s;
        uint32_t highest; // 0: none given
        Table expected;
    } cases[] = {
        {settings_with({{7, 5}, {8, 5}}), 39,
         {{7, 2'760'681, 2'760'681, 12'620'256}, {8, 12'620'256, 0, 2'760'681}, {0}}},
        {settings_with({{7, 1}, {18, 7}, {54, 0}}), 8,
         {{7, 7, 7, 0}, {18, 1, 1, 6}, {54, 7, 0, 1}, {0}}},
        {settings_with(), 7, {{0, 1, 0, 0}}}, {settings_with(), 39, {{0, FullSystem, 0, 0}}},
        {settings_with({{8, 3}, {20, 0}}), 6, {{8, 0, 0, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}}},
        {settings_with({{8, 3}, {20, 0}}), 65, {{8, 0, 0, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}}},
        {settings_with({{7, 5}}, [](Settings& s) { init_defaults(s, 35); }), 0,
         {{7, 1'344'904, 1'344'904, 5'379'616}, {0, 1'344'904, 0, 0}}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(table(c.highest ? filter_funnel(c.s, c.highest) : filter_funnel(c.s)), c.expected)
            << c.highest;
}

} // namespace
} // namespace lotto
