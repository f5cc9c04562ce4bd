// Filters 52 to 61: whether the first one or two and the last one or two numbers are even or odd.
#include "engine/chain.h"

namespace lotto {

namespace {

uint32_t odd(uint32_t n) { return n & 1; }

// The verdict is the parity itself, or the number of odd ones of two set off from the wanted one.
uint32_t first_even(RunContext& x) { return odd(x.c[0]); }
uint32_t first_odd(RunContext& x) { return odd(x.c[0]) ^ 1; }
uint32_t last_even(RunContext& x) { return odd(x.c[6]); }
uint32_t last_odd(RunContext& x) { return odd(x.c[6]) ^ 1; }
uint32_t first_two_even(RunContext& x) { return odd(x.c[0]) + odd(x.c[1]); }
uint32_t first_two_odd(RunContext& x) { return 2 - (odd(x.c[0]) + odd(x.c[1])); }
uint32_t first_two_mixed(RunContext& x) { return (odd(x.c[0]) + odd(x.c[1])) ^ 1; }
uint32_t last_two_even(RunContext& x) { return odd(x.c[5]) + odd(x.c[6]); }
uint32_t last_two_odd(RunContext& x) { return 2 - (odd(x.c[5]) + odd(x.c[6])); }
uint32_t last_two_mixed(RunContext& x) { return (odd(x.c[5]) + odd(x.c[6])) ^ 1; }

constexpr RoutineLink Links[] = {
    {52, 52, first_even},      {53, 53, first_odd},      {54, 54, last_even},
    {55, 55, last_odd},        {56, 56, first_two_even}, {57, 57, first_two_odd},
    {58, 58, first_two_mixed}, {59, 59, last_two_even},  {60, 60, last_two_odd},
    {61, 61, last_two_mixed},
};

} // namespace

std::span<const RoutineLink> edge_parity_links() { return Links; }

} // namespace lotto
