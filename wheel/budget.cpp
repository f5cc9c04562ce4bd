#include "wheel/budget.h"

#include "engine/run.h"
#include "wheel/cooling.h"
#include "wheel/cover.h"
#include "wheel/cover_index.h"
#include "wheel/search_clock.h"

#include <algorithm>
#include <queue>

namespace lotto {

namespace {

// The most M-subsets and candidate tickets the search holds.
constexpr uint64_t MostCases = 4'000'000;
constexpr uint64_t MostCandidates = 3'000'000;

// Work units of the default effort: about one for each subset ranked.
constexpr uint64_t WorkPerEffort = 200'000'000;

// The search's state: the wheel's numbers as points 0..v-1, tickets as masks of s points (the
// keys are added when they are printed), and for each M-subset how many tickets cover it.
class Shaper {
  public:
    Shaper(const WheelRequest& r, uint64_t seed, uint64_t work, double time_limit)
        : r_(r), numbers_(sorted(r.numbers)), v_(static_cast<int>(numbers_.size())),
          s_(7 - static_cast<int>(r.keys.size())), t_(r.guarantee.t), m_(r.guarantee.m),
          all_(v_ == 64 ? ~uint64_t{0} : (uint64_t{1} << v_) - 1),
          index_(static_cast<uint32_t>(v_), static_cast<uint32_t>(m_)), count_(index_.size(), 0),
          clock_(work, time_limit) {
        rng_.state = seed;
        uncovered_.fill(index_.size());
        for (const Combination& k : r.kept) add(mask_of(k), false);
        if (r.filters) pin_uncoverable();
    }

    // Adds the ticket covering the most cases still uncovered, each time, ties to the first in
    // the order of the candidates, until budget tickets (0: no bound) or no gain.
    void greedy(uint32_t budget) {
        const std::vector<uint64_t> candidates = passing_candidates();
        const uint32_t per_ticket =
            static_cast<uint32_t>(covered_by(candidates.empty() ? 0 : candidates[0]));
        struct Entry {
            uint32_t gain, index, stamp;
            bool operator<(const Entry& o) const {
                return gain != o.gain ? gain < o.gain : index > o.index;
            }
        };
        std::priority_queue<Entry> heap;
        for (uint32_t i = 0; i < candidates.size(); ++i) heap.push({per_ticket, i, UINT32_MAX});
        uint32_t step = 0;
        while (!heap.empty() && (budget == 0 || added_.size() < budget) && !uncovered_.empty()) {
            Entry e = heap.top();
            heap.pop();
            if (e.gain == 0) break;
            if (e.stamp != step) {
                e.gain = gain_of(candidates[e.index]);
                e.stamp = step;
                heap.push(e);
                continue;
            }
            add(candidates[e.index], true);
            ++step;
        }
    }

    // Anneals the added tickets at their number until every coverable case is covered, the work
    // runs out or Fruitless schedules in a row (each twice as long as the one before) found no
    // better; keeps the tickets that left the fewest uncovered.
    void anneal() {
        if (added_.empty()) return;
        Cooling cooling(StartBeta, StopBeta, FirstPeriod);
        std::vector<uint64_t> fewest = added_;
        uint32_t least = uncovered_.size();
        int fruitless = 0;
        while (!uncovered_.empty() && !stop() && fruitless < Fruitless) {
            if (step(cooling) && uncovered_.size() < least)
                least = uncovered_.size(), fewest = added_, fruitless = -1;
            if (!cooling.tick()) continue;
            restart_from(fewest);
            ++fruitless;
        }
        if (uncovered_.size() > least) restart_from(fewest);
    }

    // From a cover: drops the weakest ticket and anneals again while that finds a cover, keeping
    // the smallest.
    void shrink() {
        while (uncovered_.empty() && added_.size() > 1 && !stop()) {
            const std::vector<uint64_t> cover = added_;
            drop_weakest_block(added_, count_, uncovered_, rng_,
                               [&](uint64_t b, auto&& f) { for_each_covered(b, f); });
            anneal();
            if (!uncovered_.empty()) {
                restart_from(cover);
                return;
            }
        }
    }

    ShapedWheel result() const {
        ShapedWheel w;
        for (uint64_t b : added_) w.added.push_back(ticket_of(b));
        std::sort(w.added.begin(), w.added.end());
        w.cases = index_.size();
        w.covered = w.cases - uncovered_.size() - pinned_.size();
        w.uncoverable = pinned_.size();
        if (!pinned_.empty()) w.first_uncoverable = numbers_in(index_.unrank(pinned_.front()));
        w.stopped_early = clock_.stopped_early();
        return w;
    }

    bool covers_all() const { return uncovered_.empty(); }
    std::size_t size() const { return added_.size(); }

