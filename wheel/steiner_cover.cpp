#include "wheel/steiner_cover.h"

#include "wheel/cover_index.h"
#include "wheel/designs.h"
#include "wheel/guarantee.h"
#include "wheel/set_cover.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace lotto {

std::vector<uint64_t> steiner_cover(uint32_t v, uint64_t seed, SearchClock& clock, uint64_t until) {
    assert(has_steiner_cover(v));
    // The work of listing: every 7-subset with its 35 4-subsets ranked, twice over (the matrix
    // and its transpose), and the greedy cover.
    const uint64_t listing = 8 * 3 * 35 * choose(v, 7);
    if (clock.work + listing >= until) return {};
    const uint64_t points = (uint64_t{1} << v) - 1;
    std::vector<uint64_t> blocks;
    for (const Block& b : steiner_4_7_23()) {
        uint64_t mask = 0;
        for (uint8_t p : b) mask |= uint64_t{1} << p;
        if ((mask & ~points) == 0) blocks.push_back(mask);
    }
    // The 4-subsets no kept block holds are the rows; every 7-subset of the points is a column.
    constexpr uint32_t Covered = std::numeric_limits<uint32_t>::max();
    const SubsetIndex fours(v, 4), sevens(v, 7);
    std::vector<uint32_t> row_of(fours.size(), 0);
    for (uint64_t b : blocks)
        for_each_subset(b, 4, [&](uint64_t s) { row_of[fours.rank(s)] = Covered; });
    uint32_t rows = 0;
    for (uint32_t& r : row_of)
        if (r != Covered) r = rows++;
    std::vector<uint32_t> start{0}, entries;
    start.reserve(sevens.size() + 1);
    for (uint32_t c = 0; c < sevens.size(); ++c) {
        for_each_subset(sevens.unrank(c), 4, [&](uint64_t s) {
            if (const uint32_t r = row_of[fours.rank(s)]; r != Covered) entries.push_back(r);
        });
        start.push_back(static_cast<uint32_t>(entries.size()));
    }
    clock.work += listing;
    if (rows > 0) {
        const CoverMatrix a(rows, std::move(start), std::move(entries));
        for (uint32_t c : weighted_local_search(a, greedy_cover(a), seed, clock, until))
            blocks.push_back(sevens.unrank(c));
    }
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

} // namespace lotto
