// The chain a run walks: the filters that count numbers in a set, the position bounds and the group
// filters each tested by one routine over tables gathered once from the settings, so that a long
// chain costs one call per family instead of one per filter.
#include "engine/chain.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace lotto {

namespace {

// The counting filters and the set each counts in: even numbers (3, 4), odd numbers (5, 6), the
// lucky (7) and unlucky (8) number, the ranges (36 to 45), the step-3 arrays (46 to 51) and the
// chosen arrays (62 to 64); lower and upper bounds on the count as each filter's own routine
// applies them.
struct Counting {
    Mask set;
    bool at_least;
    uint32_t bound;
};

bool counting(const Settings& s, int k, Counting& c) {
    const uint32_t p = s.params[k - 1];
    if (k >= 3 && k <= 6)
        c = {k <= 4 ? EvenNumbers : OddNumbers, k % 2 == 1, p};
    else if (k == 7)
        c = {number_bit(p), true, 1};
    else if (k == 8)
        c = {number_bit(p), false, 0};
    else if (k >= 36 && k <= 45)
        c = {s.range_masks[k - 36], k % 2 == 0, p};
    else if (k >= 46 && k <= 51)
        c = {s.step3_masks[(k - 46) / 2], k % 2 == 0, p};
    else if (k == 62)
        c = {s.array7_mask, false, p};
    else if (k == 63 || k == 64)
        c = {s.array15_mask, k == 63, p};
    else
        return false;
    return true;
}

// One entry per distinct set, its bounds the tightest of the filters counting in it; an empty
// span stands for bounds nothing meets. Answers the filters gathered.
Mask gather_counts(const Settings& s, GatheredFilters& g) {
    Mask gathered = 0;
    std::array<uint32_t, FilterCount> highest{};
    for (int k = 1; k <= FilterCount; ++k) {
        Counting c;
        if (!(s.active & NumberBit[k]) || !counting(s, k, c)) continue;
        gathered |= NumberBit[k];
        uint32_t i = 0;
        while (i < g.count_sets && g.counts[i].set != c.set) ++i;
        if (i == g.count_sets) g.counts[g.count_sets++] = {c.set, 0, 0}, highest[i] = 7;
        if (c.at_least)
            g.counts[i].lowest = std::max(g.counts[i].lowest, c.bound);
        else
            highest[i] = std::min(highest[i], c.bound);
    }
    for (uint32_t i = 0; i < g.count_sets; ++i) {
        SetCount& c = g.counts[i];
        if (c.lowest <= highest[i])
            c.span = highest[i] - c.lowest;
        else
            c = {0, 1, 0}; // a count of 0 in the empty set is never 1
    }
    // The sets are tested in any order. Summing a word of lanes costs about what testing four
    // sets one by one does.
    const auto tight = [](const SetCount& c) { return c.span <= 1; };
    g.tight_sets = static_cast<uint32_t>(
        std::partition(g.counts.begin(), g.counts.begin() + g.count_sets, tight) -
        g.counts.begin());
    if (g.count_sets - g.tight_sets < 4) g.tight_sets = g.count_sets;
    // At most nineteen sets: odd, even, two single numbers, ten ranges, three step-3 arrays and
    // the two chosen arrays.
    assert(g.count_sets - g.tight_sets <= GatheredFilters::CountLanes);
    for (uint32_t i = 0; i < g.count_sets - g.tight_sets; ++i) {
        const SetCount& c = g.counts[g.tight_sets + i];
        const uint32_t word = i / 8, shift = 8 * (i % 8);
        g.above[word] |= uint64_t{128 - c.lowest - c.span} << shift;
        g.lowest_counts[word] |= uint64_t{c.lowest} << shift;
        for (Mask m = c.set; m != 0; m &= m - 1)
            g.members[lowest_number(m)][word] |= uint64_t{1} << shift;
    }
    return gathered;
}

// Filters 9 to 18 bound c1, c2, c5, c6 and c7: K from below, K + 1 from above.
Mask gather_positions(const Settings& s, GatheredFilters& g) {
    Mask gathered = 0;
    bool empty = false;
    for (int i = 0; i < 5; ++i) {
        const int k = 9 + 2 * i;
        uint32_t lowest = 0, highest = UINT32_MAX;
        if (s.active & NumberBit[k]) lowest = s.params[k - 1], gathered |= NumberBit[k];
        if (s.active & NumberBit[k + 1]) highest = s.params[k], gathered |= NumberBit[k + 1];
        if (i == 4) {
            g.seventh = numbers_from(lowest) & numbers_up_to(highest);
        } else {
            empty = empty || lowest > highest;
            g.lowest[i] = lowest, g.span[i] = highest - std::min(lowest, highest);
        }
    }
    if (empty) g.seventh = 0;
    return gathered;
}

// The candidates of a prefix that counts k in set c whose combinations keep the count within
// c's bounds: a candidate in the set adds one.
LOTTO_ALWAYS_INLINE Mask keep_count(const SetCount& c, uint32_t k, Mask candidates) {
    const Mask inside = k + 1 - c.lowest <= c.span ? c.set : 0;
    const Mask outside = k - c.lowest <= c.span ? ~c.set : 0;
    return candidates & (inside | outside);
}

// The candidates kept by the sets of word w of lanes whose counts n sit at an edge (the high bits
// of their lanes in failing), tested one by one.
[[gnu::noinline]] Mask keep_counts_at_edges(const GatheredFilters& g, int w, uint64_t n,
                                            uint64_t failing, Mask candidates) {
    for (; failing != 0; failing &= failing - 1) {
        const int lane = std::countr_zero(failing) / 8;
        candidates = keep_count(g.counts[g.tight_sets + 8 * w + lane],
                                static_cast<uint32_t>(n >> (8 * lane)) & 0xff, candidates);
    }
    return candidates;
}

// The candidates whose combinations keep every gathered count within its bounds: the tight sets
// one by one, the others in Words words of lanes, where counts that pass both ways, found for all
// sets at once, keep every candidate and only the others are tested one by one. The counts of
// c1..c4 are kept in the context from one prefix to the next.
template <bool Popcnt, int Words> Mask keep_counts(RunContext& x, Mask candidates) {
    constexpr uint64_t High = 0x8080808080808080u;
    const GatheredFilters& g = *x.gathered;
    const Mask prefix = x.mask[0];
    for (uint32_t i = 0; i < g.tight_sets; ++i) {
        const SetCount& c = g.counts[i];
        candidates =
            keep_count(c, static_cast<uint32_t>(count_bits<Popcnt>(prefix & c.set)), candidates);
    }
    if constexpr (Words > 0) {
        const Lanes first = x.lanes & 0xffffffffu;
        if (first != x.first_counted) {
            x.first_counted = first;
            for (int w = 0; w < Words; ++w)
                x.first_counts[w] = g.members[x.c[0]][w] + g.members[x.c[1]][w] +
                                    g.members[x.c[2]][w] + g.members[x.c[3]][w];
        }
    }
    for (int w = 0; w < Words; ++w) {
        const uint64_t n = x.first_counts[w] + g.members[x.c[4]][w] + g.members[x.c[5]][w];
        const uint64_t failing = ((n + g.above[w]) | ~((n | High) - g.lowest_counts[w])) & High;
        if (failing != 0) candidates = keep_counts_at_edges(g, w, n, failing, candidates);
    }
    return candidates;
}

// keep_counts with none to three words of lanes, in its portable build and its build for POPCNT.
template <int Words> Mask portable_counts(RunContext& x, Mask candidates) {
    return keep_counts<false, Words>(x, candidates);
}
template <int Words> LOTTO_POPCNT_TARGET Mask popcnt_counts(RunContext& x, Mask candidates) {
    return keep_counts<true, Words>(x, candidates);
}
constexpr Routine PortableCounts[] = {portable_counts<0>, portable_counts<1>, portable_counts<2>,
                                      portable_counts<3>};
constexpr Routine PopcntCounts[] = {popcnt_counts<0>, popcnt_counts<1>, popcnt_counts<2>,
                                    popcnt_counts<3>};

// The candidates kept when c1, c2, c5 and c6 are within their bounds, none otherwise.
Mask keep_positions(RunContext& x, Mask candidates) {
    const GatheredFilters& g = *x.gathered;
    const bool kept = (x.c[0] - g.lowest[0] <= g.span[0]) & (x.c[1] - g.lowest[1] <= g.span[1]) &
                      (x.c[4] - g.lowest[2] <= g.span[2]) & (x.c[5] - g.lowest[3] <= g.span[3]);
    return kept ? candidates & g.seventh : 0;
}

void append(Chain& chain, Mask filters, Routine routine) {
    if (filters == 0) return;
    chain.routines[chain.length] = routine;
    chain.entries[chain.length] = {static_cast<int>(lowest_number(filters)),
                                   64 - std::countl_zero(filters)};
    ++chain.length;
}

constexpr Mask GroupFilters = span_mask(19, 31);

} // namespace

Chain build_run_chain(const Settings& s, bool popcnt) {
    GatheredFilters g;
    const Mask counts = gather_counts(s, g);
    const Mask positions = gather_positions(s, g);
    const Mask groups = s.active & GroupFilters;
    if (groups) g.adjacency = kept_adjacency_patterns(s);
    Chain chain = build_chain(s.active & ~(counts | positions | groups), popcnt);
    chain.gathered = g;
    append(chain, groups, keep_adjacency_patterns);
    append(chain, positions, keep_positions);
    const uint32_t words = (g.count_sets - g.tight_sets + 7) / 8;
    append(chain, counts, popcnt ? PopcntCounts[words] : PortableCounts[words]);
    return chain;
}

} // namespace lotto
