// Set covering: the matrix's columns of each row, the greedy and the local search give covers
// of random instances, and the local search finds the optimum the greedy misses.
#include "wheel/set_cover.h"

#include "analysis/splitmix64.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lotto {
namespace {

TEST(SetCover, GreedyAndLocalSearchGiveCoversOfRandomInstances) {
    SplitMix64 rng{5};
    for (int round = 0; round < 20; ++round) {
        // Columns of 0..4 random rows, then one column for each row, so that every row is covered.
        const uint32_t rows = 5 + rng.below(60);
        std::vector<std::vector<uint32_t>> rows_of(10 + rng.below(100));
        for (std::vector<uint32_t>& column : rows_of) {
            for (uint32_t k = rng.below(5); k > 0; --k) column.push_back(rng.below(rows));
            std::sort(column.begin(), column.end());
            column.erase(std::unique(column.begin(), column.end()), column.end());
        }
        for (uint32_t i = 0; i < rows; ++i) rows_of.push_back({i});
        const CoverMatrix a(rows, rows_of);
        SCOPED_TRACE(testing::Message() << "round " << round);
        for (uint32_t i = 0; i < rows; ++i) { // the transpose, column by column
            std::vector<uint32_t> columns, want;
            a.for_columns(i, [&](uint32_t j) { columns.push_back(j); });
            for (uint32_t j = 0; j < rows_of.size(); ++j)
                if (std::count(rows_of[j].begin(), rows_of[j].end(), i)) want.push_back(j);
            EXPECT_EQ(columns, want) << "row " << i;
        }
        EXPECT_FALSE(covers(a, {0})); // at most four of five or more rows
        const std::vector<uint32_t> greedy = greedy_cover(a);
        EXPECT_TRUE(covers(a, greedy));
        SearchClock clock(2'000'000, 0);
        const std::vector<uint32_t> found = weighted_local_search(a, greedy, 9, clock, 2'000'000);
        EXPECT_TRUE(covers(a, found));
        EXPECT_LE(found.size(), greedy.size());
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
        EXPECT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
    }
}

TEST(SetCover, LocalSearchFindsTheOptimumTheGreedyMisses) {
    // Rows 0..5: the greedy takes the column of four rows first and needs two more for rows 2
    // and 5; the two columns of three rows cover everything.
    const CoverMatrix a(6, {{0, 1, 2}, {3, 4, 5}, {0, 1, 3, 4}});
    const std::vector<uint32_t> greedy = greedy_cover(a);
    EXPECT_EQ(greedy.size(), 3u);
    SearchClock clock(1'000'000, 0);
    EXPECT_EQ(weighted_local_search(a, greedy, 1, clock, 1'000'000), (std::vector<uint32_t>{0, 1}));
    // No work left: the start comes back as it is.
    EXPECT_EQ(weighted_local_search(a, greedy, 1, clock, 0), (std::vector<uint32_t>{0, 1, 2}));
}

} // namespace
} // namespace lotto
