// The independent check of a reduction: one loop over the stored combinations, sharing nothing
// with the search.
#pragma once

#include "engine/measure.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lotto {

struct CoverCheck {
    uint64_t cases = 0;                       // cases checked (here: stored combinations)
    uint64_t uncovered = 0;                   // cases no ticket covers
    std::vector<Combination> first_uncovered; // the first few, at most keep
    bool holds() const { return uncovered == 0; }
};

// Checks every one of the count stored combinations (7-byte records from store) for a ticket that
// shares at least t numbers with it; counts those without one and keeps the first keep of them.
CoverCheck verify_reduction(const uint8_t* store, uint32_t count, int t,
                            const std::vector<Combination>& tickets, std::size_t keep = 5);

} // namespace lotto
