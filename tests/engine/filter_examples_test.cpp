// The filters on single combinations: the worked examples of each family, and the quantities each
// family counts, checked at the bounds of its minimum and maximum filters.
#include "engine_test.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace lotto {
namespace {

struct Example {
    std::string name;
    uint8_t numbers[7];
    std::vector<FilterValue> on;
    bool passes;
    Prepare prepare = {};
};
void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, PassOrFail) {
    const Example& e = GetParam();
    EXPECT_EQ(combination_passes(settings_with(e.on, e.prepare), e.numbers), e.passes);
}

const Prepare c2_from_5_to_25 = [](Settings& s) { set_range(s, 6, 5, 25); };
const Prepare five_twice_in_array7 = [](Settings& s) {
    set_array7_entry(s, 1, 5), set_array7_entry(s, 4, 5);
};
const Prepare five_set_and_cleared = [](Settings& s) {
    set_array15_entry(s, 1, 5), set_array15_entry(s, 2, 5), set_array15_entry(s, 1, 0);
};
const Prepare five_cleared = [](Settings& s) {
    set_array15_entry(s, 1, 5), set_array15_entry(s, 1, 0);
};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Families, Examples, ::testing::Values(
    Example{"SmallestSumAtBound",  {1, 2, 3, 4, 5, 6, 7},        {{1, 28}}, true},
    Example{"SmallestSumBelow",    {1, 2, 3, 4, 5, 6, 7},        {{1, 29}}, false},
    Example{"AllOddMaxEven0",      {3, 9, 15, 21, 27, 33, 39},   {{4, 0}}, true},
    Example{"AllOddMinOdd7",       {3, 9, 15, 21, 27, 33, 39},   {{5, 7}}, true},
    Example{"AllOddMaxOdd6",       {3, 9, 15, 21, 27, 33, 39},   {{6, 6}}, false},
    Example{"AllEvenMaxOdd0",      {2, 4, 6, 8, 10, 12, 14},     {{6, 0}}, true},
    Example{"AllEvenMinEven7",     {2, 4, 6, 8, 10, 12, 14},     {{3, 7}}, true},
    Example{"AllEvenMaxEven6",     {2, 4, 6, 8, 10, 12, 14},     {{4, 6}}, false},
    Example{"LargestSumMin252",    {33, 34, 35, 36, 37, 38, 39}, {{1, 252}}, true},
    Example{"LargestSumMax251",    {33, 34, 35, 36, 37, 38, 39}, {{2, 251}}, false},
    Example{"SumRangeInside",      {1, 2, 3, 4, 5, 6, 7},        {{1, 28}, {2, 28}}, true},
    Example{"EvenRange",           {1, 2, 3, 4, 5, 6, 7},        {{3, 3}, {4, 3}}, true},
    Example{"OddRange",            {1, 2, 3, 4, 5, 6, 7},        {{5, 4}, {6, 4}}, true},
    Example{"LuckyPresent",        {1, 2, 3, 4, 5, 6, 7},        {{7, 5}}, true},
    Example{"LuckyAbsent",         {1, 2, 3, 4, 6, 7, 8},        {{7, 5}}, false},
    Example{"UnluckyPresent",      {3, 9, 15, 21, 27, 33, 39},   {{8, 39}}, false},
    Example{"UnluckyAbsent",       {1, 2, 3, 4, 5, 6, 7},        {{8, 39}}, true},
    Example{"LuckyUnluckySame",    {1, 2, 3, 4, 5, 6, 7},        {{7, 5}, {8, 5}}, false},
    Example{"UnluckyAfterLucky",   {1, 2, 3, 4, 5, 6, 7},        {{7, 2}, {8, 6}}, false},
    Example{"UnluckyBeforeLucky",  {1, 2, 3, 4, 5, 6, 7},        {{7, 6}, {8, 2}}, false},
    Example{"LuckyNoUnlucky",      {1, 2, 3, 4, 5, 6, 7},        {{7, 2}, {8, 9}}, true},
    Example{"NoLuckyNoUnlucky",    {1, 2, 3, 4, 5, 6, 7},        {{7, 9}, {8, 10}}, false},
    Example{"FirstAtMinimum",      {3, 9, 15, 21, 27, 33, 39},   {{9, 3}}, true},
    Example{"FirstBelowMinimum",   {3, 9, 15, 21, 27, 33, 39},   {{9, 4}}, false},
    Example{"SeventhAtMaximum",    {3, 9, 15, 21, 27, 33, 39},   {{18, 39}}, true},
    Example{"SeventhAboveMaximum", {3, 9, 15, 21, 27, 33, 39},   {{18, 38}}, false},
    Example{"FifthExactly",        {3, 9, 15, 21, 27, 33, 39},   {{13, 27}, {14, 27}}, true},
    Example{"FifthBelow",          {3, 9, 15, 21, 27, 33, 39},   {{13, 28}, {14, 30}}, false},
    Example{"FifthAbove",          {3, 9, 15, 21, 27, 33, 39},   {{13, 20}, {14, 26}}, false},
    Example{"SixthAtMaximum",      {1, 2, 3, 4, 5, 6, 7},        {{16, 6}}, true},
    Example{"SixthBelowMinimum",   {1, 2, 3, 4, 5, 6, 7},        {{15, 7}}, false},
    Example{"SecondBothBounds",    {1, 2, 3, 4, 5, 6, 7},        {{11, 2}, {12, 2}}, true},
    Example{"FirstMinAboveMax",    {3, 9, 15, 21, 27, 33, 39},   {{9, 4}, {10, 3}}, false},
    Example{"SharedAnalysisPass",  {1, 2, 11, 12, 21, 22, 31},   {{21, 3}, {24, 3}, {31, 0}}, true},
    Example{"SharedAnalysisFail",  {4, 5, 6, 7, 20, 21, 39},     {{21, 2}, {24, 1}, {31, 0}}, false},
    Example{"C2MovedCounts3",      {3, 8, 15, 22, 30, 33, 38},   {{41, 2}}, false, c2_from_5_to_25},
    Example{"C2MovedMax3",         {3, 8, 15, 22, 30, 33, 38},   {{41, 3}}, true, c2_from_5_to_25},
    Example{"C1StaysMin1",         {3, 8, 15, 22, 30, 33, 38},   {{40, 1}}, true, c2_from_5_to_25},
    Example{"C1StaysMin2",         {3, 8, 15, 22, 30, 33, 38},   {{40, 2}}, false, c2_from_5_to_25},
    Example{"TwoThreesMax1",       {3, 6, 10, 11, 13, 14, 16},   {{51, 1}}, false},
    Example{"OneThreeMax1",        {1, 3, 4, 7, 10, 13, 16},     {{51, 1}}, true},
    Example{"NoThreesMax0",        {1, 2, 4, 5, 7, 8, 10},       {{51, 0}}, true},
    Example{"Pass52",              {4, 9, 12, 20, 27, 31, 36},   {{52, 0}}, true},
    Example{"Pass54",              {4, 9, 12, 20, 27, 31, 36},   {{54, 0}}, true},
    Example{"Pass58",              {4, 9, 12, 20, 27, 31, 36},   {{58, 0}}, true},
    Example{"Pass61",              {4, 9, 12, 20, 27, 31, 36},   {{61, 0}}, true},
    Example{"Fail53",              {4, 9, 12, 20, 27, 31, 36},   {{53, 0}}, false},
    Example{"Fail55",              {4, 9, 12, 20, 27, 31, 36},   {{55, 0}}, false},
    Example{"Fail57",              {4, 9, 12, 20, 27, 31, 36},   {{57, 0}}, false},
    Example{"Fail60",              {4, 9, 12, 20, 27, 31, 36},   {{60, 0}}, false},
    Example{"MixedOddFirst58",     {1, 2, 3, 4, 5, 6, 7},        {{58, 0}}, true},
    Example{"OddEnds53And55",      {33, 34, 35, 36, 37, 38, 39}, {{53, 0}, {55, 0}}, true},
    Example{"BothEven56",          {2, 4, 5, 7, 9, 11, 13},      {{56, 0}}, true},
    Example{"BothOdd57",           {1, 3, 4, 6, 8, 10, 12},      {{57, 0}}, true},
    Example{"Array7Max3",          {3, 5, 12, 20, 26, 33, 38},   {{62, 3}}, false, example_arrays},
    Example{"Array7Max4",          {3, 5, 12, 20, 26, 33, 38},   {{62, 4}}, true, example_arrays},
    Example{"Array15Min4",         {3, 5, 12, 20, 26, 33, 38},   {{63, 4}}, false, example_arrays},
    Example{"Array15Max3",         {3, 5, 12, 20, 26, 33, 38},   {{64, 3}}, true, example_arrays},
    Example{"DuplicateCountsOnce", {1, 2, 3, 4, 5, 6, 7},        {{62, 1}}, true, five_twice_in_array7},
    Example{"DuplicateIsPresent",  {1, 2, 3, 4, 5, 6, 7},        {{62, 0}}, false, five_twice_in_array7},
    Example{"ClearedKeepsOther",   {1, 2, 3, 4, 5, 6, 7},        {{63, 1}}, true, five_set_and_cleared},
    Example{"ClearedIsGone",       {1, 2, 3, 4, 5, 6, 7},        {{63, 1}}, false, five_cleared}
), [](const auto& info) { return info.param.name; });
// clang-format on

