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

constexpr int split_of(int t) { return t <= 4 ? t + 1 : 6; }

} // namespace

// Sets s.sums[k] (From <= k <= To) to the sum of the counts of the ticket's k-subsets.
template <int From, int To> void SubsetCounts::sum(TicketSums& s) const {
    const auto add = [&]<int K>(const auto& counts) {
        if constexpr (From <= K && K <= To) {
            const auto* at = counts.data();
            int64_t total = 0;
            each_k_subset<K>(s.terms, [&](uint32_t r) { total += at[r]; });
            s.sums[K] = total;
        }
    };
    add.template operator()<2>(two_);
    add.template operator()<3>(three_);
    add.template operator()<4>(four_);
    add.template operator()<5>(five_);
    add.template operator()<6>(six_);
}

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
int64_t SubsetCounts::gain_t(TicketSums& s, bool counted_itself, uint32_t* rest) const {
    sum<split_of(T) + 1, 6>(s);
    const int64_t* sums = s.sums;
    int64_t total = counted_itself ? weight_[7] : 0;
    for (int k = T; k <= 6; ++k) total += weight_[k] * sums[k];
    if (rest) {
        // How many share exactly j numbers, from the sums by C(j, k) = 0 for k > j.
        int64_t exactly[8] = {};
        exactly[7] = counted_itself;
        int64_t share = 0;
        for (int j = 6; j > split_of(T); --j) {
            exactly[j] = sums[j];
            for (int i = j + 1; i <= 7; ++i)
                exactly[j] -= static_cast<int64_t>(binomial(i, j)) * exactly[i];
            share += rest_weight_[j] * exactly[j];
        }
        *rest = static_cast<uint32_t>(share);
    }
    return total;
}

template <int T>
int64_t SubsetCounts::bound_t(TicketSums& s, bool counted_itself, uint32_t rest) const {
    constexpr int Split = split_of(T);
    sum<T, Split>(s);
    int64_t total = (counted_itself ? rest_weight_[7] : 0) + rest;
    for (int k = T; k <= Split; ++k) total += weight_[k] * s.sums[k];
    return total;
}

// f(std::integral_constant<int, t>{}).
template <class F> decltype(auto) SubsetCounts::by_t(F&& f) const {
    switch (t_) {
    case 2: return f(std::integral_constant<int, 2>{});
    case 3: return f(std::integral_constant<int, 3>{});
    case 4: return f(std::integral_constant<int, 4>{});
    case 5: return f(std::integral_constant<int, 5>{});
    default: return f(std::integral_constant<int, 6>{});
    }
}

void SubsetCounts::add(uint64_t mask, int delta, unsigned sizes) {
    by_t([&](auto t) { add_t<t>(mask, delta, sizes); });
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself) const {
    uint32_t rest = 0;
    return gain(ticket, counted_itself, rest);
}

int64_t SubsetCounts::gain(uint64_t ticket, bool counted_itself, uint32_t& rest) const {
    TicketSums s(ticket);
    gain_bound(s, counted_itself, 0);
    return gain(s, counted_itself, rest);
}

int64_t SubsetCounts::gain_bound(uint64_t ticket, bool counted_itself, uint32_t rest) const {
    TicketSums s(ticket);
    return gain_bound(s, counted_itself, rest);
}

int64_t SubsetCounts::gain_bound(TicketSums& s, bool counted_itself, uint32_t rest) const {
    return by_t([&](auto t) { return bound_t<t>(s, counted_itself, rest); });
}

void SubsetCounts::fetch(const TicketSums& s) const {
    const auto ask = [&](const auto& counts) {
        return [&](uint32_t r) { __builtin_prefetch(&counts[r]); };
    };
    if (t_ <= 4) each_k_subset<6>(s.terms, ask(six_));
    if (t_ <= 3) each_k_subset<5>(s.terms, ask(five_));
    if (t_ <= 2) each_k_subset<4>(s.terms, ask(four_));
}

int64_t SubsetCounts::gain(TicketSums& s, bool counted_itself, uint32_t& rest) const {
    return by_t([&](auto t) { return gain_t<t>(s, counted_itself, &rest); });
}

} // namespace lotto::reduce_detail
