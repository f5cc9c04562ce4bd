// The reduction search's exact gains: for k = t..6, how many uncovered stored combinations hold
// each k-subset, so that the count of uncovered stored combinations sharing at least t numbers
// with a ticket follows by inclusion and exclusion from C(7,t) + ... + C(7,6) look-ups.
#pragma once

#include "wheel/reduce_index.h"

#include <cstdint>
#include <vector>

namespace lotto::reduce_detail {

// A ticket's subset counts summed by size (sums[k] for the k-subsets), looked up in two steps: the
// sizes the bound needs, then the larger ones the gain adds (which may be fetched ahead).
struct TicketSums {
    TicketSums() = default;
    explicit TicketSums(uint64_t ticket) : terms(ticket) {}
    void set(uint64_t ticket) { terms.set(ticket); }
    RankTerms terms;
    int64_t sums[7] = {};
};

class SubsetCounts {
  public:
    // Counts over 1..highest (<= 64) for sharing at least t (2..6) numbers; all zero.
    SubsetCounts(uint32_t highest, int t);

    // Adds delta to the count of every k-subset (t <= k <= 6) of the combination; with sizes,
    // only for the k whose bit (1 << k) is set.
    void add(uint64_t mask, int delta, unsigned sizes = AllSizes);
    static constexpr unsigned AllSizes = 0x7f;

    // How many counted combinations share at least t numbers with the ticket, given whether the
    // ticket itself is a counted combination.
    int64_t gain(uint64_t ticket, bool counted_itself) const;

    // The gain as above, and in rest its share that falls to the counted combinations sharing
    // more than split() numbers with the ticket: a weighted sum of their numbers, which never
    // rises while combinations are only removed.
    int64_t gain(uint64_t ticket, bool counted_itself, uint32_t& rest) const;

    // An upper bound of the gain from the counts of the subsets of at most split() numbers
    // alone, given the ticket's rest and whether it was counted itself at an earlier time since
    // which combinations were only removed. With split() = 6, the gain itself (then counted_itself
    // must be the present one).
    int64_t gain_bound(uint64_t ticket, bool counted_itself, uint32_t rest) const;

    // The same two in steps: gain_bound fills the sums of at most split() numbers, and gain then
    // adds the larger ones; fetch asks for the counts gain adds to be fetched.
    int64_t gain_bound(TicketSums& s, bool counted_itself, uint32_t rest) const;
    void fetch(const TicketSums& s) const;
    int64_t gain(TicketSums& s, bool counted_itself, uint32_t& rest) const;

    // The largest subsets gain_bound looks up: t + 1 for t <= 4 (no 6-subsets), else 6 (when
    // gain_bound costs as much as gain).
    int split() const { return t_ <= 4 ? t_ + 1 : 6; }

  private:
    template <int T> void add_t(uint64_t mask, int delta, unsigned sizes);
    template <int From, int To> void sum(TicketSums& s) const;
    template <int T> int64_t gain_t(TicketSums& s, bool counted_itself, uint32_t* rest) const;
    template <int T> int64_t bound_t(TicketSums& s, bool counted_itself, uint32_t rest) const;
    template <class F> decltype(auto) by_t(F&& f) const;

    int t_;
    // The counts of the k-subsets by colex rank, empty for k < t. At most C(61,4), C(60,3),
    // C(59,2) and 58 combinations of 1..64 hold a 3-, 4-, 5- and 6-subset.
    std::vector<uint32_t> two_, three_;
    std::vector<uint16_t> four_, five_;
    std::vector<uint8_t> six_;
    int64_t weight_[8] = {}; // (-1)^(k-t) C(k-1, t-1)
    // For j > split(): 1 - sum over t <= k <= split() of weight_[k] C(j, k), the weight of a
    // combination sharing j numbers in the gain beyond the sums up to split(); never negative for
    // split() < 6.
    int64_t rest_weight_[8] = {};
};

} // namespace lotto::reduce_detail
