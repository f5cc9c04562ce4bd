// Filters 32 to 35: the smallest and largest gap between neighbours, repeated gaps and
// repeated last digits.
#include "engine/chain.h"

namespace lotto {

namespace {

// The six gaps d1..d6 between neighbours.
struct Gaps {
    uint32_t d[6];
};

Gaps gaps(const RunContext& x) {
    return {{x.c[1] - x.c[0], x.c[2] - x.c[1], x.c[3] - x.c[2], x.c[4] - x.c[3], x.c[5] - x.c[4],
             x.c[6] - x.c[5]}};
}

// Lanes 0..5 with the high bit set where the gap is above bound. Every gap is at most 38, so a
// bound above 127 lets every gap through, as 127 does.
Lanes gaps_above_bound(RunContext& x, uint32_t bound) {
    return gaps_above(gap_lanes(number_lanes(x)), bound < 127 ? bound : 127);
}

// Some gap below p32 (none is when p32 = 0): not every gap is above p32 - 1.
uint32_t minimum_difference(RunContext& x) {
    const uint32_t p = param(x, 32);
    return p != 0 && gaps_above_bound(x, p - 1) != SixHighBits ? 1 : 0;
}

uint32_t maximum_difference(RunContext& x) {
    return gaps_above_bound(x, param(x, 33)) != 0 ? 1 : 0;
}

// Repeated differences: 6 minus the number of distinct gap values. The work area holds the set
// of gaps, bit v - 1 for gap v.
struct MaximumSameDifferences {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        const Gaps g = gaps(x);
        const Mask seen = (NumberBit[g.d[0]] | NumberBit[g.d[1]]) |
                          (NumberBit[g.d[2]] | NumberBit[g.d[3]]) |
                          (NumberBit[g.d[4]] | NumberBit[g.d[5]]);
        x.differences = seen;
        const uint32_t repeated = 6 - static_cast<uint32_t>(count_bits<Popcnt>(seen));
        return more_than(repeated, param(x, 34));
    }
};

// Repeated last digits: 7 minus the number of distinct last digits. The numbers 10q + 1 .. 10q + 10
// sit on bits 10q .. 10q + 9 of the number mask, so folding the four decades onto bits 0..9 gives
// last digits 1..9 on bits 0..8 and last digit 0 on bit 9, with no division. The work area holds
// the set with last digit t on bit t.
struct MaximumSameLastDigits {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        const Mask m = number_mask(x);
        const Mask folded = (m | m >> 10 | m >> 20 | m >> 30) & 0x3ff;
        x.differences = (folded << 1 | folded >> 9) & 0x3ff;
        const uint32_t repeated = 7 - static_cast<uint32_t>(count_bits<Popcnt>(folded));
        return more_than(repeated, param(x, 35));
    }
};

constexpr RoutineLink Links[] = {
    {32, 32, minimum_difference},
    {33, 33, maximum_difference},
    counting_link<MaximumSameDifferences>(34, false),
    counting_link<MaximumSameLastDigits>(35, true),
};

} // namespace

std::span<const RoutineLink> difference_links() { return Links; }

} // namespace lotto
