#include "wheel/cover.h"

#include "analysis/splitmix64.h"
#include "engine/bits.h"
#include "wheel/cover_index.h"
#include "wheel/cyclic_cover.h"
#include "wheel/orbit_cover.h"
#include "wheel/search_clock.h"
#include "wheel/split_wheel.h"
#include "wheel/steiner_cover.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <functional>
#include <limits>

namespace lotto {

namespace {

// Blocks drawn at random until one meets s in t-1 points (then uniform among those), else the
// closest of those drawn: its index. Two work units a draw.
template <bool Popcnt>
LOTTO_ALWAYS_INLINE uint32_t draw_closest(const std::vector<uint64_t>& blocks, uint64_t s, int t,
                                          SplitMix64& rng, uint64_t& work) {
    uint32_t b = 0;
    int closest = -1;
    const uint32_t count = static_cast<uint32_t>(blocks.size());
    for (uint32_t draw = 0; draw < count && closest < t - 1; ++draw) {
        const uint32_t candidate = rng.below(count);
        const int meet = count_bits<Popcnt>(blocks[candidate] & s);
        if (meet > closest) closest = meet, b = candidate;
        work += 2;
    }
    return b;
}

// The same with the processor's bit count (only where has_popcnt() holds) and without.
LOTTO_POPCNT_TARGET uint32_t draw_closest_popcnt(const std::vector<uint64_t>& blocks, uint64_t s,
                                                 int t, SplitMix64& rng, uint64_t& work) {
    return draw_closest<true>(blocks, s, t, rng, work);
}
uint32_t draw_closest_plain(const std::vector<uint64_t>& blocks, uint64_t s, int t, SplitMix64& rng,
                            uint64_t& work) {
    return draw_closest<false>(blocks, s, t, rng, work);
}

// The work of the default effort: WheelWorkPerEffort, less for few subsets, whose wheels are
// found sooner (the search would spend the rest on sizes out of reach). The annealing after the
// start from the octads accepts so many moves, each as dear as its trial and not counted, that
// its work units run slow: it gets seven tenths.
uint64_t default_work(uint64_t subsets, uint32_t v, Guarantee g) {
    const uint64_t work =
        std::clamp<uint64_t>(subsets * 4'000'000, WheelWorkPerEffort / 6, WheelWorkPerEffort);
    return g.t == 5 && g.m == 5 && has_steiner_cover(v, 5) ? work / 10 * 7 : work;
}

// The search state: the blocks (7-point masks), how many blocks cover each m-subset and the list
// of the subsets none covers.
class CoverSearch {
  public:
    CoverSearch(uint32_t v, Guarantee g, const SearchOptions& o)
        : v_(v), g_(g), t_(g.t), m_(g.m), all_(v == 64 ? ~uint64_t{0} : (uint64_t{1} << v) - 1),
          index_(v, static_cast<uint32_t>(g.m)), options_(o),
          clock_(o.work != 0 ? o.work
                             : default_work(index_.size(), v, g) * std::max<uint32_t>(o.effort, 1),
                 o.time_limit, o.cancel) {
        rng_.state = o.seed;
        clear();
        for (int i = t_; i <= std::min(7, m_); ++i)
            per_block_ +=
                choose(7, static_cast<uint32_t>(i)) * choose(v - 7, static_cast<uint32_t>(m_ - i));
        lower_bound_ = (index_.size() + per_block_ - 1) / per_block_;
        if (t_ == m_) lower_bound_ = std::max(lower_bound_, schoenheim());
    }

    // The smallest cover found.
    std::vector<uint64_t> run() {
        // The covers made of orbits never beat the Steiner systems' starts.
        if (steiner_start()) {
            heat_ = t_ == 4 ? SteinerHeat4 : SteinerHeat5;
            best_ = blocks_;
            report();
        } else {
            construct();
            start_from_blocks();
            share_among_searches();
        }
        improve(clock_.budget());
        // The budget spent before the drops could thin the start: its blocks that every subset
        // they cover has another for go in one pass.
        if (uncovered_.empty() && clock_.work >= clock_.budget() && !out_of_time()) {
            drop_redundant_blocks();
            if (blocks_.size() < best_.size()) best_ = blocks_, report();
        }
        if (!orbit_best_.empty() && orbit_best_.size() < best_.size())
            best_ = orbit_best_, report();
        return best_;
    }

