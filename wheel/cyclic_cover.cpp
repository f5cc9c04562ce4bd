#include "wheel/cyclic_cover.h"

#include "analysis/splitmix64.h"
#include "wheel/cooling.h"
#include "wheel/cover_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <limits>

namespace lotto {

namespace {

constexpr uint32_t NoOrbit = std::numeric_limits<uint32_t>::max();

// The search over base blocks: how many (base block, covered m-subset) pairs fall in each orbit of
// m-subsets, and the list of the orbits with none.
class CyclicSearch {
  public:
    CyclicSearch(uint32_t v, Guarantee g, PointCycles shape, uint64_t seed, SearchClock& clock,
                 uint64_t until)
        : t_(g.t), m_(g.m), all_(v == 64 ? ~uint64_t{0} : (uint64_t{1} << v) - 1),
          index_(v, static_cast<uint32_t>(g.m)), order_(shape.length), clock_(clock), until_(until),
          span_(until > clock.work ? until - clock.work : 0) {
        rng_.state = seed;
        for (uint32_t p = 0; p < 64; ++p) image_[p] = static_cast<uint8_t>(p);
        for (uint32_t c = 0; c < shape.cycles; ++c)
            for (uint32_t j = 0; j < shape.length; ++j)
                image_[shape.fixed + c * shape.length + j] =
                    static_cast<uint8_t>(shape.fixed + c * shape.length + (j + 1) % shape.length);
        for (int i = t_; i <= std::min(7, m_); ++i)
            per_block_ +=
                choose(7, static_cast<uint32_t>(i)) * choose(v - 7, static_cast<uint32_t>(m_ - i));
        number_orbits();
    }

    // The blocks of the smallest cover found, every orbit expanded; empty if none was found.
    std::vector<uint64_t> run() {
        if (!greedy()) return {};
        std::vector<uint64_t> best = base_;
        while (base_.size() > 1 && !stop()) {
            drop_weakest_block();
            // A size not covered within a third of the search's work is taken for out of reach.
            const uint64_t give_up = std::min(until_, clock_.work + span_ / 3);
            anneal(give_up);
            if (!uncovered_.empty()) break;
            best = base_;
        }
        return expand(best);
    }

  private:
    bool stop() { return clock_.work >= until_ || clock_.out_of_time(); }

    // The image of a set of points under the permutation.
    uint64_t apply(uint64_t mask) const {
        uint64_t image = 0;
        for (; mask; mask &= mask - 1) image |= uint64_t{1} << image_[std::countr_zero(mask)];
        return image;
    }

    // Numbers the orbits of the m-subsets in colex order of their first members.
    void number_orbits() {
        orbit_of_.assign(index_.size(), NoOrbit);
        for (uint32_t r = 0; r < index_.size(); ++r) {
            if (orbit_of_[r] != NoOrbit) continue;
            const auto id = static_cast<uint32_t>(first_.size());
            first_.push_back(index_.unrank(r));
            uint64_t s = first_.back();
            do {
                orbit_of_[index_.rank(s)] = id;
                s = apply(s);
            } while (s != first_.back());
        }
        clock_.work += rank_cost_ * index_.size();
        const auto orbits = static_cast<uint32_t>(first_.size());
        count_.assign(orbits, 0);
        seen_.assign(orbits, 0);
        uncovered_.fill(orbits);
    }

    // Calls f(orbit) for every m-subset the block meets in t points or more.
    template <class F> void for_each_covered(uint64_t block, F&& f) {
        for (int i = t_; i <= std::min(7, m_); ++i)
            for_each_subset(block, i, [&](uint64_t inside) {
                for_each_subset(all_ & ~block, m_ - i, [&](uint64_t outside) {
                    f(orbit_of_[index_.rank(inside | outside)]);
                });
            });
        clock_.work += rank_cost_ * per_block_;
    }

    void add(uint64_t block) {
        base_.push_back(block);
        for_each_covered(block, [&](uint32_t o) {
            if (count_[o]++ == 0) uncovered_.remove(o);
        });
    }

    // A random member of an uncovered orbit.
    uint64_t uncovered_subset() {
        uint64_t s = first_[uncovered_[rng_.below(uncovered_.size())]];
        for (uint32_t j = rng_.below(order_); j > 0; --j) s = apply(s);
        return s;
    }

    // Base blocks around random uncovered subsets, each the best of a few random completions by
    // the orbits it newly covers; false when the search had to stop first.
    bool greedy() {
        constexpr int Tries = 16;
        while (!uncovered_.empty()) {
            if (stop()) return false;
            const uint64_t s = uncovered_subset();
            uint64_t chosen = 0, most = 0;
            for (int k = 0; k < Tries; ++k) {
                const uint64_t block = block_around(rng_, s, all_, t_, k);
                if (++stamp_ == 0) seen_.assign(seen_.size(), 0), stamp_ = 1;
                uint64_t gain = 0;
                for_each_covered(block, [&](uint32_t o) {
                    if (count_[o] == 0 && seen_[o] != stamp_) seen_[o] = stamp_, ++gain;
                });
                if (gain > most) most = gain, chosen = block;
            }
            assert(most > 0);
            add(chosen);
        }
        return true;
    }

