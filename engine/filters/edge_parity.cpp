// Filters 52 to 61: whether the first one or two and the last one or two numbers are even or odd.
// The first two lie in the prefix and keep all candidates or none; the last is the candidate.
#include "engine/chain.h"

namespace lotto {

namespace {

bool odd(uint32_t n) { return n & 1; }

Mask first_even(RunContext& x, Mask candidates) { return all_or_none(!odd(x.c[0]), candidates); }
Mask first_odd(RunContext& x, Mask candidates) { return all_or_none(odd(x.c[0]), candidates); }
Mask last_even(RunContext&, Mask candidates) { return candidates & EvenNumbers; }
Mask last_odd(RunContext&, Mask candidates) { return candidates & OddNumbers; }

Mask first_two_even(RunContext& x, Mask candidates) {
    return all_or_none(!odd(x.c[0]) && !odd(x.c[1]), candidates);
}
Mask first_two_odd(RunContext& x, Mask candidates) {
    return all_or_none(odd(x.c[0]) && odd(x.c[1]), candidates);
}
Mask first_two_mixed(RunContext& x, Mask candidates) {
    return all_or_none(odd(x.c[0]) != odd(x.c[1]), candidates);
}
Mask last_two_even(RunContext& x, Mask candidates) {
    return all_or_none(!odd(sixth(x)), candidates & EvenNumbers);
}
Mask last_two_odd(RunContext& x, Mask candidates) {
    return all_or_none(odd(sixth(x)), candidates & OddNumbers);
}
Mask last_two_mixed(RunContext& x, Mask candidates) {
    return candidates & (odd(sixth(x)) ? EvenNumbers : OddNumbers);
}

constexpr RoutineLink Links[] = {
    {52, 52, first_even},      {53, 53, first_odd},      {54, 54, last_even},
    {55, 55, last_odd},        {56, 56, first_two_even}, {57, 57, first_two_odd},
    {58, 58, first_two_mixed}, {59, 59, last_two_even},  {60, 60, last_two_odd},
    {61, 61, last_two_mixed},
};

} // namespace

std::span<const RoutineLink> edge_parity_links() { return Links; }

} // namespace lotto
