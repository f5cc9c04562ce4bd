// The colex ranks of the t-subsets of seven numbers, by which the reduction search counts and
// looks up subsets.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
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

// The t-subset ranks (2 <= t <= 6) of combinations read in turn, split into those of the first six
// numbers and those holding the seventh: the first share their work with the combination before
// where its first six numbers are the same (as they mostly are in a store in order).
class RunningRanks {
  public:
    explicit RunningRanks(int t) : t_(t) {}

    // Moves to the 7-number mask; returns whether its first six numbers differ from those of the
    // mask before (so that prefix() changed).
    bool next(uint64_t mask) {
        const int top = 63 - std::countl_zero(mask);
        const uint64_t six = mask & ~(uint64_t{1} << top);
        const bool moved = six != six_; // never so for the first, six_ holding no number
        if (moved) {
            six_ = six;
            const RankTerms terms(mask);
            switch (t_) {
            case 2: set_prefix<2>(terms); break;
            case 3: set_prefix<3>(terms); break;
            case 4: set_prefix<4>(terms); break;
            case 5: set_prefix<5>(terms); break;
            default: set_prefix<6>(terms); break;
            }
        }
        const uint32_t with = binomials32.c[top][t_];
        for (std::size_t j = 0; j < n_last_; ++j) last_[j] = partial_[j] + with;
        return moved;
    }
    std::span<const uint32_t> prefix() const { return {prefix_, n_prefix_}; }
    std::span<const uint32_t> last() const { return {last_, n_last_}; }

  private:
    // The ranks of the T-subsets of the first six numbers and the partial ranks of their
    // (T-1)-subsets, to which the seventh number's term is added: the subsets of seven in
    // positions<K> order those within the first six first.
    template <int T> void set_prefix(const RankTerms& terms) {
        const auto ranks = [&]<int K>(uint32_t* out) {
            constexpr std::size_t n = binomials.c[6][K];
            for (std::size_t s = 0; s < n; ++s) {
                uint32_t r = 0;
                for (int i = 0; i < K; ++i) r += terms.b[positions<K>[s][i]][i + 1];
                out[s] = r;
            }
            return n;
        };
        n_prefix_ = ranks.template operator()<T>(prefix_);
        n_last_ = ranks.template operator()<T - 1>(partial_);
    }

    int t_;
    uint64_t six_ = 0;
    std::size_t n_prefix_ = 0, n_last_ = 0;
    uint32_t prefix_[20], partial_[20], last_[20];
};

// The colex ranks of the C(7, k) k-subsets (1 <= k <= 7) of a 7-number mask, written to out;
// returns how many.
int subset_ranks(uint64_t mask, int k, uint64_t* out);

} // namespace lotto::reduce_detail
