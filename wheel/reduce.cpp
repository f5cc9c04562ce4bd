#include "wheel/reduce.h"

#include "analysis/splitmix64.h"
#include "wheel/cover.h"
#include "wheel/designs.h"
#include "wheel/in_parts.h"
#include "wheel/reduce_counts.h"
#include "wheel/reduce_cover.h"
#include "wheel/reduce_index.h"
#include "wheel/reduce_levels.h"
#include "wheel/split_wheel.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cassert>
#include <chrono>
#include <cstring>
#include <numeric>
#include <optional>
#include <set>
#include <unordered_set>

namespace lotto {

namespace {

using namespace reduce_detail;
using Clock = std::chrono::steady_clock;

struct Deadline {
    Clock::time_point end;
    bool limited = false;
    const std::atomic<bool>* cancel = nullptr; // a cancelled search passes its deadline at once
    bool passed() const {
        return (limited && Clock::now() >= end) ||
               (cancel != nullptr && cancel->load(std::memory_order_relaxed));
    }
};

Deadline deadline_of(const SearchOptions& o) {
    Deadline deadline;
    deadline.cancel = o.cancel;
    if (o.time_limit > 0) {
        deadline.limited = true;
        deadline.end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                          std::chrono::duration<double>(o.time_limit));
    }
    return deadline;
}

uint64_t mask_of(const uint8_t* r) {
    uint64_t m = 0;
    for (int i = 0; i < 7; ++i) m |= uint64_t{1} << (r[i] - 1);
    return m;
}

// The candidates are shared among the threads from this many.
constexpr std::size_t ParallelScan = 1 << 12;
// The stored combinations are shared among the threads from this many.
constexpr std::size_t ParallelDrop = 1 << 16;

// Whether the records are in strictly ascending order (so all distinct), as a run stores them; the
// store shared among the threads.
bool strictly_ascending(const uint8_t* store, uint32_t count, std::size_t threads) {
    std::atomic<bool> ascending{true};
    in_parts(count >= ParallelDrop ? threads : 1, count,
             [&](std::size_t lo, std::size_t hi, std::size_t) {
                 for (std::size_t i = std::max<std::size_t>(lo, 1); i < hi; ++i)
                     if (std::memcmp(store + 7 * (i - 1), store + 7 * i, 7) >= 0) {
                         ascending = false;
                         return;
                     }
             });
    return ascending;
}

// The distinct stored combinations as number masks, in the order of their first occurrence.
std::vector<uint64_t> distinct_masks(const uint8_t* store, uint32_t count, std::size_t threads) {
    std::vector<uint64_t> masks;
    if (strictly_ascending(store, count, threads)) {
        reserve_huge(masks, count);
        masks.resize(count);
        in_parts(count >= ParallelDrop ? threads : 1, count,
                 [&](std::size_t lo, std::size_t hi, std::size_t) {
                     for (std::size_t i = lo; i < hi; ++i) masks[i] = mask_of(store + 7 * i);
                 });
        return masks;
    }
    masks.reserve(count);
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

// Candidates waiting in the greedy's queue: a number mask (in two halves, for 20 bytes in all), a
// store index, an upper bound on its gain now (the gain when last counted, or lower) and the rest
// of its gain then. Whether the candidate still counts itself is read from the coverage: once
// covered it stays so, and the bound holds either way.
struct Candidate {
    uint32_t low, high;
    uint32_t index;
    uint32_t bound;
    uint32_t rest;
    uint64_t mask() const { return uint64_t{high} << 32 | low; }
};

// Tickets offered besides the combinations to cover, in store order: their masks and the index of
// the combination to cover that each is, or NotToCover.
constexpr uint32_t NotToCover = UINT32_MAX;
struct Offered {
    std::vector<uint64_t> masks;
    std::vector<uint32_t> target;
};

// For each ticket the stored combinations it covered first, when taken: only these can be covered
// by it alone.
using FirstCovered = std::vector<std::vector<uint32_t>>;

// The plain greedy choice: the stored combination covering the most uncovered ones (among those
// offered, when given), the first in store order (or by the tie keys given) among equals, until
// all are covered. Gains only fall, so the candidates wait on levels by an upper bound of their
// gain (the last counted, or a cheaper bound since), and a round bounds and recounts them from the
// highest level down until no level left can beat the best found. Returns the picks in order.
// Past the deadline each uncovered combination becomes its own ticket, and stopped is set.
// The tickets taken are taken first and not returned; at most most picks are made (the stored
// combinations left uncovered then stay so, counted in left when given). With firsts, what each
// ticket taken and each pick covered first, in that order.
std::vector<uint64_t>
lazy_greedy(const std::vector<uint64_t>& masks, uint32_t highest, int t, const Deadline& deadline,
            std::size_t threads, bool& stopped, const std::vector<uint32_t>& ties = {},
            const Offered* offered = nullptr, const std::vector<uint64_t>& taken = {},
            std::size_t most = SIZE_MAX, uint32_t* left = nullptr, FirstCovered* firsts = nullptr) {
    // Among equal gains the first by (tie key, index); without keys the first in store order.
    const auto before = [&](uint32_t i, uint32_t j) {
        if (j == UINT32_MAX) return true;
        if (ties.empty() || ties[i] == ties[j]) return i < j;
        return ties[i] < ties[j];
    };
    const uint32_t count = static_cast<uint32_t>(masks.size());
    const uint32_t candidates = offered ? static_cast<uint32_t>(offered->masks.size()) : count;
    const auto mask_at = [&](uint32_t i) { return offered ? offered->masks[i] : masks[i]; };
    const auto target_at = [&](uint32_t i) { return offered ? offered->target[i] : i; };
    SubsetCounts counts(highest, t);
    // The subset sizes t..6 in two halves of about as many subsets, each size in turn to the
    // lighter half.
    unsigned halves[2] = {0, 0};
    uint64_t weights[2] = {0, 0};
    for (int k = t; k <= 6; ++k) {
        const int lighter = weights[1] < weights[0] ? 1 : 0;
        halves[lighter] |= 1u << k;
        weights[lighter] += reduce_detail::binomial(7, static_cast<uint32_t>(k));
    }
    // Adds delta to the counts of the n combinations nth(i) gives: where they are many, two threads
    // each for a half of the subset sizes.
    const auto add_counts = [&](std::size_t n, auto&& nth, int delta) {
        in_parts(n >= ParallelScan ? std::min<std::size_t>(threads, 2) : 1, 2,
                 [&](std::size_t lo, std::size_t hi, std::size_t) {
                     unsigned sizes = 0;
                     for (std::size_t half = lo; half < hi; ++half) sizes |= halves[half];
                     for (std::size_t i = 0; i < n; ++i) counts.add(nth(i), delta, sizes);
                 });
    };
    add_counts(
        masks.size(), [&](std::size_t i) { return masks[i]; }, 1);
    Coverage cover(masks, t, highest, threads);
    const auto take = [&](uint64_t ticket) {
        const std::vector<uint32_t>& hit = cover.take(ticket);
        if (firsts != nullptr) firsts->push_back(hit);
    };
    for (uint64_t m : taken)
        for (take(m); uint64_t h : cover.hit_masks()) counts.add(h, -1);
    // Levels hold their candidates in blocks of 256 (5 KiB), from their part's pool.
    using Waiting = BlockList<Candidate, 8>;
    struct Level {
        Waiting waiting;
        uint32_t fresh_round = 0;   // the round that last added candidates counted in it
        std::size_t fresh_from = 0; // where that round's candidates start
    };
    // The candidates are shared among parts, each on levels of its own, and a round each part finds
    // its own best alone (one thread each): the best of the parts is the best of all, whatever the
    // parts.
    struct alignas(64) Part {
        std::vector<Level> levels{1};
        Waiting::Pool pool;
        uint32_t top = 0;
        uint32_t best = 0, best_i = UINT32_MAX;
        uint64_t best_mask = 0;
    };
    const std::size_t n_parts = candidates >= ParallelScan ? threads : 1;
    std::vector<Part> parts(n_parts);
    // The counts the gain adds (those missing the cache) are fetched a few candidates ahead.
    constexpr std::size_t FetchAhead = 8;
    // Candidate i waits in part i % n_parts: the parts' shares of the store are alike, so that a
    // round's recounts fall evenly on the threads (the halves of a store do not: the gains of its
    // combinations differ with their first numbers).
    in_parts(n_parts, n_parts, [&](std::size_t, std::size_t, std::size_t k) {
        Part& part = parts[k];
        const std::size_t own = (candidates - k + n_parts - 1) / n_parts;
        const auto nth = [&](std::size_t n) { return static_cast<uint32_t>(k + n * n_parts); };
        TicketSums ahead[FetchAhead];
        for (std::size_t n = 0; n < own + FetchAhead; ++n) {
            if (n >= FetchAhead) {
                const uint32_t i = nth(n - FetchAhead);
                TicketSums& s = ahead[n % FetchAhead];
                const uint32_t target = target_at(i);
                const bool itself = target != NotToCover && !cover.covered(target);
                uint32_t rest = 0;
                counts.gain_bound(s, itself, 0);
                const uint32_t gain = static_cast<uint32_t>(counts.gain(s, itself, rest));
                if (gain != 0) {
                    const uint32_t level = level_of(gain);
                    if (level >= part.levels.size()) part.levels.resize(level + 1);
                    const uint64_t m = mask_at(i);
                    part.levels[level].waiting.push_back(
                        {static_cast<uint32_t>(m), static_cast<uint32_t>(m >> 32), i, gain, rest},
                        part.pool);
                    part.top = std::max(part.top, level);
                }
            }
            if (n < own) {
                ahead[n % FetchAhead].set(mask_at(nth(n)));
                counts.fetch(ahead[n % FetchAhead]);
            }
        }
    });
    // Candidates whose bound can win, waiting for the counts their gain adds.
    struct Pending {
        Candidate c;
        uint32_t bound;
        bool itself;
        TicketSums sums;
    };
    constexpr std::size_t Depth = FetchAhead;
    // Whether a candidate that can win is bounded before its gain is counted: up to t = 3, where
    // the gain's larger subsets add many look-ups to the bound's (28 to 70 at t = 3) and the gains
    // fall fast. From t = 4 on they add few (7 to 56), and the gains counted outright, kept, leave
    // far fewer candidates to recount than the bounds with a rest counted rounds ago.
    const bool bounded = t <= 3;
    uint32_t round = 1;
    std::vector<uint64_t> picks;
    const auto beats = [&](uint32_t gain, uint32_t i, uint32_t than, uint32_t than_i) {
        return gain > than || (gain == than && before(i, than_i));
    };
    // Where few are left uncovered, the gains are counted from them directly (and the subset
    // counts, no longer read, are no longer kept).
    constexpr uint32_t FewLeft = 512;
    std::optional<FewUncovered> few;
    while (cover.uncovered() > 0 && picks.size() < most && !deadline.passed()) {
        if (cover.uncovered() <= FewLeft) few.emplace(cover.uncovered_masks(), highest, t);
        // The highest gain any part has found this round: no candidate below it can win.
        std::atomic<uint32_t> floor{0};
        in_parts(n_parts, n_parts, [&](std::size_t, std::size_t, std::size_t k) {
            Part& part = parts[k];
            part.best = 0, part.best_i = UINT32_MAX, part.best_mask = 0;
            const auto can_win = [&](uint32_t gain, uint32_t i) {
                return beats(gain, i, part.best, part.best_i) &&
                       gain >= floor.load(std::memory_order_relaxed);
            };
            Pending pending[Depth];
            for (uint32_t level = part.top + 1;
                 level-- > 0 && level_top(level) >= part.best &&
                 level_top(level) >= floor.load(std::memory_order_relaxed);) {
                Level& here = part.levels[level];
                Waiting& waiting = here.waiting;
                // Those added this round were bounded or counted this round, and already compared.
                // The rest are scanned with the best so far; those staying on the level are kept in
                // place, and those moving down are reached later in the round if they can still
                // win.
                const std::size_t fresh =
                    here.fresh_round == round ? here.fresh_from : waiting.size();
                std::size_t kept = 0;
                const auto place = [&](const Candidate& c) {
                    if (c.bound == 0) return;
                    const uint32_t to = level_of(c.bound);
                    if (to == level) {
                        waiting[kept++] = c;
                        return;
                    }
                    Level& lower = part.levels[to];
                    if (lower.fresh_round != round) {
                        lower.fresh_round = round;
                        lower.fresh_from = lower.waiting.size();
                    }
                    lower.waiting.push_back(c, part.pool);
                };
                // A candidate with its gain counted: the best so far where it beats it.
                const auto counted = [&](const Candidate& c) {
                    if (beats(c.bound, c.index, part.best, part.best_i)) {
                        part.best = c.bound, part.best_i = c.index, part.best_mask = c.mask();
                        uint32_t was = floor.load(std::memory_order_relaxed);
                        while (was < c.bound && !floor.compare_exchange_weak(was, c.bound))
                            ;
                    }
                    place(c);
                };
                // The gain of one whose bound can win, counted once its counts are fetched.
                const auto settle = [&](Pending& p) {
                    Candidate c = p.c;
                    if (can_win(p.bound, c.index)) {
                        // gain adds the larger subsets to the smaller ones' sums gain_bound
                        // fills: where no bound came first, they are filled here.
                        if (!bounded) counts.gain_bound(p.sums, p.itself, 0);
                        c.bound = static_cast<uint32_t>(counts.gain(p.sums, p.itself, c.rest));
                        counted(c);
                        return;
                    }
                    c.bound = std::min(c.bound, p.bound);
                    place(c);
                };
                std::size_t queued = 0, settled = 0;
                for (std::size_t j = 0; j < waiting.size(); ++j) {
                    // The coverage of a candidate a little ahead, fetched before it is read, and
                    // the candidates further ahead: a level's blocks lie apart, and the
                    // processor's own fetching ahead stops at each (a tenth of the rounds' time).
                    constexpr std::size_t Ahead = 16, StreamAhead = 4 * Ahead;
                    if (j + Ahead < fresh) cover.prefetch(target_at(waiting[j + Ahead].index));
                    if (j + StreamAhead < waiting.size())
                        __builtin_prefetch(&waiting[j + StreamAhead]);
                    const Candidate c = waiting[j];
                    if (j >= fresh || !can_win(c.bound, c.index)) {
                        place(c);
                        continue;
                    }
                    if (few) {
                        Candidate now = c;
                        now.bound = few->gain(c.mask());
                        counted(now);
                        continue;
                    }
                    // First the cheaper bound (counting the candidate itself while it is
                    // uncovered), then (if that can still win) the gain, a few candidates later.
                    if (queued - settled == Depth) settle(pending[settled++ % Depth]);
                    Pending& p = pending[queued % Depth];
                    const uint32_t target = target_at(c.index);
                    p.c = c;
                    p.itself = target != NotToCover && !cover.covered(target);
                    p.sums.set(c.mask());
                    p.bound =
                        bounded ? static_cast<uint32_t>(counts.gain_bound(p.sums, p.itself, c.rest))
                                : c.bound;
                    if (!can_win(p.bound, c.index)) {
                        Candidate lower = c;
                        lower.bound = std::min(c.bound, p.bound);
                        place(lower);
                        continue;
                    }
                    counts.fetch(p.sums);
                    ++queued;
                }
                while (settled < queued) settle(pending[settled++ % Depth]);
                waiting.resize_down(kept, part.pool);
            }
            while (part.top > 0 && part.levels[part.top].waiting.empty()) --part.top;
        });
        uint32_t best = 0, best_i = UINT32_MAX;
        uint64_t best_mask = 0;
        for (const Part& part : parts)
            if (part.best_i != UINT32_MAX && beats(part.best, part.best_i, best, best_i))
                best = part.best, best_i = part.best_i, best_mask = part.best_mask;
        assert(best > 0);
        take(best_mask);
        // The masks come with the take, read in turn (not one by one from the store's).
        const std::vector<uint64_t>& hit = cover.hit_masks();
        if (!few)
            add_counts(
                hit.size(), [&](std::size_t i) { return hit[i]; }, -1);
        picks.push_back(best_mask);
        ++round;
    }
    stopped = cover.uncovered() > 0 && picks.size() < most;
    if (left != nullptr) *left = cover.uncovered();
    for (uint32_t d = 0; d < count && cover.uncovered() > 0 && picks.size() < most; ++d)
        if (!cover.covered(d)) {
            take(masks[d]);
            picks.push_back(masks[d]);
        }
    return picks;
}

// Drops, last first, each ticket from first_droppable on whose covered stored combinations all
// keep another ticket. A ticket alone covering one is never dropped, so only the combinations
// covered by droppable tickets alone are weighed: the sets of those tickets. With firsts (what the
// tickets covered first, taken in this order) only those are looked at for the combinations a
// ticket covers alone, rather than every stored combination.
std::vector<uint64_t> drop_redundant(const std::vector<uint64_t>& tickets,
                                     const std::vector<uint64_t>& masks, uint32_t highest, int t,
                                     std::size_t threads, std::size_t first_droppable = 0,
                                     const FirstCovered* firsts = nullptr) {
    const std::size_t n = tickets.size();
    std::vector<uint8_t> optional(n, 1);
    std::fill_n(optional.begin(), std::min(first_droppable, n), 0);
    if (firsts != nullptr) {
        assert(firsts->size() == n);
        TicketLists lists(tickets, highest, t);
        std::vector<uint32_t> found(n);
        for (std::size_t j = first_droppable; j < n; ++j)
            optional[j] = std::none_of((*firsts)[j].begin(), (*firsts)[j].end(), [&](uint32_t d) {
                return lists.covering(masks[d], found.data()) == 1;
            });
    }
    // The stored combinations are shared among threads, each with its own lists and findings
    // (apart, so that none writes where another reads).
    const std::size_t n_parts = masks.size() >= ParallelDrop ? threads : 1;
    if (firsts == nullptr) {
        std::vector<std::vector<uint8_t>> needed(n_parts);
        in_parts(n_parts, masks.size(), [&](std::size_t lo, std::size_t hi, std::size_t k) {
            TicketLists lists(tickets, highest, t);
            std::vector<uint32_t> found(n);
            std::vector<uint8_t> part(n, 0);
            for (std::size_t d = lo; d < hi; ++d)
                if (lists.covering(masks[d], found.data()) == 1) part[found[0]] = 1;
            needed[k] = std::move(part);
        });
        for (const std::vector<uint8_t>& part : needed)
            for (std::size_t j = 0; j < n; ++j)
                if (part[j]) optional[j] = 0;
    }
    // Where every ticket is the only cover of some combination (as the greedy's mostly are), none
    // can go.
    if (std::find(optional.begin(), optional.end(), 1) == optional.end()) return tickets;
    std::vector<std::set<std::vector<uint32_t>>> sets(n_parts);
    in_parts(n_parts, masks.size(), [&](std::size_t lo, std::size_t hi, std::size_t k) {
        TicketLists lists(tickets, highest, t);
        std::vector<uint32_t> found(n), set, last;
        std::set<std::vector<uint32_t>> part;
        for (std::size_t d = lo; d < hi; ++d) {
            const uint32_t c = lists.covering(masks[d], found.data());
            if (c < 2 || !std::all_of(found.begin(), found.begin() + c,
                                      [&](uint32_t j) { return optional[j] != 0; }))
                continue;
            set.assign(found.begin(), found.begin() + c);
            std::sort(set.begin(), set.end());
            if (set != last) part.insert(set), last = set;
        }
        sets[k] = std::move(part);
    });
    std::set<std::vector<uint32_t>> alone = std::move(sets[0]);
    for (std::size_t k = 1; k < n_parts; ++k) alone.merge(sets[k]);
    std::vector<std::vector<const std::vector<uint32_t>*>> of(n); // the sets holding each ticket
    for (const std::vector<uint32_t>& s : alone)
        for (uint32_t j : s) of[j].push_back(&s);
    std::vector<uint8_t> kept(n, 1);
    for (std::size_t j = n; j-- > 0;) {
        if (!optional[j]) continue;
        const bool spare = std::all_of(of[j].begin(), of[j].end(), [&](const auto* s) {
            return std::any_of(s->begin(), s->end(), [&](uint32_t i) { return i != j && kept[i]; });
        });
        if (spare) kept[j] = 0;
    }
    std::vector<uint64_t> out;
    for (std::size_t j = 0; j < n; ++j)
        if (kept[j]) out.push_back(tickets[j]);
    return out;
}

// The split construction's tickets that cover some stored combination, or none when it has no
// construction for the game or (tickets from the stored) one of them is not stored. The store is
// shared among the threads.
std::vector<uint64_t> construction_tickets(const std::vector<uint64_t>& masks, uint32_t highest,
                                           int t, TicketsFrom from, std::size_t threads) {
    std::vector<uint64_t> built, useful;
    for (const Combination& c : split_construction(highest, t)) built.push_back(mask_of(c.data()));
    if (built.empty()) return {};
    if (from == TicketsFrom::Stored) {
        // Each of them looked for among the stored combinations: one not stored but covering a
        // stored combination (found at once where there is one) rules the construction out, one
        // covering none goes.
        std::vector<uint64_t> wanted = built;
        std::sort(wanted.begin(), wanted.end());
        std::vector<uint8_t> seen(wanted.size(), 0);
        for (uint64_t m : masks)
            if (const auto it = std::lower_bound(wanted.begin(), wanted.end(), m);
                it != wanted.end() && *it == m)
                seen[static_cast<std::size_t>(it - wanted.begin())] = 1;
        std::vector<uint64_t> unstored;
        for (std::size_t j = 0; j < wanted.size(); ++j)
            if (!seen[j]) unstored.push_back(wanted[j]);
        if (!unstored.empty()) { // one pass at most, ending at the first they cover
            TicketLists lists(unstored, highest, t);
            std::vector<uint32_t> found(unstored.size());
            for (uint64_t m : masks)
                if (lists.covering(m, found.data()) != 0) return {};
        }
        std::erase_if(built, [&](uint64_t m) {
            return !seen[static_cast<std::size_t>(
                std::lower_bound(wanted.begin(), wanted.end(), m) - wanted.begin())];
        });
    }
    // Those covering some stored combination, the store shared among the threads.
    const std::size_t n_parts = masks.size() >= ParallelDrop ? threads : 1;
    std::vector<std::vector<uint8_t>> covers(n_parts);
    in_parts(n_parts, masks.size(), [&](std::size_t lo, std::size_t hi, std::size_t k) {
        TicketLists lists(built, highest, t);
        std::vector<uint32_t> found(built.size());
        std::vector<uint8_t> part(built.size(), 0);
        for (std::size_t i = lo; i < hi; ++i)
            for (uint32_t n = lists.covering(masks[i], found.data()), j = 0; j < n; ++j)
                part[found[j]] = 1;
        covers[k] = std::move(part);
    });
    for (std::size_t j = 0; j < built.size(); ++j)
        if (std::any_of(covers.begin(), covers.end(),
                        [&](const std::vector<uint8_t>& part) { return part[j] != 0; }))
            useful.push_back(built[j]);
    return useful;
}

// Whether the store holds every combination of 1..highest: as many records as there are
// combinations, in strictly ascending order.
bool whole_game(const uint8_t* store, uint32_t count, uint32_t highest, std::size_t threads) {
    return count == game_combinations(highest) && strictly_ascending(store, count, threads);
}

// Sorts the items, where they are many in two halves on two threads, merged after.
template <class T> void sort_in_halves(std::vector<T>& items, std::size_t threads) {
    if (threads < 2 || items.size() < ParallelDrop) {
        std::sort(items.begin(), items.end());
        return;
    }
    const auto at = [&](std::size_t i) { return items.begin() + static_cast<std::ptrdiff_t>(i); };
    in_parts(2, items.size(),
             [&](std::size_t lo, std::size_t hi, std::size_t) { std::sort(at(lo), at(hi)); });
    std::inplace_merge(items.begin(), at(items.size() / 2), items.end());
}

// Drops the masks met before, keeping the order.
void keep_first_occurrences(std::vector<uint64_t>& masks, std::size_t threads = 1) {
    std::vector<uint64_t> sorted = masks;
    sort_in_halves(sorted, threads);
    if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) return;
    std::unordered_set<uint64_t> seen;
    std::erase_if(masks, [&](uint64_t m) { return !seen.insert(m).second; });
}

// The share of the game (DenseShareIn / DenseShareOf) from which a large store is covered from the
// construction.
constexpr uint64_t DenseShareIn = 1, DenseShareOf = 2;

// Whether a store is large and holds so much of the game that it is covered from the construction.
bool dense(uint32_t count, uint32_t highest, int t) {
    constexpr uint32_t LargeDenseStore = 1'000'000;
    return count >= LargeDenseStore && t <= 4 &&
           uint64_t{count} * DenseShareOf >= uint64_t{game_combinations(highest)} * DenseShareIn;
}

// The share of a store (1 / MostToMend) that the construction may leave uncovered.
constexpr uint32_t MostToMend = 50;

// The most stored combinations offered as tickets for what the construction leaves uncovered
// (about 50 bytes each).
constexpr std::size_t MostOffered = 16'000'000;

// Of the tickets: which are the only cover of some stored combination, which cover any; and the
// stored combinations none covers, in store order.
struct Survey {
    std::vector<uint8_t> needed, useful;
    std::vector<uint64_t> uncovered;
};

// The stored combinations no ticket covers, in store order: those holding none of the tickets'
// t-subsets (the store shared among the threads as in survey_of).
std::vector<uint64_t> uncovered_of(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                                   const std::vector<uint64_t>& tickets, std::size_t threads) {
    std::vector<uint8_t> held(reduce_detail::binomial(highest, static_cast<uint32_t>(t)), 0);
    uint64_t ranks[35];
    for (uint64_t m : tickets)
        for (int n = subset_ranks(m, t, ranks), j = 0; j < n; ++j) held[ranks[j]] = 1;
    const std::size_t n_parts = count >= ParallelDrop ? threads : 1;
    std::vector<std::vector<uint64_t>> parts(n_parts);
    in_parts(n_parts, count, [&](std::size_t lo, std::size_t hi, std::size_t k) {
        RunningRanks running(t);
        const auto is_held = [&](uint32_t r) { return held[r] != 0; };
        bool first_held = false; // whether a subset of the first six numbers is held
        for (std::size_t i = lo; i < hi; ++i) {
            const uint64_t m = mask_of(store + 7 * i);
            if (running.next(m)) first_held = std::ranges::any_of(running.prefix(), is_held);
            if (!first_held && std::ranges::none_of(running.last(), is_held)) parts[k].push_back(m);
        }
    });
    std::vector<uint64_t> uncovered = std::move(parts[0]);
    for (std::size_t k = 1; k < n_parts; ++k) {
        uncovered.insert(uncovered.end(), parts[k].begin(), parts[k].end());
        std::vector<uint64_t>().swap(parts[k]);
    }
    return uncovered;
}

Survey survey_of(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                 const std::vector<uint64_t>& tickets, std::size_t threads) {
    // For each t-subset the one ticket holding it, or none or many: a stored combination is the
    // only cover of a ticket where all its t-subsets held are held by that ticket alone. A ticket
    // covers some stored combination where one of its t-subsets is held by one.
    constexpr uint32_t None = UINT32_MAX, Many = UINT32_MAX - 1;
    const uint64_t subsets = reduce_detail::binomial(highest, static_cast<uint32_t>(t));
    std::vector<uint32_t> only(subsets, None);
    uint64_t ranks[35];
    for (uint32_t j = 0; j < tickets.size(); ++j)
        for (int n = subset_ranks(tickets[j], t, ranks), k = 0; k < n; ++k)
            only[ranks[k]] = only[ranks[k]] == None ? j : Many;
    // The store is shared among the threads, each with its own survey (apart, so that none writes
    // where another reads), joined in order.
    const std::size_t n_parts = count >= ParallelDrop ? threads : 1;
    std::vector<Survey> parts(n_parts);
    in_parts(n_parts, count, [&](std::size_t lo, std::size_t hi, std::size_t k) {
        std::vector<uint8_t> stored(subsets, 0); // the t-subsets of the stored combinations
        Survey s;
        s.needed.assign(tickets.size(), 0);
        s.useful.assign(tickets.size(), 0);
        // The one ticket holding the t-subsets held, or none or many, over those given.
        // (Through plain pointers, which the byte stores cannot be taken to change.)
        uint8_t* const stored_at = stored.data();
        const uint32_t* const only_at = only.data();
        const auto fold = [stored_at, only_at](std::span<const uint32_t> held, uint32_t one) {
            for (uint32_t r : held) {
                stored_at[r] = 1;
                const uint32_t v = only_at[r];
                if (v == None || v == one) continue;
                one = one == None && v != Many ? v : Many;
            }
            return one;
        };
        RunningRanks running(t);
        uint32_t first_one = None; // the fold over the first six numbers' subsets
        for (std::size_t i = lo; i < hi; ++i) {
            const uint64_t m = mask_of(store + 7 * i);
            if (running.next(m)) first_one = fold(running.prefix(), None);
            const uint32_t one = fold(running.last(), first_one);
            if (one == None)
                s.uncovered.push_back(m);
            else if (one != Many)
                s.needed[one] = 1;
        }
        uint64_t own[35];
        for (uint32_t j = 0; j < tickets.size(); ++j)
            for (int n = subset_ranks(tickets[j], t, own), r = 0; r < n && !s.useful[j]; ++r)
                s.useful[j] = stored[own[r]];
        parts[k] = std::move(s);
    });
    Survey s = std::move(parts[0]);
    for (std::size_t k = 1; k < n_parts; ++k) {
        for (std::size_t j = 0; j < tickets.size(); ++j) {
            s.needed[j] |= parts[k].needed[j];
            s.useful[j] |= parts[k].useful[j];
        }
        s.uncovered.insert(s.uncovered.end(), parts[k].uncovered.begin(), parts[k].uncovered.end());
        std::vector<uint64_t>().swap(parts[k].uncovered);
    }
    return s;
}

// A cover of a store holding most of the game without an index of it: the tickets of the whole
// game's construction (those stored, with tickets from the stored), the combinations they leave
// uncovered covered by cover_of(them, the stored combinations sharing t numbers with one of them
// offered, or none where they are more than MostOffered), less the tickets whose stored
// combinations all have another (last first). Empty when the game has no construction or it leaves
// more than a fiftieth of the store uncovered, unless the whole store has more than most_indexed
// t-subsets: then those uncovered are mended where theirs are fewer, and refused is set to their
// count where not.
template <class CoverOf>
std::vector<uint64_t> dense_cover(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                                  TicketsFrom from, const SearchOptions& o, uint64_t most_indexed,
                                  uint64_t& refused, CoverOf&& cover_of) {
    // The parts' wheels are searched in full: cut short by the time limit, they would leave more
    // to mend, which takes longer than the search they save and gives more tickets.
    SearchOptions parts = o;
    parts.time_limit = 0;
    bool parts_stopped = false;
    std::vector<uint64_t> tickets;
    for (const Combination& c : split_wheel(highest, t, parts, parts_stopped))
        tickets.push_back(mask_of(c.data()));
    if (tickets.empty()) return {};
    if (from == TicketsFrom::Stored) {
        // The tickets looked for among the stored combinations, the store shared among the
        // threads, each marking those it finds apart.
        std::vector<uint64_t> wanted = tickets;
        std::sort(wanted.begin(), wanted.end());
        const std::size_t n_parts = count >= ParallelDrop ? threads_of(o) : 1;
        std::vector<std::vector<uint8_t>> seen(n_parts);
        in_parts(n_parts, count, [&](std::size_t lo, std::size_t hi, std::size_t k) {
            std::vector<uint8_t> part(wanted.size(), 0);
            for (std::size_t i = lo; i < hi; ++i)
                if (const auto it =
                        std::lower_bound(wanted.begin(), wanted.end(), mask_of(store + 7 * i));
                    it != wanted.end() && *it == mask_of(store + 7 * i))
                    part[static_cast<std::size_t>(it - wanted.begin())] = 1;
            seen[k] = std::move(part);
        });
        std::erase_if(tickets, [&](uint64_t m) {
            const auto at = static_cast<std::size_t>(
                std::lower_bound(wanted.begin(), wanted.end(), m) - wanted.begin());
            return std::none_of(seen.begin(), seen.end(),
                                [&](const std::vector<uint8_t>& part) { return part[at] != 0; });
        });
    }
    // The combinations they leave uncovered, covered by the greedy over every stored combination;
    // where they are many (whole parts of the construction missing) the greedy over the whole store
    // does better, and none is returned.
    std::vector<uint64_t> uncovered =
        uncovered_of(store, count, highest, t, tickets, threads_of(o));
    const uint64_t each = reduce_detail::binomial(7, static_cast<uint32_t>(t));
    if (uncovered.size() > count / MostToMend) {
        if (uint64_t{count} * each <= most_indexed) return {};
        if (uncovered.size() * each > most_indexed) {
            refused = uncovered.size();
            return {};
        }
    }
    if (!uncovered.empty()) {
        // Records in ascending order are distinct, and so are those listed from them below.
        const bool distinct = strictly_ascending(store, count, threads_of(o));
        if (!distinct) keep_first_occurrences(uncovered, threads_of(o));
        // Only a stored combination sharing t numbers with an uncovered one can cover any.
        std::vector<uint8_t> near(reduce_detail::binomial(highest, static_cast<uint32_t>(t)), 0);
        uint64_t ranks[35];
        for (uint64_t m : uncovered)
            for (int n = subset_ranks(m, t, ranks), j = 0; j < n; ++j) near[ranks[j]] = 1;
        // Too many to weigh (and hold): the uncovered combinations are the tickets offered (all
        // stored, so either way of choosing tickets allows them). The store is shared among the
        // threads, each listing the near ones of its share until all list more than that; where
        // every 64th record shows them to be far more, none is listed.
        Offered offered;
        std::size_t sampled = 0;
        constexpr std::size_t SampleEvery = 64;
        for (std::size_t i = 0; i < count; i += SampleEvery) {
            const int n = subset_ranks(mask_of(store + 7 * i), t, ranks);
            sampled += std::any_of(ranks, ranks + n, [&](uint64_t r) { return near[r] != 0; });
        }
        const bool far_more = sampled * SampleEvery > 2 * MostOffered;
        const std::size_t n_parts = count >= ParallelDrop ? threads_of(o) : 1;
        std::vector<std::vector<uint64_t>> near_parts(n_parts);
        std::atomic<std::size_t> listed{far_more ? MostOffered + 1 : 0};
        in_parts(n_parts, far_more ? 0 : count, [&](std::size_t lo, std::size_t hi, std::size_t k) {
            std::vector<uint64_t>& part = near_parts[k];
            RunningRanks running(t);
            const auto is_near = [&](uint32_t r) { return near[r] != 0; };
            bool first_near = false; // whether a subset of the first six numbers is near
            for (std::size_t i = lo; i < hi; ++i) {
                // The count shared now and then (a part stops soon after the others pass it).
                if ((i & 4095) == 0 && listed.load(std::memory_order_relaxed) > MostOffered) break;
                const uint64_t m = mask_of(store + 7 * i);
                if (running.next(m)) first_near = std::ranges::any_of(running.prefix(), is_near);
                if (first_near || std::ranges::any_of(running.last(), is_near)) {
                    part.push_back(m);
                    if (listed.fetch_add(1, std::memory_order_relaxed) >= MostOffered) break;
                }
            }
        });
        const bool few = listed.load() <= MostOffered;
        if (few)
            for (const std::vector<uint64_t>& part : near_parts)
                offered.masks.insert(offered.masks.end(), part.begin(), part.end());
        std::vector<std::vector<uint64_t>>().swap(near_parts);
        if (few) {
            if (!distinct) keep_first_occurrences(offered.masks, threads_of(o));
            // Which uncovered combination each offered ticket is, by the sorted pairs.
            std::vector<std::pair<uint64_t, uint32_t>> at;
            at.reserve(uncovered.size());
            for (uint32_t d = 0; d < uncovered.size(); ++d) at.emplace_back(uncovered[d], d);
            sort_in_halves(at, threads_of(o));
            offered.target.reserve(offered.masks.size());
            for (uint64_t m : offered.masks) {
                const auto it = std::lower_bound(at.begin(), at.end(), std::pair{m, uint32_t{0}});
                offered.target.push_back(it != at.end() && it->first == m ? it->second
                                                                          : NotToCover);
            }
        }
        for (uint64_t m : cover_of(uncovered, few ? &offered : nullptr)) tickets.push_back(m);
    }
    std::vector<uint64_t>().swap(uncovered);
    const Survey survey = survey_of(store, count, highest, t, tickets, threads_of(o));
    assert(survey.uncovered.empty());
    // The tickets covering no stored combination go; the others that are never the only cover
    // (the last 64 of them, the rest kept) may go, last first, where each stored combination they
    // alone cover keeps one of them: the sets of them that alone cover a combination, as masks.
    std::vector<uint32_t> optional;
    for (uint32_t j = static_cast<uint32_t>(tickets.size()); j-- > 0 && optional.size() < 64;)
        if (survey.useful[j] && !survey.needed[j]) optional.push_back(j);
    std::vector<uint8_t> kept = survey.useful;
    if (!optional.empty()) {
        std::vector<uint64_t> bit(tickets.size(), 0);
        for (std::size_t k = 0; k < optional.size(); ++k) bit[optional[k]] = uint64_t{1} << k;
        const auto tidy = [](std::vector<uint64_t>& sets) {
            std::sort(sets.begin(), sets.end());
            sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
        };
        // The store shared among the threads, each with its own lists and sets, joined after.
        const std::size_t n_parts = count >= ParallelDrop ? threads_of(o) : 1;
        std::vector<std::vector<uint64_t>> sets(n_parts);
        in_parts(n_parts, count, [&](std::size_t lo, std::size_t hi, std::size_t k) {
            TicketLists lists(tickets, highest, t);
            std::vector<uint32_t> found(tickets.size());
            std::vector<uint64_t> part;
            for (std::size_t i = lo; i < hi; ++i) {
                const uint32_t n = lists.covering(mask_of(store + 7 * i), found.data());
                uint64_t set = 0;
                bool others = false;
                for (uint32_t j = 0; j < n && !others; ++j) {
                    set |= bit[found[j]];
                    others = bit[found[j]] == 0;
                }
                if (!others && set != 0) part.push_back(set);
                if (part.size() >= (std::size_t{1} << 20)) tidy(part);
            }
            tidy(part);
            sets[k] = std::move(part);
        });
        std::vector<uint64_t> alone;
        for (const std::vector<uint64_t>& part : sets)
            alone.insert(alone.end(), part.begin(), part.end());
        tidy(alone);
        uint64_t in = optional.size() == 64 ? ~uint64_t{0} : (uint64_t{1} << optional.size()) - 1;
        for (std::size_t k = 0; k < optional.size(); ++k) {
            const uint64_t b = uint64_t{1} << k;
            const bool spare = std::all_of(alone.begin(), alone.end(), [&](uint64_t set) {
                return (set & b) == 0 || (set & in & ~b) != 0;
            });
            if (spare) in &= ~b, kept[optional[k]] = 0;
        }
    }
    std::vector<uint64_t> cover;
    for (std::size_t j = 0; j < tickets.size(); ++j)
        if (kept[j]) cover.push_back(tickets[j]);
    return cover;
}

std::vector<Combination> sorted_tickets(const std::vector<uint64_t>& masks) {
    std::vector<Combination> tickets;
    for (uint64_t m : masks) tickets.push_back(numbers_of_mask(m));
    std::sort(tickets.begin(), tickets.end());
    return tickets;
}

} // namespace

