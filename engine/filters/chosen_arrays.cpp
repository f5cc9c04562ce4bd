// Filters 62 to 64: how many numbers come from the user's 7-element array (at most, 62) and
// 15-element array (at least, 63; at most, 64).
#include "engine/chain.h"

namespace lotto {

namespace {

struct MostFromArray7 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        return more_than(in_set_count<Popcnt>(x, x.settings->array7_mask), param(x, 62));
    }
};

struct LeastFromArray15 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        return fewer_than(in_set_count<Popcnt>(x, x.settings->array15_mask), param(x, 63));
    }
};

struct MostFromArray15 {
    template <bool Popcnt> LOTTO_ALWAYS_INLINE static uint32_t verdict(RunContext& x) {
        return more_than(in_set_count<Popcnt>(x, x.settings->array15_mask), param(x, 64));
    }
};

constexpr RoutineLink Links[] = {
    counting_link<MostFromArray7>(62, true),
    counting_link<LeastFromArray15>(63, true),
    counting_link<MostFromArray15>(64, true),
};

} // namespace

std::span<const RoutineLink> chosen_array_links() { return Links; }

} // namespace lotto
