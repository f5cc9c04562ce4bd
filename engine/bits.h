// The processor's own bit count and the compiler hints of the hot loops. Internal to the engine:
// not installed, never included from a public header.
#pragma once

#include "engine/mask.h"

namespace lotto {

// popcount_instruction gives the same count as popcount; inside a function marked
// LOTTO_POPCNT_TARGET it is the single POPCNT instruction, so such functions may run only when
// has_popcnt() holds. Elsewhere it stays correct, just not fast.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define LOTTO_POPCNT_TARGET __attribute__((target("popcnt")))
#define LOTTO_ALWAYS_INLINE [[gnu::always_inline]] inline
#define LOTTO_UNLIKELY(c) __builtin_expect(!!(c), 0)
LOTTO_ALWAYS_INLINE int popcount_instruction(Mask m) { return __builtin_popcountll(m); }
inline bool has_popcnt() { return __builtin_cpu_supports("popcnt"); }
#else
#define LOTTO_POPCNT_TARGET
#define LOTTO_ALWAYS_INLINE inline
#define LOTTO_UNLIKELY(c) (c)
inline int popcount_instruction(Mask m) { return popcount(m); }
inline bool has_popcnt() { return false; }
#endif

// The bit count a routine built for Popcnt (or not) uses.
template <bool Popcnt> LOTTO_ALWAYS_INLINE int count_bits(Mask m) {
    if constexpr (Popcnt)
        return popcount_instruction(m);
    else
        return popcount(m);
}

} // namespace lotto