    bool stopped_early() const { return clock_.stopped_early(); }

  private:
    // The Schönheim bound on a t-(v,7,t) covering: ceil(v/7 ceil((v-1)/6 ... ceil((v-t+1)/(8-t)))).
    uint64_t schoenheim() const {
        uint64_t b = 1;
        for (int i = t_ - 1; i >= 0; --i) {
            const uint64_t n = v_ - static_cast<uint32_t>(i), k = 7 - static_cast<uint32_t>(i);
            b = (n * b + k - 1) / k;
        }
        return b;
    }

    void report() {
        if (options_.progress) options_.progress(best_.size());
    }

    bool out_of_time() { return clock_.out_of_time(); }

    // No blocks, every subset uncovered.
    void clear() {
        blocks_.clear();
        count_.assign(index_.size(), 0);
        uncovered_.fill(index_.size());
    }

    // "4 if 4" over 20 to 23 points and "5 if 5" over 18 to 22: the start is built from a
    // Steiner system's blocks and the fewest blocks for the rest the set-cover search finds with
    // a part of the work (the rest of "5 if 5" needs about a block for each of its octads, so the
    // annealing gets more); false where there is no such start or listing its blocks would take
    // more.
    bool steiner_start() {
        if (t_ != m_ || !has_steiner_cover(v_, t_)) return false;
        SplitMix64 steiner_rng{options_.seed ^ SteinerSeed};
        const uint64_t part = work_left() / (t_ == 4 ? SteinerPart4 : SteinerPart5);
        const std::vector<uint64_t> blocks =
            steiner_cover(v_, t_, steiner_rng.next(), clock_, clock_.work + part);
        if (blocks.empty()) return false;
        for (uint64_t b : blocks) add(b);
        assert(uncovered_.empty());
        return true;
    }

    // The blocks as the smallest cover so far, with the heat and the search for its size.
    void start_from_blocks() {
        heat_ = blocks_.size() <= SmallStart ? WarmHeat : CoolHeat;
        weighted_ = t_ == m_ && blocks_.size() <= WeightedLimit;
        best_ = blocks_;
        report();
    }

    // Drops a block from the smallest cover and covers what it leaves again, while the work stays
    // below until; a size not covered within a third of the budget is given up: the search starts
    // again from the smallest cover, on other random numbers. Left uncovered at until, it goes on
    // from there when called again.
    void improve(uint64_t until) {
        until = std::min(until, clock_.budget());
        // Past the budget a greedy start of many redundant blocks would drop them one by one,
        // each drop as dear as a pass over every block.
        while ((!uncovered_.empty() || blocks_.size() > lower_bound_) && !out_of_time() &&
               clock_.work < until) {
            if (uncovered_.empty()) {
                drop_weakest_block();
                gave_up_at_ = std::min(clock_.budget(), clock_.work + budget_ / 3);
            }
            const uint64_t give_up = std::min(until, gave_up_at_);
            if (weighted_)
                weighted(give_up);
            else
                while (!uncovered_.empty() && clock_.work < give_up && !out_of_time()) step();
            if (uncovered_.empty()) {
                best_ = blocks_;
                report();
            } else if (clock_.work >= gave_up_at_ && clock_.work < clock_.budget() &&
                       !out_of_time()) {
                load(best_);
            }
        }
    }

    // The blocks in place of those searched.
    void load(const std::vector<uint64_t>& blocks) {
        clear();
        for (uint64_t b : blocks) add(b);
    }

