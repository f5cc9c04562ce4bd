// The engine's suite: the filter settings and their setters' result codes, the chain a run builds
// and its routines, and the enumeration run with the stored counts of each filter over the full
// system.
#include "engine/chain.h"
#include "engine/lotto739.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
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

using Numbers = std::array<uint8_t, 7>;

Numbers at(uint32_t i) {
    Numbers n;
    std::memcpy(n.data(), record(shared_store(), i), RecordBytes);
    return n;
}

std::ptrdiff_t bytes_equal_to(uint8_t value, std::size_t from, std::size_t to) {
    return std::count(shared_store() + from, shared_store() + to, value);
}

TEST(Enumeration, NothingWrittenPastTheRecordsNorByARunRejectingEverything) {
    uint8_t* store = shared_store();
    std::memset(store, 0xa5, StoreBytes);
    ASSERT_EQ(run(settings_with({{32, 6}}), HighestNumber, store), 36u);
    EXPECT_EQ(at(0), (Numbers{1, 7, 13, 19, 25, 31, 37}));
    EXPECT_EQ(at(35), (Numbers{3, 9, 15, 21, 27, 33, 39}));
    const std::size_t end = 36 * RecordBytes;
    EXPECT_EQ(bytes_equal_to(0xa5, end, StoreBytes), std::ptrdiff_t(StoreBytes - end));

    const std::vector<uint8_t> records(store, store + end);
    EXPECT_EQ(run(settings_with({{7, 0}}), HighestNumber, store), 0u);
    EXPECT_TRUE(std::equal(records.begin(), records.end(), store));
    EXPECT_EQ(bytes_equal_to(0xa5, end, StoreBytes), std::ptrdiff_t(StoreBytes - end));
}

struct CountCase {
    std::string name;
    std::vector<FilterValue> on;
    uint32_t stored;
    Prepare prepare = {};
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class FullSystemCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(FullSystemCount, StoresTheExpectedCount) {
    const CountCase& c = GetParam();
    EXPECT_EQ(run(settings_with(c.on, c.prepare), HighestNumber, shared_store()), c.stored);
}

// Filters of one pair or one set on together, and the edges; each filter alone is held against the
// history statistics' counts in tests/analysis/filter_counts_test.cpp.
// clang-format off
const CountCase counts[] = {
    {"LuckyUnlucky5_30", {{7, 5}, {8, 30}}, 2'324'784}, {"LuckyUnluckySame", {{7, 12}, {8, 12}}, 0},
    {"MinSum252", {{1, 252}}, 1}, {"SumRange100_180", {{1, 100}, {2, 180}}, 13'214'149},
    {"EvenRange3_4", {{3, 3}, {4, 4}}, 9'113'445}, {"MaxOdd0", {{6, 0}}, 50'388},
    {"First5_10", {{9, 5}, {10, 10}}, 5'163'740}, {"Seventh35_38", {{17, 35}, {18, 38}}, 7'240'640},
    {"MaxFirst0", {{10, 0}}, 0}, {"MinGroups3", {{21, 3}}, 180'048},
    {"MinFourPlus1", {{27, 1}}, 215'985}, {"MaxDifference5", {{33, 5}}, 328'125},
    {"A1AndA2Exactly2", {{36, 2}, {37, 2}}, 5'130'216},
    {"MinAbove39", {{36, 1}}, 0, ranges_a(40, 64)},
    {"MaxSingleNumber0", {{37, 0}}, 12'620'256, ranges_a(5, 5)},
    {"Min3_6_9_3", {{50, 3}}, 6'599'307}, {"LastTwoEven", {{59, 0}}, 3'127'932},
    {"EmptyMin15_1", {{63, 1}}, 0},
    {"Exactly3From15", {{63, 3}, {64, 3}}, 4'834'830, example_arrays},
    {"AtMost3From15", {{64, 3}}, 11'662'794, example_arrays}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Filters, FullSystemCount, ::testing::ValuesIn(counts),
                         [](const auto& test) { return test.param.name; });

} // namespace
} // namespace lotto