// A counted quantity through its minimum filter (passes at the count, fails one above) and its
// maximum filter (passes at the count, fails one below); 0 for a filter the family lacks.
void expect_count(const uint8_t (&n)[7], int minimum, int maximum, uint32_t count,
                  const Prepare& prepare = {}) {
    auto passes = [&](int k, uint32_t p) {
        return combination_passes(settings_with({{k, p}}, prepare), n);
    };
    EXPECT_TRUE(!minimum || (passes(minimum, count) && !passes(minimum, count + 1)))
        << "filter " << minimum << " on " << int(n[0]) << " " << int(n[1]) << " " << int(n[2]);
    EXPECT_TRUE(!maximum || (passes(maximum, count) && (count == 0 || !passes(maximum, count - 1))))
        << "filter " << maximum << " on " << int(n[0]) << " " << int(n[1]) << " " << int(n[2]);
}

// Groups (G, 2-number, 3-number, 4+), smallest and largest difference, same differences and
// same last digits of the worked examples.
TEST(GroupAndDifferenceCounts, WorkedExamples) {
    const std::pair<int, int> filters[8] = {{21, 22}, {23, 24}, {25, 26}, {27, 28},
                                            {32, 0},  {0, 33},  {0, 34},  {0, 35}};
    const struct {
        uint8_t n[7];
        uint32_t counts[8];
    } rows[] = {
        {{1, 2, 3, 4, 5, 6, 7}, {1, 0, 0, 1, 1, 1, 5, 0}},
        {{3, 9, 15, 21, 27, 33, 39}, {0, 0, 0, 0, 6, 6, 5, 2}},
        {{1, 2, 3, 10, 11, 20, 30}, {2, 1, 1, 0, 1, 10, 2, 3}},
        {{1, 2, 11, 12, 21, 22, 31}, {3, 3, 0, 0, 1, 9, 4, 5}},
        {{4, 5, 6, 7, 20, 21, 39}, {2, 1, 0, 1, 1, 18, 3, 0}},
        {{1, 2, 3, 5, 6, 7, 9}, {2, 0, 2, 0, 1, 2, 4, 0}},
    };
    for (const auto& r : rows) {
        for (int q = 0; q < 8; ++q)
            expect_count(r.n, filters[q].first, filters[q].second, r.counts[q]);
        const auto [g, r2, r3, g4] = std::tuple(r.counts[0], r.counts[1], r.counts[2], r.counts[3]);
        const std::pair<int, bool> yes_no[] = {
            {29, r2 == 0}, {30, r3 == 0}, {31, g4 == 0}, {19, g > 0}, {20, g == 0}};
        for (const auto& [k, passes] : yes_no)
            EXPECT_EQ(combination_passes(settings_with({{k, 0}}), r.n), passes)
                << k << " " << int(r.n[2]);
    }
}

