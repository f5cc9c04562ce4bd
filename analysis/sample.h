// Tickets drawn from the stored result: n distinct record indices chosen uniformly at random,
// repeatable from a seed on every platform and compiler.
#pragma once

#include <cstdint>
#include <vector>

namespace lotto {

// min(n, count) distinct indices in 0..count-1, ascending, chosen uniformly from seed.
std::vector<uint32_t> sample_indices(uint32_t count, uint32_t n, uint64_t seed);

} // namespace lotto
