// Filters 46 to 51: how many numbers belong to the array 1,4,7,.. (46, 47), 2,5,8,.. (48, 49)
// or 3,6,9,.. (50, 51). Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> struct Step3Array {
    static Mask of(const RunContext& x) { return x.settings->step3_masks[(K - 46) / 2]; }
};

template <int K> constexpr RoutineLink link() {
    constexpr Bound bound = K % 2 == 0 ? Bound::AtLeast : Bound::AtMost;
    return counting_link<CountInSet<K, bound, Step3Array<K>>>(K);
}

constexpr RoutineLink Links[] = {
    link<46>(), link<47>(), link<48>(), link<49>(), link<50>(), link<51>(),
};

} // namespace

std::span<const RoutineLink> residue_links() { return Links; }

} // namespace lotto
