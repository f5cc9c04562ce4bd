// The search's view of the chosen numbers: points 0..v-1 as bits of a mask, the m-subsets numbered
// 0..C(v,m)-1 by colex rank, and the enumeration of the k-subsets of a set of points.
#pragma once

#include "analysis/splitmix64.h"

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <limits>
#include <vector>

namespace lotto {

class SubsetIndex {
  public:
    // The m-subsets of v points (m <= 7 <= v <= 64, C(v,m) < 2^32).
    SubsetIndex(uint32_t v, uint32_t m) : v_(v), m_(m) {
        for (uint32_t n = 0; n <= 64; ++n)
            for (uint32_t k = 0; k <= 8; ++k)
                binom_[n][k] = k == 0 ? 1 : n == 0 ? 0 : binom_[n - 1][k - 1] + binom_[n - 1][k];
        assert(binom_[v][m] < (uint64_t{1} << 32));
    }

    uint32_t size() const { return static_cast<uint32_t>(binom_[v_][m_]); }

    // The colex rank of an m-subset: the sum of C(point, position) over its points, ascending,
    // positions counted from 1.
    uint32_t rank(uint64_t mask) const {
        uint64_t r = 0;
        for (uint32_t j = 1; mask; ++j, mask &= mask - 1) r += binom_[std::countr_zero(mask)][j];
        return static_cast<uint32_t>(r);
    }

    // The m-subset of rank r.
    uint64_t unrank(uint32_t r) const {
        uint64_t mask = 0, left = r;
        uint32_t e = v_;
        for (uint32_t j = m_; j >= 1; --j) {
            do --e;
            while (binom_[e][j] > left);
            left -= binom_[e][j];
            mask |= uint64_t{1} << e;
        }
        return mask;
    }

  private:
    uint32_t v_, m_;
    uint64_t binom_[65][9]{};
};

// The number of set bits, in plain arithmetic (std::popcount is a library call on a baseline
// x86-64 build).
inline int bit_count(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

// The i-th (from 0) set bit of mask, as a one-bit mask.
inline uint64_t nth_bit(uint64_t mask, uint32_t i) {
    for (; i > 0; --i) mask &= mask - 1;
    return mask & (~mask + 1);
}

// A point of mask chosen uniformly (mask not empty).
inline uint64_t random_bit(SplitMix64& rng, uint64_t mask) {
    return nth_bit(mask, rng.below(static_cast<uint32_t>(bit_count(mask))));
}

// The probability 2^-32 * p1 raised to the power d, in units of 2^-32.
inline uint64_t power(uint64_t p1, uint64_t d) {
    uint64_t p = uint64_t{1} << 32;
    for (; d > 0 && p > 0; --d) p = (p * p1) >> 32;
    return p;
}

// Calls f(mask) for every k-subset of the points of set, in a fixed order.
template <class F> void for_each_subset(uint64_t set, int k, F&& f) {
    std::array<uint8_t, 64> p{};
    int n = 0;
    for (uint64_t s = set; s; s &= s - 1) p[n++] = static_cast<uint8_t>(std::countr_zero(s));
    if (k > n) return;
    std::array<int, 8> idx{};
    for (int i = 0; i < k; ++i) idx[i] = i;
    for (;;) {
        uint64_t mask = 0;
        for (int i = 0; i < k; ++i) mask |= uint64_t{1} << p[idx[i]];
        f(mask);
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i) --i;
        if (i < 0) return;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
}

// The k-th candidate block (7 points of all) around the subset s: odd candidates keep only t or
// more of s's points, dropping each further one with even odds; the rest is filled at random.
inline uint64_t block_around(SplitMix64& rng, uint64_t s, uint64_t all, int t, int k) {
    uint64_t block = s;
    if (k % 2 == 1)
        while (bit_count(block) > t && rng.below(2) == 0) block ^= random_bit(rng, block);
    while (bit_count(block) < 7) block |= random_bit(rng, all & ~block);
    return block;
}

// A set of the numbers 0..n-1 kept as a list in no particular order: a number joins or leaves it,
// and one is drawn by its place, in constant time.
class ListedSet {
  public:
    // Every number of 0..n-1 listed, in ascending order.
    void fill(uint32_t n) {
        where_.resize(n);
        list_.resize(n);
        for (uint32_t r = 0; r < n; ++r) where_[r] = list_[r] = r;
    }
    void add(uint32_t r) {
        where_[r] = size();
        list_.push_back(r);
    }
    void remove(uint32_t r) {
        const uint32_t last = list_.back();
        list_[where_[r]] = last;
        where_[last] = where_[r];
        list_.pop_back();
    }
    bool empty() const { return list_.empty(); }
    uint32_t size() const { return static_cast<uint32_t>(list_.size()); }
    uint32_t back() const { return list_.back(); }
    uint32_t operator[](uint32_t place) const { return list_[place]; }

  private:
    std::vector<uint32_t> where_, list_;
};

// Removes from blocks the block that alone covers the fewest subsets (those whose count is 1),
// looked for from a random block on so that ties fall anywhere, and counts its subsets off,
// listing those left uncovered; covered(block, f) calls f(subset) for every subset it covers.
template <class Covered>
void drop_weakest_block(std::vector<uint64_t>& blocks, std::vector<uint32_t>& count,
                        ListedSet& uncovered, SplitMix64& rng, Covered&& covered) {
    std::size_t weakest = 0;
    uint64_t fewest = std::numeric_limits<uint64_t>::max();
    const std::size_t offset = rng.below(static_cast<uint32_t>(blocks.size()));
    for (std::size_t j = 0; j < blocks.size(); ++j) {
        const std::size_t b = (j + offset) % blocks.size();
        uint64_t alone = 0;
        covered(blocks[b], [&](uint32_t r) { alone += count[r] == 1; });
        if (alone < fewest) fewest = alone, weakest = b;
    }
    covered(blocks[weakest], [&](uint32_t r) {
        if (--count[r] == 0) uncovered.add(r);
    });
    blocks[weakest] = blocks.back();
    blocks.pop_back();
}

} // namespace lotto
