// Covers "4 if 4" of 20 to 23 points and "5 if 5" of 18 to 22 points that start from a Steiner
// system: S(4,7,23)'s blocks within the points, or the octads of S(5,8,24) that keep seven or
// eight of them (an octad of eight needs four blocks), are kept whole, and the t-subsets whose
// block holds a point left out are covered by the row-weighting set-cover search over every
// 7-subset of the points.
#pragma once

#include "wheel/search_clock.h"

#include <cstdint>
#include <vector>

namespace lotto {

// Whether steiner_cover builds "t if t" covers of v points.
constexpr bool has_steiner_cover(uint32_t v, int t) {
    return t == 4 ? v >= 20 && v <= 23 : t == 5 && v >= 18 && v <= 22;
}

// A "t if t" cover of the points 0..v-1 (has_steiner_cover(v, t)) as 7-point masks, sorted: the
// blocks kept from the Steiner system, and the fewest further blocks the search found for the
// rest before clock.work reaches until or the time limit passes; empty when listing the blocks
// and their t-subsets alone would pass until.
std::vector<uint64_t> steiner_cover(uint32_t v, int t, uint64_t seed, SearchClock& clock,
                                    uint64_t until);

} // namespace lotto
