// Covers made of whole orbits of blocks under the powers of a permutation of the points, found by
// the row-weighting set-cover search over the orbits: a column for each orbit of blocks, a row for
// each orbit of m-subsets.
#pragma once

#include "wheel/cyclic_cover.h"
#include "wheel/guarantee.h"
#include "wheel/search_clock.h"

#include <cstdint>
#include <vector>

namespace lotto {

// A cover "g.t if g.m" of v points (as 7-point masks, sorted) made of whole orbits of blocks under
// the powers of the permutation, the greedy cover over the orbits improved by the local search
// until clock.work reaches until or the time limit passes; empty when the greedy cover did not
// fit in that.
std::vector<uint64_t> orbit_cover(uint32_t v, Guarantee g, PointCycles shape, uint64_t seed,
                                  SearchClock& clock, uint64_t until);

// The permutations the set-cover search over orbits tries for v points (8 <= v <= 64): one
// cycle of v - 1 points around a fixed one, one cycle of all v, two and three equal cycles (the
// one or two points left over fixed) and swapped pairs around four or five fixed points. None
// does best on every design: C(24,7,3) and C(19,7,4) come out smallest under two cycles,
// C(17,7,4) under three, C(14,7,5) under the pairs.
std::vector<PointCycles> orbit_shapes(uint32_t v);

} // namespace lotto
