// Filters 62 to 64: how many numbers come from the user's 7-element array (at most, 62) and
// 15-element array (at least, 63; at most, 64).
#include "engine/chain.h"

namespace lotto {

namespace {

struct Array7 {
    static Mask of(const RunContext& x) { return x.settings->array7_mask; }
};

struct Array15 {
    static Mask of(const RunContext& x) { return x.settings->array15_mask; }
};

constexpr RoutineLink Links[] = {
    counting_link<CountInSet<62, Bound::AtMost, Array7>>(62),
    counting_link<CountInSet<63, Bound::AtLeast, Array15>>(63),
    counting_link<CountInSet<64, Bound::AtMost, Array15>>(64),
};

} // namespace

std::span<const RoutineLink> chosen_array_links() { return Links; }

} // namespace lotto
