// The ticket sampler's random numbers: SplitMix64 and integers below a bound by Lemire's
// multiply-and-reject, in plain 64-bit integer arithmetic, so that the same seed gives the same
// numbers on every platform and compiler.
#pragma once

#include <cstdint>

namespace lotto {

// SplitMix64 (Steele, Lea and Flood, 2014): the state steps by 0x9e3779b97f4a7c15 (2^64 divided
// by the golden ratio) and each output is the new state mixed by xor-shift 30, multiply by
// 0xbf58476d1ce4e5b9, xor-shift 27, multiply by 0x94d049bb133111eb and xor-shift 31.
struct SplitMix64 {
    uint64_t state = 0;

    // The next 64-bit output.
    constexpr uint64_t next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15u);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
        return z ^ (z >> 31);
    }

    // A uniform integer in 0..bound-1 (bound > 0): the high word of the top 32 output bits times
    // bound, drawn again while the low word falls below 2^32 mod bound, which removes the bias.
    constexpr uint32_t below(uint32_t bound) {
        uint64_t product = (next() >> 32) * bound;
        if (static_cast<uint32_t>(product) < bound) {
            const uint32_t threshold = static_cast<uint32_t>((uint64_t{1} << 32) % bound);
            while (static_cast<uint32_t>(product) < threshold) product = (next() >> 32) * bound;
        }
        return static_cast<uint32_t>(product >> 32);
    }
};

} // namespace lotto
