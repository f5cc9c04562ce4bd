// The enumeration run: every combination once, in lexicographic order, packed 7-byte records from
// byte 0 and nothing written past them; and the stored counts of each filter over the full system.
#include "engine_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace lotto {
namespace {

using Numbers = std::array<uint8_t, 7>;

Numbers at(uint32_t i) {
    Numbers n;
    std::memcpy(n.data(), record(shared_store(), i), RecordBytes);
    return n;
}

std::ptrdiff_t bytes_equal_to(uint8_t value, std::size_t from, std::size_t to) {
    return std::count(shared_store() + from, shared_store() + to, value);
}

TEST(Enumeration, FullSystemInOrderThenASmallerRunFromByteZero) {
    uint8_t* store = shared_store();
    ASSERT_EQ(run(settings_with(), HighestNumber, store), FullSystem);
    EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(at(1), (Numbers{1, 2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(at(33), (Numbers{1, 2, 3, 4, 5, 7, 8}));
    EXPECT_EQ(at(FullSystem - 1), (Numbers{33, 34, 35, 36, 37, 38, 39}));
    uint32_t bad = 0; // a record not ascending in 1..39, or not strictly after the one before
    for (uint32_t i = 0; i < FullSystem; ++i) {
        const uint8_t* r = record(store, i);
        bad += r[0] < 1 || r[6] > 39 || !std::is_sorted(r, r + 7, std::less_equal<>{}) ||
               (i > 0 && !std::lexicographical_compare(r - RecordBytes, r, r, r + RecordBytes));
    }
    EXPECT_EQ(bad, 0u);

    const std::size_t smaller_end = std::size_t{2'760'681} * RecordBytes;
    const std::vector<uint8_t> stale(store + smaller_end, store + FullSystemBytes);
    const uint32_t count = run(settings_with({{7, 39}}), HighestNumber, store);
    ASSERT_EQ(count, 2'760'681u);
    uint32_t without_39 = 0;
    for (uint32_t i = 0; i < count; ++i) without_39 += record(store, i)[6] != 39;
    EXPECT_EQ(without_39, 0u);
    EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 39}));
    EXPECT_EQ(at(count - 1), (Numbers{33, 34, 35, 36, 37, 38, 39}));
    EXPECT_TRUE(std::equal(stale.begin(), stale.end(), store + smaller_end));
}

TEST(Enumeration, SmallerHighestNumbers) {
    const std::pair<uint32_t, uint32_t> cases[] = {{7, 1}, {8, 8}, {13, 1716}, {20, 77'520}};
    for (const auto& [n, combinations] : cases) {
        ASSERT_EQ(run(settings_with(), n, shared_store()), combinations) << n;
        EXPECT_EQ(at(0), (Numbers{1, 2, 3, 4, 5, 6, 7})) << n;
        Numbers last;
        for (int j = 0; j < 7; ++j) last[j] = static_cast<uint8_t>(n - 6 + j);
        EXPECT_EQ(at(combinations - 1), last) << n;
    }
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

TEST(Enumeration, HighestNumbersOutside7To39StoreNothing) {
    std::memset(shared_store(), 0xa5, 1024);
    for (uint32_t n : {0u, 6u, 40u, 64u, 0xffffffffu}) {
        EXPECT_EQ(run(settings_with(), n, shared_store()), 0u) << n;
        EXPECT_EQ(bytes_equal_to(0xa5, 0, 1024), 1024) << n;
    }
}

TEST(SingleCombination, AnythingButSevenAscendingNumbersIn1To39Fails) {
    const struct {
        uint8_t n[7];
        bool valid;
    } cases[] = {{{1, 2, 3, 4, 5, 6, 39}, true},
                 {{0, 2, 3, 4, 5, 6, 7}, false},
                 {{1, 2, 3, 4, 5, 6, 40}, false},
                 {{1, 2, 3, 3, 5, 6, 7}, false},
                 {{7, 6, 5, 4, 3, 2, 1}, false}};
    for (const auto& [n, valid] : cases)
        EXPECT_EQ(combination_passes(settings_with(), n), valid) << int(n[0]) << " " << int(n[6]);
}

TEST(Store, ZeroFilledAndLargeEnough) {
    const ResultStore store = allocate_store();
    ASSERT_TRUE(store);
    EXPECT_GE(StoreBytes, FullSystemBytes);
    EXPECT_EQ(std::count(store.get(), store.get() + StoreBytes, 0), std::ptrdiff_t(StoreBytes));
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Filters, FullSystemCount, ::testing::Values(
    CountCase{"Lucky1",              {{7, 1}},            2'760'681},
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
    CountCase{"MaxSumZero",          {{2, 0}},                    0},
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
    CountCase{"MinFirst0",           {{9, 0}},           15'380'937},
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
    CountCase{"NoFourPlus",          {{31, 0}},          15'164'952},
    CountCase{"MinDifference2",      {{32, 2}},           4'272'048},
    CountCase{"MinDifference3",      {{32, 3}},             888'030},
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
    CountCase{"SameLastDigits4",     {{35, 4}},          15'380'640},
    CountCase{"A1AndA2Exactly2",     {{36, 2}, {37, 2}},  5'130'216},
    CountCase{"MinA1_1",             {{36, 1}},          13'345'137},
    CountCase{"MaxA2_0",             {{37, 0}},           2'035'800},
    CountCase{"MinAbove39",          {{36, 1}},                   0, ranges_a(40, 64)},
    CountCase{"MaxSingleNumber0",    {{37, 0}},          12'620'256, ranges_a(5, 5)},
    CountCase{"Max1_4_7_2",          {{47, 2}},           8'781'630},
    CountCase{"Max2_5_8_2",          {{49, 2}},           8'781'630},
    CountCase{"Max3_6_9_2",          {{51, 2}},           8'781'630},
    CountCase{"Min1_4_7_3",          {{46, 3}},           6'599'307},
    CountCase{"Min2_5_8_3",          {{48, 3}},           6'599'307},
    CountCase{"Min3_6_9_3",          {{50, 3}},           6'599'307},
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
    CountCase{"EmptyMax7",           {{62, 0}},          15'380'937},
    CountCase{"EmptyMin15_0",        {{63, 0}},          15'380'937},
    CountCase{"EmptyMin15_1",        {{63, 1}},                   0},
    CountCase{"Exactly3From15",      {{63, 3}, {64, 3}},  4'834'830, example_arrays},
    CountCase{"AtLeast3From15",      {{63, 3}},           8'552'973, example_arrays},
    CountCase{"AtMost3From15",       {{64, 3}},          11'662'794, example_arrays}
), [](const auto& info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace lotto