    // Removes the base block that covers the fewest orbits no other covers.
    void drop_weakest_block() {
        lotto::drop_weakest_block(base_, count_, uncovered_, rng_,
                                  [&](uint64_t block, auto&& f) { for_each_covered(block, f); });
    }

    // Anneals at the present size until everything is covered, the work reaches give_up or the
    // search must stop; each time the schedule starts over it goes on from the base blocks
    // that left the fewest orbits uncovered.
    void anneal(uint64_t give_up) {
        Cooling cooling(StartBeta, StopBeta, FirstPeriod);
        std::vector<uint64_t> fewest = base_;
        std::size_t least = uncovered_.size();
        while (!uncovered_.empty() && clock_.work < give_up && !stop()) {
            if (step(cooling) && uncovered_.size() < least)
                least = uncovered_.size(), fewest = base_;
            if (!cooling.tick()) continue;
            restart_from(fewest);
        }
    }

    // The counts of the base blocks given in place of the present ones.
    void restart_from(const std::vector<uint64_t>& base) {
        count_.assign(count_.size(), 0);
        uncovered_.fill(static_cast<uint32_t>(count_.size()));
        base_.clear();
        for (uint64_t b : base) add(b);
    }

    // One annealing move: a member of a random uncovered orbit, a base block that comes closest
    // to covering it, one of the block's points outside the subset swapped for one inside.
    bool step(Cooling& cooling) {
        const uint64_t s = closest_member();
        const uint32_t b = b_;
        const uint64_t block = base_[b];
        const uint64_t out = random_bit(rng_, block & ~s), in = random_bit(rng_, s & ~block);

        // Only subsets holding exactly t-1 points of block minus out, plus out or in, change;
        // the move is made on the counts and taken back if refused.
        lost_.clear();
        won_.clear();
        for_each_subset(block & ~out, t_ - 1, [&](uint64_t c) {
            for_each_subset(all_ & ~block & ~in, m_ - t_, [&](uint64_t d) {
                lost_.push_back(orbit_of_[index_.rank(c | d | out)]);
                won_.push_back(orbit_of_[index_.rank(c | d | in)]);
            });
        });
        clock_.work += 16 + 4 * rank_cost_ * lost_.size();
        int64_t delta = 0;
        for (uint32_t o : lost_)
            if (--count_[o] == 0) uncovered_.add(o), ++delta;
        for (uint32_t o : won_)
            if (count_[o]++ == 0) uncovered_.remove(o), --delta;
        if (cooling.accept(rng_, delta)) {
            base_[b] = block ^ out ^ in;
            return true;
        }
        for (uint32_t o : won_)
            if (--count_[o] == 0) uncovered_.add(o);
        for (uint32_t o : lost_)
            if (count_[o]++ == 0) uncovered_.remove(o);
        return false;
    }

    // A member of a random uncovered orbit, and in b_ a base block meeting it in the most points
    // (the pair uniform among such pairs).
    uint64_t closest_member() {
        uint64_t s = first_[uncovered_[rng_.below(uncovered_.size())]];
        uint64_t chosen = s;
        int closest = -1;
        uint32_t ties = 0;
        for (uint32_t j = 0; j < order_; ++j, s = apply(s))
            for (uint32_t b = 0; b < base_.size(); ++b) {
                const int meet = bit_count(base_[b] & s);
                if (meet < closest) continue;
                if (meet > closest) closest = meet, ties = 0;
                if (rng_.below(++ties) == 0) chosen = s, b_ = b;
            }
        clock_.work += 4 * order_ * (base_.size() + 4);
        return chosen;
    }

    // Every block of the orbits of the base blocks, sorted, each once.
    std::vector<uint64_t> expand(const std::vector<uint64_t>& base) const {
        std::vector<uint64_t> blocks;
        for (uint64_t b : base)
            for (uint32_t j = 0; j < order_; ++j, b = apply(b)) blocks.push_back(b);
        std::sort(blocks.begin(), blocks.end());
        blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
        return blocks;
    }

    // The schedule: from a chance of 2^-1/4 (hot) down to 2^-8 per orbit uncovered, 16 moves a
    // step at first (found by trial on the benchmark's designs).
    static constexpr uint32_t StartBeta = 4, StopBeta = 128;
    static constexpr uint64_t FirstPeriod = 16;

    const int t_, m_;
    const uint64_t all_;
    const SubsetIndex index_;
    const uint32_t order_;
    SearchClock& clock_;
    const uint64_t until_, span_;
    std::array<uint8_t, 64> image_{};
    SplitMix64 rng_;
    std::vector<uint32_t> orbit_of_, count_, seen_, lost_, won_;
    ListedSet uncovered_; // the orbits no block covers
    std::vector<uint64_t> first_, base_;
    uint32_t stamp_ = 0, b_ = 0;
    const uint64_t rank_cost_ = index_.size() > (1u << 20) ? 48 : 8;
    uint64_t per_block_ = 0;
};

} // namespace

std::vector<PointCycles> cycle_shapes(uint32_t v) { return {{1, 1, v - 1}}; }

std::vector<uint64_t> cyclic_cover(uint32_t v, Guarantee g, PointCycles shape, uint64_t seed,
                                   SearchClock& clock, uint64_t until) {
    assert(shape.fixed + shape.cycles * shape.length == v);
    if (clock.work >= until) return {};
    return CyclicSearch(v, g, shape, seed, clock, until).run();
}

} // namespace lotto
