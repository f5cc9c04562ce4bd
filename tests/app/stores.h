// Result stores for the shell tests: a few hand-written records, or a real run of the engine.
#pragma once

#include "engine/run.h"
#include "engine/settings.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace lotto::test {

using Combination = std::array<uint8_t, 7>;

inline std::vector<uint8_t> store_of(std::initializer_list<Combination> records) {
    std::vector<uint8_t> bytes;
    for (const Combination& c : records) bytes.insert(bytes.end(), c.begin(), c.end());
    return bytes;
}

// The store and count of one count run.
struct RunResult {
    ResultStore store;
    uint32_t count = 0;
};

inline RunResult run_settings(const Settings& s) {
    RunResult r{allocate_store(), 0};
    if (r.store) r.count = run(s, HighestNumber, r.store.get());
    return r;
}

inline RunResult run_with(std::initializer_list<int> filters) {
    Settings s;
    init_defaults(s);
    for (int k : filters) turn_filter_on(s, k);
    return run_settings(s);
}

// Filter 1 alone with a minimum sum of 248: the twelve combinations with the largest sums.
inline RunResult run_storing_twelve() {
    Settings s;
    init_defaults(s);
    turn_filter_on(s, 1);
    set_parameter(s, 1, 248);
    return run_settings(s);
}

} // namespace lotto::test
