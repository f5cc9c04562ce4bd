// The funnel held against independent runs: each count is what a run with the matching filters on
// stores, on random settings over small systems (the counting does not depend on the system's
// size); hand-counted cases over the full system.
#include "engine/funnel_build.h"
#include "engine/lotto739.h"
#include "funnel_table.h"
#include "random_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

namespace lotto {
namespace {

// The funnel from one run per distinct set of filters.
Table expected_table(const Settings& s, uint32_t highest) {
    static const ResultStore store = allocate_store();
    std::map<Mask, uint32_t> runs;
    const auto stored = [&](Mask active) {
        Settings t = s;
        t.active = active;
        const auto [at, added] = runs.try_emplace(active);
        if (added) at->second = run(t, highest, store.get());
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

Settings settings_on(std::initializer_list<std::pair<int, uint32_t>> on) {
    Settings s;
    init_defaults(s);
    for (auto [k, value] : on) turn_filter_on(s, k), set_parameter(s, k, value);
    return s;
}

TEST(Funnel, AgreesWithRunsOnSmallSystems) {
    test::Draws d(0x5eed'f00d);
    for (int i = 0; i < 400; ++i) {
        const Settings s = test::random_settings(d);
        const auto highest = static_cast<uint32_t>(d.between(10, 16));
        const Table expected = expected_table(s, highest);
        EXPECT_EQ(table(filter_funnel(s, highest)), expected)
            << "case " << i << ", active " << std::hex << s.active;
        if (i % 8 == 0) { // the portable build too
            EXPECT_EQ(table(filter_funnel(s, highest, false)), expected) << "case " << i;
        }
    }
}

TEST(Funnel, HandCountedCases) {
    // Lucky and unlucky number both 5: every combination is rejected by exactly one of the two,
    // filter 7 by the C(38, 7) without 5, filter 8 by the C(38, 6) with it.
    EXPECT_EQ(table(filter_funnel(settings_on({{7, 5}, {8, 5}}))),
              (Table{{7, 2'760'681, 2'760'681, 12'620'256}, {8, 12'620'256, 0, 2'760'681}, {0}}));
    // The 8 combinations of 1..8, each missing one number. 7 (lucky 1) keeps all but 2..8;
    // 18 (c7 at most 7) keeps only 1..7; 54 (c7 even) keeps all but 1..7. Only 18 rejects the six
    // with 1 and 8; only 54 rejects 1..7; 2..8 is rejected by 7 and 18.
    EXPECT_EQ(table(filter_funnel(settings_on({{7, 1}, {18, 7}, {54, 0}}), 8)),
              (Table{{7, 7, 7, 0}, {18, 1, 1, 6}, {54, 7, 0, 1}, {0}}));
}

TEST(Funnel, WithoutAGameCountsTheSettingsGame) {
    Settings s;
    init_defaults(s, 35);
    turn_filter_on(s, 7);
    set_parameter(s, 7, 5);
    EXPECT_EQ(filter_funnel(s).stored, 1'344'904u); // C(34, 6): the 7/35 combinations holding 5
}

TEST(Funnel, NoFilterStoresEveryCombination) {
    for (auto [highest, all] : {std::pair{7u, 1u}, {12u, 792u}, {39u, FullSystem}})
        EXPECT_EQ(table(filter_funnel(settings_on({}), highest)), (Table{{0, all, 0, 0}}));
}

TEST(Funnel, OutsideSevenTo64NothingIsCounted) {
    const Settings s = settings_on({{8, 3}, {20, 0}});
    for (uint32_t highest : {0u, 6u, 65u, 0xffffffffu})
        EXPECT_EQ(table(filter_funnel(s, highest)),
                  (Table{{8, 0, 0, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}}))
            << highest;
}

} // namespace
} // namespace lotto
