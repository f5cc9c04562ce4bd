#include "wheel/designs.h"

#include <algorithm>
#include <bit>
#include <cassert>

namespace lotto {

namespace {

Block block_of(uint64_t points) {
    Block b{};
    for (uint8_t& p : b) {
        p = static_cast<uint8_t>(std::countr_zero(points));
        points &= points - 1;
    }
    return b;
}

const std::vector<Block> whole_part = {WholePart};

constexpr Block c16_7_4[] = {
    {0, 1, 2, 3, 7, 9, 15},    {0, 1, 2, 4, 5, 12, 15},   {0, 1, 2, 4, 7, 11, 14},
    {0, 1, 2, 5, 6, 7, 13},    {0, 1, 2, 7, 8, 10, 12},   {0, 1, 3, 4, 5, 10, 15},
    {0, 1, 3, 6, 12, 13, 15},  {0, 1, 3, 8, 11, 14, 15},  {0, 1, 4, 6, 8, 9, 13},
    {0, 1, 5, 6, 9, 10, 14},   {0, 1, 5, 7, 8, 9, 12},    {0, 1, 5, 9, 11, 12, 14},
    {0, 1, 6, 10, 11, 13, 14}, {0, 2, 3, 4, 6, 8, 14},    {0, 2, 3, 5, 7, 12, 14},
    {0, 2, 3, 10, 11, 12, 13}, {0, 2, 4, 5, 10, 12, 14},  {0, 2, 4, 9, 13, 14, 15},
    {0, 2, 5, 8, 9, 11, 15},   {0, 2, 6, 7, 11, 12, 14},  {0, 2, 6, 9, 10, 12, 15},
    {0, 2, 7, 8, 10, 13, 14},  {0, 3, 4, 6, 10, 11, 12},  {0, 3, 4, 7, 9, 12, 13},
    {0, 3, 5, 6, 7, 9, 11},    {0, 3, 5, 8, 12, 13, 14},  {0, 3, 6, 7, 8, 10, 11},
    {0, 3, 7, 8, 9, 10, 14},   {0, 4, 5, 6, 7, 8, 10},    {0, 4, 5, 6, 11, 13, 15},
    {0, 4, 5, 9, 10, 11, 13},  {0, 4, 6, 8, 11, 12, 15},  {0, 4, 7, 10, 12, 14, 15},
    {0, 5, 6, 7, 12, 14, 15},  {0, 7, 8, 10, 11, 13, 15}, {1, 2, 3, 4, 5, 9, 12},
    {1, 2, 3, 4, 6, 7, 9},     {1, 2, 3, 6, 8, 9, 10},    {1, 2, 3, 8, 10, 12, 13},
    {1, 2, 3, 9, 11, 13, 14},  {1, 2, 4, 7, 8, 9, 15},    {1, 2, 4, 8, 10, 13, 15},
    {1, 2, 5, 8, 10, 11, 14},  {1, 2, 6, 11, 12, 14, 15}, {1, 3, 4, 5, 6, 11, 14},
    {1, 3, 4, 5, 7, 8, 13},    {1, 3, 7, 10, 11, 12, 14}, {1, 3, 9, 11, 13, 14, 15},
    {1, 4, 6, 7, 10, 12, 15},  {1, 4, 8, 11, 12, 13, 14}, {1, 4, 9, 10, 11, 14, 15},
    {1, 5, 6, 8, 9, 12, 15},   {1, 5, 7, 9, 10, 12, 13},  {1, 5, 7, 11, 13, 14, 15},
    {1, 6, 7, 8, 9, 11, 14},   {2, 3, 4, 7, 11, 13, 15},  {2, 3, 4, 8, 10, 14, 15},
    {2, 3, 5, 6, 8, 11, 13},   {2, 3, 5, 7, 10, 14, 15},  {2, 3, 6, 7, 8, 12, 15},
    {2, 4, 5, 6, 12, 13, 15},  {2, 4, 5, 7, 8, 11, 12},   {2, 4, 6, 7, 9, 10, 11},
    {2, 5, 6, 9, 10, 13, 14},  {2, 5, 7, 9, 10, 11, 15},  {2, 5, 8, 9, 11, 12, 13},
    {2, 7, 8, 9, 12, 13, 14},  {3, 4, 5, 6, 9, 13, 14},   {3, 4, 6, 7, 10, 13, 14},
    {3, 4, 6, 9, 12, 14, 15},  {3, 4, 8, 9, 10, 11, 12},  {3, 5, 6, 10, 11, 12, 15},
    {3, 5, 8, 9, 10, 13, 15},  {4, 5, 7, 8, 9, 14, 15},   {4, 6, 7, 8, 10, 12, 13},
    {5, 6, 8, 9, 10, 12, 14},  {6, 7, 9, 11, 12, 13, 15}, {6, 8, 10, 12, 13, 14, 15},
};

} // namespace

std::vector<Block> covering_13_7_3() {
    constexpr uint8_t base[] = {0, 1, 2, 4, 5, 6, 8};
    std::vector<Block> blocks;
    for (uint32_t shift = 0; shift < 13; ++shift) {
        uint64_t m = 0;
        for (uint8_t p : base) m |= uint64_t{1} << ((p + shift) % 13);
        blocks.push_back(block_of(m));
    }
    return blocks;
}

namespace {

// Calls f(word) for each of the 4096 words of the binary Golay code of length 23.
template <class F> void for_each_golay_word(F&& f) {
    constexpr uint64_t generator = 0b110001110101; // x^11+x^10+x^6+x^5+x^4+x^2+1
    for (uint64_t message = 0; message < (1u << 12); ++message) {
        uint64_t word = 0; // message(x) * generator(x) over GF(2): degree <= 22
        for (int i = 0; i < 12; ++i)
            if (message >> i & 1) word ^= generator << i;
        f(word);
    }
}

} // namespace

std::vector<Block> steiner_4_7_23() {
    std::vector<Block> blocks;
    for_each_golay_word([&](uint64_t word) {
        if (std::popcount(word) == 7) blocks.push_back(block_of(word));
    });
    std::sort(blocks.begin(), blocks.end());
    return blocks;
}

std::vector<uint32_t> steiner_5_8_24() {
    std::vector<uint32_t> octads;
    for_each_golay_word([&](uint64_t word) {
        const int weight = std::popcount(word);
        if (weight == 7) octads.push_back(static_cast<uint32_t>(word | uint64_t{1} << 23));
        if (weight == 8) octads.push_back(static_cast<uint32_t>(word));
    });
    std::sort(octads.begin(), octads.end());
    return octads;
}

std::vector<Block> covering_16_7_4() { return {std::begin(c16_7_4), std::end(c16_7_4)}; }

void lay_part(const std::vector<Block>& design, uint32_t first, uint32_t size, int t,
              uint32_t highest, std::vector<uint64_t>& tickets) {
    for (const Block& b : design) {
        uint64_t m = 0;
        for (uint8_t p : b)
            if (p < size) m |= uint64_t{1} << (first + p - 1);
        if (std::popcount(m) < t) continue;
        for (uint32_t n = 0; n < highest && std::popcount(m) < 7; ++n) m |= uint64_t{1} << n;
        tickets.push_back(m);
    }
}

std::vector<Combination> tickets_of(const std::vector<uint64_t>& masks) {
    std::vector<Combination> tickets;
    for (uint64_t m : masks) tickets.push_back(numbers_of_mask(m));
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

Combination numbers_of_mask(uint64_t mask) {
    Combination c = block_of(mask);
    for (uint8_t& n : c) ++n;
    return c;
}

std::vector<Combination> split_construction(uint32_t highest, int t) {
    std::vector<uint64_t> masks;
    if (t == 2 && highest >= 7 && highest <= 42) {
        for (uint32_t first = 1; first <= highest; first += 7)
            lay_part(whole_part, first, std::min(7u, highest - first + 1), t, highest, masks);
    } else if (t == 3 && highest >= 7 && highest <= 39) {
        const std::vector<Block> design = covering_13_7_3();
        uint32_t first = 1;
        for (uint32_t part = 0; part < 3; ++part) {
            const uint32_t size = (highest + part) / 3; // sizes differ by at most one
            lay_part(size <= 7 ? whole_part : design, first, size, t, highest, masks);
            first += size;
        }
    } else if (t == 4 && highest >= 7 && highest <= 39) {
        const uint32_t small = highest > 23 ? highest - 23 : 0;
        lay_part(covering_16_7_4(), 1, small, t, highest, masks);
        lay_part(steiner_4_7_23(), small + 1, highest - small, t, highest, masks);
    }
    return tickets_of(masks);
}

} // namespace lotto
