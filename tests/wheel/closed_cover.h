// The check shared by the searches over orbits: a cover of 1..v that a permutation of the numbers
// maps onto itself.
#pragma once

#include "wheel/guarantee.h"
#include "wheel/wheel_verify.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace lotto::test {

// Expects the blocks (point p on bit p, sorted) to hold the image of each of them under the
// permutation image(p) of the points 0..v-1, and to be a cover by the independent verifier.
template <class Image>
void expect_closed_cover(uint32_t v, Guarantee g, const std::vector<uint64_t>& blocks,
                         Image image) {
    std::vector<uint8_t> numbers;
    for (uint32_t n = 1; n <= v; ++n) numbers.push_back(static_cast<uint8_t>(n));
    std::vector<Combination> tickets;
    for (uint64_t b : blocks) {
        Combination t{};
        int i = 0;
        uint64_t to = 0;
        for (uint64_t rest = b; rest; rest &= rest - 1) {
            const auto p = static_cast<uint32_t>(std::countr_zero(rest));
            t[i++] = static_cast<uint8_t>(p + 1);
            to |= uint64_t{1} << image(p);
        }
        tickets.push_back(t);
        EXPECT_TRUE(std::binary_search(blocks.begin(), blocks.end(), to));
    }
    EXPECT_TRUE(verify_wheel(numbers, g.t, g.m, tickets).holds());
}

} // namespace lotto::test
