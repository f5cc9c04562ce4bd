// The reduction search's bookkeeping: which stored combinations are still uncovered (share fewer
// than t numbers with every ticket taken), and which tickets cover a stored combination.
#pragma once

#include "engine/huge_pages.h"
#include "engine/mask.h"
#include "wheel/in_parts.h"
#include "wheel/reduce_index.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <numeric>
#include <tuple>
#include <utility>
#include <vector>

namespace lotto::reduce_detail {

// The colex rank of a 7-number mask among the 7-subsets of 0..63.
inline uint32_t rank_of_seven(uint64_t mask) {
    uint32_t r = 0;
    for (uint32_t k = 1; k <= 7; ++k, mask &= mask - 1)
        r += binomials32.c[static_cast<uint32_t>(std::countr_zero(mask))][k];
    return r;
}

// The stored combinations sharing at least t numbers with one 7-number mask, over 1..highest.
inline uint64_t neighbourhood(uint32_t highest, int t) {
    uint64_t n = 0;
    for (uint32_t j = static_cast<uint32_t>(t); j <= 7; ++j)
        n += binomial(7, j) * binomial(highest - 7, 7 - j);
    return n;
}

// Combinations kept as bits, 64 to a word, in one row per number (the combinations holding it):
// the bits of word w of those sharing at least t numbers with a ticket, given its seven rows. Three
// full adders give each bit's count of the seven in ones, twos and fours.
inline uint64_t sharing_at_least(const uint64_t* const (&row)[7], std::size_t w, int t) {
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
    switch (t) {
    case 2: return fours | twos;
    case 3: return fours | (twos & ones);
    case 4: return fours;
    case 5: return fours & (twos | ones);
    default: return fours & twos;
    }
}

// The seven rows of a ticket's numbers among rows of words words each.
inline void rows_of(uint64_t ticket, const std::vector<uint64_t>& rows, std::size_t words,
                    const uint64_t* (&row)[7]) {
    for (const uint64_t*& r : row) {
        r = &rows[static_cast<std::size_t>(std::countr_zero(ticket)) * words];
        ticket &= ticket - 1;
    }
}

// The uncovered stored combinations, kept as a list that each ticket taken shortens: no index of
// their t-subsets, a ticket costs one pass over the list's bits by number (an eighth of a byte per
// number and combination, of seven numbers), and the list is rebuilt once half of it is taken.
// Where a ticket's neighbourhood (the combinations sharing t numbers with it) is far smaller than
// that list and the game small enough, the combinations are also found by rank, and the list is
// swept only now and then of those taken that way.
class Coverage {
  public:
    // The game's size up to which the rank table (4 bytes a combination) is kept.
    static constexpr uint64_t MostRanked = 64'000'000;
    // Whether a search with these figures keeps the rank table.
    static bool ranks(uint32_t highest, int t) {
        return t >= 5 && binomial(highest, 7) <= MostRanked;
    }

    // The list's bits are laid out on threads threads.
    Coverage(const std::vector<uint64_t>& masks, int t, uint32_t highest, std::size_t threads = 1)
        : t_(t), numbers_(highest), threads_(threads), covered_((masks.size() + 63) / 64, 0),
          uncovered_(static_cast<uint32_t>(masks.size())) {
        reserve_huge(open_, masks.size());
        open_.resize(masks.size());
        std::iota(open_.begin(), open_.end(), 0u);
        reserve_huge(open_masks_, masks.size());
        open_masks_.assign(masks.begin(), masks.end());
        reserve_huge(rows_, std::size_t{numbers_} * ((masks.size() + 63) / 64));
        index_rows();
        if (!ranks(highest, t)) return;
        near_ = neighbourhood(highest, t);
        at_rank_.assign(binomial(highest, 7), UINT32_MAX);
        for (uint32_t d = 0; d < masks.size(); ++d) at_rank_[rank_of_seven(masks[d])] = d;
        highest_ = highest;
    }

    // Marks covered every stored combination the ticket covers; returns those newly covered, in
    // store order (and hit_masks() their masks).
    const std::vector<uint32_t>& take(uint64_t ticket) {
        hit_.clear();
        hit_masks_.clear();
        if (!at_rank_.empty() && near_ * 16 < uncovered_)
            take_near(ticket);
        else
            take_listed(ticket);
        uncovered_ -= static_cast<uint32_t>(hit_.size());
        return hit_;
    }

    const std::vector<uint64_t>& hit_masks() const { return hit_masks_; }
    bool covered(uint32_t d) const { return (covered_[d / 64] >> (d % 64) & 1) != 0; }
    // Asks for the word covered(d) reads to be fetched; a d past the end asks nothing.
    void prefetch(uint32_t d) const {
        if (d / 64 < covered_.size()) __builtin_prefetch(&covered_[d / 64]);
    }
    uint32_t uncovered() const { return uncovered_; }
    const std::vector<uint64_t>& uncovered_masks() {
        sweep();
        return open_masks_;
    }

  private:
    void cover(uint32_t d, uint64_t mask) {
        hit_.push_back(d);
        hit_masks_.push_back(mask);
        covered_[d / 64] |= uint64_t{1} << (d % 64);
    }

