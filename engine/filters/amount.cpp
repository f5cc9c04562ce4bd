// Filters 1 to 8: the sum of the seven numbers, the even and odd counts, the lucky and unlucky
// numbers, each with a combined routine for its pair.
#include "engine/chain.h"

namespace lotto {

namespace {

// The candidates c7 that bring the sum to at least p1, or to at most p2.
Mask sum_at_least(const RunContext& x, Mask candidates) {
    const uint32_t prefix = lane_sum(x.lanes), p = param(x, 1);
    return p <= prefix ? candidates : candidates & numbers_from(uint64_t{p} - prefix);
}

Mask sum_at_most(const RunContext& x, Mask candidates) {
    const uint32_t prefix = lane_sum(x.lanes), p = param(x, 2);
    return p < prefix ? 0 : candidates & numbers_up_to(uint64_t{p} - prefix);
}

Mask minimum_sum(RunContext& x, Mask candidates) { return sum_at_least(x, candidates); }
Mask maximum_sum(RunContext& x, Mask candidates) { return sum_at_most(x, candidates); }
Mask sum_range(RunContext& x, Mask candidates) {
    return sum_at_most(x, sum_at_least(x, candidates));
}

// A candidate adds one to the odd count when it is odd, to the even count when it is even.
uint32_t prefix_odd(const RunContext& x) { return odd_lanes(x.lanes); }
uint32_t prefix_even(const RunContext& x) { return 6 - prefix_odd(x); }

Mask minimum_even(RunContext& x, Mask candidates) {
    return count_at_least(prefix_even(x), EvenNumbers, param(x, 3), candidates);
}
Mask maximum_even(RunContext& x, Mask candidates) {
    return count_at_most(prefix_even(x), EvenNumbers, param(x, 4), candidates);
}
Mask even_range(RunContext& x, Mask candidates) {
    const uint32_t even = prefix_even(x);
    const Mask kept = count_at_least(even, EvenNumbers, param(x, 3), candidates);
    return count_at_most(even, EvenNumbers, param(x, 4), kept);
}

Mask minimum_odd(RunContext& x, Mask candidates) {
    return count_at_least(prefix_odd(x), OddNumbers, param(x, 5), candidates);
}
Mask maximum_odd(RunContext& x, Mask candidates) {
    return count_at_most(prefix_odd(x), OddNumbers, param(x, 6), candidates);
}
Mask odd_range(RunContext& x, Mask candidates) {
    const uint32_t odd = prefix_odd(x);
    const Mask kept = count_at_least(odd, OddNumbers, param(x, 5), candidates);
    return count_at_most(odd, OddNumbers, param(x, 6), kept);
}

// The lucky number is in the prefix, or it must be c7; the unlucky one must be in neither.
// Number 0, or one above 64, is never present.
Mask lucky_kept(const RunContext& x, Mask candidates) {
    const Mask wanted = number_bit(param(x, 7));
    return x.mask[0] & wanted ? candidates : candidates & wanted;
}

Mask unlucky_kept(const RunContext& x, Mask candidates) {
    const Mask unwanted = number_bit(param(x, 8));
    return x.mask[0] & unwanted ? 0 : candidates & ~unwanted;
}

Mask lucky(RunContext& x, Mask candidates) { return lucky_kept(x, candidates); }
Mask unlucky(RunContext& x, Mask candidates) { return unlucky_kept(x, candidates); }
Mask lucky_and_unlucky(RunContext& x, Mask candidates) {
    return unlucky_kept(x, lucky_kept(x, candidates));
}

constexpr RoutineLink Links[] = {
    {1, 1, minimum_sum},  {2, 2, maximum_sum}, {1, 2, sum_range},   {3, 3, minimum_even},
    {4, 4, maximum_even}, {3, 4, even_range},  {5, 5, minimum_odd}, {6, 6, maximum_odd},
    {5, 6, odd_range},    {7, 7, lucky},       {8, 8, unlucky},     {7, 8, lucky_and_unlucky},
};

} // namespace

std::span<const RoutineLink> amount_links() { return Links; }

} // namespace lotto