    // Shares the work among the search from the greedy start and those over orbits (annealing
    // under the permutations of cycle_shapes, the set-cover search under those of orbit_shapes,
    // each on its own random numbers). The search from the greedy start first gets a
    // ProbeShare-th of the budget, then each search over orbits as much on top of it. Where the
    // smallest cover over orbits is smaller than the search from the greedy start had by then,
    // its search runs again from its start with RerunShare eighths of the budget more; where
    // that cover is then smaller by more than TakeOverPercent, the rest of the budget improves it,
    // else the search from the greedy start goes on with all its rest and the cover over orbits
    // is the answer only if still smaller at the end (a search from the greedy start close behind
    // often gets further: C(23,7,3) 77 over orbits, 67 from the greedy start). No search over
    // orbits when the greedy start meets the lower bound.
    void share_among_searches() {
        std::vector<std::function<std::vector<uint64_t>(uint64_t)>> orbit_searches;
        if (index_.size() <= CyclicLimit && blocks_.size() > lower_bound_) {
            for (const PointCycles& shape : cycle_shapes(v_))
                orbit_searches.push_back([this, shape, seed = rng_.next()](uint64_t until) {
                    return cyclic_cover(v_, g_, shape, seed, clock_, until);
                });
            SplitMix64 orbit_rng{options_.seed ^ OrbitSeed};
            for (const PointCycles& shape : orbit_shapes(v_))
                orbit_searches.push_back([this, shape, seed = orbit_rng.next()](uint64_t until) {
                    return orbit_cover(v_, g_, shape, seed, clock_, until);
                });
        }
        if (orbit_searches.empty()) return;
        const uint64_t probe = budget_ / ProbeShare;
        improve(clock_.work + probe);
        clock_.extend(probe * orbit_searches.size());
        std::vector<uint64_t> found;
        std::size_t winner = 0;
        for (std::size_t i = 0; i < orbit_searches.size(); ++i) {
            std::vector<uint64_t> blocks = orbit_searches[i](clock_.work + probe);
            if (!blocks.empty() && (found.empty() || blocks.size() < found.size()))
                found.swap(blocks), winner = i;
        }
        if (found.empty() || found.size() >= best_.size() || out_of_time()) return;
        const uint64_t rerun = budget_ / 8 * RerunShare;
        clock_.extend(rerun);
        std::vector<uint64_t> more = orbit_searches[winner](clock_.work + rerun);
        if (!more.empty() && more.size() < found.size()) found.swap(more);
        if (found.size() * (100 + TakeOverPercent) >= best_.size() * 100) {
            orbit_best_ = std::move(found);
            return;
        }
        load(found);
        assert(uncovered_.empty());
        start_from_blocks();
    }

    // The work units the budget still holds.
    uint64_t work_left() const { return clock_.budget() - std::min(clock_.budget(), clock_.work); }

    // Calls f(rank) for every m-subset the block meets in t points or more.
    template <class F> void for_each_covered(uint64_t block, F&& f) {
        for (int i = t_; i <= std::min(7, m_); ++i)
            for_each_subset(block, i, [&](uint64_t inside) {
                for_each_subset(all_ & ~block, m_ - i,
                                [&](uint64_t outside) { f(index_.rank(inside | outside)); });
            });
        clock_.work += rank_cost_ * per_block_;
    }

    void add(uint64_t block) {
        blocks_.push_back(block);
        for_each_covered(block, [&](uint32_t r) {
            if (count_[r]++ == 0) uncovered_.remove(r);
        });
    }

    // How many subsets the block would newly cover.
    uint64_t gain(uint64_t block) {
        uint64_t g = 0;
        for_each_covered(block, [&](uint32_t r) { g += count_[r] == 0; });
        return g;
    }

    // Greedy start: the lazy greedy over every block when they are few enough, else blocks
    // around random uncovered subsets, the best of a few random completions.
    void construct() {
        if (choose(v_, 7) * per_block_ <= LazyGreedyLimit)
            lazy_greedy();
        else
            random_greedy();
        finish_quickly();
    }

    // Past the time limit: a block around each subset still uncovered, filled up with random
    // points.
    void finish_quickly() {
        while (!uncovered_.empty()) {
            uint64_t block = index_.unrank(uncovered_.back());
            while (bit_count(block) < 7) block |= random_bit(rng_, all_ & ~block);
            add(block);
        }
    }

