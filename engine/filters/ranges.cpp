// Filters 36 to 45: how many numbers lie in the filter's own range, A1 for 36 up to E2 for 45.
// Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> uint32_t in_range(RunContext& x) {
    const uint32_t count = in_set_count(x, x.settings->range_masks[K - 36]);
    if constexpr (K % 2 == 0)
        return fewer_than(count, param(x, K));
    else
        return more_than(count, param(x, K));
}

constexpr RoutineLink Links[] = {
    {36, 36, in_range<36>, true}, {37, 37, in_range<37>, true}, {38, 38, in_range<38>, true},
    {39, 39, in_range<39>, true}, {40, 40, in_range<40>, true}, {41, 41, in_range<41>, true},
    {42, 42, in_range<42>, true}, {43, 43, in_range<43>, true}, {44, 44, in_range<44>, true},
    {45, 45, in_range<45>, true},
};

} // namespace

std::span<const RoutineLink> range_links() { return Links; }

} // namespace lotto