    // One pass over the list's rows of the ticket's numbers: those the ticket covers are taken
    // (their bits cleared from the live ones), and the list is swept once half of it is taken so.
    void take_listed(uint64_t ticket) {
        if (by_rank_) sweep();
        assert(numbers_ == 64 || ticket >> numbers_ == 0); // a ticket of the game's numbers
        const uint64_t* row[7];
        rows_of(ticket, rows_, words_, row);
        for (std::size_t w = 0; w < words_; ++w) {
            uint64_t hits = sharing_at_least(row, w, t_) & live_[w];
            live_[w] &= ~hits;
            for (; hits != 0; hits &= hits - 1) {
                const std::size_t i = w * 64 + static_cast<std::size_t>(std::countr_zero(hits));
                cover(open_[i], open_masks_[i]);
            }
        }
        cleared_ += hit_.size();
        if (cleared_ * 2 > open_.size()) sweep();
    }

    // The list's rows by number and its live bits.
    void index_rows() {
        words_ = (open_masks_.size() + 63) / 64;
        rows_.assign(std::size_t{numbers_} * words_, 0);
        live_.assign(words_, ~uint64_t{0});
        // A word of every row at a time, gathered apart and written once; the words shared among
        // the threads where they are many.
        constexpr std::size_t ManyWords = 1 << 12;
        in_parts(words_ >= ManyWords ? threads_ : 1, words_,
                 [&](std::size_t from, std::size_t to, std::size_t) {
                     for (std::size_t w = from; w < to; ++w) {
                         uint64_t word[64] = {};
                         const std::size_t end = std::min(open_masks_.size(), (w + 1) * 64);
                         for (std::size_t i = w * 64; i < end; ++i)
                             for (uint64_t m = open_masks_[i]; m != 0; m &= m - 1)
                                 word[std::countr_zero(m)] |= uint64_t{1} << (i % 64);
                         for (uint32_t n = 0; n < numbers_; ++n) rows_[n * words_ + w] = word[n];
                     }
                 });
        if (open_masks_.size() % 64 != 0)
            live_.back() = (uint64_t{1} << (open_masks_.size() % 64)) - 1;
    }

    // The ticket's neighbourhood by rank: j of its numbers and 7 - j of the others, j >= t.
    void take_near(uint64_t ticket) {
        std::size_t n_others = 0;
        for (uint32_t n = 0; n < highest_; ++n)
            if (!(ticket >> n & 1)) other_[n_others++] = static_cast<uint8_t>(n);
        for (uint64_t sub = ticket;; sub = (sub - 1) & ticket) {
            if (popcount(sub) >= t_) add_others(sub, 7 - popcount(sub), 0, n_others);
            if (sub == 0) break;
        }
        // In store order, and their masks with them.
        std::vector<std::pair<uint32_t, uint64_t>> found(hit_.size());
        for (std::size_t j = 0; j < hit_.size(); ++j) found[j] = {hit_[j], hit_masks_[j]};
        std::sort(found.begin(), found.end());
        for (std::size_t j = 0; j < found.size(); ++j) std::tie(hit_[j], hit_masks_[j]) = found[j];
        by_rank_ = true; // the list holds covered ones until the next sweep
    }

    // Covers every mask of with `left` more of the others from other_[from] on.
    void add_others(uint64_t with, int left, std::size_t from, std::size_t n_others) {
        if (left == 0) {
            const uint32_t d = at_rank_[rank_of_seven(with)];
            if (d != UINT32_MAX && !covered(d)) cover(d, with);
            return;
        }
        for (std::size_t i = from; i + static_cast<std::size_t>(left) <= n_others; ++i)
            add_others(with | uint64_t{1} << other_[i], left - 1, i + 1, n_others);
    }

    // Drops from the list those covered by rank or cleared.
    void sweep() {
        if (!by_rank_ && cleared_ == 0) return;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < open_.size(); ++i)
            if (!covered(open_[i])) open_[kept] = open_[i], open_masks_[kept++] = open_masks_[i];
        open_.resize(kept);
        open_masks_.resize(kept);
        by_rank_ = false;
        cleared_ = 0;
        index_rows();
    }

    int t_;
    uint32_t numbers_; // the game's top number
    std::size_t threads_;
    std::vector<uint64_t> covered_;    // a bit per stored combination, set once covered
    std::vector<uint32_t> open_;       // the uncovered ones (and some covered since), in order
    std::vector<uint64_t> open_masks_; // and their masks
    std::size_t words_ = 0;            // the list's words of 64 bits
    std::vector<uint64_t> rows_; // words_ words per number: the list's combinations holding it
    std::vector<uint64_t> live_; // the list's combinations not taken since it was swept
    bool by_rank_ = false;       // whether the list holds some covered by rank
    std::size_t cleared_ = 0;    // and how many taken from the live bits
    uint32_t uncovered_;
    uint64_t near_ = 0;             // the neighbourhood of a ticket, with the rank table
    std::vector<uint32_t> at_rank_; // the stored combination of each rank, or UINT32_MAX
    uint32_t highest_ = 0;          // the game's top number, with the rank table
    uint8_t other_[64] = {};
    std::vector<uint32_t> hit_;
    std::vector<uint64_t> hit_masks_;
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
        rows_of(ticket, holding_, words_, row);
        uint32_t total = 0;
        for (std::size_t w = 0; w < words_; ++w)
            total += static_cast<uint32_t>(popcount(sharing_at_least(row, w, t_)));
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
