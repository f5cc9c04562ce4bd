// Filters 36 to 45: how many numbers lie in the filter's own range, A1 for 36 up to E2 for 45.
// Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct InRange {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        const uint32_t count = in_set_count<Popcnt>(x, x.settings->range_masks[K - 36]);
        if constexpr (K % 2 == 0)
            return fewer_than(count, param(x, K));
        else
            return more_than(count, param(x, K));
    }
};

template <int K> constexpr RoutineLink link() { return counting_link<InRange<K>>(K, true); }

constexpr RoutineLink Links[] = {
    link<36>(), link<37>(), link<38>(), link<39>(), link<40>(),
    link<41>(), link<42>(), link<43>(), link<44>(), link<45>(),
};

} // namespace

std::span<const RoutineLink> range_links() { return Links; }

} // namespace lotto
