// The odometer over the prefixes c1..c6 that the run and the funnel share. Internal to the engine.
#pragma once

#include "engine/context.h"

#include <cstdint>

namespace lotto {

// Lanes with number n in byte position (0 for c1 .. 6 for c7).
constexpr Lanes packed_byte(uint32_t n, int position) { return Lanes{n} << (8 * position); }

// C(n, 7): how many combinations of 7 out of 1..n there are (0 below 7; n at most 64).
constexpr uint32_t combinations_of_seven(uint32_t n) {
    return static_cast<uint32_t>(binomial(n, 7));
}

// C(n, 5): how many ways there are of completing a pair c1 < c2 = N - n with five more numbers.
constexpr uint32_t combinations_of_five(uint32_t n) {
    return static_cast<uint32_t>(binomial(n, 5));
}

// A context for walking 1..highest under the settings s, which it refers to.
inline RunContext context_for(const Settings& s, uint32_t highest) {
    RunContext x;
    x.highest = highest;
    x.params = s.params.data();
    x.settings = &s;
    return x;
}

// Enters every prefix c1..c6 of 1..x.highest (7..64) with c1 = a, c2 = b and c3 in first..last
// (a < b < first, last <= N - 4) into x in lexicographic order, its numbers, number mask and lanes
// set and its work areas cleared, and calls visit(candidates, lanes) with the numbers above c6 up
// to N and the prefix's lanes.
template <class Visit>
LOTTO_ALWAYS_INLINE void for_each_prefix_in(RunContext& x, uint32_t a, uint32_t b, uint32_t first,
                                            uint32_t last, Visit&& visit) {
    const uint32_t n = x.highest;
    const Mask up_to_n = numbers_up_to(n);
    x.c[0] = a;
    x.c[1] = b;
    for (uint32_t c = first; c <= last; ++c) {
        x.c[2] = c;
        for (uint32_t d = c + 1; d <= n - 3; ++d) {
            x.c[3] = d;
            const Mask m4 = NumberBit[a] | NumberBit[b] | NumberBit[c] | NumberBit[d];
            const Lanes l4 =
                packed_byte(a, 0) | packed_byte(b, 1) | packed_byte(c, 2) | packed_byte(d, 3);
            for (uint32_t e = d + 1; e <= n - 2; ++e) {
                x.c[4] = e;
                const Mask m5 = m4 | NumberBit[e];
                const Lanes l5 = l4 | packed_byte(e, 4);
                for (uint32_t f = e + 1; f <= n - 1; ++f) {
                    x.c[5] = f;
                    const Lanes l6 = l5 | packed_byte(f, 5);
                    x.mask[0] = m5 | NumberBit[f];
                    x.mask[1] = 0;
                    x.lanes = l6;
                    x.groups = 0;
                    visit(numbers_from(f + 1) & up_to_n, l6);
                }
            }
        }
    }
}

// Every prefix c1..c6 of 1..x.highest (7..64) with c1 = a and c2 = b (a < b <= N - 5), as
// for_each_prefix_in.
template <class Visit>
LOTTO_ALWAYS_INLINE void for_each_prefix_of(RunContext& x, uint32_t a, uint32_t b, Visit&& visit) {
    for_each_prefix_in(x, a, b, b + 1, x.highest - 4, visit);
}

// Every prefix c1..c6 of 1..x.highest (7..64), as for_each_prefix_of, in lexicographic order.
template <class Visit> LOTTO_ALWAYS_INLINE void for_each_prefix(RunContext& x, Visit&& visit) {
    const uint32_t n = x.highest;
    for (uint32_t a = 1; a <= n - 6; ++a)
        for (uint32_t b = a + 1; b <= n - 5; ++b) for_each_prefix_of(x, a, b, visit);
}

} // namespace lotto
