#include "wheel/reduce.h"

#include "analysis/splitmix64.h"
#include "wheel/designs.h"
#include "wheel/reduce_counts.h"
#include "wheel/reduce_cover.h"
#include "wheel/reduce_index.h"
#include "wheel/reduce_levels.h"
#include "wheel/split_wheel.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstring>
#include <numeric>

namespace lotto {

namespace {

using namespace reduce_detail;
using Clock = std::chrono::steady_clock;

struct Deadline {
    Clock::time_point end;
    bool limited = false;
    bool passed() const { return limited && Clock::now() >= end; }
};

uint64_t mask_of(const uint8_t* r) {
    uint64_t m = 0;
    for (int i = 0; i < 7; ++i) m |= uint64_t{1} << (r[i] - 1);
    return m;
}

// The distinct stored combinations as number masks, in the order of their first occurrence.
std::vector<uint64_t> distinct_masks(const uint8_t* store, uint32_t count) {
    bool ascending = true;
    for (uint32_t i = 1; i < count && ascending; ++i)
        ascending = std::memcmp(store + 7 * std::size_t{i - 1}, store + 7 * std::size_t{i}, 7) < 0;
    std::vector<uint64_t> masks;
    masks.reserve(count);
    if (ascending) {
        for (uint32_t i = 0; i < count; ++i) masks.push_back(mask_of(store + 7 * std::size_t{i}));
        return masks;
    }
    std::vector<uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0u);
    const auto rec = [&](uint32_t i) { return store + 7 * std::size_t{i}; };
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return std::memcmp(rec(a), rec(b), 7) < 0; });
    std::vector<uint8_t> first(count, 0);
    for (uint32_t j = 0; j < count; ++j)
        first[order[j]] = j == 0 || std::memcmp(rec(order[j - 1]), rec(order[j]), 7) != 0;
    for (uint32_t i = 0; i < count; ++i)
        if (first[i]) masks.push_back(mask_of(rec(i)));
    return masks;
}

// Candidates waiting in the greedy's queue: a number mask, its store index, an upper bound on
// its gain now (the gain when last counted, or lower), the rest of its gain then, and whether it
// was uncovered itself then (once covered it stays so).
struct Candidate {
    uint64_t mask;
    uint32_t index;
    uint32_t bound;
    uint32_t rest;
    bool uncovered;
};

