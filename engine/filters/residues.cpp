// Filters 46 to 51: how many numbers belong to the array 1,4,7,.. (46, 47), 2,5,8,.. (48, 49)
// or 3,6,9,.. (50, 51). Even filter numbers bound the count from below, odd ones from above.
#include "engine/chain.h"

namespace lotto {

namespace {

template <int K> uint32_t in_array(RunContext& x) {
    const uint32_t count = in_set_count(x, x.settings->step3_masks[(K - 46) / 2]);
    if constexpr (K % 2 == 0)
        return fewer_than(count, param(x, K));
    else
        return more_than(count, param(x, K));
}

constexpr RoutineLink Links[] = {
    {46, 46, in_array<46>, true}, {47, 47, in_array<47>, true}, {48, 48, in_array<48>, true},
    {49, 49, in_array<49>, true}, {50, 50, in_array<50>, true}, {51, 51, in_array<51>, true},
};

} // namespace

std::span<const RoutineLink> residue_links() { return Links; }

} // namespace lotto
