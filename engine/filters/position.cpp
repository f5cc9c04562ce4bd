// Filters 9 to 18: bounds on the 1st, 2nd, 5th, 6th and 7th number, each pair with a combined
// routine. A rejected number answers the number itself, which is never 0.
#include "engine/chain.h"

namespace lotto {

namespace {

// Index is the position counted from 0; K is the minimum filter of the pair, K + 1 the maximum.
template <int Index, int K> uint32_t at_least(RunContext& x) {
    const uint32_t v = x.c[Index];
    return v < param(x, K) ? v : 0;
}

template <int Index, int K> uint32_t at_most(RunContext& x) {
    const uint32_t v = x.c[Index];
    return v > param(x, K + 1) ? v : 0;
}

template <int Index, int K> uint32_t between(RunContext& x) {
    const uint32_t v = x.c[Index];
    if (v < param(x, K)) return v;
    return v > param(x, K + 1) ? v : 0;
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
