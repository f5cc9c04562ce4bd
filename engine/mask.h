// Number masks: bit n-1 stands for number n (or filter n), bit 0 being the least significant.
#pragma once

#include <array>
#include <bit>
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

// Number of set bits of m, portable: three folding steps and a multiply.
constexpr int popcount(Mask m) {
    m = m - ((m >> 1) & 0x5555555555555555u);
    m = (m & 0x3333333333333333u) + ((m >> 2) & 0x3333333333333333u);
    m = (m + (m >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((m * 0x0101010101010101u) >> 56);
}

// The even numbers 2, 4, .., 64 and the odd numbers 1, 3, .., 63.
inline constexpr Mask EvenNumbers = 0xaaaaaaaaaaaaaaaau;
inline constexpr Mask OddNumbers = ~EvenNumbers;

// The numbers from lowest up, all of 1..64 when lowest is 0 or 1, none when it is above 64.
constexpr Mask numbers_from(uint64_t lowest) {
    if (lowest <= 1) return ~Mask{0};
    return lowest > 64 ? 0 : ~Mask{0} << (lowest - 1);
}

// The numbers 1..highest, all of 1..64 when highest is above 64.
constexpr Mask numbers_up_to(uint64_t highest) {
    return highest >= 64 ? ~Mask{0} : (Mask{1} << highest) - 1;
}

// The bit of number n, none when n is 0 or above 64.
constexpr Mask number_bit(uint32_t n) { return n <= 64 ? NumberBit[n] : 0; }

// The smallest number of a non-empty mask.
constexpr uint32_t lowest_number(Mask m) { return static_cast<uint32_t>(std::countr_zero(m)) + 1; }

// The numbers first..last, both included (empty when first > last).
constexpr Mask span_mask(int first, int last) {
    if (first > last || last < 1) return 0;
    return numbers_from(first < 1 ? 1 : first) & numbers_up_to(last);
}

} // namespace lotto
