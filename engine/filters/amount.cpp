// Filters 1 to 8: the sum of the seven numbers, the even and odd counts, the lucky and unlucky
// numbers, each with a combined routine for its pair.
#include "engine/chain.h"

namespace lotto {

namespace {

// The candidates c7 that bring the sum to at least p1, or to at most p2.
Mask sum_at_least(const RunContext& x, Mask candidates) {
    const uint32_t prefix = wide_lane_sum(x.lanes), p = param(x, 1);
    return p <= prefix ? candidates : candidates & numbers_from(uint64_t{p} - prefix);
}

Mask sum_at_most(const RunContext& x, Mask candidates) {
    const uint32_t prefix = wide_lane_sum(x.lanes), p = param(x, 2);
    return p < prefix ? 0 : candidates & numbers_up_to(uint64_t{p} - prefix);
}

Mask minimum_sum(RunContext& x, Mask candidates) { return sum_at_least(x, candidates); }
Mask maximum_sum(RunContext& x, Mask candidates) { return sum_at_most(x, candidates); }
Mask sum_range(RunContext& x, Mask candidates) {
    return sum_at_most(x, sum_at_least(x, candidates));
}

// The numbers of a kind: odd ones for the odd counts, even ones for the even counts. A candidate
// adds one to the prefix's count when it is of the kind too.
template <bool Odd> constexpr Mask Kind = Odd ? OddNumbers : EvenNumbers;

template <bool Odd> uint32_t prefix_count(const RunContext& x) {
    const uint32_t odd = odd_lanes(x.lanes);
    return Odd ? odd : 6 - odd;
}

// Filters 3 and 4 bound the even count, 5 and 6 the odd count: K from below, K + 1 from above.
template <int K, bool Odd> Mask at_least_of_kind(RunContext& x, Mask candidates) {
    return count_at_least(prefix_count<Odd>(x), Kind<Odd>, param(x, K), candidates);
}
template <int K, bool Odd> Mask at_most_of_kind(RunContext& x, Mask candidates) {
    return count_at_most(prefix_count<Odd>(x), Kind<Odd>, param(x, K + 1), candidates);
}
template <int K, bool Odd> Mask between_of_kind(RunContext& x, Mask candidates) {
    return at_most_of_kind<K, Odd>(x, at_least_of_kind<K, Odd>(x, candidates));
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
    {1, 1, minimum_sum},
    {2, 2, maximum_sum},
    {1, 2, sum_range},
    {3, 3, at_least_of_kind<3, false>},
    {4, 4, at_most_of_kind<3, false>},
    {3, 4, between_of_kind<3, false>},
    {5, 5, at_least_of_kind<5, true>},
    {6, 6, at_most_of_kind<5, true>},
    {5, 6, between_of_kind<5, true>},
    {7, 7, lucky},
    {8, 8, unlucky},
    {7, 8, lucky_and_unlucky},
};

} // namespace

std::span<const RoutineLink> amount_links() { return Links; }

} // namespace lotto