    // Each time the block that covers the most uncovered subsets: gains only fall, so a block
    // whose fresh gain still tops every stale one is the best. Ties go to the highest mask (a
    // structured order does far better here than a random one); the order is total, so any heap
    // gives the same blocks.
    void lazy_greedy() {
        struct Candidate {
            uint64_t gain, block;
            bool operator<(const Candidate& o) const {
                return gain != o.gain ? gain < o.gain : block < o.block;
            }
        };
        std::vector<Candidate> heap;
        for_each_subset(all_, 7, [&](uint64_t b) { heap.push_back({per_block_, b}); });
        std::make_heap(heap.begin(), heap.end());
        while (!uncovered_.empty() && !out_of_time()) {
            std::pop_heap(heap.begin(), heap.end());
            Candidate top = heap.back();
            heap.pop_back();
            top.gain = gain(top.block);
            if (top.gain == 0) continue;
            if (heap.empty() || !(top < heap.front())) {
                add(top.block);
            } else {
                heap.push_back(top);
                std::push_heap(heap.begin(), heap.end());
            }
        }
    }

    void random_greedy() {
        const int tries = static_cast<int>(std::clamp<uint64_t>(20'000'000 / index_.size(), 1, 32));
        while (!uncovered_.empty() && !out_of_time()) {
            const uint64_t s = index_.unrank(uncovered_[rng_.below(uncovered_.size())]);
            uint64_t chosen = 0, most = 0;
            for (int k = 0; k < tries; ++k) {
                const uint64_t block = block_around(rng_, s, all_, t_, k);
                const uint64_t g = gain(block);
                if (g > most) most = g, chosen = block;
            }
            assert(most > 0);
            add(chosen);
        }
    }

    // Removes, last first, each block whose subsets all have another block.
    void drop_redundant_blocks() {
        for (std::size_t j = blocks_.size(); j-- > 0;) {
            bool needed = false;
            for_each_covered(blocks_[j], [&](uint32_t r) { needed = needed || count_[r] == 1; });
            if (needed) continue;
            for_each_covered(blocks_[j], [&](uint32_t r) { --count_[r]; });
            blocks_[j] = blocks_.back();
            blocks_.pop_back();
        }
    }

    // Removes the block whose subsets are least often covered by it alone.
    void drop_weakest_block() {
        lotto::drop_weakest_block(blocks_, count_, uncovered_, rng_,
                                  [&](uint64_t block, auto&& f) { for_each_covered(block, f); });
    }

    // The weighted search at the present size ("t if t" only): each step takes a random uncovered
    // subset and, among the moves that cover it (a block meeting it in t-1 points, one of the
    // block's other points swapped for the subset's last), the one that gains the most weight,
    // ties at random, but not a move that brings a point back into a block it left within the
    // last few steps; the weight of a subset grows by one each step it stays uncovered. The
    // blocks meeting the subset in t-1 points are found from a bit set of the blocks holding each
    // point, so that a step costs little more on thousands of blocks than on a few. Until every
    // subset is covered, the work reaches give_up or the search must stop.
    void weighted(uint64_t give_up) {
        assert(t_ == m_);
        if (weight_.size() != index_.size()) weight_.assign(index_.size(), 1);
        const std::size_t words = (blocks_.size() + 63) / 64;
        holds_.assign(v_ * words, 0);
        left_at_.assign(blocks_.size() * v_, 0);
        for (std::size_t b = 0; b < blocks_.size(); ++b)
            for (uint64_t p = blocks_[b]; p; p &= p - 1)
                holds_[std::countr_zero(p) * words + b / 64] |= uint64_t{1} << (b % 64);
        std::array<const uint64_t*, 8> rows{};
        while (!uncovered_.empty() && clock_.work < give_up && !out_of_time()) {
            ++steps_;
            const uint64_t s = index_.unrank(uncovered_[rng_.below(uncovered_.size())]);
            int n = 0;
            for (uint64_t p = s; p; p &= p - 1) rows[n++] = &holds_[std::countr_zero(p) * words];
            int64_t best = std::numeric_limits<int64_t>::min();
            uint32_t chosen = 0, ties = 0;
            uint64_t chosen_out = 0, chosen_in = 0;
            for (std::size_t w = 0; w < words; ++w) {
                // The blocks holding all of s's points but one: none holds them all.
                uint64_t before = ~uint64_t{0}, near = 0;
                for (int i = 0; i < n; ++i) {
                    uint64_t after = before;
                    for (int j = i + 1; j < n; ++j) after &= rows[j][w];
                    near |= after;
                    before &= rows[i][w];
                }
                for (; near; near &= near - 1) {
                    const auto b = static_cast<uint32_t>(w * 64 + std::countr_zero(near));
                    const uint64_t block = blocks_[b], in = s & ~block;
                    const int in_point = std::countr_zero(in);
                    if (left_at_[b * v_ + in_point] > steps_) continue;
                    score_outs(block, in);
                    for (uint64_t outs = block & ~s; outs; outs &= outs - 1) {
                        const int p = std::countr_zero(outs);
                        const int64_t score = won_total_ - won_with_[p] - lost_at_[p];
                        if (score < best) continue;
                        if (score > best) best = score, ties = 0;
                        if (rng_.below(++ties) == 0)
                            chosen = b, chosen_out = outs & -outs, chosen_in = in;
                    }
                }
            }
            clock_.work += 4 * n * words;
            if (ties == 0) continue;
            move(chosen, chosen_out, chosen_in);
            const int out_point = std::countr_zero(chosen_out),
                      in_point = std::countr_zero(chosen_in);
            holds_[out_point * words + chosen / 64] ^= uint64_t{1} << (chosen % 64);
            holds_[in_point * words + chosen / 64] ^= uint64_t{1} << (chosen % 64);
            left_at_[chosen * v_ + out_point] = steps_ + 2 + rng_.below(TabuSteps);
            for (uint32_t u = 0; u < uncovered_.size(); ++u) ++weight_[uncovered_[u]];
            clock_.work += uncovered_.size();
        }
    }

