// The number statistics: how many stored combinations hold each number.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lotto {

// Entry n counts the stored combinations holding number n; only 1..N (N <= 64) can be non-zero.
using StatisticsTable = std::array<uint32_t, 69>;

// Clears the table and counts every number of the first `count` records of the store.
void count_numbers(const uint8_t* store, uint32_t count, StatisticsTable& table);

// "0000000002=01" for every number that occurs, in ascending text order: least frequent first,
// equal counts in number order.
std::vector<std::string> statistics_lines(const StatisticsTable& table);

} // namespace lotto
