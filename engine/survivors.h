// The walk of a filter chain over one prefix's candidates, which the run and the funnel share.
// Internal to the engine.
#pragma once

#include "engine/context.h"

#include <cstdint>

namespace lotto {

// Walks the chain from its last entry to its first with the candidates still alive and answers
// the ones no entry rejects; the walk ends as soon as none is left. The switch falls through one
// call site per entry, so that each call is predicted on its own and the walk has no loop to
// branch back through.
LOTTO_ALWAYS_INLINE Mask survivors(const Routine* routines, uint32_t length, RunContext& x,
                                   Mask alive) {
#define LOTTO_ENTRY(i)                                                                             \
    case i:                                                                                        \
        alive = routines[i - 1](x, alive);                                                         \
        if (alive == 0) return 0;                                                                  \
        [[fallthrough]];
    // clang-format off
    switch (length) {
    LOTTO_ENTRY(64) LOTTO_ENTRY(63) LOTTO_ENTRY(62) LOTTO_ENTRY(61) LOTTO_ENTRY(60) LOTTO_ENTRY(59)
    LOTTO_ENTRY(58) LOTTO_ENTRY(57) LOTTO_ENTRY(56) LOTTO_ENTRY(55) LOTTO_ENTRY(54) LOTTO_ENTRY(53)
    LOTTO_ENTRY(52) LOTTO_ENTRY(51) LOTTO_ENTRY(50) LOTTO_ENTRY(49) LOTTO_ENTRY(48) LOTTO_ENTRY(47)
    LOTTO_ENTRY(46) LOTTO_ENTRY(45) LOTTO_ENTRY(44) LOTTO_ENTRY(43) LOTTO_ENTRY(42) LOTTO_ENTRY(41)
    LOTTO_ENTRY(40) LOTTO_ENTRY(39) LOTTO_ENTRY(38) LOTTO_ENTRY(37) LOTTO_ENTRY(36) LOTTO_ENTRY(35)
    LOTTO_ENTRY(34) LOTTO_ENTRY(33) LOTTO_ENTRY(32) LOTTO_ENTRY(31) LOTTO_ENTRY(30) LOTTO_ENTRY(29)
    LOTTO_ENTRY(28) LOTTO_ENTRY(27) LOTTO_ENTRY(26) LOTTO_ENTRY(25) LOTTO_ENTRY(24) LOTTO_ENTRY(23)
    LOTTO_ENTRY(22) LOTTO_ENTRY(21) LOTTO_ENTRY(20) LOTTO_ENTRY(19) LOTTO_ENTRY(18) LOTTO_ENTRY(17)
    LOTTO_ENTRY(16) LOTTO_ENTRY(15) LOTTO_ENTRY(14) LOTTO_ENTRY(13) LOTTO_ENTRY(12) LOTTO_ENTRY(11)
    LOTTO_ENTRY(10) LOTTO_ENTRY(9) LOTTO_ENTRY(8) LOTTO_ENTRY(7) LOTTO_ENTRY(6) LOTTO_ENTRY(5)
    LOTTO_ENTRY(4) LOTTO_ENTRY(3) LOTTO_ENTRY(2) LOTTO_ENTRY(1)
    default: break;
    }
    // clang-format on
#undef LOTTO_ENTRY
    return alive;
}

} // namespace lotto
