// Filters 1 to 8: the sum of the seven numbers, the even and odd counts, the lucky and unlucky
// numbers, each with a combined routine for its pair.
#include "engine/chain.h"

namespace lotto {

namespace {

uint32_t sum(RunContext& x) { return lane_sum(number_lanes(x)); }

uint32_t odd_count(RunContext& x) { return odd_lanes(number_lanes(x)); }

uint32_t even_count(RunContext& x) { return 7 - odd_count(x); }

// A rejected sum answers the sum itself, which is never 0.
uint32_t minimum_sum(RunContext& x) {
    const uint32_t s = sum(x);
    return s < param(x, 1) ? s : 0;
}

uint32_t maximum_sum(RunContext& x) {
    const uint32_t s = sum(x);
    return s > param(x, 2) ? s : 0;
}

uint32_t sum_range(RunContext& x) {
    const uint32_t s = sum(x);
    if (s < param(x, 1)) return s;
    return s > param(x, 2) ? s : 0;
}

uint32_t minimum_even(RunContext& x) { return fewer_than(even_count(x), param(x, 3)); }
uint32_t maximum_even(RunContext& x) { return more_than(even_count(x), param(x, 4)); }

uint32_t even_range(RunContext& x) {
    const uint32_t e = even_count(x);
    if (const uint32_t v = fewer_than(e, param(x, 3))) return v;
    return more_than(e, param(x, 4));
}

uint32_t minimum_odd(RunContext& x) { return fewer_than(odd_count(x), param(x, 5)); }
uint32_t maximum_odd(RunContext& x) { return more_than(odd_count(x), param(x, 6)); }

uint32_t odd_range(RunContext& x) {
    const uint32_t o = odd_count(x);
    if (const uint32_t v = fewer_than(o, param(x, 5))) return v;
    return more_than(o, param(x, 6));
}

uint32_t lucky(RunContext& x) {
    const uint32_t p = param(x, 7);
    for (uint32_t n : x.c)
        if (n == p) return 0;
    return x.c[6];
}

uint32_t unlucky(RunContext& x) {
    const uint32_t p = param(x, 8);
    for (uint32_t n : x.c)
        if (n == p) return n;
    return 0;
}

// One pass: every position is compared with the unlucky number once, and the lucky number
// is looked for until found.
uint32_t lucky_and_unlucky(RunContext& x) {
    const uint32_t wanted = param(x, 7);
    const uint32_t unwanted = param(x, 8);
    int i = 0;
    for (; i < 7 && x.c[i] != wanted; ++i)
        if (x.c[i] == unwanted) return x.c[i];
    if (i == 7) return x.c[6];
    for (; i < 7; ++i)
        if (x.c[i] == unwanted) return x.c[i];
    return 0;
}

constexpr RoutineLink Links[] = {
    {1, 1, minimum_sum},  {2, 2, maximum_sum}, {1, 2, sum_range},   {3, 3, minimum_even},
    {4, 4, maximum_even}, {3, 4, even_range},  {5, 5, minimum_odd}, {6, 6, maximum_odd},
    {5, 6, odd_range},    {7, 7, lucky},       {8, 8, unlucky},     {7, 8, lucky_and_unlucky},
};

} // namespace

std::span<const RoutineLink> amount_links() { return Links; }

} // namespace lotto
