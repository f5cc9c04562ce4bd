#include "app/statistics.h"

#include "app/format.h"
#include "engine/run.h"

#include <algorithm>

namespace lotto {

namespace {

// Independent partial tables: a single table would chain every increment of a counter behind the
// previous store to it, and neighbouring records share most of their numbers.
constexpr int Lanes = 8;
using Partial = std::array<uint32_t, 256>; // any byte value indexes safely

} // namespace

void count_numbers(const uint8_t* store, uint32_t count, StatisticsTable& table) {
    table.fill(0);
    std::array<Partial, Lanes> t{};
    const std::size_t bytes = std::size_t{count} * RecordBytes;
    const uint8_t* p = store;
    const uint8_t* const blocks_end = store + bytes - bytes % Lanes;
    for (; p != blocks_end; p += Lanes)
        for (int lane = 0; lane < Lanes; ++lane) ++t[lane][p[lane]];
    for (const uint8_t* const end = store + bytes; p != end; ++p) ++t[0][*p];
    for (std::size_t n = 0; n < table.size(); ++n)
        for (const Partial& lane : t) table[n] += lane[n];
}

std::vector<std::string> statistics_lines(const StatisticsTable& table) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 64; ++n)
        if (table[n] != 0)
            lines.push_back(format_zero_padded(table[n], 10) + "=" + format_zero_padded(n, 2));
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace lotto
