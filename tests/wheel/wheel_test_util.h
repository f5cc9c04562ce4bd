// The wheel tests' shared helpers: the first numbers and a search of little work.
#pragma once

#include "wheel/cover.h"

#include <cstdint>
#include <vector>

namespace lotto::test {

// The v numbers from..from+v-1.
inline std::vector<uint8_t> first_numbers(uint8_t v, uint8_t from = 1) {
    std::vector<uint8_t> numbers;
    for (int i = 0; i < v; ++i) numbers.push_back(static_cast<uint8_t>(from + i));
    return numbers;
}

inline SearchOptions quick(uint64_t seed, uint64_t work = 20'000'000) {
    SearchOptions o;
    o.seed = seed, o.work = work;
    return o;
}

} // namespace lotto::test