    // For "t if t", a block and the point in of an uncovered subset it meets in t-1 points: the
    // weight the block would newly cover with in added, in won_total_, of which won_with_[p] is
    // lost again when point p leaves; lost_at_[p] the weight only the block covers holding p.
    void score_outs(uint64_t block, uint64_t in) {
        won_total_ = 0;
        for (uint64_t p = block; p; p &= p - 1)
            won_with_[std::countr_zero(p)] = lost_at_[std::countr_zero(p)] = 0;
        for_each_subset(block, t_ - 1, [&](uint64_t c) {
            const uint32_t r = index_.rank(c | in);
            if (count_[r] != 0) return;
            won_total_ += static_cast<int64_t>(weight_[r]);
            for (uint64_t p = c; p; p &= p - 1)
                won_with_[std::countr_zero(p)] += static_cast<int64_t>(weight_[r]);
        });
        for_each_subset(block, t_, [&](uint64_t c) {
            const uint32_t r = index_.rank(c);
            if (count_[r] != 1) return;
            for (uint64_t p = c; p; p &= p - 1)
                lost_at_[std::countr_zero(p)] += static_cast<int64_t>(weight_[r]);
        });
        clock_.work += 16 + rank_cost_ * (choose(7, static_cast<uint32_t>(t_ - 1)) +
                                          choose(7, static_cast<uint32_t>(t_)));
    }

    // Swaps the point out of block b for the point in, keeping the counts.
    void move(uint32_t b, uint64_t out, uint64_t in) {
        list_changed(blocks_[b], out, in);
        swap_listed(b, out, in);
    }

    // Lists the only subsets whose count changes when block swaps out for in: t-1 points of block
    // minus out (kept_) with m-t points outside block and in (others_), plus out or in.
    void list_changed(uint64_t block, uint64_t out, uint64_t in) {
        kept_.clear();
        others_.clear();
        for_each_subset(block & ~out, t_ - 1, [&](uint64_t c) { kept_.push_back(c); });
        for_each_subset(all_ & ~block & ~in, m_ - t_, [&](uint64_t d) { others_.push_back(d); });
        clock_.work += 16 + 2 * rank_cost_ * kept_.size() * others_.size();
    }

