// Explain: the filters it lists, ascending whatever the order they were turned on in, and the
// verdict; with no filter on, every filter's quantity and a kept combination. The values and the
// verdicts of the active filters stand in docs/explain.md; the verdict is the measures' over the
// active filters, which the measure tests hold against the run on random settings.
#include "analysis/explain.h"
#include "engine/lotto739.h"

#include <gtest/gtest.h>

#include <numeric>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

std::vector<int> listed(const Explanation& e) {
    std::vector<int> filters;
    for (const FilterMeasure& m : e.filters) filters.push_back(m.filter);
    return filters;
}

TEST(Explain, ListsTheActiveFiltersAscendingOrAllWhenNoneIsOn) {
    Settings s;
    init_defaults(s);
    const Explanation none = explain(s, {1, 2, 3, 4, 5, 6, 7});
    std::vector<int> all(FilterCount);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(listed(none), all);
    // kept, although the lucky number 0 would reject it were filter 7 on
    EXPECT_EQ(std::tuple(none.kept, none.filters[6].kept, none.filters[0].value),
              std::tuple(true, false, 28));
    for (auto [k, p] : {std::pair{51, 3u}, {36, 3u}, {20, 0u}, {1, 100u}})
        turn_filter_on(s, k), set_parameter(s, k, p);
    const Explanation e = explain(s, {3, 8, 15, 22, 30, 33, 38});
    EXPECT_EQ(listed(e), (std::vector<int>{1, 20, 36, 51}));
    EXPECT_EQ(std::tuple(e.filters[3].value, e.filters[3].kept, e.kept),
              std::tuple(4, false, false));
}

} // namespace
} // namespace lotto
