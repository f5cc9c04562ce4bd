// The combination as seven byte lanes of one 64-bit word (c1 in the low byte, byte 7 zero): sums,
// parities and gaps of all seven numbers in a few word operations. Every lane holds at most 64,
// so no lane of the operations below overflows into its neighbour.
#pragma once

#include <cstdint>

namespace lotto {

using Lanes = uint64_t;

inline constexpr Lanes LowBits = 0x0101010101010101u;
inline constexpr Lanes SixLanes = 0x0000ffffffffffffu;
inline constexpr Lanes SixHighBits = 0x0000808080808080u;

// The sum of all lanes; exact while every partial sum stays below 256 (seven numbers up to 39
// sum to at most 252, but six up to 64 may not: sums of numbers take wide_lane_sum).
constexpr uint32_t lane_sum(Lanes l) { return static_cast<uint32_t>((l * LowBits) >> 56); }

// The sum of all lanes, exact for any lane values: the byte lanes are paired into 16-bit lanes
// first (six numbers up to 64 sum to more than 255).
constexpr uint32_t wide_lane_sum(Lanes l) {
    constexpr Lanes EvenBytes = 0x00ff00ff00ff00ffu;
    const Lanes pairs = (l & EvenBytes) + ((l >> 8) & EvenBytes);
    return static_cast<uint32_t>((pairs * 0x0001000100010001u) >> 48);
}

// How many of the seven numbers are odd.
constexpr uint32_t odd_lanes(Lanes l) { return lane_sum(l & LowBits); }

// The six gaps c2-c1 .. c7-c6 in lanes 0..5, upper lanes 0. The numbers ascend, so no lane of
// the subtraction borrows from the next one below lane 6.
constexpr Lanes gap_lanes(Lanes l) { return ((l >> 8) - l) & SixLanes; }

// The high bits of lanes 0..5 (nothing else set) moved to bits 0..5. Shifted down to bit 8i, lane
// i's bit meets the multiplier's bit 56 - 7i and lands on 56 + i; every other product term falls
// below bit 56 or beyond bit 63, all on distinct bits, so nothing carries into the result.
constexpr unsigned gather_high_bits(Lanes high) {
    constexpr Lanes Gather = 0x0102040810200000u;
    return static_cast<unsigned>(((high >> 7) * Gather) >> 56);
}

// The gaps above bound (bound at most 127): the high bit of lane i set when gap i > bound.
constexpr Lanes gaps_above(Lanes gaps, uint32_t bound) {
    return (gaps + (127 - bound) * (LowBits & SixLanes)) & SixHighBits;
}

} // namespace lotto