Reduction reduce_stored(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                        TicketsFrom from, const SearchOptions& o, uint64_t most_indexed) {
    assert(highest >= 7 && highest <= 64 && t >= 2 && t <= 6);
    Reduction r;
    if (count == 0) return r;
    const Deadline deadline = deadline_of(o);
    const std::size_t threads = threads_of(o);
    const auto report = [&](std::size_t size) {
        if (o.progress) o.progress(size);
    };
    // The whole game: its construction, too large for the greedy to better (or to run at all
    // in the larger games).
    constexpr uint32_t LargeWholeGame = 1'000'000;
    if (count >= LargeWholeGame && whole_game(store, count, highest, threads)) {
        std::vector<Combination> built;
        if (t <= 4) built = split_wheel(highest, t, o, r.stopped_early);
        if (!built.empty()) {
            r.tickets = built;
            report(built.size());
            return r;
        }
    }
    // The greedy cover of distinct masks, and while they are few the smallest of more greedy
    // passes breaking ties by seeded random keys.
    const auto greedy_cover = [&](const std::vector<uint64_t>& masks, const Offered* offered) {
        FirstCovered firsts;
        std::vector<uint64_t> best =
            lazy_greedy(masks, highest, t, deadline, threads, r.stopped_early, {}, offered, {},
                        SIZE_MAX, nullptr, &firsts);
        report(best.size());
        // Past the time limit the cover stands as it is.
        if (!r.stopped_early) best = drop_redundant(best, masks, highest, t, threads, 0, &firsts);
        report(best.size());
        constexpr uint64_t RestartWork = 50'000;
        const uint64_t passes =
            offered ? 0 : std::min<uint64_t>(32, RestartWork / masks.size()) * o.effort;
        SplitMix64 random{o.seed};
        std::vector<uint32_t> ties(passes > 0 ? masks.size() : 0);
        for (uint64_t pass = 0; pass < passes && !r.stopped_early; ++pass) {
            for (uint32_t& key : ties) key = static_cast<uint32_t>(random.next() >> 32);
            bool stopped = false;
            firsts.clear();
            std::vector<uint64_t> tried =
                lazy_greedy(masks, highest, t, deadline, threads, stopped, ties, nullptr, {},
                            SIZE_MAX, nullptr, &firsts);
            if (stopped) {
                r.stopped_early = true;
                break;
            }
            tried = drop_redundant(tried, masks, highest, t, threads, 0, &firsts);
            if (tried.size() < best.size()) {
                best = tried;
                report(best.size());
            }
        }
        return best;
    };
    // Most of a large game: the construction, mended where a few tickets are missing, without an
    // index of the whole store.
    if (dense(count, highest, t)) {
        const std::vector<uint64_t> cover =
            dense_cover(store, count, highest, t, from, o, most_indexed, r.refused,
                        [&](const std::vector<uint64_t>& masks, const Offered* offered) {
                            return greedy_cover(masks, offered);
                        });
        if (!cover.empty()) {
            r.tickets = sorted_tickets(cover);
            report(r.tickets.size());
            return r;
        }
        if (r.refused != 0) return r;
    }
    if (uint64_t{count} * reduce_detail::binomial(7, static_cast<uint32_t>(t)) > most_indexed) {
        r.refused = count;
        return r;
    }
    const std::vector<uint64_t> masks = distinct_masks(store, count, threads);
    std::vector<uint64_t> best = greedy_cover(masks, nullptr);
    std::vector<uint64_t> built = construction_tickets(masks, highest, t, from, threads);
    if (!built.empty()) {
        built = drop_redundant(built, masks, highest, t, threads);
        if (built.size() < best.size()) {
            best = built;
            report(best.size());
        }
    }
    r.tickets = sorted_tickets(best);
    // A whole game of few combinations is the wheel "t if 7" over all its numbers, which the wheel
    // search, moving single numbers of tickets, covers with fewer than the greedy.
    if (count <= LargeWholeGame && !r.stopped_early && whole_game(store, count, highest, threads)) {
        std::vector<uint8_t> numbers(highest);
        std::iota(numbers.begin(), numbers.end(), uint8_t{1});
        SearchOptions w = o;
        w.progress = nullptr;
        if (deadline.limited) {
            const std::chrono::duration<double> left = deadline.end - Clock::now();
            w.time_limit = left.count();
        }
        if (check_wheel_request(numbers, {t, 7}, highest).empty() &&
            (!deadline.limited || w.time_limit > 0)) {
            Wheel wheel = find_wheel(numbers, {t, 7}, w);
            r.stopped_early = wheel.stopped_early;
            if (wheel.tickets.size() < r.tickets.size()) {
                r.tickets = std::move(wheel.tickets);
                report(r.tickets.size());
            }
        }
    }
    return r;
}

