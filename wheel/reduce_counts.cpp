#include "wheel/reduce_counts.h"

#include <cassert>
#include <type_traits>

namespace lotto::reduce_detail {

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
