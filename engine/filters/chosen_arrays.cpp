// Filters 62 to 64: how many numbers come from the user's 7-element array (at most, 62) and
// 15-element array (at least, 63; at most, 64).
#include "engine/chain.h"

namespace lotto {

namespace {

struct MostFromArray7 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask array = x.settings->array7_mask;
        return count_at_most(in_set_count<Popcnt>(x, array), array, param(x, 62), candidates);
    }
};

struct LeastFromArray15 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask array = x.settings->array15_mask;
        return count_at_least(in_set_count<Popcnt>(x, array), array, param(x, 63), candidates);
    }
};

struct MostFromArray15 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static Mask keep(RunContext& x, Mask candidates) {
        const Mask array = x.settings->array15_mask;
        return count_at_most(in_set_count<Popcnt>(x, array), array, param(x, 64), candidates);
    }
};

constexpr RoutineLink Links[] = {
    counting_link<MostFromArray7>(62),
    counting_link<LeastFromArray15>(63),
    counting_link<MostFromArray15>(64),
};

} // namespace

std::span<const RoutineLink> chosen_array_links() { return Links; }

} // namespace lotto
