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
    for (int j = split() + 1; j <= 7; ++j) {
        rest_weight_[j] = 1;
        for (int k = t; k <= split(); ++k)
            rest_weight_[j] -= weight_[k] * static_cast<int64_t>(binomial(j, k));
        // The bound stays one however the rest and the ticket itself fall; with split() = 6 it is
        // the gain itself, whose weight of the ticket itself may be negative.
        assert(rest_weight_[j] >= 0 || split() == 6);
    }
}

namespace {

// The sums over the k-subsets (T <= k <= Top) of the ticket of their counts: sums[k].
template <int T, int Top> struct SubsetSums {
    int64_t sums[7] = {};
    template <class Two, class Three, class Four, class Five, class Six>
    SubsetSums(uint64_t ticket, const Two* two, const Three* three, const Four* four,
               const Five* five, const Six* six) {
        const RankTerms terms(ticket);
        const auto add = [&]<int K>(const auto* counts) {
            if constexpr (T <= K && K <= Top)
                each_k_subset<K>(terms, [&](uint32_t r) { sums[K] += counts[r]; });
        };
        add.template operator()<2>(two);
        add.template operator()<3>(three);
        add.template operator()<4>(four);
        add.template operator()<5>(five);
        add.template operator()<6>(six);
    }
};

constexpr int split_of(int t) { return t <= 4 ? t + 1 : 6; }

} // namespace

template <int T> void SubsetCounts::add_t(uint64_t mask, int delta, unsigned sizes) {
    const RankTerms terms(mask);
    const auto bump = [delta](auto* counts) {
        return [counts, delta](uint32_t r) {
            counts[r] = static_cast<std::remove_reference_t<decltype(*counts)>>(counts[r] + delta);
        };
    };
    if constexpr (T <= 2)
        if (sizes >> 2 & 1) each_k_subset<2>(terms, bump(two_.data()));
    if constexpr (T <= 3)
        if (sizes >> 3 & 1) each_k_subset<3>(terms, bump(three_.data()));
    if constexpr (T <= 4)
        if (sizes >> 4 & 1) each_k_subset<4>(terms, bump(four_.data()));
    if constexpr (T <= 5)
        if (sizes >> 5 & 1) each_k_subset<5>(terms, bump(five_.data()));
    if (sizes >> 6 & 1) each_k_subset<6>(terms, bump(six_.data()));
}

template <int T>
int64_t SubsetCounts::gain_t(uint64_t ticket, bool counted_itself, uint32_t* rest) const {
    const SubsetSums<T, 6> n(ticket, two_.data(), three_.data(), four_.data(), five_.data(),
                             six_.data());
    int64_t total = counted_itself ? weight_[7] : 0;
    for (int k = T; k <= 6; ++k) total += weight_[k] * n.sums[k];
    if (rest) {
        // How many share exactly j numbers, from the sums by C(j, k) = 0 for k > j.
        int64_t exactly[8] = {};
        exactly[7] = counted_itself;
        int64_t share = 0;
        for (int j = 6; j > split_of(T); --j) {
            exactly[j] = n.sums[j];
            for (int i = j + 1; i <= 7; ++i)
                exactly[j] -= static_cast<int64_t>(binomial(i, j)) * exactly[i];
            share += rest_weight_[j] * exactly[j];
        }
        *rest = static_cast<uint32_t>(share);
    }
    return total;
}

template <int T>
int64_t SubsetCounts::bound_t(uint64_t ticket, bool counted_itself, uint32_t rest) const {
    constexpr int Split = split_of(T);
    const SubsetSums<T, Split> n(ticket, two_.data(), three_.data(), four_.data(), five_.data(),
                                 six_.data());
    int64_t total = (counted_itself ? rest_weight_[7] : 0) + rest;
    for (int k = T; k <= Split; ++k) total += weight_[k] * n.sums[k];
    return total;
}

void SubsetCounts::add(uint64_t mask, int delta, unsigned sizes) {
    switch (t_) {
    case 2: add_t<2>(mask, delta, sizes); break;
    case 3: add_t<3>(mask, delta, sizes); break;
    case 4: add_t<4>(mask, delta, sizes); break;
    case 5: add_t<5>(mask, delta, sizes); break;
    default: add_t<6>(mask, delta, sizes); break;
    }
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself) const {
    switch (t_) {
    case 2: return gain_t<2>(ticket, counted_itself, nullptr);
    case 3: return gain_t<3>(ticket, counted_itself, nullptr);
    case 4: return gain_t<4>(ticket, counted_itself, nullptr);
    case 5: return gain_t<5>(ticket, counted_itself, nullptr);
    default: return gain_t<6>(ticket, counted_itself, nullptr);
    }
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself, uint32_t& rest) const {
    switch (t_) {
    case 2: return gain_t<2>(ticket, counted_itself, &rest);
    case 3: return gain_t<3>(ticket, counted_itself, &rest);
    case 4: return gain_t<4>(ticket, counted_itself, &rest);
    case 5: return gain_t<5>(ticket, counted_itself, &rest);
    default: return gain_t<6>(ticket, counted_itself, &rest);
    }
}

int64_t SubsetCounts::gain_bound(uint64_t ticket, bool counted_itself, uint32_t rest) const {
    switch (t_) {
    case 2: return bound_t<2>(ticket, counted_itself, rest);
    case 3: return bound_t<3>(ticket, counted_itself, rest);
    case 4: return bound_t<4>(ticket, counted_itself, rest);
    case 5: return bound_t<5>(ticket, counted_itself, rest);
    default: return bound_t<6>(ticket, counted_itself, rest);
    }
}

} // namespace lotto::reduce_detail
