// Filters 36 to 45: how many numbers lie in the filter's own range, A1 for 36 up to E2 for 45.
// Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct Range {
    static Mask of(const RunContext& x) { return x.settings->range_masks[K - 36]; }
};

template <int K> constexpr RoutineLink link() {
    constexpr Bound bound = K % 2 == 0 ? Bound::AtLeast : Bound::AtMost;
    return counting_link<CountInSet<K, bound, Range<K>>>(K);
}

constexpr RoutineLink Links[] = {
    link<36>(), link<37>(), link<38>(), link<39>(), link<40>(),
    link<41>(), link<42>(), link<43>(), link<44>(), link<45>(),
};

} // namespace

std::span<const RoutineLink> range_links() { return Links; }

} // namespace lotto
