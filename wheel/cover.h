// Wheels over chosen numbers: a small set of tickets, all drawn from the chosen numbers, such that
// every m of them meet some ticket in at least t numbers. A greedy start is improved over a fixed
// number of tickets, one ticket fewer each time a cover is found: "t if t" from starts of up to
// 300 tickets by a local search that weighs the subsets long uncovered, the rest by simulated
// annealing. The start is the lazy greedy where it is affordable.
#pragma once

#include "engine/measure.h" // lotto::Combination
#include "wheel/guarantee.h"
#include "wheel/search_options.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto {

struct Wheel {
    std::vector<Combination> tickets; // sorted lexicographically, each ascending
    bool stopped_early = false;       // the time limit ended the search
};

// Returns "" when numbers (8..64 distinct numbers in 1..highest, highest <= 64) and g (m no more
// than the count of numbers) make a wheel the search can build, else what is wrong.
std::string check_wheel_request(const std::vector<uint8_t>& numbers, Guarantee g,
                                uint32_t highest = 39);

// A small wheel "g.t if g.m" over numbers (a request check_wheel_request accepts). The same
// numbers, guarantee, seed and effort give the same tickets on every platform; the time limit
// only cuts the improvement short, so the result is always a cover.
Wheel find_wheel(const std::vector<uint8_t>& numbers, Guarantee g, const SearchOptions& o);

// The most work units of the default effort (o.effort = 1; wheels of fewer than 1500 subsets
// get less, down to a sixth); the search stops after effort times as many. A unit is roughly a
// nanosecond of one core's time.
inline constexpr uint64_t WheelWorkPerEffort = 5'000'000'000;

} // namespace lotto
