// Filters 32 to 35: the smallest and largest gap between neighbours, repeated gaps and
// repeated last digits.
#include "engine/chain.h"

namespace lotto {

namespace {

uint32_t smallest_difference(const RunContext& x) {
    uint32_t least = x.c[1] - x.c[0];
    for (int i = 2; i < 7; ++i) {
        const uint32_t d = x.c[i] - x.c[i - 1];
        if (d < least) least = d;
    }
    return least;
}

uint32_t largest_difference(const RunContext& x) {
    uint32_t most = x.c[1] - x.c[0];
    for (int i = 2; i < 7; ++i) {
        const uint32_t d = x.c[i] - x.c[i - 1];
        if (d > most) most = d;
    }
    return most;
}

// Last digit + 1 (1..10) of a number 1..39, without division.
uint32_t last_digit_index(uint32_t n) {
    return n + 1 - 10 * (uint32_t{n >= 10} + uint32_t{n >= 20} + uint32_t{n >= 30});
}

uint32_t minimum_difference(RunContext& x) { return smallest_difference(x) < param(x, 32) ? 1 : 0; }
uint32_t maximum_difference(RunContext& x) { return largest_difference(x) > param(x, 33) ? 1 : 0; }

// Repeated differences: 6 minus the number of distinct gap values.
uint32_t maximum_same_differences(RunContext& x) {
    Mask seen = 0;
    for (int i = 1; i < 7; ++i) seen |= NumberBit[x.c[i] - x.c[i - 1]];
    x.differences = seen;
    const uint32_t repeated = 6 - static_cast<uint32_t>(popcount(seen));
    return more_than(repeated, param(x, 34));
}

// Repeated last digits: 7 minus the number of distinct last digits.
uint32_t maximum_same_last_digits(RunContext& x) {
    Mask seen = 0;
    for (uint32_t n : x.c) seen |= NumberBit[last_digit_index(n)];
    x.differences = seen;
    const uint32_t repeated = 7 - static_cast<uint32_t>(popcount(seen));
    return more_than(repeated, param(x, 35));
}

constexpr RoutineLink Links[] = {
    {32, 32, minimum_difference},
    {33, 33, maximum_difference},
    {34, 34, maximum_same_differences},
    {35, 35, maximum_same_last_digits},
};

} // namespace

std::span<const RoutineLink> difference_links() { return Links; }

} // namespace lotto
