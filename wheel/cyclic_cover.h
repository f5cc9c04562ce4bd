// Covers made of whole orbits of blocks under a cyclic group of the points. The search keeps one
// block of each orbit and counts the orbits of m-subsets covered, which shrinks the search by the
// group's order; many of the smallest known coverings have such a group.
#pragma once

#include "wheel/guarantee.h"
#include "wheel/search_clock.h"

#include <cstdint>
#include <vector>

namespace lotto {

// A permutation of the points 0..v-1: the first `fixed` points stay, the others form `cycles`
// cycles of `length` points each, point fixed + c * length + j going to fixed + c * length +
// (j + 1) % length.
struct PointCycles {
    uint32_t fixed = 0, cycles = 0, length = 0;
};

// The permutations the wheel search tries for v points (8 <= v <= 64): one cycle of v - 1 points
// around a fixed one (two equal cycles, or cycles of a third, did worse on the benchmark's
// designs).
std::vector<PointCycles> cycle_shapes(uint32_t v);

// A cover "g.t if g.m" of v points (as 7-point masks) made of whole orbits of blocks under the
// powers of the permutation, with as few blocks as the search found before clock.work reaches
// until or the time limit passes; empty when no such cover was found by then.
std::vector<uint64_t> cyclic_cover(uint32_t v, Guarantee g, PointCycles shape, uint64_t seed,
                                   SearchClock& clock, uint64_t until);

} // namespace lotto