// Ranges, residue arrays and chosen arrays of the worked examples, and some unusual ranges.
TEST(InSetCounts, WorkedExamples) {
    const struct {
        uint8_t n[7];
        int minimum, maximum;
        uint32_t count;
        Prepare prepare;
    } rows[] = {
        {{3, 8, 15, 22, 30, 33, 38}, 36, 37, 2, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 38, 39, 1, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 40, 41, 1, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 42, 43, 2, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 44, 45, 1, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 46, 47, 1, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 48, 49, 2, {}},
        {{3, 8, 15, 22, 30, 33, 38}, 50, 51, 4, {}},
        {{1, 2, 3, 34, 35, 36, 37}, 46, 47, 3, {}},
        {{1, 2, 3, 34, 35, 36, 37}, 48, 49, 2, {}},
        {{1, 2, 3, 34, 35, 36, 37}, 50, 51, 2, {}},
        {{1, 5, 9, 13, 17, 21, 25}, 36, 37, 0, ranges_a(40, 64)},
        {{1, 5, 9, 13, 17, 21, 25}, 36, 37, 1, ranges_a(5, 5)},
        {{1, 4, 9, 13, 17, 21, 25}, 36, 37, 0, ranges_a(5, 5)},
        {{1, 4, 9, 13, 17, 21, 25}, 36, 37, 7, ranges_a(1, 64)},
        {{3, 5, 12, 20, 26, 33, 38}, 0, 62, 4, example_arrays},
        {{3, 5, 12, 20, 26, 33, 38}, 63, 64, 3, example_arrays},
    };
    for (const auto& r : rows) expect_count(r.n, r.minimum, r.maximum, r.count, r.prepare);
}

} // namespace
} // namespace lotto