    // Swaps out for in in block b over the subsets list_changed listed, keeping the counts.
    void swap_listed(uint32_t b, uint64_t out, uint64_t in) {
        for (uint64_t c : kept_)
            for (uint64_t d : others_) {
                const uint32_t lost = index_.rank(c | d | out);
                if (--count_[lost] == 0) uncovered_.add(lost);
                const uint32_t won = index_.rank(c | d | in);
                if (count_[won]++ == 0) uncovered_.remove(won);
            }
        blocks_[b] ^= out ^ in;
    }

    // One annealing move: a random uncovered subset, a block that comes closest to covering it,
    // one of the block's points outside the subset swapped for one of the subset's points.
    void step() {
        const uint64_t s = index_.unrank(uncovered_[rng_.below(uncovered_.size())]);
        const uint32_t b = popcnt_ ? draw_closest_popcnt(blocks_, s, t_, rng_, clock_.work)
                                   : draw_closest_plain(blocks_, s, t_, rng_, clock_.work);
        const uint64_t block = blocks_[b];
        const uint64_t out = random_bit(rng_, block & ~s), in = random_bit(rng_, s & ~block);

        list_changed(block, out, in);
        int64_t delta = 0;
        for (uint64_t c : kept_)
            for (uint64_t d : others_) {
                const uint32_t lost = index_.rank(c | d | out), won = index_.rank(c | d | in);
                delta += count_[lost] == 1;
                delta -= count_[won] == 0;
            }
        if (delta <= 0 || (rng_.next() >> 32) < power(heat_, static_cast<uint64_t>(delta)))
            swap_listed(b, out, in);
    }

    // The chance of accepting a move that uncovers one subset more, in units of 2^-32: 1/16 for
    // starts of up to SmallStart blocks, 1/64 above (found by trial on the benchmark's designs);
    // d more are accepted with its d-th power.
    static constexpr uint64_t WarmHeat = uint64_t{1} << 28, CoolHeat = uint64_t{1} << 26;
    // The same after the Steiner systems' starts: 1/32 for "4 if 4", 3/64 for "5 if 5".
    static constexpr uint64_t SteinerHeat4 = uint64_t{1} << 27, SteinerHeat5 = uint64_t{3} << 26;
    static constexpr std::size_t SmallStart = 150;
    // The weighted search takes over "t if t" from starts of up to this many blocks; on larger
    // ones the annealing, whose moves cost less, gets further.
    static constexpr std::size_t WeightedLimit = 300;
    // A point that leaves a block stays out of it for up to this many steps of the weighted search.
    static constexpr uint32_t TabuSteps = 8;
    // The lazy greedy start is taken while the blocks times the subsets each covers stay below.
    static constexpr uint64_t LazyGreedyLimit = 100'000'000;
    // Each search's first part of the budget, the eighths of the budget the search over orbits
    // that found the smallest cover then gets again, and how much smaller in percent its cover
    // must be to take over (found by trial on the benchmark's designs).
    static constexpr uint64_t ProbeShare = 16, RerunShare = 3, TakeOverPercent = 5;
    // Mixed into the seed for the set-cover search over orbits.
    static constexpr uint64_t OrbitSeed = 0x6f72626974636f76;
    // The parts of the work the starts from the Steiner systems take, and their seeds' mix.
    static constexpr uint64_t SteinerPart4 = 3, SteinerPart5 = 12;
    static constexpr uint64_t SteinerSeed = 0x737465696e657221;
    // Covers made of orbits are searched while the m-subsets are no more.
    static constexpr uint64_t CyclicLimit = 4'000'000;

