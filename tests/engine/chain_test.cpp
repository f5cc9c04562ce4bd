// The filter chain: which entries a run builds, in which order, and that the two builds of the
// counting routines and the combined pair routines agree with what they stand for.
#include "engine/chain.h"
#include "shared_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace lotto {
namespace {

using testing::settings_with;
using testing::shared_store;

Mask filters(std::initializer_list<int> ks) {
    Mask m = 0;
    for (int k : ks) m |= NumberBit[k];
    return m;
}

struct ChainCase {
    const char* name;
    Mask active;
    std::vector<ChainEntry> entries;
};

class ChainComposition : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ChainComposition, EntriesInBuildingOrder) {
    EXPECT_EQ(describe_chain(GetParam().active), GetParam().entries);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ChainComposition, ::testing::Values(
    ChainCase{"Empty", 0, {}},
    ChainCase{"Example", filters({1, 2, 3, 21, 51}), {{1, 2}, {3, 3}, {21, 21}, {51, 51}}},
    ChainCase{"SecondOfPairOnly", filters({2}), {{2, 2}}},
    ChainCase{"BothSecondsOnly", filters({2, 4}), {{2, 2}, {4, 4}}},
    ChainCase{"LastPair", filters({17, 18, 19}), {{17, 18}, {19, 19}}},
    ChainCase{"FirstsOfPairs", filters({9, 11, 13}), {{9, 9}, {11, 11}, {13, 13}}},
    ChainCase{"NotPairedAbove18", filters({19, 20, 63, 64}), {{19, 19}, {20, 20}, {63, 63}, {64, 64}}},
    ChainCase{"PairsComeFirst", filters({64, 18, 7, 8}), {{7, 8}, {18, 18}, {64, 64}}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChainComposition, AllFiltersGive55Entries) {
    const std::vector<ChainEntry> chain = describe_chain(~Mask{0});
    ASSERT_EQ(chain.size(), 55u);
    for (int j = 0; j < 9; ++j) EXPECT_EQ(chain[j], (ChainEntry{2 * j + 1, 2 * j + 2}));
    for (int k = 19; k <= 64; ++k) EXPECT_EQ(chain[k - 19 + 9], (ChainEntry{k, k}));
}

TEST(ChainComposition, EveryFilterHasItsRoutines) {
    for (int k = 1; k <= FilterCount; ++k) {
        const Chain chain = build_chain(NumberBit[k]);
        ASSERT_EQ(chain.length, 1u) << k;
        EXPECT_NE(chain.routines[0], nullptr) << k;
    }
    for (int first = 1; first < 18; first += 2) {
        const Chain chain = build_chain(NumberBit[first] | NumberBit[first + 1]);
        ASSERT_EQ(chain.length, 1u) << first;
        EXPECT_EQ(chain.entries[0], (ChainEntry{first, first + 1}));
    }
}

TEST(ChainComposition, MaskFiltersAreMarked) {
    for (int k = 1; k <= FilterCount; ++k) {
        const bool mask_filter = k == 35 || (k >= 36 && k <= 51) || k >= 62;
        EXPECT_EQ(build_chain(NumberBit[k]).uses_mask, mask_filter) << k;
    }
}

TEST(ChainComposition, PopcntChoiceKeepsTheEntries) {
    const Mask active = filters({1, 2, 5, 34, 35, 36, 47, 62, 64});
    const Chain portable = build_chain(active, false);
    const Chain fast = build_chain(active, true);
    ASSERT_EQ(portable.length, fast.length);
    for (uint32_t i = 0; i < portable.length; ++i) EXPECT_EQ(portable.entries[i], fast.entries[i]);
}

// Every combination of 7 out of 1..n, in order.
std::vector<RunContext> combinations(uint32_t n, const Settings& s) {
    std::vector<RunContext> all;
    RunContext x;
    x.highest = n;
    x.params = s.params.data();
    x.settings = &s;
    uint32_t* c = x.c;
    for (int i = 0; i < 7; ++i) c[i] = static_cast<uint32_t>(i + 1);
    for (;;) {
        all.push_back(x);
        int p = 6;
        while (p >= 0 && c[p] == n - 6 + static_cast<uint32_t>(p)) --p;
        if (p < 0) return all;
        ++c[p];
        for (int q = p + 1; q < 7; ++q) c[q] = c[q - 1] + 1;
    }
}

// The POPCNT build of each counting routine rejects exactly what the portable build rejects.
TEST(RoutineBuilds, PopcntAndPortableAgree) {
    if (!has_popcnt()) GTEST_SKIP() << "the processor has no POPCNT";
    Settings s = settings_with({});
    for (int i = 1; i <= Array7Size; ++i) set_array7_entry(s, i, 4 * i);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, 2 * i + 1);
    const std::vector<RunContext> all = combinations(20, s);
    int checked = 0;
    for (const RoutineLink& link : all_routine_links()) {
        if (!link.popcnt_routine) continue;
        ++checked;
        for (uint32_t p = 0; p <= 7; ++p) {
            s.params[link.first - 1] = p;
            for (RunContext x : all) {
                RunContext y = x;
                EXPECT_EQ(link.routine(x) == 0, link.popcnt_routine(y) == 0)
                    << "filter " << link.first << " parameter " << p;
            }
        }
    }
    EXPECT_EQ(checked, 21); // 34, 35, 36..51, 62..64
}

// The records a run over 1..n stores.
std::vector<std::vector<uint8_t>> stored(const Settings& s, uint32_t n) {
    const uint32_t count = run(s, n, shared_store());
    std::vector<std::vector<uint8_t>> records;
    for (uint32_t i = 0; i < count; ++i)
        records.emplace_back(record(shared_store(), i), record(shared_store(), i) + RecordBytes);
    return records;
}

struct PairCase {
    int first;
    uint32_t low;
    uint32_t high;
};

class CombinedRoutine : public ::testing::TestWithParam<PairCase> {};

// Over every combination of 7 out of 1..18, the combined routine keeps exactly the combinations
// that both single routines keep.
TEST_P(CombinedRoutine, EqualsBothSingleRoutines) {
    const PairCase& c = GetParam();
    const auto first = stored(settings_with({{c.first, c.low}}), 18);
    const auto second = stored(settings_with({{c.first + 1, c.high}}), 18);
    const auto both = stored(settings_with({{c.first, c.low}, {c.first + 1, c.high}}), 18);
    std::vector<std::vector<uint8_t>> expected;
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(),
                          std::back_inserter(expected));
    EXPECT_EQ(both, expected);
    EXPECT_LT(both.size(), 31'824u); // the parameters do reject something
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, CombinedRoutine, ::testing::Values(
    PairCase{1, 60, 80}, PairCase{3, 2, 4}, PairCase{5, 3, 5}, PairCase{7, 5, 9},
    PairCase{7, 9, 9}, PairCase{9, 2, 4}, PairCase{11, 4, 8}, PairCase{13, 9, 12},
    PairCase{15, 12, 15}, PairCase{17, 15, 17}, PairCase{1, 90, 70}
));
// clang-format on

} // namespace
} // namespace lotto
