// The reduction search's bookkeeping: which stored combinations are still uncovered (share fewer
// than t numbers with every ticket taken), and which tickets cover a stored combination.
#pragma once

#include "engine/mask.h"
#include "wheel/reduce_index.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <vector>

namespace lotto::reduce_detail {

// Whether the two masks share at least t numbers (the portable count: std::popcount may be a
// library call where the processor's own count is not assumed).
inline bool shares(uint64_t a, uint64_t b, int t) { return popcount(a & b) >= t; }

// The uncovered stored combinations, kept as a list that each ticket taken shortens: no index of
// their t-subsets, a ticket costs one pass over those still uncovered.
class Coverage {
  public:
    Coverage(const std::vector<uint64_t>& masks, int t)
        : t_(t), covered_((masks.size() + 63) / 64, 0), open_(masks.size()), open_masks_(masks) {
        std::iota(open_.begin(), open_.end(), 0u);
    }

    // Marks covered every stored combination the ticket covers; returns those newly covered, in
    // store order.
    const std::vector<uint32_t>& take(uint64_t ticket) {
        hit_.clear();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < open_.size(); ++i) {
            const uint32_t d = open_[i];
            const uint64_t m = open_masks_[i];
            if (shares(m, ticket, t_)) {
                hit_.push_back(d);
                covered_[d / 64] |= uint64_t{1} << (d % 64);
            } else {
                open_[kept] = d, open_masks_[kept] = m, ++kept;
            }
        }
        open_.resize(kept);
        open_masks_.resize(kept);
        return hit_;
    }

    bool covered(uint32_t d) const { return (covered_[d / 64] >> (d % 64) & 1) != 0; }
    // Asks for the word covered(d) reads to be fetched; a d past the end asks nothing.
    void prefetch(uint32_t d) const {
        if (d / 64 < covered_.size()) __builtin_prefetch(&covered_[d / 64]);
    }
    uint32_t uncovered() const { return static_cast<uint32_t>(open_.size()); }
    const std::vector<uint64_t>& uncovered_masks() const { return open_masks_; }

  private:
    int t_;
    std::vector<uint64_t> covered_;    // a bit per stored combination, set once covered
    std::vector<uint32_t> open_;       // the uncovered ones, in store order
    std::vector<uint64_t> open_masks_; // and their masks, read in turn
    std::vector<uint32_t> hit_;
};

// Gains counted straight from a few uncovered combinations: for each number, those holding it as
// bits (64 to a word); a ticket's seven rows are added bit by bit, and the bits reaching t counted.
class FewUncovered {
  public:
    FewUncovered(const std::vector<uint64_t>& masks, uint32_t highest, int t)
        : t_(t), words_((masks.size() + 63) / 64), holding_(highest * words_, 0) {
        for (std::size_t d = 0; d < masks.size(); ++d)
            for (uint64_t m = masks[d]; m != 0; m &= m - 1)
                holding_[static_cast<std::size_t>(std::countr_zero(m)) * words_ + d / 64] |=
                    uint64_t{1} << (d % 64);
    }

    // How many of them share at least t numbers with the ticket.
    uint32_t gain(uint64_t ticket) const {
        const uint64_t* row[7];
        for (const uint64_t*& r : row) {
            r = &holding_[static_cast<std::size_t>(std::countr_zero(ticket)) * words_];
            ticket &= ticket - 1;
        }
        uint32_t total = 0;
        for (std::size_t w = 0; w < words_; ++w) {
            // Three full adders give each bit's count of the seven in ones, twos and fours.
            const auto add = [](uint64_t a, uint64_t b, uint64_t c, uint64_t& carry) {
                const uint64_t ab = a ^ b;
                carry = (a & b) | (c & ab);
                return ab ^ c;
            };
            uint64_t c1, c2, c3, c4;
            const uint64_t s1 = add(row[0][w], row[1][w], row[2][w], c1);
            const uint64_t s2 = add(row[3][w], row[4][w], row[5][w], c2);
            const uint64_t ones = add(s1, s2, row[6][w], c3);
            const uint64_t twos = add(c1, c2, c3, c4), fours = c4;
            uint64_t reach = 0;
            switch (t_) {
            case 2: reach = fours | twos; break;
            case 3: reach = fours | (twos & ones); break;
            case 4: reach = fours; break;
            case 5: reach = fours & (twos | ones); break;
            default: reach = fours & twos; break;
            }
            total += static_cast<uint32_t>(popcount(reach));
        }
        return total;
    }

  private:
    int t_;
    std::size_t words_;
    std::vector<uint64_t> holding_; // words_ words per number
};

// Which tickets cover each stored combination: a list of tickets per t-subset of 1..highest.
class TicketLists {
  public:
    TicketLists(const std::vector<uint64_t>& tickets, uint32_t highest, int t)
        : t_(t), offsets_(binomial(highest, static_cast<uint32_t>(t)) + 1, 0),
          seen_(tickets.size(), 0) {
        uint64_t ranks[35];
        for (uint64_t m : tickets)
            for (int n = subset_ranks(m, t, ranks), j = 0; j < n; ++j) ++offsets_[ranks[j] + 1];
        for (std::size_t r = 1; r < offsets_.size(); ++r) offsets_[r] += offsets_[r - 1];
        items_.resize(offsets_.back());
        std::vector<uint32_t> fill(offsets_.begin(), offsets_.end() - 1);
        for (uint32_t i = 0; i < tickets.size(); ++i)
            for (int n = subset_ranks(tickets[i], t, ranks), j = 0; j < n; ++j)
                items_[fill[ranks[j]]++] = i;
    }

    // The distinct tickets sharing at least t numbers with the combination, written to out (room
    // for every ticket). Returns how many.
    uint32_t covering(uint64_t mask, uint32_t* out) {
        if (++epoch_ == 0) {
            std::fill(seen_.begin(), seen_.end(), 0);
            epoch_ = 1;
        }
        const uint32_t d = epoch_;
        uint64_t ranks[35];
        uint32_t found = 0;
        for (int n = subset_ranks(mask, t_, ranks), j = 0; j < n; ++j)
            for (uint32_t k = offsets_[ranks[j]]; k < offsets_[ranks[j] + 1]; ++k)
                if (const uint32_t i = items_[k]; seen_[i] != d) seen_[i] = d, out[found++] = i;
        return found;
    }

  private:
    int t_;
    std::vector<uint32_t> offsets_, items_, seen_;
    uint32_t epoch_ = 0;
};

} // namespace lotto::reduce_detail
