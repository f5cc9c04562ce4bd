// Filters 9 to 18: bounds on the 1st, 2nd, 5th, 6th and 7th number, each pair with a combined
// routine. The first four positions lie in the prefix and keep all candidates or none; the 7th
// number is the candidate itself.
#include "engine/chain.h"

namespace lotto {

namespace {

// Index is the position counted from 0; K is the minimum filter of the pair, K + 1 the maximum.
template <int Index, int K> Mask at_least(RunContext& x, Mask candidates) {
    if constexpr (Index == 6)
        return candidates & numbers_from(param(x, K));
    else
        return all_or_none(x.c[Index] >= param(x, K), candidates);
}

template <int Index, int K> Mask at_most(RunContext& x, Mask candidates) {
    if constexpr (Index == 6)
        return candidates & numbers_up_to(param(x, K + 1));
    else
        return all_or_none(x.c[Index] <= param(x, K + 1), candidates);
}

template <int Index, int K> Mask between(RunContext& x, Mask candidates) {
    if constexpr (Index == 6)
        return candidates & numbers_from(param(x, K)) & numbers_up_to(param(x, K + 1));
    else {
        const uint32_t v = x.c[Index];
        return all_or_none(v >= param(x, K) && v <= param(x, K + 1), candidates);
    }
}

constexpr RoutineLink Links[] = {
    {9, 9, at_least<0, 9>},    {10, 10, at_most<0, 9>},  {9, 10, between<0, 9>},
    {11, 11, at_least<1, 11>}, {12, 12, at_most<1, 11>}, {11, 12, between<1, 11>},
    {13, 13, at_least<4, 13>}, {14, 14, at_most<4, 13>}, {13, 14, between<4, 13>},
    {15, 15, at_least<5, 15>}, {16, 16, at_most<5, 15>}, {15, 16, between<5, 15>},
    {17, 17, at_least<6, 17>}, {18, 18, at_most<6, 17>}, {17, 18, between<6, 17>},
};

} // namespace

std::span<const RoutineLink> position_links() { return Links; }

} // namespace lotto
