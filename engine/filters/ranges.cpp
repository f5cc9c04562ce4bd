// Filters 36 to 45: how many numbers lie in the filter's own range, A1 for 36 up to E2 for 45.
// Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct InRange {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask range = x.settings->range_masks[K - 36];
        const uint32_t count = in_set_count<Popcnt>(x, range);
        if constexpr (K % 2 == 0)
            return count_at_least(count, range, param(x, K), candidates);
        else
            return count_at_most(count, range, param(x, K), candidates);
    }
};

template <int K> constexpr RoutineLink link() { return counting_link<InRange<K>>(K); }

constexpr RoutineLink Links[] = {
    link<36>(), link<37>(), link<38>(), link<39>(), link<40>(),
    link<41>(), link<42>(), link<43>(), link<44>(), link<45>(),
};

} // namespace

std::span<const RoutineLink> range_links() { return Links; }

} // namespace lotto
