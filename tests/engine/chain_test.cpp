// The filter chain: which entries a run builds and in which order, the two builds of the counting
// routines, and the combined routines of the minimum/maximum pairs.
#include "engine/chain.h"
#include "engine_test.h"

#include <gtest/gtest.h>

#include <vector>

namespace lotto {
namespace {

Mask filters(std::initializer_list<int> ks) {
    Mask m = 0;
    for (int k : ks) m |= NumberBit[k];
    return m;
}

std::vector<ChainEntry> entries(const Chain& chain) {
    EXPECT_EQ(std::count(chain.routines.begin(), chain.routines.begin() + chain.length, nullptr),
              0);
    return {chain.entries.begin(), chain.entries.begin() + chain.length};
}

TEST(ChainComposition, EntriesInBuildingOrder) {
    const std::pair<Mask, std::vector<ChainEntry>> cases[] = {
        {0, {}},
        {filters({1, 2, 3, 21, 51}), {{1, 2}, {3, 3}, {21, 21}, {51, 51}}},
        {filters({2}), {{2, 2}}},
        {filters({2, 4}), {{2, 2}, {4, 4}}},
        {filters({17, 18, 19}), {{17, 18}, {19, 19}}},
        {filters({9, 11, 13}), {{9, 9}, {11, 11}, {13, 13}}},
        {filters({19, 20, 63, 64}), {{19, 19}, {20, 20}, {63, 63}, {64, 64}}},
        {filters({64, 18, 7, 8}), {{7, 8}, {18, 18}, {64, 64}}},
    };
    for (const auto& [active, expected] : cases) {
        EXPECT_EQ(describe_chain(active), expected) << std::hex << active;
        for (bool popcnt : {false, true}) EXPECT_EQ(entries(build_chain(active, popcnt)), expected);
    }
}

TEST(ChainComposition, EveryFilterAloneAndAllFiltersTogether) {
    for (int k = 1; k <= FilterCount; ++k)
        EXPECT_EQ(entries(build_chain(NumberBit[k])), (std::vector<ChainEntry>{{k, k}})) << k;
    std::vector<ChainEntry> all; // the nine pairs combined, then 19..64: 55 entries
    for (int k = 1; k < 18; k += 2) all.push_back({k, k + 1});
    for (int k = 19; k <= 64; ++k) all.push_back({k, k});
    EXPECT_EQ(entries(build_chain(~Mask{0})), all);
    EXPECT_EQ(describe_chain(~Mask{0}).size(), 55u);
}

// Every combination of 7 out of 1..n, in order, as the run hands it to the routines.
std::vector<RunContext> combinations(uint32_t n, const Settings& s) {
    std::vector<RunContext> all(run(settings_with(), n, shared_store()));
    for (uint32_t i = 0; i < all.size(); ++i) {
        all[i].highest = n, all[i].params = s.params.data(), all[i].settings = &s;
        std::copy(record(shared_store(), i), record(shared_store(), i) + 7, all[i].c);
    }
    return all;
}

// Each call starts from a copy, so that no work area carries over from another routine.
bool passes(Routine r, const RunContext& start) {
    RunContext x = start;
    return r(x) == 0;
}

// The POPCNT build of each counting routine rejects exactly what the portable build rejects.
TEST(RoutineBuilds, PopcntAndPortableAgree) {
    if (!has_popcnt()) GTEST_SKIP() << "the processor has no POPCNT";
    Settings s = settings_with({}, example_arrays);
    const std::vector<RunContext> all = combinations(20, s);
    int checked = 0;
    for (const RoutineLink& link : all_routine_links()) {
        if (!link.popcnt_routine) continue;
        ++checked;
        for (uint32_t p = 0; p <= 7; ++p) {
            s.params[link.first - 1] = p;
            uint32_t differ = 0;
            for (const RunContext& x : all)
                differ += passes(link.routine, x) != passes(link.popcnt_routine, x);
            EXPECT_EQ(differ, 0u) << "filter " << link.first << " parameter " << p;
        }
    }
    EXPECT_EQ(checked, 21); // 34, 35, 36..51, 62..64
}

// Over every combination of 7 out of 1..18, the combined routine of a pair keeps exactly the
// combinations that both single routines keep.
TEST(CombinedRoutine, EqualsBothSingleRoutines) {
    const int cases[][3] = {{1, 60, 80},  {3, 2, 4},    {5, 3, 5},  {7, 5, 9},
                            {7, 9, 9},    {9, 2, 4},    {11, 4, 8}, {13, 9, 12},
                            {15, 12, 15}, {17, 15, 17}, {1, 90, 70}};
    for (const auto& [first, low, high] : cases) {
        const Settings s = settings_with({{first, uint32_t(low)}, {first + 1, uint32_t(high)}});
        const Routine both = build_chain(s.active).routines[0];
        const Routine min = build_chain(NumberBit[first]).routines[0];
        const Routine max = build_chain(NumberBit[first + 1]).routines[0];
        uint32_t differ = 0, rejected = 0;
        for (const RunContext& x : combinations(18, s)) {
            const bool kept = passes(min, x) && passes(max, x);
            differ += passes(both, x) != kept;
            rejected += !kept;
        }
        EXPECT_EQ(differ, 0u) << "filters " << first << " and " << first + 1;
        EXPECT_GT(rejected, 0u) << "the parameters do reject something";
    }
}

} // namespace
} // namespace lotto