  private:
    static constexpr uint32_t StartBeta = 4, StopBeta = 128;
    static constexpr uint64_t FirstPeriod = 16;
    static constexpr int Fruitless = 8;

    static std::vector<uint8_t> sorted(std::vector<uint8_t> n) {
        std::sort(n.begin(), n.end());
        return n;
    }

    bool stop() { return clock_.work >= clock_.budget() || clock_.out_of_time(); }

    // The points of a ticket's numbers among the wheel's.
    uint64_t mask_of(const Combination& c) const {
        uint64_t m = 0;
        for (uint8_t n : c)
            for (int i = 0; i < v_; ++i)
                if (numbers_[i] == n) m |= uint64_t{1} << i;
        return m;
    }

    std::vector<uint8_t> numbers_in(uint64_t mask) const {
        std::vector<uint8_t> n;
        for (; mask; mask &= mask - 1) n.push_back(numbers_[std::countr_zero(mask)]);
        return n;
    }

    Combination ticket_of(uint64_t b) const {
        std::vector<uint8_t> n = numbers_in(b);
        n.insert(n.end(), r_.keys.begin(), r_.keys.end());
        std::sort(n.begin(), n.end());
        Combination c{};
        std::copy_n(n.begin(), 7, c.begin());
        return c;
    }

    bool passes(uint64_t b) const {
        if (!r_.filters) return true;
        const Combination c = ticket_of(b);
        uint8_t raw[7];
        std::copy(c.begin(), c.end(), raw);
        return combination_passes(*r_.filters, raw, r_.highest);
    }

    // Calls f(rank) for every case the points b meet in t or more.
    template <class F> void for_each_covered(uint64_t b, F&& f) {
        const int held = bit_count(b);
        for (int i = t_; i <= std::min(held, m_); ++i)
            for_each_subset(b, i, [&](uint64_t inside) {
                for_each_subset(all_ & ~b, m_ - i, [&](uint64_t outside) {
                    f(index_.rank(inside | outside));
                    ++clock_.work;
                });
            });
    }

    uint64_t covered_by(uint64_t b) {
        uint64_t n = 0;
        for_each_covered(b, [&](uint32_t) { ++n; });
        return n;
    }

    uint32_t gain_of(uint64_t b) {
        uint32_t g = 0;
        for_each_covered(b, [&](uint32_t r) { g += count_[r] == 0; });
        return g;
    }

    void add(uint64_t b, bool added) {
        for_each_covered(b, [&](uint32_t r) {
            if (count_[r]++ == 0) uncovered_.remove(r);
        });
        if (added) added_.push_back(b);
    }

    void restart_from(const std::vector<uint64_t>& tickets) {
        for (uint64_t b : added_)
            for_each_covered(b, [&](uint32_t r) {
                if (--count_[r] == 0) uncovered_.add(r);
            });
        added_.clear();
        for (uint64_t b : tickets) add(b, true);
    }

    // The s-point tickets that pass the filters, in lexicographic order of their numbers.
    std::vector<uint64_t> passing_candidates() {
        std::vector<uint64_t> c;
        for_each_subset(all_, s_, [&](uint64_t b) {
            if (passes(b)) c.push_back(b);
        });
        // for_each_subset gives the lexicographic order of the points, which is that of the
        // numbers since the points are the numbers in ascending order.
        return c;
    }

    // The cases no passing ticket covers (beyond those the kept tickets cover) are set aside as
    // covered, counted in pinned_.
    void pin_uncoverable() {
        std::vector<uint8_t> coverable(index_.size(), 0);
        for (uint64_t b : passing_candidates())
            for_each_covered(b, [&](uint32_t r) { coverable[r] = 1; });
        for (uint32_t r = 0; r < index_.size(); ++r)
            if (count_[r] == 0 && !coverable[r]) pinned_.push_back(r);
        for (uint32_t r : pinned_) count_[r] = 1, uncovered_.remove(r);
    }