// The plain greedy choice: the stored combination covering the most uncovered ones, the first in
// store order (or by the tie keys given) among equals, until all are covered. Gains only fall, so
// the candidates wait on levels by an upper bound of their gain (the last counted, or a cheaper
// bound since), and a round bounds and recounts them from the highest level down until no level
// left can beat the best found. Returns the picks in order.
// Past the deadline each uncovered combination becomes its own ticket, and stopped is set.
std::vector<uint64_t> lazy_greedy(const std::vector<uint64_t>& masks, uint32_t highest, int t,
                                  const SubsetIndex& index, const Deadline& deadline, bool& stopped,
                                  const std::vector<uint32_t>& ties = {}) {
    // Among equal gains the first by (tie key, index); without keys the first in store order.
    const auto before = [&](uint32_t i, uint32_t j) {
        if (j == UINT32_MAX) return true;
        if (ties.empty() || ties[i] == ties[j]) return i < j;
        return ties[i] < ties[j];
    };
    const uint32_t count = static_cast<uint32_t>(masks.size());
    SubsetCounts counts(highest, t);
    for (uint64_t m : masks) counts.add(m, 1);
    struct Level {
        std::vector<Candidate> waiting;
        uint32_t fresh_round = 0;   // the round that last added candidates counted in it
        std::size_t fresh_from = 0; // where that round's candidates start
    };
    std::vector<Level> levels;
    uint32_t top = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t rest = 0;
        const uint32_t gain = static_cast<uint32_t>(counts.gain(masks[i], true, rest));
        const uint32_t level = level_of(gain);
        if (level >= levels.size()) levels.resize(level + 1);
        levels[level].waiting.push_back({masks[i], i, gain, rest, true});
        top = std::max(top, level);
    }
    const bool bounded = counts.split() < 6;
    uint32_t round = 1;
    Coverage cover(masks, index, t);
    std::vector<uint64_t> picks;
    while (cover.uncovered() > 0 && !deadline.passed()) {
        uint32_t best = 0, best_i = UINT32_MAX;
        uint64_t best_mask = 0;
        for (uint32_t level = top + 1; level-- > 0 && level_top(level) >= best;) {
            Level& here = levels[level];
            std::vector<Candidate>& waiting = here.waiting;
            // Those added this round were bounded or counted this round, and already compared.
            const std::size_t fresh = here.fresh_round == round ? here.fresh_from : waiting.size();
            const auto can_win = [&](uint32_t gain, uint32_t i) {
                return gain > best || (gain == best && before(i, best_i));
            };
            std::size_t kept = 0;
            for (std::size_t j = 0; j < waiting.size(); ++j) {
                Candidate c = waiting[j];
                if (j < fresh && can_win(c.bound, c.index)) {
                    // First the cheaper bound (counting the candidate itself while it may be
                    // uncovered), then (if that can still win) the gain.
                    const uint32_t bound =
                        bounded
                            ? static_cast<uint32_t>(counts.gain_bound(c.mask, c.uncovered, c.rest))
                            : c.bound;
                    if (can_win(bound, c.index)) {
                        c.uncovered = c.uncovered && !cover.covered(c.index);
                        c.bound = static_cast<uint32_t>(counts.gain(c.mask, c.uncovered, c.rest));
                        if (can_win(c.bound, c.index))
                            best = c.bound, best_i = c.index, best_mask = c.mask;
                    } else {
                        c.bound = std::min(c.bound, bound);
                    }
                }
                if (c.bound == 0) continue;
                const uint32_t to = level_of(c.bound);
                if (to == level) {
                    waiting[kept++] = c;
                    continue;
                }
                // To a lower level, reached later in the round if it can still win.
                Level& lower = levels[to];
                if (lower.fresh_round != round) {
                    lower.fresh_round = round;
                    lower.fresh_from = lower.waiting.size();
                }
                lower.waiting.push_back(c);
            }
            waiting.resize(kept);
        }
        while (top > 0 && levels[top].waiting.empty()) --top;
        assert(best > 0);
        for (uint32_t d : cover.take(best_mask)) counts.add(masks[d], -1);
        picks.push_back(best_mask);
        ++round;
    }
    stopped = cover.uncovered() > 0;
    for (uint32_t d = 0; d < count && cover.uncovered() > 0; ++d)
        if (!cover.covered(d)) {
            cover.take(masks[d]);
            picks.push_back(masks[d]);
        }
    return picks;
}

// Drops, last first, each ticket whose covered stored combinations all have another ticket too.
std::vector<uint64_t> drop_redundant(const std::vector<uint64_t>& tickets, const SubsetIndex& index,
                                     int t, std::size_t count) {
    std::vector<uint32_t> times(count, 0), stamp(count, 0);
    uint32_t epoch = 0;
    for (uint64_t ticket : tickets)
        for_covered(index, t, ticket, stamp, epoch, [&](uint32_t d) { ++times[d]; });
    std::vector<uint8_t> kept(tickets.size(), 1);
    for (std::size_t j = tickets.size(); j-- > 0;) {
        bool needed = false;
        for_covered(index, t, tickets[j], stamp, epoch,
                    [&](uint32_t d) { needed = needed || times[d] == 1; });
        if (needed) continue;
        kept[j] = 0;
        for_covered(index, t, tickets[j], stamp, epoch, [&](uint32_t d) { --times[d]; });
    }
    std::vector<uint64_t> out;
    for (std::size_t j = 0; j < tickets.size(); ++j)
        if (kept[j]) out.push_back(tickets[j]);
    return out;
}

