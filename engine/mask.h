// Number masks: bit n-1 stands for number n (or filter n), bit 0 being the least significant.
#pragma once

#include <array>
#include <cstdint>

namespace lotto {

using Mask = uint64_t;

// NumberBit[0] is 0 so that an empty position (number 0) adds nothing; NumberBit[n] has bit n-1.
inline constexpr std::array<Mask, 65> NumberBit = [] {
    std::array<Mask, 65> t{};
    for (int n = 1; n <= 64; ++n) t[n] = Mask{1} << (n - 1);
    return t;
}();

// NumberBitComplement[n] has every bit set except bit n-1.
inline constexpr std::array<Mask, 65> NumberBitComplement = [] {
    std::array<Mask, 65> t{};
    for (int n = 0; n <= 64; ++n) t[n] = ~NumberBit[n];
    return t;
}();

// Number of set bits of m. The one home of the bit count: the build decides how it is done.
#if defined(__GNUC__) && defined(__POPCNT__)
inline int popcount(Mask m) { return __builtin_popcountll(m); }
#else
inline int popcount(Mask m) {
    m = m - ((m >> 1) & 0x5555555555555555u);
    m = (m & 0x3333333333333333u) + ((m >> 2) & 0x3333333333333333u);
    m = (m + (m >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((m * 0x0101010101010101u) >> 56);
}
#endif

// The numbers first..last, both included (empty when first > last).
constexpr Mask span_mask(int first, int last) {
    Mask m = 0;
    for (int n = first; n <= last; ++n) m |= NumberBit[n];
    return m;
}

} // namespace lotto
