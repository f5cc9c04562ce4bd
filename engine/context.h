// The run context: what the enumeration run keeps for the current combination and hands to every
// filter routine. Internal to the engine.
#pragma once

#include "engine/lanes.h"
#include "engine/mask.h"
#include "engine/settings.h"

#include <cstdint>

namespace lotto {

struct alignas(64) RunContext {
    uint32_t c[7] = {};               // c1..c7 at c[0]..c[6], strictly ascending, each in 1..N
    uint32_t highest = 0;             // N
    const uint32_t* params = nullptr; // params[k - 1] is the parameter of filter k; read-only
    const Settings* settings = nullptr;
    Mask mask[2] = {}; // [0] number mask, 0 = not computed yet; [1] last AND with a filter set
    uint32_t groups[8] = {}; // R1..R7 of the group analysis; [7] set = analysis done
    Mask differences = 0;    // scratch of filters 34 and 35, overwritten before use
    Lanes lanes =
        0; // c1..c7 once more, one per byte (c1 low), 0 = not formed yet; see number_lanes
};

// A filter routine: 0 passes the current combination, any other value rejects it. A routine
// changes nothing but the work areas of the context.
using Routine = uint32_t (*)(RunContext&);

// The parameter of filter k.
inline uint32_t param(const RunContext& x, int k) { return x.params[k - 1]; }

// The combination's number mask, computed on first use and kept in mask work area word 0.
inline Mask number_mask(RunContext& x) {
    if (x.mask[0] == 0) {
        Mask m = 0;
        for (uint32_t n : x.c) m |= NumberBit[n];
        x.mask[0] = m;
    }
    return x.mask[0];
}

// The combination as byte lanes. The run forms them as it steps and hands them over with the
// numbers; a context filled with the numbers alone gets them formed here on first use.
inline Lanes number_lanes(RunContext& x) {
    if (x.lanes == 0) {
        Lanes l = 0;
        for (int i = 0; i < 7; ++i) l |= Lanes{x.c[i]} << (8 * i);
        x.lanes = l;
    }
    return x.lanes;
}

// How many numbers of the combination lie in set; the AND stays in mask work area word 1.
template <bool Popcnt> LOTTO_ALWAYS_INLINE uint32_t in_set_count(RunContext& x, Mask set) {
    x.mask[1] = number_mask(x) & set;
    return static_cast<uint32_t>(count_bits<Popcnt>(x.mask[1]));
}

// A routine that counts bits, built twice from Test::verdict<Popcnt>: once portable and once for
// processors with POPCNT. The chain takes the second when the processor has the instruction.
template <class Test> uint32_t portable_count(RunContext& x) {
    return Test::template verdict<false>(x);
}
template <class Test> LOTTO_POPCNT_TARGET uint32_t popcnt_count(RunContext& x) {
    return Test::template verdict<true>(x);
}

// Verdicts of the count filters: a rejected count answers count + 1, never 0.
inline uint32_t fewer_than(uint32_t count, uint32_t minimum) {
    if (LOTTO_UNLIKELY(count < minimum)) return count + 1;
    return 0;
}
inline uint32_t more_than(uint32_t count, uint32_t maximum) {
    if (LOTTO_UNLIKELY(count > maximum)) return count + 1;
    return 0;
}

} // namespace lotto
