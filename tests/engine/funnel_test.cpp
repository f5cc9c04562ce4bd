// The funnel held against independent runs: each count is what a run with the matching filters on
// stores, on random settings over small systems (the counting does not depend on the system's
// size), on one thread and on several; hand-counted cases.
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

Settings settings_on(std::initializer_list<std::pair<int, uint32_t>> on, uint32_t game = 39) {
    Settings s;
    init_defaults(s, game);
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
    const struct {
        Settings s;
        uint32_t highest; // 0: none given
        Table expected;
    } cases[] = {
        {settings_on({{7, 5}, {8, 5}}),
         39,
         {{7, 2'760'681, 2'760'681, 12'620'256}, {8, 12'620'256, 0, 2'760'681}, {0}}},
        {settings_on({{7, 1}, {18, 7}, {54, 0}}),
         8,
         {{7, 7, 7, 0}, {18, 1, 1, 6}, {54, 7, 0, 1}, {0}}},
        {settings_on({}), 7, {{0, 1, 0, 0}}},
        {settings_on({}), 39, {{0, FullSystem, 0, 0}}},
        {settings_on({{8, 3}, {20, 0}}), 6, {{8, 0, 0, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}}},
        {settings_on({{8, 3}, {20, 0}}), 65, {{8, 0, 0, 0}, {20, 0, 0, 0}, {0, 0, 0, 0}}},
        {settings_on({{7, 5}}, 35),
         0,
         {{7, 1'344'904, 1'344'904, 5'379'616}, {0, 1'344'904, 0, 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table(c.highest ? filter_funnel(c.s, c.highest) : filter_funnel(c.s)), c.expected)
            << c.highest;
}

} // namespace
} // namespace lotto
