// The independent check of a wheel: plain loops over every m-subset of the chosen numbers, each
// looked up among the tickets' t-subsets; it shares nothing with the search.
#pragma once

#include "engine/measure.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace lotto {

struct WheelCheck {
    uint64_t cases = 0;     // m-subsets of the chosen numbers checked
    uint64_t uncovered = 0; // subsets no ticket meets in t numbers or more
    std::vector<std::vector<uint8_t>> first_uncovered; // the first few, ascending, at most keep
    bool holds() const { return uncovered == 0; }
};

// Checks every m-subset of numbers (distinct, 1..64; m <= their count) for a ticket holding at
// least t of its numbers; counts those without one and keeps the first keep of them, in
// lexicographic order of the sorted numbers. progress, when given, hears the cases checked so far
// every few million.
WheelCheck verify_wheel(const std::vector<uint8_t>& numbers, int t, int m,
                        const std::vector<Combination>& tickets, std::size_t keep = 5,
                        const std::function<void(uint64_t cases)>& progress = {});

} // namespace lotto
