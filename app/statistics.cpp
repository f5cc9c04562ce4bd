#include "app/statistics.h"

#include "app/format.h"
#include "engine/run.h"

#include <algorithm>
#include <cstring>

namespace lotto {

namespace {

// Independent partial tables: consecutive bytes usually hold different numbers, but a shared
// table would still chain each increment behind the previous store to the same counter.
constexpr int Lanes = 8;
using Partial = std::array<uint32_t, 256>;

// Adds the eight bytes of word, one to each lane's table.
inline void count_word(uint64_t word, std::array<Partial, Lanes>& t) {
    for (int lane = 0; lane < Lanes; ++lane) ++t[lane][(word >> (8 * lane)) & 0xFF];
}

} // namespace

void count_numbers(const uint8_t* store, uint32_t count, StatisticsTable& table) {
    table.fill(0);
    std::array<Partial, Lanes> t{};
    const std::size_t bytes = std::size_t{count} * RecordBytes;
    const uint8_t* p = store;
    const uint8_t* const words_end = store + (bytes & ~std::size_t{7});
    for (; p != words_end; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);
        count_word(word, t);
    }
    for (const uint8_t* const end = store + bytes; p != end; ++p) ++t[0][*p];
    // Stored numbers are 1..39; anything above the table's range would be a corrupt store.
    for (std::size_t n = 0; n < table.size(); ++n)
        for (int lane = 0; lane < Lanes; ++lane) table[n] += t[lane][n];
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