Reduction reduce_shaped(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                        TicketsFrom from, const ReduceShape& shape, const SearchOptions& o) {
    Reduction r;
    if (count == 0) return r;
    if (shape.kept.empty()) {
        r = reduce_stored(store, count, highest, t, from, o);
        if (shape.budget == 0 || r.tickets.size() <= shape.budget) return r;
        r = {};
    }
    const std::vector<uint64_t> masks = distinct_masks(store, count, threads_of(o));
    std::vector<uint64_t> tickets;
    for (const Combination& c : shape.kept) tickets.push_back(mask_of(c.data()));
    const std::size_t kept = tickets.size();
    const std::size_t most = shape.budget != 0 ? shape.budget : SIZE_MAX;
    const Deadline deadline = deadline_of(o);
    // The greedy, then while the store is small more passes breaking ties by seeded random keys:
    // the fewest tickets added, or with a budget the fewest left uncovered.
    std::vector<uint32_t> ties;
    std::vector<uint64_t> best;
    uint32_t best_left = UINT32_MAX;
    constexpr uint64_t RestartWork = 50'000;
    const uint64_t passes = 1 + std::min<uint64_t>(32, RestartWork / masks.size()) * o.effort;
    SplitMix64 random{o.seed};
    for (uint64_t pass = 0; pass < passes; ++pass) {
        bool stopped = false;
        uint32_t left = 0;
        FirstCovered firsts;
        std::vector<uint64_t> added =
            lazy_greedy(masks, highest, t, deadline, threads_of(o), stopped, ties, nullptr, tickets,
                        most, &left, &firsts);
        if (stopped && pass > 0) break;
        r.stopped_early = stopped;
        if (!stopped) {
            std::vector<uint64_t> all = tickets;
            all.insert(all.end(), added.begin(), added.end());
            all = drop_redundant(all, masks, highest, t, threads_of(o), kept, &firsts);
            added.assign(all.begin() + static_cast<std::ptrdiff_t>(kept), all.end());
        }
        if (left < best_left || (left == best_left && added.size() < best.size())) {
            best = std::move(added);
            best_left = left;
        }
        ties.resize(masks.size());
        for (uint32_t& key : ties) key = static_cast<uint32_t>(random.next() >> 32);
    }
    r.tickets = sorted_tickets(best);
    if (o.progress) o.progress(r.tickets.size());
    return r;
}

bool reduce_starts_from_construction(uint32_t count, uint32_t highest, int t) {
    return dense(count, highest, t);
}

uint64_t reduce_stored_bytes(uint32_t count, uint32_t highest, int t) {
    // Per combination: its mask, a candidate on a level (counted twice, to spare), its place, mask
    // and bits by number in the uncovered list and its sorting; the game's combinations as bits and
    // the subset counts.
    const uint64_t each = 8 + 2 * sizeof(Candidate) + 12 + (highest + 1 + 7) / 8 + 8;
    // and, for t from 5 on in a game small enough, the stored combination of every rank.
    const uint64_t ranked =
        reduce_detail::Coverage::ranks(highest, t) ? game_combinations(highest) * uint64_t{4} : 0;
    return uint64_t{count} * each + game_combinations(highest) / 8 +
           reduce_detail::binomial(highest, 6) * (t <= 5 ? 3 : 1) + ranked;
}

} // namespace lotto
