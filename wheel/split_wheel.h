// The split construction for any count of numbers: tickets over 1..v meeting every seven of them
// in at least t numbers (2..4).
#pragma once

#include "engine/measure.h" // lotto::Combination
#include "wheel/search_options.h"

#include <cstdint>
#include <vector>

namespace lotto {

// Tickets of 1..v (8..64) meeting every combination of seven of them in at least t numbers
// (2..4): the fixed designs of split_construction where they reach, else the numbers split into
// 6 / (t - 1) parts of nearly equal size, so that any seven put t into one part, each part of more
// than seven numbers covered by a t-if-t wheel searched under o (parts of one size share theirs,
// the sizes' searches share o.threads, and the time limit counts from the call),
// the others by one ticket filled up with the lowest numbers. Sorted; stopped says whether the
// time limit cut a search short.
std::vector<Combination> split_wheel(uint32_t v, int t, const SearchOptions& o, bool& stopped);

} // namespace lotto