// The split construction's tickets that cover some stored combination, or none when it has no
// construction for the game or (tickets from the stored) one of them is not stored.
std::vector<uint64_t> construction_tickets(const std::vector<uint64_t>& masks, uint32_t highest,
                                           int t, TicketsFrom from, const SubsetIndex& index) {
    std::vector<uint64_t> useful;
    std::vector<uint32_t> stamp(masks.size(), 0);
    uint32_t epoch = 0;
    std::vector<uint64_t> stored;
    if (from == TicketsFrom::Stored) {
        stored = masks;
        std::sort(stored.begin(), stored.end());
    }
    for (const Combination& c : split_construction(highest, t)) {
        const uint64_t m = mask_of(c.data());
        bool covers = false;
        for_covered(index, t, m, stamp, epoch, [&](uint32_t) { covers = true; });
        if (!covers) continue;
        if (from == TicketsFrom::Stored && !std::binary_search(stored.begin(), stored.end(), m))
            return {};
        useful.push_back(m);
    }
    return useful;
}

// Whether the store holds every combination of 1..highest: as many records as there are
// combinations, in strictly ascending order.
bool whole_game(const uint8_t* store, uint32_t count, uint32_t highest) {
    if (count != game_combinations(highest)) return false;
    for (uint32_t i = 1; i < count; ++i)
        if (std::memcmp(store + 7 * std::size_t{i - 1}, store + 7 * std::size_t{i}, 7) >= 0)
            return false;
    return true;
}

std::vector<Combination> sorted_tickets(const std::vector<uint64_t>& masks) {
    std::vector<Combination> tickets;
    for (uint64_t m : masks) tickets.push_back(numbers_of_mask(m));
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

} // namespace

Reduction reduce_stored(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                        TicketsFrom from, const SearchOptions& o) {
    assert(highest >= 7 && highest <= 64 && t >= 2 && t <= 6);
    Reduction r;
    if (count == 0) return r;
    Deadline deadline;
    if (o.time_limit > 0) {
        deadline.limited = true;
        deadline.end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                          std::chrono::duration<double>(o.time_limit));
    }
    const auto report = [&](std::size_t size) {
        if (o.progress) o.progress(size);
    };
    // The whole game: its construction, too large for the greedy to better (or to run at all
    // in the larger games).
    constexpr uint32_t LargeWholeGame = 1'000'000;
    if (count >= LargeWholeGame && whole_game(store, count, highest)) {
        std::vector<Combination> built;
        if (t <= 4) built = split_wheel(highest, t, o, r.stopped_early);
        if (!built.empty()) {
            r.tickets = built;
            report(built.size());
            return r;
        }
    }
    const std::vector<uint64_t> masks = distinct_masks(store, count);
    SubsetIndex index(masks, highest, t);
    std::vector<uint64_t> best = lazy_greedy(masks, highest, t, index, deadline, r.stopped_early);
    report(best.size());
    // Past the time limit the cover stands as it is.
    if (!r.stopped_early) best = drop_redundant(best, index, t, masks.size());
    report(best.size());
    // More greedy passes breaking ties by seeded random keys, while the store is small.
    constexpr uint64_t RestartWork = 50'000;
    const uint64_t passes = std::min<uint64_t>(32, RestartWork / masks.size()) * o.effort;
    SplitMix64 random{o.seed};
    std::vector<uint32_t> ties(masks.size());
    for (uint64_t pass = 0; pass < passes && !r.stopped_early; ++pass) {
        for (uint32_t& key : ties) key = static_cast<uint32_t>(random.next() >> 32);
        bool stopped = false;
        std::vector<uint64_t> tried =
            lazy_greedy(masks, highest, t, index, deadline, stopped, ties);
        if (stopped) {
            r.stopped_early = true;
            break;
        }
        tried = drop_redundant(tried, index, t, masks.size());
        if (tried.size() < best.size()) {
            best = tried;
            report(best.size());
        }
    }
    std::vector<uint64_t> built = construction_tickets(masks, highest, t, from, index);
    if (!built.empty()) {
        built = drop_redundant(built, index, t, masks.size());
        if (built.size() < best.size()) {
            best = built;
            report(best.size());
        }
    }
    r.tickets = sorted_tickets(best);
    return r;
}

} // namespace lotto
