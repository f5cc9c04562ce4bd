// The colex ranks of the t-subsets of seven numbers, by which the reduction search counts and
// looks up subsets.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lotto::reduce_detail {

struct Binomials {
    uint64_t c[65][8] = {};
    constexpr Binomials() {
        for (uint32_t n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (uint32_t k = 1; k <= 7 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
inline constexpr Binomials binomials{};

// C(n, k) for n <= 64 and k <= 7; 0 beyond.
inline uint64_t binomial(uint32_t n, uint32_t k) {
    return n <= 64 && k <= 7 ? binomials.c[n][k] : 0;
}

// The seven numbers of a 7-number mask (bit n-1 = number n), as 0-based ascending values.
inline std::array<uint8_t, 7> numbers_of(uint64_t mask) {
    std::array<uint8_t, 7> out{};
    for (uint8_t& n : out) {
        n = static_cast<uint8_t>(std::countr_zero(mask));
        mask &= mask - 1;
    }
    return out;
}

// The positions (0..6, ascending) of each k-subset of seven, in a fixed order.
template <int K> constexpr auto make_positions() {
    std::array<std::array<uint8_t, K>, binomials.c[7][K]> out{};
    std::size_t w = 0;
    for (unsigned pick = 0; pick < 128; ++pick)
        if (std::popcount(pick) == K) {
            int j = 0;
            for (int i = 0; i < 7; ++i)
                if (pick >> i & 1) out[w][j++] = static_cast<uint8_t>(i);
            ++w;
        }
    return out;
}
template <int K> inline constexpr auto positions = make_positions<K>();

// C(n, k) for n <= 64 and k <= 7 in 32 bits (all that rank subsets fit).
struct Binomials32 {
    uint32_t c[65][8] = {};
    constexpr Binomials32() {
        for (uint32_t n = 0; n <= 64; ++n)
            for (uint32_t k = 0; k <= 7; ++k) c[n][k] = static_cast<uint32_t>(binomials.c[n][k]);
    }
};
inline constexpr Binomials32 binomials32{};

// b[i][j] = C(n[i], j) for the seven numbers n of the mask (0-based); only j <= i + 1 is read (the
// i-th number is at most the (i+1)-th of a subset), but whole rows are copied, a fixed 32 bytes.
struct RankTerms {
    uint32_t b[7][8];
    RankTerms() = default;
    explicit RankTerms(uint64_t mask) { set(mask); }
    void set(uint64_t mask) {
        for (int i = 0; i < 7; ++i) {
            const uint32_t n = static_cast<uint32_t>(std::countr_zero(mask));
            mask &= mask - 1;
            std::memcpy(b[i], binomials32.c[n], sizeof b[i]);
        }
    }
};

// Calls f(rank) for the colex rank of every k-subset of the seven numbers; fully unrolled, so
// every position is a constant.
template <int K, class F> inline void each_k_subset(const RankTerms& terms, F&& f) {
#pragma GCC unroll 35
    for (std::size_t s = 0; s < positions<K>.size(); ++s) {
        uint32_t r = 0;
#pragma GCC unroll 7
        for (int i = 0; i < K; ++i) r += terms.b[positions<K>[s][i]][i + 1];
        f(r);
    }
}

// The colex ranks of the C(7, k) k-subsets (1 <= k <= 7) of a 7-number mask, written to out;
// returns how many.
int subset_ranks(uint64_t mask, int k, uint64_t* out);

} // namespace lotto::reduce_detail
