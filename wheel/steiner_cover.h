// Covers "4 if 4" of 20 to 23 points that start from the Steiner system S(4,7,23): its blocks
// within the points are kept whole, and the 4-subsets whose block holds a point left out are
// covered by the row-weighting set-cover search over every 7-subset of the points.
#pragma once

#include "wheel/search_clock.h"

#include <cstdint>
#include <vector>

namespace lotto {

// Whether steiner_cover builds covers of v points.
constexpr bool has_steiner_cover(uint32_t v) { return v >= 20 && v <= 23; }

// A "4 if 4" cover of the points 0..v-1 (has_steiner_cover(v)) as 7-point masks, sorted: the
// blocks of S(4,7,23) lying within the points, and the fewest further blocks the search found
// for the rest before clock.work reaches until or the time limit passes; empty when listing the
// blocks and their 4-subsets alone would pass until.
std::vector<uint64_t> steiner_cover(uint32_t v, uint64_t seed, SearchClock& clock, uint64_t until);

} // namespace lotto
