// Explain: the filters it lists, their measures and the verdict. The verdict is the measures' over
// the active filters, which the measure tests hold against the run on random settings.
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

TEST(Explain, ListsTheActiveFiltersAscending) {
    Settings s;
    init_defaults(s);
    for (auto [k, p] : {std::pair{51, 3u}, {36, 3u}, {2, 180u}, {1, 100u}, {20, 0u}})
        turn_filter_on(s, k), set_parameter(s, k, p);
    const Explanation e = explain(s, {3, 8, 15, 22, 30, 33, 38});
    EXPECT_EQ(listed(e), (std::vector<int>{1, 2, 20, 36, 51}));
    // Sum 149 within 100..180, no adjacent pair, 2 numbers in 1..9 (fewer than 3), 4 multiples of
    // 3 (more than 3).
    const std::tuple<int32_t, uint32_t, bool> expected[] = {
        {149, 100, true}, {149, 180, true}, {0, 0, true}, {2, 3, false}, {4, 3, false}};
    for (std::size_t i = 0; i < e.filters.size(); ++i)
        EXPECT_EQ(std::tie(e.filters[i].value, e.filters[i].bound, e.filters[i].kept), expected[i])
            << "filter " << e.filters[i].filter;
    EXPECT_FALSE(e.kept);

    turn_filter_off(s, 36), turn_filter_off(s, 51);
    EXPECT_TRUE(explain(s, {3, 8, 15, 22, 30, 33, 38}).kept);
}

// With no filter on, every filter's quantity is shown and the combination is kept, although some
// filters (the lucky number 0, the maximum sum 0) would reject it if they were on.
TEST(Explain, NoActiveFilterListsAll64AndKeeps) {
    Settings s;
    init_defaults(s);
    const Explanation e = explain(s, {1, 2, 3, 4, 5, 6, 7});
    std::vector<int> all(FilterCount);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(listed(e), all);
    EXPECT_TRUE(e.kept);
    EXPECT_FALSE(e.filters[6].kept);
    EXPECT_EQ(e.filters[0].value, 28);
}

} // namespace
} // namespace lotto
