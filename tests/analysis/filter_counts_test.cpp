// Each filter alone over the full system of the large games, as the funnel counts it, against the
// history statistics' counts of the combinations at each value the filter keeps: two ways of
// counting that share no code (the statistics' counts are held against a visit of every
// combination in after_draw_test.cpp).
#include "analysis/history_stats.h"
#include "engine/funnel.h"
#include "tests/engine/random_settings.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

// Every filter on (a third of them in the larger games) at a random value of those offered, over
// random ranges and arrays; the lucky numbers and the minimum sum near the game's top.
TEST(FilterCounts, FunnelAgreesWithTheCountsByValue) {
    test::Draws d(0xc0de'739);
    for (const uint32_t n : {39u, 50u, 64u}) {
        Settings s;
        init_defaults(s, n);
        test::random_layout(d, s);
        for (int k = 1; k <= FilterCount; ++k)
            if (n == 39 || k <= 8 || d.one_in(3))
                test::turn_on(d, s, k, static_cast<uint32_t>(d.between(0, highest_offered(k, n))));
        set_parameter(s, 1, 7 * n - 60), set_parameter(s, 7, n), set_parameter(s, 8, n - 1);
        const Funnel f = filter_funnel(s, n, 2u);
        const std::vector<Distribution> counts = history_stats({}, s, n, 0).distributions;
        ASSERT_EQ(counts.size(), 4 + f.rows.size());
        for (std::size_t i = 0; i < f.rows.size(); ++i) {
            const Distribution& c = counts[4 + i];
            uint64_t kept = 0;
            for (std::size_t v = 0; v < c.values.size(); ++v) kept += c.kept[v] * c.combinations[v];
            EXPECT_EQ(std::pair(c.filter, kept),
                      std::pair(f.rows[i].filter, uint64_t{f.rows[i].alone}))
                << "7/" << n << " parameter " << s.params[c.filter - 1];
        }
    }
}

} // namespace
} // namespace lotto
