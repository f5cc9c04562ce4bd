// The levels of the reduction greedy's queue: candidates wait on the level of their last counted
// gain, a level per gain below 128 and above that a level per 1/64 of the gain or less.
#pragma once

#include <bit>
#include <cstdint>

namespace lotto::reduce_detail {

// The level of a gain: the gain itself below 128, above that its top seven bits after its shift;
// levels rise with the gain.
inline uint32_t level_of(uint32_t gain) {
    if (gain < 128) return gain;
    const uint32_t shift = static_cast<uint32_t>(std::bit_width(gain)) - 7;
    return (shift << 6) + (gain >> shift);
}

// The highest gain on the level.
inline uint32_t level_top(uint32_t level) {
    if (level < 128) return level;
    const uint32_t shift = (level >> 6) - 1;
    return static_cast<uint32_t>(((uint64_t{level - (shift << 6)} + 1) << shift) - 1);
}

} // namespace lotto::reduce_detail
