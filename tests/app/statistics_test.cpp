#include "app/statistics.h"

#include "app/format.h"

#include "tests/app/stores.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lotto {
namespace {

using Lines = std::vector<std::string>;

TEST(CountNumbers, WorkedExampleOfTwoCombinations) {
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 8}});
    StatisticsTable table{};
    count_numbers(store.data(), 2, table);
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(table[n], 2u) << n;
    EXPECT_EQ(table[7], 1u);
    EXPECT_EQ(table[8], 1u);
    EXPECT_EQ(table[0], 0u);
    for (int n = 9; n < 69; ++n) EXPECT_EQ(table[n], 0u) << n;
    EXPECT_EQ(statistics_lines(table),
              (Lines{"0000000001=07", "0000000001=08", "0000000002=01", "0000000002=02",
                     "0000000002=03", "0000000002=04", "0000000002=05", "0000000002=06"}));
}

// Record counts around the eight-byte steps of the count, so every tail length is covered.
TEST(CountNumbers, EveryTailLength) {
    std::vector<uint8_t> store;
    for (uint8_t i = 0; i < 17; ++i)
        for (uint8_t j = 0; j < 7; ++j) store.push_back(static_cast<uint8_t>(1 + (i + j) % 39));
    for (uint32_t count = 0; count <= 17; ++count) {
        StatisticsTable table{};
        count_numbers(store.data(), count, table);
        StatisticsTable expected{};
        for (std::size_t b = 0; b < std::size_t{count} * 7; ++b) ++expected[store[b]];
        EXPECT_EQ(table, expected) << count;
    }
}

TEST(CountNumbers, StartsFromZeroEachTime) {
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}});
    StatisticsTable table;
    table.fill(99);
    count_numbers(store.data(), 0, table);
    EXPECT_EQ(table, StatisticsTable{});
    EXPECT_TRUE(statistics_lines(table).empty());
}

TEST(StatisticsLines, LeastFrequentFirstThenNumberOrder) {
    StatisticsTable table{};
    table[39] = 5;
    table[2] = 100;
    table[10] = 5;
    table[64] = 1; // the list covers 1..64 even though stored numbers stop at 39
    table[65] = 7;
    table[0] = 3;
    EXPECT_EQ(statistics_lines(table),
              (Lines{"0000000001=64", "0000000005=10", "0000000005=39", "0000000100=02"}));
}

TEST(StatisticsFullSystem, EveryNumberOccurs2760681Times) {
    const test::RunResult r = test::run_with({});
    ASSERT_TRUE(r.store);
    ASSERT_EQ(r.count, FullSystem);
    StatisticsTable table{};
    count_numbers(r.store.get(), r.count, table);
    const Lines lines = statistics_lines(table);
    ASSERT_EQ(lines.size(), 39u);
    for (int n = 1; n <= 39; ++n) EXPECT_EQ(lines[n - 1], "0002760681=" + format_zero_padded(n, 2));
    StatisticsTable again{};
    count_numbers(r.store.get(), r.count, again);
    EXPECT_EQ(again, table);
}

TEST(StatisticsFilter52, FirstNumberEvenLeavesNumberOneOut) {
    const test::RunResult r = test::run_with({52});
    ASSERT_TRUE(r.store);
    ASSERT_GT(r.count, 0u);
    StatisticsTable table{};
    count_numbers(r.store.get(), r.count, table);
    EXPECT_EQ(table[1], 0u);
    const Lines lines = statistics_lines(table);
    EXPECT_EQ(lines.size(), 38u);
    for (const std::string& line : lines) EXPECT_NE(line.substr(11), "01") << line;
}

} // namespace
} // namespace lotto
