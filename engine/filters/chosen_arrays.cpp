// Filters 62 to 64: how many numbers come from the user's 7-element array (at most, 62) and
// 15-element array (at least, 63; at most, 64).
#include "engine/chain.h"

namespace lotto {

namespace {

uint32_t most_from_array7(RunContext& x) {
    return more_than(in_set_count(x, x.settings->array7_mask), param(x, 62));
}

uint32_t least_from_array15(RunContext& x) {
    return fewer_than(in_set_count(x, x.settings->array15_mask), param(x, 63));
}

uint32_t most_from_array15(RunContext& x) {
    return more_than(in_set_count(x, x.settings->array15_mask), param(x, 64));
}

constexpr RoutineLink Links[] = {
    {62, 62, most_from_array7, true},
    {63, 63, least_from_array15, true},
    {64, 64, most_from_array15, true},
};

} // namespace

std::span<const RoutineLink> chosen_array_links() { return Links; }

} // namespace lotto