    // One annealing move: a random uncovered case, a ticket meeting it in the most points, one of
    // the ticket's points outside the case swapped for one inside.
    bool step(Cooling& cooling) {
        const uint64_t u = index_.unrank(uncovered_[rng_.below(uncovered_.size())]);
        int most = -1;
        uint32_t ties = 0, chosen = 0;
        for (uint32_t j = 0; j < added_.size(); ++j) {
            const int meet = bit_count(added_[j] & u);
            if (meet > most) most = meet, ties = 0;
            if (meet == most && rng_.below(++ties) == 0) chosen = j;
        }
        const uint64_t block = added_[chosen];
        const uint64_t out = random_bit(rng_, block & ~u), in = random_bit(rng_, u & ~block);
        clock_.work += 16;
        if (!passes(block ^ out ^ in)) return false;
        // Only cases holding exactly t-1 points of the block less out, and out or in, change.
        lost_.clear();
        won_.clear();
        for_each_subset(block & ~out, t_ - 1, [&](uint64_t c) {
            for_each_subset(all_ & ~block & ~in, m_ - t_, [&](uint64_t d) {
                lost_.push_back(index_.rank(c | d | out));
                won_.push_back(index_.rank(c | d | in));
                clock_.work += 2;
            });
        });
        int64_t delta = 0;
        for (uint32_t r : lost_)
            if (--count_[r] == 0) uncovered_.add(r), ++delta;
        for (uint32_t r : won_)
            if (count_[r]++ == 0) uncovered_.remove(r), --delta;
        if (cooling.accept(rng_, delta)) {
            added_[chosen] = block ^ out ^ in;
            return true;
        }
        for (uint32_t r : won_)
            if (--count_[r] == 0) uncovered_.add(r);
        for (uint32_t r : lost_)
            if (count_[r]++ == 0) uncovered_.remove(r);
        return false;
    }

    const WheelRequest& r_;
    const std::vector<uint8_t> numbers_;
    const int v_, s_, t_, m_;
    const uint64_t all_;
    SubsetIndex index_;
    std::vector<uint32_t> count_;
    ListedSet uncovered_;
    std::vector<uint32_t> pinned_;
    std::vector<uint64_t> added_;
    std::vector<uint32_t> lost_, won_;
    SearchClock clock_;
    SplitMix64 rng_;
};

} // namespace

std::string check_wheel_shape(const WheelRequest& r) {
    const std::string range = "1.." + std::to_string(r.highest);
    uint64_t seen = 0;
    for (uint8_t n : r.numbers) seen |= uint64_t{1} << (n - 1);
    if (r.keys.size() > 5) return std::to_string(r.keys.size()) + " key numbers given; at most 5";
    for (uint8_t k : r.keys) {
        if (k < 1 || k > r.highest)
            return "key number " + std::to_string(k) + " is outside " + range;
        if (seen >> (k - 1) & 1)
            return "key number " + std::to_string(k) +
                   (std::count(r.numbers.begin(), r.numbers.end(), k) != 0
                        ? " is among the wheel's numbers"
                        : " is given twice");
        seen |= uint64_t{1} << (k - 1);
    }
    const int s = 7 - static_cast<int>(r.keys.size());
    const Guarantee g = r.guarantee;
    if (g.t > s)
        return "with " + std::to_string(r.keys.size()) + " key numbers a ticket holds " +
               std::to_string(s) + " of the wheel's numbers, fewer than the " +
               std::to_string(g.t) + " the guarantee " + std::to_string(g.t) + "-if-" +
               std::to_string(g.m) + " needs";
    const auto v = static_cast<uint32_t>(r.numbers.size());
    if (v <= static_cast<uint32_t>(s))
        return "the wheel needs more than " + std::to_string(s) + " numbers beside the keys";
    if (static_cast<uint32_t>(g.m) > v)
        return "the guarantee's M is " + std::to_string(g.m) + ", more than the " +
               std::to_string(v) + " numbers";
    if (choose(v, static_cast<uint32_t>(g.m)) > MostCases)
        return "the " + std::to_string(v) + " numbers have more than " + std::to_string(MostCases) +
               " " + std::to_string(g.m) + "-subsets, more than this search holds";
    if (choose(v, static_cast<uint32_t>(s)) > MostCandidates)
        return "the " + std::to_string(v) + " numbers make more than " +
               std::to_string(MostCandidates) +
               " tickets to choose from; use fewer numbers or "
               "more keys";
    return "";
}

ShapedWheel greedy_shaped_wheel(const WheelRequest& r) {
    Shaper s(r, 0, UINT64_MAX, 0);
    s.greedy(r.budget);
    return s.result();
}

ShapedWheel find_shaped_wheel(const WheelRequest& r, const SearchOptions& o) {
    const uint64_t work = o.work != 0 ? o.work : WorkPerEffort * std::max<uint32_t>(o.effort, 1);
    Shaper s(r, o.seed, work, o.time_limit);
    s.greedy(r.budget);
    if (!s.covers_all()) s.anneal();
    s.shrink();
    ShapedWheel w = s.result();
    if (o.progress) o.progress(w.added.size());
    // A plain wheel that the budget allows whole is also searched by the wheel search.
    const bool plain = r.keys.empty() && !r.filters && r.kept.empty();
    if (plain && w.covered == w.cases && !w.stopped_early) {
        const Wheel whole = find_wheel(r.numbers, r.guarantee, o);
        if (whole.tickets.size() < w.added.size()) {
            w.added = whole.tickets;
            w.stopped_early = whole.stopped_early;
        }
    }
    return w;
}

} // namespace lotto
