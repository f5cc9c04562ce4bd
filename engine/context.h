// The run context: what the enumeration run keeps for the current combinations and hands to every
// filter routine. Internal to the engine.
//
// The run steps through the combinations a prefix c1..c6 at a time and hands each routine the
// prefix together with the candidates for c7 that are still alive: the numbers above c6 (up to N)
// that no later entry of the chain has rejected. A routine answers the candidates it keeps, so
// that one call tests every combination of the prefix that is still in play, and an entry whose
// answer is empty ends the walk for the whole prefix.
#pragma once

#include "engine/bits.h"
#include "engine/lanes.h"
#include "engine/mask.h"
#include "engine/settings.h"

#include <array>
#include <cstdint>

namespace lotto {

// How many numbers of the combination lie in set: from lowest to lowest + span.
struct SetCount {
    Mask set = 0;
    uint32_t lowest = 0;
    uint32_t span = 7;
};

// What a run gathers once from its settings for the routines that test several filters at once.
struct GatheredFilters {
    // The counting filters, one entry per set: the sets with one count at most that passes both
    // ways (a candidate inside the set or not) tested one by one, the others (counts[tight_sets]
    // on) by byte lanes, entry tight_sets + i in byte i % 8 of word i / 8: members[n] has a one
    // where number n lies in the set, so that a prefix's counts are the sum of its numbers' words,
    // and a count passes both ways when its byte plus above's stays below 128 and is at least
    // lowest's.
    std::array<SetCount, FilterCount> counts{};
    uint32_t count_sets = 0, tight_sets = 0;
    static constexpr uint32_t CountLanes = 24;
    std::array<std::array<uint64_t, 3>, 65> members{};
    std::array<uint64_t, 3> above{}, lowest_counts{};
    std::array<uint32_t, 4> lowest{};  // c1, c2, c5 and c6 from lowest ..
    std::array<uint32_t, 4> span{};    // .. to lowest + span
    Mask seventh = ~Mask{0};           // the numbers c7 may be
    uint64_t adjacency = ~uint64_t{0}; // bit p: adjacency pattern p passes
};

struct alignas(64) RunContext {
    uint32_t c[6] = {};               // the prefix c1..c6 at c[0]..c[5], strictly ascending
    uint32_t highest = 0;             // N
    const uint32_t* params = nullptr; // params[k - 1] is the parameter of filter k; read-only
    const Settings* settings = nullptr;
    Mask mask[2] = {};    // [0] number mask of the prefix; [1] last AND of it with a filter set
    Lanes lanes = 0;      // the prefix once more, one number per byte (c1 low, bytes 6 and 7 zero)
    uint32_t groups = 0;  // adjacency pattern of the prefix plus GroupsAnalysed, 0 = not yet
    Mask differences = 0; // scratch of filters 34 and 35, overwritten before use
    const GatheredFilters* gathered = nullptr; // the run chain's tables, see build_run_chain
    // The lane counts of c1..c4 (see GatheredFilters::members) and those numbers' lanes, kept
    // while they stay the same.
    std::array<uint64_t, 3> first_counts{};
    Lanes first_counted = ~Lanes{0};
};

// A filter routine: of the candidates for c7 (number bits above c6), the ones whose combination
// with the prefix passes. A routine changes nothing but the work areas of the context.
using Routine = Mask (*)(RunContext&, Mask candidates);

inline constexpr uint32_t GroupsAnalysed = 0x100;

// Fills the context for the prefix c1..c6 (strictly ascending): its number mask and lanes, with
// the work areas cleared.
inline void enter_prefix(RunContext& x, const uint32_t (&prefix)[6]) {
    Mask m = 0;
    Lanes l = 0;
    for (int i = 0; i < 6; ++i) {
        x.c[i] = prefix[i];
        m |= NumberBit[prefix[i]];
        l |= Lanes{prefix[i]} << (8 * i);
    }
    x.mask[0] = m, x.mask[1] = 0, x.lanes = l, x.groups = 0;
}

// The parameter of filter k.
inline uint32_t param(const RunContext& x, int k) { return x.params[k - 1]; }

// The sixth number, the one every candidate lies above.
inline uint32_t sixth(const RunContext& x) { return x.c[5]; }

// Every candidate when keep holds, none otherwise: the answer of a test on the prefix alone.
inline Mask all_or_none(bool keep, Mask candidates) { return keep ? candidates : 0; }

// The candidates whose combination holds at least minimum numbers of a set, counted as the
// prefix's count plus one for a candidate inside the set.
inline Mask count_at_least(uint32_t prefix_count, Mask set, uint32_t minimum, Mask candidates) {
    if (prefix_count >= minimum) return candidates;
    return prefix_count + 1 == minimum ? candidates & set : 0;
}

// The candidates whose combination holds at most maximum numbers of a set.
inline Mask count_at_most(uint32_t prefix_count, Mask set, uint32_t maximum, Mask candidates) {
    if (prefix_count < maximum) return candidates;
    return prefix_count == maximum ? candidates & ~set : 0;
}

// How many numbers of the prefix lie in set; the AND stays in mask work area word 1.
template <bool Popcnt> LOTTO_ALWAYS_INLINE uint32_t in_set_count(RunContext& x, Mask set) {
    x.mask[1] = x.mask[0] & set;
    return static_cast<uint32_t>(count_bits<Popcnt>(x.mask[1]));
}

enum class Bound { AtLeast, AtMost };

// Filter K's test of how many numbers of the combination lie in the set Set::of(x) gives: at least
// or at most the filter's parameter.
template <int K, Bound B, class Set> struct CountInSet {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask set = Set::of(x);
        const uint32_t count = in_set_count<Popcnt>(x, set);
        if constexpr (B == Bound::AtLeast)
            return count_at_least(count, set, param(x, K), candidates);
        else
            return count_at_most(count, set, param(x, K), candidates);
    }
};

// A routine that counts bits, built twice from Test::keep<Popcnt>: once portable and once for
// processors with POPCNT. The chain takes the second when the processor has the instruction.
template <class Test> Mask portable_count(RunContext& x, Mask candidates) {
    return Test::template keep<false>(x, candidates);
}
template <class Test> LOTTO_POPCNT_TARGET Mask popcnt_count(RunContext& x, Mask candidates) {
    return Test::template keep<true>(x, candidates);
}

} // namespace lotto
