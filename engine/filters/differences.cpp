// Filters 32 to 35: the smallest and largest gap between neighbours, repeated gaps and
// repeated last digits. The prefix holds five of the six gaps; the sixth is c7 - c6.
#include "engine/chain.h"

namespace lotto {

namespace {

inline constexpr Lanes FiveHighBits = 0x0000008080808080u;

// Lanes 0..4 with the high bit set where the prefix's gap is above bound. Every gap is at most
// 63, so a bound above 127 lets every gap through, as 127 does.
Lanes prefix_gaps_above(const RunContext& x, uint32_t bound) {
    return gaps_above(gap_lanes(x.lanes), bound < 127 ? bound : 127) & FiveHighBits;
}

// Every gap at least p32 (none is below 0): the prefix's gaps are all above p32 - 1, and
// c7 >= c6 + p32.
Mask minimum_difference(RunContext& x, Mask candidates) {
    const uint32_t p = param(x, 32);
    if (p == 0) return candidates;
    const bool prefix_kept = prefix_gaps_above(x, p - 1) == FiveHighBits;
    return all_or_none(prefix_kept, candidates & numbers_from(uint64_t{sixth(x)} + p));
}

// Every gap at most p33: none of the prefix's is above it, and c7 <= c6 + p33.
Mask maximum_difference(RunContext& x, Mask candidates) {
    const uint32_t p = param(x, 33);
    const bool prefix_kept = prefix_gaps_above(x, p) == 0;
    return all_or_none(prefix_kept, candidates & numbers_up_to(uint64_t{sixth(x)} + p));
}

// Repeated differences: 6 minus the number of distinct gap values. The work area holds the set
// of the prefix's gaps, bit v - 1 for gap v; a candidate c6 + v repeats gap v when it is in it.
struct MaximumSameDifferences {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const uint32_t* c = x.c;
        const Mask seen = (NumberBit[c[1] - c[0]] | NumberBit[c[2] - c[1]]) |
                          (NumberBit[c[3] - c[2]] | NumberBit[c[4] - c[3]]) |
                          NumberBit[c[5] - c[4]];
        x.differences = seen;
        const uint32_t distinct = static_cast<uint32_t>(count_bits<Popcnt>(seen));
        // 6 - distinct repeats for a candidate that repeats a gap, one fewer for one that doesn't.
        return count_at_most(5 - distinct, seen << sixth(x), param(x, 34), candidates);
    }
};

// Repeated last digits: 7 minus the number of distinct last digits. The numbers 10q + 1 .. 10q + 10
// sit on bits 10q .. 10q + 9 of the number mask, so folding the seven decades onto bits 0..9 gives
// the prefix's last digits 1..9 on bits 0..8 and last digit 0 on bit 9, with no division, and
// spreading the fold back over the decades gives the candidates that repeat one of them. The work
// area holds the prefix's set with last digit t on bit t.
struct MaximumSameLastDigits {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask m = x.mask[0];
        const Mask folded = (m | m >> 10 | m >> 20 | m >> 30 | m >> 40 | m >> 50 | m >> 60) & 0x3ff;
        x.differences = (folded << 1 | folded >> 9) & 0x3ff;
        const Mask repeating = folded | folded << 10 | folded << 20 | folded << 30 | folded << 40 |
                               folded << 50 | folded << 60;
        const uint32_t distinct = static_cast<uint32_t>(count_bits<Popcnt>(folded));
        return count_at_most(6 - distinct, repeating, param(x, 35), candidates);
    }
};

constexpr RoutineLink Links[] = {
    {32, 32, minimum_difference},
    {33, 33, maximum_difference},
    counting_link<MaximumSameDifferences>(34),
    counting_link<MaximumSameLastDigits>(35),
};

} // namespace

std::span<const RoutineLink> difference_links() { return Links; }

} // namespace lotto
