#include "wheel/orbit_cover.h"

#include "wheel/cover_index.h"
#include "wheel/set_cover.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <limits>

namespace lotto {

namespace {

using PointMap = std::array<uint8_t, 64>;

// The most blocks, and pairs of a block and an m-subset it covers, the search lists.
constexpr uint64_t MaxPairs = 40'000'000;

// The shape's permutation as a table of the points' images.
PointMap permutation(PointCycles shape) {
    PointMap map{};
    for (uint32_t p = 0; p < 64; ++p) map[p] = static_cast<uint8_t>(p);
    for (uint32_t c = 0; c < shape.cycles; ++c)
        for (uint32_t x = 0; x < shape.length; ++x) {
            const uint32_t base = shape.fixed + c * shape.length;
            map[base + x] = static_cast<uint8_t>(base + (x + 1) % shape.length);
        }
    return map;
}

// Calls f(member) for every member of the orbit of a set of points under the powers of the
// permutation, the set itself first.
template <class F> void for_each_member(const PointMap& map, uint64_t set, F&& f) {
    uint64_t s = set;
    do {
        f(s);
        uint64_t to = 0;
        for (; s; s &= s - 1) to |= uint64_t{1} << map[std::countr_zero(s)];
        s = to;
    } while (s != set);
}

} // namespace

std::vector<PointCycles> orbit_shapes(uint32_t v) {
    return {{1, 1, v - 1},
            {0, 1, v},
            {v % 2, 2, v / 2},
            {4 + v % 2, (v - 4 - v % 2) / 2, 2},
            {v % 3, 3, v / 3}};
}

std::vector<uint64_t> orbit_cover(uint32_t v, Guarantee g, PointCycles shape, uint64_t seed,
                                  SearchClock& clock, uint64_t until) {
    assert(shape.fixed + shape.cycles * shape.length == v);
    // The work of listing the orbits and of the greedy cover: the m-subsets, the blocks and twice
    // the pairs of a block of each orbit and an m-subset it covers; not when that is more than
    // the work given, or the blocks or the pairs more than MaxPairs.
    uint64_t per_block = 0;
    for (int i = g.t; i <= std::min(7, g.m); ++i)
        per_block +=
            choose(7, static_cast<uint32_t>(i)) * choose(v - 7, static_cast<uint32_t>(g.m - i));
    const uint64_t pairs = choose(v, 7) / std::max<uint32_t>(shape.length, 1) * per_block;
    const uint64_t listing = 8 * (choose(v, static_cast<uint32_t>(g.m)) + choose(v, 7) + 2 * pairs);
    if (pairs > MaxPairs || choose(v, 7) > MaxPairs || clock.work + listing >= until) return {};
    const PointMap map = permutation(shape);
    const uint64_t all = v == 64 ? ~uint64_t{0} : (uint64_t{1} << v) - 1;
    const SubsetIndex index(v, static_cast<uint32_t>(g.m)), blocks_index(v, 7);
    constexpr uint32_t None = std::numeric_limits<uint32_t>::max();
    // The orbits of m-subsets, numbered in rank order of their first members.
    std::vector<uint32_t> orbit_of(index.size(), None);
    uint32_t orbits = 0;
    for (uint32_t r = 0; r < index.size(); ++r) {
        if (orbit_of[r] != None) continue;
        for_each_member(map, index.unrank(r),
                        [&](uint64_t s) { orbit_of[index.rank(s)] = orbits; });
        ++orbits;
    }
    // A column for each orbit of blocks, kept by its first member in rank order, covering the
    // orbits of the m-subsets its blocks meet in t points or more.
    std::vector<uint8_t> seen(blocks_index.size(), 0);
    std::vector<uint64_t> bases;
    std::vector<uint32_t> start{0}, entries, rows;
    for (uint32_t r = 0; r < blocks_index.size(); ++r) {
        if (seen[r]) continue;
        const uint64_t b = blocks_index.unrank(r);
        for_each_member(map, b, [&](uint64_t s) { seen[blocks_index.rank(s)] = 1; });
        bases.push_back(b);
        rows.clear();
        for (int i = g.t; i <= std::min(7, g.m); ++i)
            for_each_subset(b, i, [&](uint64_t inside) {
                for_each_subset(all & ~b, g.m - i, [&](uint64_t outside) {
                    rows.push_back(orbit_of[index.rank(inside | outside)]);
                });
            });
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        entries.insert(entries.end(), rows.begin(), rows.end());
        start.push_back(static_cast<uint32_t>(entries.size()));
    }
    clock.work += listing; // the greedy included
    const CoverMatrix a(orbits, std::move(start), std::move(entries));
    const std::vector<uint32_t> chosen =
        weighted_local_search(a, greedy_cover(a), seed, clock, until);
    std::vector<uint64_t> blocks;
    for (uint32_t j : chosen)
        for_each_member(map, bases[j], [&](uint64_t s) { blocks.push_back(s); });
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

} // namespace lotto
