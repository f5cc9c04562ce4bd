// Filters 46 to 51: how many numbers belong to the array 1,4,7,.. (46, 47), 2,5,8,.. (48, 49)
// or 3,6,9,.. (50, 51). Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct InArray {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        const uint32_t count = in_set_count<Popcnt>(x, x.settings->step3_masks[(K - 46) / 2]);
        if constexpr (K % 2 == 0)
            return fewer_than(count, param(x, K));
        else
            return more_than(count, param(x, K));
    }
};

template <int K> constexpr RoutineLink link() { return counting_link<InArray<K>>(K, true); }

constexpr RoutineLink Links[] = {
    link<46>(), link<47>(), link<48>(), link<49>(), link<50>(), link<51>(),
};

} // namespace

std::span<const RoutineLink> residue_links() { return Links; }

} // namespace lotto
