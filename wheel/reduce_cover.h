// The reduction search's bookkeeping: which stored combinations a ticket covers (shares at least
// t numbers with), through the posting lists of its t-subsets.
#pragma once

#include "wheel/reduce_index.h"

#include <cstdint>
#include <vector>

namespace lotto::reduce_detail {

class Coverage {
  public:
    Coverage(const std::vector<uint64_t>& masks, const SubsetIndex& index, int t)
        : index_(index), t_(t), covered_((masks.size() + 63) / 64, 0), stamp_(masks.size(), 0),
          uncovered_(static_cast<uint32_t>(masks.size())) {}

    // Calls f(d) once for each stored combination d the ticket covers that is still uncovered.
    template <class F> void for_uncovered(uint64_t ticket, F&& f) {
        uint64_t ranks[35];
        const int n = subset_ranks(ticket, t_, ranks);
        const uint32_t e = next_epoch();
        for (int j = 0; j < n; ++j) {
            const int64_t l = index_.list(ranks[j]);
            if (l < 0) continue;
            for (const uint32_t *p = index_.begin(l), *end = index_.end(l); p != end; ++p)
                if (!covered(*p) && stamp_[*p] != e) {
                    stamp_[*p] = e;
                    f(*p);
                }
        }
    }

    // Marks covered every stored combination the ticket covers; returns those newly covered.
    const std::vector<uint32_t>& take(uint64_t ticket) {
        std::vector<uint32_t>& hit = scratch_;
        hit.clear();
        for_uncovered(ticket, [&](uint32_t d) { hit.push_back(d); });
        for (uint32_t d : hit) covered_[d / 64] |= uint64_t{1} << (d % 64);
        uncovered_ -= static_cast<uint32_t>(hit.size());
        return hit;
    }

    bool covered(uint32_t d) const { return (covered_[d / 64] >> (d % 64) & 1) != 0; }
    uint32_t uncovered() const { return uncovered_; }

  private:
    uint32_t next_epoch() {
        if (++epoch_ == 0) {
            std::fill(stamp_.begin(), stamp_.end(), 0);
            epoch_ = 1;
        }
        return epoch_;
    }

    const SubsetIndex& index_;
    int t_;
    std::vector<uint64_t> covered_; // a bit per stored combination, set once covered
    std::vector<uint32_t> stamp_;
    uint32_t epoch_ = 0;
    uint32_t uncovered_;
    std::vector<uint32_t> scratch_;
};

// Calls f(d) once for each stored combination d the ticket covers.
template <class F>
void for_covered(const SubsetIndex& index, int t, uint64_t ticket, std::vector<uint32_t>& stamp,
                 uint32_t& epoch, F&& f) {
    if (++epoch == 0) {
        std::fill(stamp.begin(), stamp.end(), 0);
        epoch = 1;
    }
    uint64_t ranks[35];
    const int n = subset_ranks(ticket, t, ranks);
    for (int j = 0; j < n; ++j) {
        const int64_t l = index.list(ranks[j]);
        if (l < 0) continue;
        for (const uint32_t *p = index.begin(l), *end = index.end(l); p != end; ++p)
            if (stamp[*p] != epoch) {
                stamp[*p] = epoch;
                f(*p);
            }
    }
}

} // namespace lotto::reduce_detail
