// What the engine suite shares: the one result store and settings with chosen filters on.
#pragma once

#include "engine/lotto739.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace lotto {

// The suite's store of StoreBytes bytes, allocated on first use.
inline uint8_t* shared_store() {
    static const ResultStore store = allocate_store();
    return store.get();
}

struct FilterValue {
    int filter = 0;
    uint32_t value = 0;
};
using Prepare = std::function<void(Settings&)>;

// Start-up settings, then prepare, then the given filters on with their parameters.
inline Settings settings_with(const std::vector<FilterValue>& on = {},
                              const Prepare& prepare = {}) {
    Settings s;
    init_defaults(s);
    if (prepare) prepare(s);
    for (const auto [k, value] : on) turn_filter_on(s, k), set_parameter(s, k, value);
    return s;
}

// Ranges A1 and A2 both start..end.
inline Prepare ranges_a(int32_t start, int32_t end) {
    return [=](Settings& s) { set_range(s, 1, start, end), set_range(s, 2, start, end); };
}

// The chosen arrays of the worked example: 5, 12, 19, 26, 33 and 1..15.
inline void example_arrays(Settings& s) {
    for (int i = 1; i <= 5; ++i) set_array7_entry(s, i, 7 * i - 2);
    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
}

} // namespace lotto