    const uint32_t v_;
    const Guarantee g_;
    const int t_, m_;
    const uint64_t all_;
    const SubsetIndex index_;
    const SearchOptions& options_;
    SearchClock clock_;
    const uint64_t budget_ = clock_.budget(); // the budget before the searches over orbits' share
    SplitMix64 rng_;
    std::vector<uint32_t> count_;
    std::vector<uint64_t> weight_; // for the weighted search: how long each subset stayed uncovered
    // For the weighted search: for each point, a bit set of the blocks holding it; for each block
    // and point, the step until which the point may not come back into the block; the steps.
    std::vector<uint64_t> holds_, left_at_;
    uint64_t steps_ = 0, gave_up_at_ = 0;
    std::array<int64_t, 64> won_with_{}, lost_at_{};
    int64_t won_total_ = 0;
    bool weighted_ = false;
    ListedSet uncovered_; // the subsets no block covers
    std::vector<uint64_t> blocks_, best_;
    std::vector<uint64_t> orbit_best_; // a cover over orbits that did not take over
    std::vector<uint64_t> kept_, others_;
    // Work units of one rank and count look-up: more once the counts leave the cache.
    const uint64_t rank_cost_ = index_.size() > (1u << 20) ? 48 : 8;
    const bool popcnt_ = has_popcnt();
    uint64_t per_block_ = 0, lower_bound_ = 1;
    uint64_t heat_ = WarmHeat;
};

// The most m-subsets a wheel the search builds may have: every 7-subset of 39 numbers and a few
// more. Wheels beyond it would take millions of tickets and hours.
constexpr uint64_t MostCases = 20'000'000;

// Above this many sevens of the chosen numbers a "t if 7" wheel is the split construction alone.
constexpr uint64_t SplitOnlyAbove = 4'000'000;

} // namespace

std::string check_wheel_request(const std::vector<uint8_t>& numbers, Guarantee g,
                                uint32_t highest) {
    if (highest > 64) return "the highest number is above 64";
    uint64_t seen = 0;
    for (uint8_t n : numbers) {
        if (n < 1 || n > highest)
            return "number " + std::to_string(n) + " is outside 1.." + std::to_string(highest);
        if (seen >> (n - 1) & 1) return "number " + std::to_string(n) + " is given twice";
        seen |= uint64_t{1} << (n - 1);
    }
    if (numbers.size() < 8)
        return "a wheel needs 8 or more numbers, " + std::to_string(numbers.size()) + " given";
    if (g.t < 2 || g.t > g.m || g.m > 7) return "the guarantee needs 2 <= T <= M <= 7";
    if (static_cast<std::size_t>(g.m) > numbers.size())
        return "M = " + std::to_string(g.m) + " is more than the " +
               std::to_string(numbers.size()) + " numbers chosen";
    const auto v = static_cast<uint32_t>(numbers.size());
    const uint64_t cases = choose(v, static_cast<uint32_t>(g.m));
    if (cases > MostCases && !(g.m == 7 && g.t <= 4))
        return "a wheel over " + std::to_string(v) + " numbers has " + std::to_string(cases) + " " +
               std::to_string(g.m) + "-subsets to cover, more than the " +
               std::to_string(MostCases) + " the search takes; choose fewer numbers";
    return "";
}

Wheel find_wheel(const std::vector<uint8_t>& numbers, Guarantee g, const SearchOptions& o) {
    assert(check_wheel_request(numbers, g, 64).empty());
    std::vector<uint8_t> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const auto v = static_cast<uint32_t>(sorted.size());
    Wheel w;
    // "t if 7" for t <= 4 has the split construction: where the sevens are too many for the
    // search to do better it is the answer, else the smaller of the two.
    std::vector<Combination> split;
    if (g.m == 7 && g.t <= 4) split = split_wheel(v, g.t, o, w.stopped_early);
    const auto place = [&](std::vector<Combination> tickets) {
        for (Combination& c : tickets)
            for (uint8_t& n : c) n = sorted[n - 1];
        std::sort(tickets.begin(), tickets.end());
        w.tickets = std::move(tickets);
    };
    if (!split.empty() && choose(v, 7) > SplitOnlyAbove) {
        if (o.progress) o.progress(split.size());
        place(std::move(split));
        return w;
    }
    CoverSearch search(v, g, o);
    std::vector<Combination> found;
    for (uint64_t block : search.run()) {
        Combination c{};
        int i = 0;
        for (uint64_t b = block; b; b &= b - 1)
            c[i++] = static_cast<uint8_t>(std::countr_zero(b) + 1);
        found.push_back(c);
    }
    w.stopped_early = w.stopped_early || search.stopped_early();
    place(!split.empty() && split.size() < found.size() ? std::move(split) : std::move(found));
    return w;
}

} // namespace lotto
