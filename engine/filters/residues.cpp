// Filters 46 to 51: how many numbers belong to the array 1,4,7,.. (46, 47), 2,5,8,.. (48, 49)
// or 3,6,9,.. (50, 51). Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct InArray {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask array = x.settings->step3_masks[(K - 46) / 2];
        const uint32_t count = in_set_count<Popcnt>(x, array);
        if constexpr (K % 2 == 0)
            return count_at_least(count, array, param(x, K), candidates);
        else
            return count_at_most(count, array, param(x, K), candidates);
    }
};

template <int K> constexpr RoutineLink link() { return counting_link<InArray<K>>(K); }

constexpr RoutineLink Links[] = {
    link<46>(), link<47>(), link<48>(), link<49>(), link<50>(), link<51>(),
};

} // namespace

std::span<const RoutineLink> residue_links() { return Links; }

} // namespace lotto
