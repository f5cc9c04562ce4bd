// Counts by combinatorics, written apart from the engine's tables so that tests can check them.
#pragma once

#include <cstdint>

namespace lotto::test {

// C(n, k) by the multiplicative formula (exact while the result times n fits in 64 bits).
constexpr uint64_t choose(uint64_t n, uint64_t k) {
    if (k > n) return 0;
    uint64_t c = 1;
    for (uint64_t i = 0; i < k; ++i) c = c * (n - i) / (i + 1);
    return c;
}

} // namespace lotto::test
