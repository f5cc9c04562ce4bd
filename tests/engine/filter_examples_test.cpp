// The filters on single combinations: the worked examples of each family, and the quantities each
// family counts, checked at the bounds of its minimum and maximum filters.
#include "shared_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lotto {
namespace {

using testing::FilterValue;
using testing::settings_with;

using Numbers = uint8_t[7];

struct Example {
    std::string name;
    uint8_t numbers[7];
    std::vector<FilterValue> on;
    bool passes;
    void (*prepare)(Settings&) = nullptr;
};

bool passes(const Example& e) {
    Settings s = settings_with({});
    if (e.prepare) e.prepare(s);
    for (const FilterValue& f : e.on) {
        turn_filter_on(s, f.filter);
        set_parameter(s, f.filter, f.value);
    }
    return combination_passes(s, e.numbers);
}

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, PassOrFail) { EXPECT_EQ(passes(GetParam()), GetParam().passes); }

std::string example_name(const ::testing::TestParamInfo<Example>& info) { return info.param.name; }

void arrays_of_the_example(Settings& s) {
    const int32_t seven[] = {5, 12, 19, 26, 33};
    for (int i = 0; i < 5; ++i) set_array7_entry(s, i + 1, seven[i]);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
}
void c2_from_5_to_25(Settings& s) { set_range(s, 6, 5, 25); }
void five_twice_in_array7(Settings& s) {
    set_array7_entry(s, 1, 5);
    set_array7_entry(s, 4, 5);
}
void five_set_and_cleared(Settings& s) {
    set_array15_entry(s, 1, 5);
    set_array15_entry(s, 2, 5);
    set_array15_entry(s, 1, 0);
}
void five_cleared(Settings& s) {
    set_array15_entry(s, 1, 5);
    set_array15_entry(s, 1, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Amounts, Examples, ::testing::Values(
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
    Example{"NoLuckyNoUnlucky",    {1, 2, 3, 4, 5, 6, 7},        {{7, 9}, {8, 10}}, false}
), example_name);

INSTANTIATE_TEST_SUITE_P(Positions, Examples, ::testing::Values(
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
    Example{"FirstMinAboveMax",    {3, 9, 15, 21, 27, 33, 39},   {{9, 4}, {10, 3}}, false}
), example_name);

INSTANTIATE_TEST_SUITE_P(Groups, Examples, ::testing::Values(
    Example{"SharedAnalysisPass",  {1, 2, 11, 12, 21, 22, 31},   {{21, 3}, {24, 3}, {31, 0}}, true},
    Example{"SharedAnalysisFail",  {4, 5, 6, 7, 20, 21, 39},     {{21, 2}, {24, 1}, {31, 0}}, false}
), example_name);

INSTANTIATE_TEST_SUITE_P(Ranges, Examples, ::testing::Values(
    Example{"C2MovedCounts3",      {3, 8, 15, 22, 30, 33, 38},   {{41, 2}}, false, c2_from_5_to_25},
    Example{"C2MovedMax3",         {3, 8, 15, 22, 30, 33, 38},   {{41, 3}}, true, c2_from_5_to_25},
    Example{"C1StaysMin1",         {3, 8, 15, 22, 30, 33, 38},   {{40, 1}}, true, c2_from_5_to_25},
    Example{"C1StaysMin2",         {3, 8, 15, 22, 30, 33, 38},   {{40, 2}}, false, c2_from_5_to_25}
), example_name);

INSTANTIATE_TEST_SUITE_P(Residues, Examples, ::testing::Values(
    Example{"TwoThreesMax1",       {3, 6, 10, 11, 13, 14, 16},   {{51, 1}}, false},
    Example{"OneThreeMax1",        {1, 3, 4, 7, 10, 13, 16},     {{51, 1}}, true},
    Example{"NoThreesMax0",        {1, 2, 4, 5, 7, 8, 10},       {{51, 0}}, true}
), example_name);

INSTANTIATE_TEST_SUITE_P(EdgeParity, Examples, ::testing::Values(
    Example{"Pass52",  {4, 9, 12, 20, 27, 31, 36}, {{52, 0}}, true},
    Example{"Pass54",  {4, 9, 12, 20, 27, 31, 36}, {{54, 0}}, true},
    Example{"Pass58",  {4, 9, 12, 20, 27, 31, 36}, {{58, 0}}, true},
    Example{"Pass61",  {4, 9, 12, 20, 27, 31, 36}, {{61, 0}}, true},
    Example{"Fail53",  {4, 9, 12, 20, 27, 31, 36}, {{53, 0}}, false},
    Example{"Fail55",  {4, 9, 12, 20, 27, 31, 36}, {{55, 0}}, false},
    Example{"Fail57",  {4, 9, 12, 20, 27, 31, 36}, {{57, 0}}, false},
    Example{"Fail60",  {4, 9, 12, 20, 27, 31, 36}, {{60, 0}}, false},
    Example{"MixedOddFirst58", {1, 2, 3, 4, 5, 6, 7}, {{58, 0}}, true},
    Example{"OddEnds53And55",  {33, 34, 35, 36, 37, 38, 39}, {{53, 0}, {55, 0}}, true},
    Example{"BothEven56",      {2, 4, 5, 7, 9, 11, 13}, {{56, 0}}, true},
    Example{"BothOdd57",       {1, 3, 4, 6, 8, 10, 12}, {{57, 0}}, true}
), example_name);

INSTANTIATE_TEST_SUITE_P(ChosenArrays, Examples, ::testing::Values(
    Example{"Array7Max3",          {3, 5, 12, 20, 26, 33, 38},   {{62, 3}}, false, arrays_of_the_example},
    Example{"Array7Max4",          {3, 5, 12, 20, 26, 33, 38},   {{62, 4}}, true, arrays_of_the_example},
    Example{"Array15Min4",         {3, 5, 12, 20, 26, 33, 38},   {{63, 4}}, false, arrays_of_the_example},
    Example{"Array15Max3",         {3, 5, 12, 20, 26, 33, 38},   {{64, 3}}, true, arrays_of_the_example},
    Example{"DuplicateCountsOnce", {1, 2, 3, 4, 5, 6, 7},        {{62, 1}}, true, five_twice_in_array7},
    Example{"DuplicateIsPresent",  {1, 2, 3, 4, 5, 6, 7},        {{62, 0}}, false, five_twice_in_array7},
    Example{"ClearedKeepsOther",   {1, 2, 3, 4, 5, 6, 7},        {{63, 1}}, true, five_set_and_cleared},
    Example{"ClearedIsGone",       {1, 2, 3, 4, 5, 6, 7},        {{63, 1}}, false, five_cleared}
), example_name);
// clang-format on

// A quantity a family counts, checked through its minimum filter (passes at the count, fails one
// above) and its maximum filter (passes at the count, fails one below).
struct Counted {
    const char* what;
    int minimum; // 0 when the family has no minimum filter for it
    int maximum; // 0 when it has no maximum filter
    uint32_t count;
};

void expect_count(const uint8_t (&numbers)[7], const Counted& c, void (*prepare)(Settings&)) {
    auto check = [&](int k, uint32_t p) {
        Settings s = settings_with({{k, p}});
        if (prepare) prepare(s);
        return combination_passes(s, numbers);
    };
    if (c.minimum) {
        EXPECT_TRUE(check(c.minimum, c.count)) << c.what;
        EXPECT_FALSE(check(c.minimum, c.count + 1)) << c.what;
    }
    if (c.maximum) {
        EXPECT_TRUE(check(c.maximum, c.count)) << c.what;
        if (c.count > 0) {
            EXPECT_FALSE(check(c.maximum, c.count - 1)) << c.what;
        }
    }
}

struct GroupRow {
    uint8_t numbers[7];
    uint32_t r2, r3, g, g4;
};

TEST(GroupCounts, WorkedExamples) {
    const GroupRow rows[] = {
        {{1, 2, 3, 4, 5, 6, 7}, 0, 0, 1, 1},     {{3, 9, 15, 21, 27, 33, 39}, 0, 0, 0, 0},
        {{1, 2, 3, 10, 11, 20, 30}, 1, 1, 2, 0}, {{1, 2, 11, 12, 21, 22, 31}, 3, 0, 3, 0},
        {{4, 5, 6, 7, 20, 21, 39}, 1, 0, 2, 1},  {{1, 2, 3, 5, 6, 7, 9}, 0, 2, 2, 0},
    };
    for (const GroupRow& r : rows) {
        SCOPED_TRACE(::testing::Message() << int(r.numbers[0]) << " " << int(r.numbers[1]) << " "
                                          << int(r.numbers[2]) << " ...");
        expect_count(r.numbers, {"groups", 21, 22, r.g}, nullptr);
        expect_count(r.numbers, {"2-number groups", 23, 24, r.r2}, nullptr);
        expect_count(r.numbers, {"3-number groups", 25, 26, r.r3}, nullptr);
        expect_count(r.numbers, {"4+ groups", 27, 28, r.g4}, nullptr);
        const uint8_t(&n)[7] = r.numbers;
        EXPECT_EQ(combination_passes(settings_with({{29, 0}}), n), r.r2 == 0);
        EXPECT_EQ(combination_passes(settings_with({{30, 0}}), n), r.r3 == 0);
        EXPECT_EQ(combination_passes(settings_with({{31, 0}}), n), r.g4 == 0);
        EXPECT_EQ(combination_passes(settings_with({{19, 0}}), n), r.g > 0);
        EXPECT_EQ(combination_passes(settings_with({{20, 0}}), n), r.g == 0);
    }
}

struct DifferenceRow {
    uint8_t numbers[7];
    uint32_t dmin, dmax, sd, sl;
};

TEST(DifferenceCounts, WorkedExamples) {
    const DifferenceRow rows[] = {
        {{1, 2, 3, 4, 5, 6, 7}, 1, 1, 5, 0},      {{3, 9, 15, 21, 27, 33, 39}, 6, 6, 5, 2},
        {{1, 2, 3, 10, 11, 20, 30}, 1, 10, 2, 3}, {{1, 2, 11, 12, 21, 22, 31}, 1, 9, 4, 5},
        {{4, 5, 6, 7, 20, 21, 39}, 1, 18, 3, 0},
    };
    for (const DifferenceRow& r : rows) {
        SCOPED_TRACE(::testing::Message() << int(r.numbers[0]) << " " << int(r.numbers[1]) << " "
                                          << int(r.numbers[2]) << " ...");
        expect_count(r.numbers, {"smallest difference", 32, 0, r.dmin}, nullptr);
        expect_count(r.numbers, {"largest difference", 0, 33, r.dmax}, nullptr);
        expect_count(r.numbers, {"same differences", 0, 34, r.sd}, nullptr);
        expect_count(r.numbers, {"same last digits", 0, 35, r.sl}, nullptr);
    }
}

TEST(InSetCounts, RangesOfTheWorkedExample) {
    const uint8_t n[7] = {3, 8, 15, 22, 30, 33, 38};
    const uint32_t per_letter[5] = {2, 1, 1, 2, 1}; // A B C D E
    for (int letter = 0; letter < 5; ++letter)
        expect_count(n, {"range", 36 + 2 * letter, 37 + 2 * letter, per_letter[letter]}, nullptr);
}

TEST(InSetCounts, ResidueArraysOfTheWorkedExamples) {
    const uint8_t first[7] = {3, 8, 15, 22, 30, 33, 38};
    const uint8_t second[7] = {1, 2, 3, 34, 35, 36, 37};
    const uint32_t first_counts[3] = {1, 2, 4};
    const uint32_t second_counts[3] = {3, 2, 2};
    for (int a = 0; a < 3; ++a) {
        expect_count(first, {"array", 46 + 2 * a, 47 + 2 * a, first_counts[a]}, nullptr);
        expect_count(second, {"array", 46 + 2 * a, 47 + 2 * a, second_counts[a]}, nullptr);
    }
}

void range_a_above_39(Settings& s) {
    set_range(s, 1, 40, 64);
    set_range(s, 2, 40, 64);
}
void range_a_single(Settings& s) {
    set_range(s, 1, 5, 5);
    set_range(s, 2, 5, 5);
}
void range_a_whole(Settings& s) {
    set_range(s, 1, 1, 64);
    set_range(s, 2, 1, 39);
}

TEST(InSetCounts, UnusualRanges) {
    const uint8_t with5[7] = {1, 5, 9, 13, 17, 21, 25};
    const uint8_t without5[7] = {1, 4, 9, 13, 17, 21, 25};
    expect_count(with5, {"above 39", 36, 37, 0}, range_a_above_39);
    expect_count(with5, {"single number", 36, 37, 1}, range_a_single);
    expect_count(without5, {"single number", 36, 37, 0}, range_a_single);
    expect_count(without5, {"whole", 36, 37, 7}, range_a_whole);
}

TEST(InSetCounts, ChosenArraysOfTheWorkedExample) {
    const uint8_t n[7] = {3, 5, 12, 20, 26, 33, 38};
    expect_count(n, {"7-element array", 0, 62, 4}, arrays_of_the_example);
    expect_count(n, {"15-element array", 63, 64, 3}, arrays_of_the_example);
}

} // namespace
} // namespace lotto
