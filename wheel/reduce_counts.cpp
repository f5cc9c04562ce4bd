#include "wheel/reduce_counts.h"

#include <bit>
#include <cassert>

namespace lotto::reduce_detail {

namespace {

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

// b[i][j] = C(n[i], j) for the seven numbers n of the mask (0-based), below 2^32 for j <= 6.
struct RankTerms {
    uint32_t b[7][7];
    explicit RankTerms(uint64_t mask) {
        const std::array<uint8_t, 7> n = numbers_of(mask);
        for (int i = 0; i < 7; ++i)
            for (int j = 1; j <= 6; ++j) b[i][j] = static_cast<uint32_t>(binomials.c[n[i]][j]);
    }
};

// Calls f(rank) for the colex rank of every k-subset of the seven numbers; fully unrolled, so
// every position is a constant.
template <int K, class F> inline void each_k_subset(const RankTerms& terms, F&& f) {
#pragma GCC unroll 35
    for (std::size_t s = 0; s < positions<K>.size(); ++s) {
        uint32_t r = 0;
#pragma GCC unroll 6
        for (int i = 0; i < K; ++i) r += terms.b[positions<K>[s][i]][i + 1];
        f(r);
    }
}

} // namespace

SubsetCounts::SubsetCounts(uint32_t highest, int t) : t_(t) {
    assert(t >= 2 && t <= 6 && highest <= 64);
    for (int k = t; k <= 7; ++k)
        weight_[k] = ((k - t) % 2 ? -1 : 1) * static_cast<int64_t>(binomial(k - 1, t - 1));
    if (t <= 2) two_.assign(binomial(highest, 2), 0);
    if (t <= 3) three_.assign(binomial(highest, 3), 0);
    if (t <= 4) four_.assign(binomial(highest, 4), 0);
    if (t <= 5) five_.assign(binomial(highest, 5), 0);
    six_.assign(binomial(highest, 6), 0);
}

template <int T> void SubsetCounts::add_t(uint64_t mask, int delta) {
    const RankTerms terms(mask);
    const auto bump = [delta](auto* counts) {
        return [counts, delta](uint32_t r) {
            counts[r] = static_cast<std::remove_reference_t<decltype(*counts)>>(counts[r] + delta);
        };
    };
    if constexpr (T <= 2) each_k_subset<2>(terms, bump(two_.data()));
    if constexpr (T <= 3) each_k_subset<3>(terms, bump(three_.data()));
    if constexpr (T <= 4) each_k_subset<4>(terms, bump(four_.data()));
    if constexpr (T <= 5) each_k_subset<5>(terms, bump(five_.data()));
    each_k_subset<6>(terms, bump(six_.data()));
}

template <int T> int64_t SubsetCounts::gain_t(uint64_t ticket, bool counted_itself) const {
    const RankTerms terms(ticket);
    const auto sum = [&terms]<int K>(const auto* counts) {
        int64_t s = 0;
        each_k_subset<K>(terms, [&](uint32_t r) { s += counts[r]; });
        return s;
    };
    int64_t total = counted_itself ? weight_[7] : 0;
    if constexpr (T <= 2) total += weight_[2] * sum.template operator()<2>(two_.data());
    if constexpr (T <= 3) total += weight_[3] * sum.template operator()<3>(three_.data());
    if constexpr (T <= 4) total += weight_[4] * sum.template operator()<4>(four_.data());
    if constexpr (T <= 5) total += weight_[5] * sum.template operator()<5>(five_.data());
    return total + weight_[6] * sum.template operator()<6>(six_.data());
}

void SubsetCounts::add(uint64_t mask, int delta) {
    switch (t_) {
    case 2: add_t<2>(mask, delta); break;
    case 3: add_t<3>(mask, delta); break;
    case 4: add_t<4>(mask, delta); break;
    case 5: add_t<5>(mask, delta); break;
    default: add_t<6>(mask, delta); break;
    }
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself) const {
    switch (t_) {
    case 2: return gain_t<2>(ticket, counted_itself);
    case 3: return gain_t<3>(ticket, counted_itself);
    case 4: return gain_t<4>(ticket, counted_itself);
    case 5: return gain_t<5>(ticket, counted_itself);
    default: return gain_t<6>(ticket, counted_itself);
    }
}

} // namespace lotto::reduce_detail
