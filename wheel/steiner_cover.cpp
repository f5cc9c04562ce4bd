#include "wheel/steiner_cover.h"

#include "wheel/cover_index.h"
#include "wheel/designs.h"
#include "wheel/guarantee.h"
#include "wheel/set_cover.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace lotto {

namespace {

// The blocks kept whole from the Steiner system for t: S(4,7,23)'s blocks within the points; for
// t = 5 the octads of S(5,8,24) that keep seven of their points, and for each that keeps all
// eight, the four blocks that leave out one of its first four points.
std::vector<uint64_t> kept_blocks(uint32_t v, int t) {
    const uint64_t points = (uint64_t{1} << v) - 1;
    std::vector<uint64_t> blocks;
    if (t == 4) {
        for (const Block& b : steiner_4_7_23()) {
            uint64_t mask = 0;
            for (uint8_t p : b) mask |= uint64_t{1} << p;
            if ((mask & ~points) == 0) blocks.push_back(mask);
        }
        return blocks;
    }
    for (uint32_t octad : steiner_5_8_24()) {
        const uint64_t mask = octad & points;
        if (std::popcount(mask) == 7) blocks.push_back(mask);
        if (std::popcount(mask) != 8) continue;
        uint64_t left = mask;
        for (int i = 0; i < 4; ++i, left &= left - 1) blocks.push_back(mask & ~(left & -left));
    }
    return blocks;
}

} // namespace

std::vector<uint64_t> steiner_cover(uint32_t v, int t, uint64_t seed, SearchClock& clock,
                                    uint64_t until) {
    assert(has_steiner_cover(v, t));
    // The work of listing: every 7-subset with its t-subsets ranked, twice over (the matrix
    // and its transpose), and the greedy cover.
    const uint64_t per_seven = choose(7, static_cast<uint32_t>(t));
    const uint64_t listing = 8 * 3 * per_seven * choose(v, 7);
    if (clock.work + listing >= until) return {};
    std::vector<uint64_t> blocks = kept_blocks(v, t);
    // The t-subsets no kept block holds are the rows; every 7-subset of the points is a column.
    constexpr uint32_t Covered = std::numeric_limits<uint32_t>::max();
    const SubsetIndex subsets(v, static_cast<uint32_t>(t)), sevens(v, 7);
    std::vector<uint32_t> row_of(subsets.size(), 0);
    for (uint64_t b : blocks)
        for_each_subset(b, t, [&](uint64_t s) { row_of[subsets.rank(s)] = Covered; });
    uint32_t rows = 0;
    for (uint32_t& r : row_of)
        if (r != Covered) r = rows++;
    std::vector<uint32_t> start{0}, entries;
    start.reserve(sevens.size() + 1);
    for (uint32_t c = 0; c < sevens.size(); ++c) {
        for_each_subset(sevens.unrank(c), t, [&](uint64_t s) {
            if (const uint32_t r = row_of[subsets.rank(s)]; r != Covered) entries.push_back(r);
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
