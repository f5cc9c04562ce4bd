// Stored counts of whole runs over the 15,380,937 combinations of 7 out of 39, one run per case.
#include "shared_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lotto {
namespace {

using testing::FilterValue;
using testing::settings_with;
using testing::shared_store;

void fifteen_array_1_to_15(Settings& s) {
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
}
void range_a1_above_39(Settings& s) { set_range(s, 1, 40, 64); }
void range_a2_single_number(Settings& s) { set_range(s, 2, 5, 5); }

struct CountCase {
    std::string name;
    std::vector<FilterValue> on;
    uint32_t stored;
    void (*prepare)(Settings&) = nullptr;
};

class FullSystemCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(FullSystemCount, StoresTheExpectedCount) {
    const CountCase& c = GetParam();
    Settings s = settings_with({});
    if (c.prepare) c.prepare(s);
    for (const FilterValue& f : c.on) {
        turn_filter_on(s, f.filter);
        set_parameter(s, f.filter, f.value);
    }
    EXPECT_EQ(run(s, HighestNumber, shared_store()), c.stored);
}

std::string case_name(const ::testing::TestParamInfo<CountCase>& info) { return info.param.name; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Amounts, FullSystemCount, ::testing::Values(
    CountCase{"Lucky1",              {{7, 1}},            2'760'681},
    CountCase{"Lucky39",             {{7, 39}},           2'760'681},
    CountCase{"Unlucky1",            {{8, 1}},           12'620'256},
    CountCase{"LuckyUnlucky5_30",    {{7, 5}, {8, 30}},   2'324'784},
    CountCase{"LuckyUnluckySame",    {{7, 12}, {8, 12}},          0},
    CountCase{"MinSum140",           {{1, 140}},          7'800'213},
    CountCase{"MinSum252",           {{1, 252}},                  1},
    CountCase{"MaxSum100",           {{2, 100}},          1'163'524},
    CountCase{"SumRange100_180",     {{1, 100}, {2, 180}}, 13'214'149},
    CountCase{"MinEven4",            {{3, 4}},            7'220'988},
    CountCase{"MaxEven0",            {{4, 0}},               77'520},
    CountCase{"EvenRange3_4",        {{3, 3}, {4, 4}},    9'113'445},
    CountCase{"MinOdd5",             {{5, 5}},            3'465'144},
    CountCase{"MaxOdd0",             {{6, 0}},               50'388},
    CountCase{"LuckyZero",           {{7, 0}},                    0},
    CountCase{"MaxSumZero",          {{2, 0}},                    0}
), case_name);

INSTANTIATE_TEST_SUITE_P(Positions, FullSystemCount, ::testing::Values(
    CountCase{"MinFirst2",           {{9, 2}},           12'620'256},
    CountCase{"MaxFirst1",           {{10, 1}},           2'760'681},
    CountCase{"First5_10",           {{9, 5}, {10, 10}},  5'163'740},
    CountCase{"MinSecond10",         {{11, 10}},          7'379'775},
    CountCase{"MaxSecond5",          {{12, 5}},           3'276'801},
    CountCase{"MinFifth30",          {{13, 30}},          3'725'982},
    CountCase{"MaxFifth20",          {{14, 20}},          3'465'144},
    CountCase{"MinSixth35",          {{15, 35}},          3'276'801},
    CountCase{"MaxSixth30",          {{16, 30}},          7'379'775},
    CountCase{"MinSeventh39",        {{17, 39}},          2'760'681},
    CountCase{"MaxSeventh30",        {{18, 30}},          2'035'800},
    CountCase{"Seventh35_38",        {{17, 35}, {18, 38}}, 7'240'640},
    CountCase{"MaxFirst0",           {{10, 0}},                   0},
    CountCase{"MinFirst0",           {{9, 0}},           15'380'937}
), case_name);

INSTANTIATE_TEST_SUITE_P(Groups, FullSystemCount, ::testing::Values(
    CountCase{"SomeGroup",           {{19, 0}},          11'108'889},
    CountCase{"NoGroup",             {{20, 0}},           4'272'048},
    CountCase{"MinGroups2",          {{21, 2}},           3'095'664},
    CountCase{"MinGroups3",          {{21, 3}},             180'048},
    CountCase{"MaxGroups1",          {{22, 1}},          12'285'273},
    CountCase{"MinPairs1",           {{23, 1}},           9'723'648},
    CountCase{"MaxPairs1",           {{24, 1}},          12'827'529},
    CountCase{"MinTriples1",         {{25, 1}},           1'711'512},
    CountCase{"MaxTriples0",         {{26, 0}},          13'669'425},
    CountCase{"MaxTriples1",         {{26, 1}},          15'364'569},
    CountCase{"MinFourPlus1",        {{27, 1}},             215'985},
    CountCase{"MaxFourPlus0",        {{28, 0}},          15'164'952},
    CountCase{"NoPairs",             {{29, 0}},           5'657'289},
    CountCase{"NoTriples",           {{30, 0}},          13'669'425},
    CountCase{"NoFourPlus",          {{31, 0}},          15'164'952}
), case_name);

INSTANTIATE_TEST_SUITE_P(Differences, FullSystemCount, ::testing::Values(
    CountCase{"MinDifference2",      {{32, 2}},           4'272'048},
    CountCase{"MinDifference3",      {{32, 3}},             888'030},
    CountCase{"MinDifference6",      {{32, 6}},                  36},
    CountCase{"MaxDifference5",      {{33, 5}},             328'125},
    CountCase{"MaxDifference10",     {{33, 10}},          6'771'357},
    CountCase{"MaxDifference30",     {{33, 30}},         15'380'721},
    CountCase{"SameDifferences0",    {{34, 0}},           2'454'480},
    CountCase{"SameDifferences1",    {{34, 1}},           9'786'240},
    CountCase{"SameDifferences2",    {{34, 2}},          14'552'580},
    CountCase{"SameDifferences4",    {{34, 4}},          15'380'829},
    CountCase{"SameLastDigits0",     {{35, 0}},           1'622'016},
    CountCase{"SameLastDigits1",     {{35, 1}},           8'008'704},
    CountCase{"SameLastDigits2",     {{35, 2}},          13'863'168},
    CountCase{"SameLastDigits4",     {{35, 4}},          15'380'640}
), case_name);

INSTANTIATE_TEST_SUITE_P(Ranges, FullSystemCount, ::testing::Values(
    CountCase{"A1AndA2Exactly2",     {{36, 2}, {37, 2}},  5'130'216},
    CountCase{"MinA1_1",             {{36, 1}},          13'345'137},
    CountCase{"MaxA2_0",             {{37, 0}},           2'035'800},
    CountCase{"MinAbove39",          {{36, 1}},                   0, range_a1_above_39},
    CountCase{"MaxSingleNumber0",    {{37, 0}},          12'620'256, range_a2_single_number}
), case_name);

INSTANTIATE_TEST_SUITE_P(Residues, FullSystemCount, ::testing::Values(
    CountCase{"Max1_4_7_2",          {{47, 2}},           8'781'630},
    CountCase{"Max2_5_8_2",          {{49, 2}},           8'781'630},
    CountCase{"Max3_6_9_2",          {{51, 2}},           8'781'630},
    CountCase{"Min1_4_7_3",          {{46, 3}},           6'599'307},
    CountCase{"Min2_5_8_3",          {{48, 3}},           6'599'307},
    CountCase{"Min3_6_9_3",          {{50, 3}},           6'599'307}
), case_name);

INSTANTIATE_TEST_SUITE_P(EdgeParity, FullSystemCount, ::testing::Values(
    CountCase{"FirstEven",           {{52, 0}},           6'941'916},
    CountCase{"LastEven",            {{54, 0}},           6'941'916},
    CountCase{"FirstOdd",            {{53, 0}},           8'439'021},
    CountCase{"LastOdd",             {{55, 0}},           8'439'021},
    CountCase{"FirstTwoEven",        {{56, 0}},           3'127'932},
    CountCase{"LastTwoEven",         {{59, 0}},           3'127'932},
    CountCase{"FirstTwoOdd",         {{57, 0}},           3'813'984},
    CountCase{"LastTwoOdd",          {{60, 0}},           3'813'984},
    CountCase{"FirstTwoMixed",       {{58, 0}},           8'439'021},
    CountCase{"LastTwoMixed",        {{61, 0}},           8'439'021},
    CountCase{"FirstEvenAndOdd",     {{52, 0}, {53, 0}},          0},
    CountCase{"FirstTwoEvenAndOdd",  {{56, 0}, {57, 0}},          0}
), case_name);

INSTANTIATE_TEST_SUITE_P(ChosenArrays, FullSystemCount, ::testing::Values(
    CountCase{"EmptyMax7",           {{62, 0}},          15'380'937},
    CountCase{"EmptyMin15_0",        {{63, 0}},          15'380'937},
    CountCase{"EmptyMin15_1",        {{63, 1}},                   0},
    CountCase{"Exactly3From15",      {{63, 3}, {64, 3}},  4'834'830, fifteen_array_1_to_15},
    CountCase{"AtLeast3From15",      {{63, 3}},           8'552'973, fifteen_array_1_to_15},
    CountCase{"AtMost3From15",       {{64, 3}},          11'662'794, fifteen_array_1_to_15}
), case_name);
// clang-format on

// The three parity splits of the first and the last two numbers cover the system once.
TEST(FullSystemSplits, EdgeParityPairsAddUpToTheSystem) {
    for (int first : {56, 59}) {
        uint32_t total = 0;
        for (int k = first; k < first + 3; ++k)
            total += run(settings_with({{k, 0}}), HighestNumber, shared_store());
        EXPECT_EQ(total, FullSystem) << "filters " << first << " to " << first + 2;
    }
}

} // namespace
} // namespace lotto
