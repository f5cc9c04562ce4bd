// The processor's own bit count and the compiler hints of the hot loops. Internal to the engine:
// not installed, never included from a public header.
#pragma once

#include "engine/mask.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Copies bytes from src to dst (apart): the whole cache lines of dst with stores that bypass the
// cache where the processor has them (a line written whole need not be read first, and the cache
// keeps what is still to be worked on), the partial lines at either end with plain stores of just
// their bytes. stream_fence() orders the copies before later stores.
inline void stream_copy(uint8_t* dst, const uint8_t* src, std::size_t bytes) {
    const std::size_t head = (64 - reinterpret_cast<uintptr_t>(dst) % 64) % 64;
    if (bytes <= head) return static_cast<void>(std::memcpy(dst, src, bytes));
    std::memcpy(dst, src, head);
    dst += head, src += head, bytes -= head;
    const std::size_t lines = bytes / 64 * 64;
    for (std::size_t i = 0; i < lines; i += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i)));
    std::memcpy(dst + lines, src + lines, bytes - lines);
}
inline void stream_fence() { _mm_sfence(); }

// Zero-fills bytes bytes at dst, the whole cache lines with stores that bypass the cache: the
// cache is left as clean as it was, with nothing of dst to write back later.
inline void stream_zero(uint8_t* dst, std::size_t bytes) {
    const std::size_t head = (64 - reinterpret_cast<uintptr_t>(dst) % 64) % 64;
    if (bytes <= head) return static_cast<void>(std::memset(dst, 0, bytes));
    std::memset(dst, 0, head);
    dst += head, bytes -= head;
    const std::size_t lines = bytes / 64 * 64;
    for (std::size_t i = 0; i < lines; i += 16)
        _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i), _mm_setzero_si128());
    std::memset(dst + lines, 0, bytes - lines);
    _mm_sfence();
}

// Writes units times 112 bytes at out: byte i is byte i of from or'ed with byte i % 112 of
// pattern (112 bytes). Neither out nor from need be aligned.
inline void or_pattern(uint8_t* out, const uint8_t* from, const uint8_t* pattern,
                       std::size_t units) {
    __m128i p[7];
    for (int k = 0; k < 7; ++k)
        p[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern + 16 * k));
    for (std::size_t u = 0; u < units; ++u, out += 112, from += 112)
        for (int k = 0; k < 7; ++k)
            _mm_storeu_si128(
                reinterpret_cast<__m128i*>(out + 16 * k),
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * k)),
                             p[k]));
}
#else
inline void stream_fence() {}

inline void stream_zero(uint8_t* dst, std::size_t bytes) { std::memset(dst, 0, bytes); }

inline void stream_copy(uint8_t* dst, const uint8_t* src, std::size_t bytes) {
    std::memcpy(dst, src, bytes);
}

inline void or_pattern(uint8_t* out, const uint8_t* from, const uint8_t* pattern,
                       std::size_t units) {
    for (std::size_t u = 0; u < units; ++u, out += 112, from += 112)
        for (int k = 0; k < 14; ++k) {
            uint64_t a, b;
            std::memcpy(&a, from + 8 * k, 8);
            std::memcpy(&b, pattern + 8 * k, 8);
            a |= b;
            std::memcpy(out + 8 * k, &a, 8);
        }
}
#endif

// The bit count a routine built for Popcnt (or not) uses.
template <bool Popcnt> LOTTO_ALWAYS_INLINE int count_bits(Mask m) {
    if constexpr (Popcnt)
        return popcount_instruction(m);
    else
        return popcount(m);
}

} // namespace lotto
