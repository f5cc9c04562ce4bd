// The reduction: its verifier against brute force, the search against the verifier and a plain
// greedy, and the fixed designs and split constructions.
#include "wheel/designs.h"
#include "wheel/reduce.h"
#include "wheel/reduce_counts.h"
#include "wheel/reduce_levels.h"
#include "wheel/reduce_verify.h"

#include "tests/engine/random_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <set>
#include <vector>

namespace lotto {
namespace {

using test::Draws;

uint64_t mask(const uint8_t* c) {
    uint64_t m = 0;
    for (int i = 0; i < 7; ++i) m |= uint64_t{1} << (c[i] - 1);
    return m;
}

std::vector<uint8_t> store_of(const std::vector<Combination>& cs) {
    std::vector<uint8_t> s;
    for (const Combination& c : cs) s.insert(s.end(), c.begin(), c.end());
    return s;
}

// Brute force: every stored combination against every ticket.
CoverCheck brute_check(const std::vector<uint8_t>& store, int t,
                       const std::vector<Combination>& tickets, std::size_t keep) {
    CoverCheck r;
    for (std::size_t i = 0; i < store.size(); i += 7) {
        ++r.cases;
        const bool hit = std::any_of(tickets.begin(), tickets.end(), [&](const Combination& c) {
            return std::popcount(mask(&store[i]) & mask(c.data())) >= t;
        });
        if (hit || ++r.uncovered > keep) continue;
        std::memcpy(r.first_uncovered.emplace_back().data(), &store[i], 7);
    }
    return r;
}

// The reference: a plain greedy over the stored combinations as candidates, gains counted by
// popcount, the first in store order among equal gains, after the kept tickets, until all are
// covered or most tickets are added. Returns the tickets added and the combinations left.
std::pair<std::size_t, std::size_t> reference_greedy(const std::vector<uint8_t>& store, int t,
                                                     const std::vector<Combination>& kept = {},
                                                     std::size_t most = SIZE_MAX) {
    std::vector<uint64_t> m;
    for (std::size_t i = 0; i < store.size(); i += 7) m.push_back(mask(&store[i]));
    std::vector<uint8_t> covered(m.size(), 0);
    std::size_t tickets = 0, left = m.size();
    const auto take = [&](uint64_t ticket) {
        for (std::size_t d = 0; d < m.size(); ++d)
            if (!covered[d] && std::popcount(ticket & m[d]) >= t) covered[d] = 1, --left;
    };
    const auto gain = [&](std::size_t c) {
        std::size_t g = 0;
        for (std::size_t d = 0; d < m.size(); ++d)
            g += !covered[d] && std::popcount(m[c] & m[d]) >= t;
        return g;
    };
    for (const Combination& c : kept) take(mask(c.data()));
    std::vector<std::size_t> bound(m.size(), SIZE_MAX); // gains only fall
    while (left > 0 && tickets < most) {
        std::size_t best = 0, best_gain = 0;
        for (std::size_t c = 0; c < m.size(); ++c)
            if (bound[c] > best_gain && (bound[c] = gain(c)) > best_gain)
                best_gain = bound[c], best = c;
        take(m[best]);
        ++tickets;
    }
    return {tickets, left};
}

std::vector<Combination> random_combinations(Draws& d, int n, int highest) {
    std::vector<Combination> cs;
    for (int i = 0; i < n; ++i) cs.push_back(test::random_combination(d, highest));
    return cs;
}

// Every combination of 1..highest in lexicographic order, as a count run stores them.
std::vector<Combination> whole_game(int highest) {
    std::vector<Combination> cs;
    Combination c = {1, 2, 3, 4, 5, 6, 7};
    do cs.push_back(c);
    while (test::next_combination(c, highest));
    return cs;
}

TEST(VerifyReduction, AgreesWithBruteForce) {
    Draws d(12);
    for (int round = 0; round < 60; ++round) {
        // Every third store is a whole small game in store order, whose neighbours share their
        // first numbers, with tickets given in descending order and reaching above its numbers.
        const bool game = round % 3 == 1;
        const int highest = static_cast<int>(game ? d.between(8, 13) : d.between(9, 39));
        const int t = static_cast<int>(d.between(2, 6));
        // Large stores run on several threads: the first uncovered still come in store order.
        const int stored = round % 10 == 0 ? 70'000 : static_cast<int>(d.between(1, 400));
        const std::vector<Combination> combinations =
            game ? whole_game(highest) : random_combinations(d, stored, highest);
        const std::vector<uint8_t> store = store_of(combinations);
        std::vector<Combination> tickets = random_combinations(
            d, static_cast<int>(d.between(0, 30)), game ? highest + 2 : highest);
        if (game)
            for (Combination& c : tickets) std::reverse(c.begin(), c.end());
        const std::size_t keep = static_cast<std::size_t>(d.between(0, 6));
        const CoverCheck want = brute_check(store, t, tickets, keep);
        const CoverCheck got = verify_reduction(
            store.data(), static_cast<uint32_t>(combinations.size()), t, tickets, keep);
        ASSERT_EQ(got.cases, want.cases);
        ASSERT_EQ(got.uncovered, want.uncovered) << "round " << round << " t " << t;
        ASSERT_EQ(got.first_uncovered, want.first_uncovered);
        ASSERT_EQ(got.holds(), want.uncovered == 0);
    }
    // Tickets below the store's top numbers: a combination whose sixth number is the tickets'
    // highest meets them through it (7/9 at 6 if 7 with the ticket 1..7: 21 left uncovered).
    const std::vector<uint8_t> nine = store_of(whole_game(9));
    const std::vector<Combination> low = {{1, 2, 3, 4, 5, 6, 7}};
    EXPECT_EQ(verify_reduction(nine.data(), 36, 6, low).uncovered, 21u);
    EXPECT_EQ(brute_check(nine, 6, low, 0).uncovered, 21u);
}

TEST(ReduceStored, CoversFilteredSystemsWithNoMoreThanGreedyAndWithABudgetOrARepair) {
    Draws d(2026);
    std::vector<uint8_t> store(std::size_t{FullSystem} * 7);
    int checked = 0;
    for (int round = 0; round < 40; ++round) {
        const uint32_t highest = static_cast<uint32_t>(d.between(10, 15));
        const Settings s = test::random_settings(d);
        const uint32_t count = run(s, highest, store.data());
        const std::vector<uint8_t> stored(store.begin(), store.begin() + std::size_t{count} * 7);
        const int t = static_cast<int>(d.between(2, 6));
        const TicketsFrom from = d.one_in(2) ? TicketsFrom::Stored : TicketsFrom::Any;
        SearchOptions o;
        o.seed = static_cast<uint64_t>(round);
        const Reduction r = reduce_stored(stored.data(), count, highest, t, from, o);
        ASSERT_EQ(r.tickets.empty(), count == 0);
        ASSERT_TRUE(std::is_sorted(r.tickets.begin(), r.tickets.end()));
        SCOPED_TRACE(round);
        ASSERT_TRUE(verify_reduction(stored.data(), count, t, r.tickets).holds());
        ASSERT_LE(r.tickets.size(), reference_greedy(stored, t).first);
        std::set<uint64_t> stored_masks;
        for (uint32_t i = 0; i < count; ++i) stored_masks.insert(mask(&stored[7 * i]));
        for (const Combination& c : r.tickets)
            ASSERT_TRUE(from == TicketsFrom::Any || stored_masks.contains(mask(c.data())));
        const Reduction again = reduce_stored(stored.data(), count, highest, t, from, o);
        ASSERT_EQ(again.tickets, r.tickets);
        checked += count > 0;
        // (A whole game's reduction is a long wheel search.)
        if (r.tickets.size() < 2 || count == game_combinations(highest)) continue;
        // A budget short of the cover: no fewer covered than the greedy with as many tickets.
        ReduceShape budget;
        budget.budget = static_cast<uint32_t>(d.between(1, r.tickets.size() - 1));
        const Reduction b = reduce_shaped(stored.data(), count, highest, t, from, budget, o);
        ASSERT_LE(b.tickets.size(), budget.budget);
        ASSERT_LE(verify_reduction(stored.data(), count, t, b.tickets).uncovered,
                  reference_greedy(stored, t, {}, budget.budget).second);
        // A repair of the cover with every other ticket gone (holes) holds again; of the whole
        // cover, it adds none.
        ReduceShape repair;
        for (std::size_t i = 0; i < r.tickets.size(); i += 2) repair.kept.push_back(r.tickets[i]);
        Reduction mended = reduce_shaped(stored.data(), count, highest, t, from, repair, o);
        ASSERT_FALSE(mended.tickets.empty());
        mended.tickets.insert(mended.tickets.end(), repair.kept.begin(), repair.kept.end());
        ASSERT_TRUE(verify_reduction(stored.data(), count, t, mended.tickets).holds());
        repair.kept = r.tickets;
        ASSERT_TRUE(
            reduce_shaped(stored.data(), count, highest, t, from, repair, o).tickets.empty());
    }
    EXPECT_GE(checked, 20);
    // Over 7/12 with filter 3 at 3 the greedy's third ticket at 4 covers nothing the first two do
    // not: it goes.
    Settings s;
    init_defaults(s, 12);
    turn_filter_on(s, 3), set_parameter(s, 3, 3);
    const uint32_t count = run(s, 12, store.data());
    EXPECT_EQ(reduce_stored(store.data(), count, 12, 4, TicketsFrom::Stored, {}).tickets.size(),
              2u);
}

// Over most of a large game (7/28 less some tickets of its construction) the cover starts from the
// construction and mends what it leaves, with tickets from the stored (none of those gone) or any;
// with a cap on what the search may take (what the construction leaves, 35 subsets each), it is
// mended within the cap and refused past it. A store that is not most of its game is refused at
// once past the cap.
TEST(ReduceStored, MostOfALargeGameIsCoveredFromTheConstruction) {
    // Gone: the tickets holding 5 (more than a fiftieth left), else the first. Cap -1: none, 0:
    // just below what is left, 1: what is left.
    const struct {
        bool holding_five;
        TicketsFrom from;
        int cap;
        std::size_t most;
    } cases[] = {{false, TicketsFrom::Stored, -1, 40},
                 {false, TicketsFrom::Any, -1, 40},
                 {true, TicketsFrom::Stored, 0, 0},
                 {true, TicketsFrom::Stored, 1, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.holding_five << " " << c.cap);
        std::vector<Combination> kept_tickets, game;
        std::set<Combination> gone;
        for (const Combination& b : split_construction(28, 3))
            if (c.holding_five ? std::find(b.begin(), b.end(), 5) != b.end() : gone.empty())
                gone.insert(b);
            else
                kept_tickets.push_back(b);
        for (const Combination& g : whole_game(28))
            if (!gone.contains(g)) game.push_back(g);
        const std::vector<uint8_t> store = store_of(game);
        const uint32_t count = static_cast<uint32_t>(game.size());
        const uint64_t left = verify_reduction(store.data(), count, 3, kept_tickets).uncovered;
        ASSERT_EQ(left > count / 50, c.holding_five);
        const uint64_t cap = c.cap < 0 ? UINT64_MAX : left * 35 - (c.cap == 0);
        const Reduction r = reduce_stored(store.data(), count, 28, 3, c.from, {}, cap);
        EXPECT_EQ(r.refused, c.cap == 0 ? left : 0);
        EXPECT_EQ(r.tickets.empty(), c.cap == 0);
        if (c.cap == 0) continue;
        EXPECT_TRUE(verify_reduction(store.data(), count, 3, r.tickets).holds());
        EXPECT_LE(r.tickets.size(), c.most);
        for (const Combination& ticket : r.tickets)
            EXPECT_TRUE(c.from == TicketsFrom::Any || !gone.contains(ticket));
    }
    const std::vector<uint8_t> few = store_of(whole_game(9));
    EXPECT_EQ(reduce_stored(few.data(), 36, 9, 3, TicketsFrom::Stored, {}, 36 * 35 - 1).refused,
              36u);
    EXPECT_EQ(reduce_stored(few.data(), 36, 9, 3, TicketsFrom::Stored, {}, 36 * 35).refused, 0u);
}

// A whole game of few combinations is the wheel "t if 7" over all its numbers: the whole 7/14
// game reduces to 5 in 16 tickets, where the greedy over the stored combinations takes 18.
TEST(ReduceStored, AWholeSmallGameIsAWheel) {
    const std::vector<uint8_t> store = store_of(whole_game(14));
    SearchOptions o;
    o.seed = 1, o.work = 200'000'000;
    const Reduction r = reduce_stored(store.data(), 3432, 14, 5, TicketsFrom::Stored, o);
    EXPECT_TRUE(verify_reduction(store.data(), 3432, 5, r.tickets).holds());
    EXPECT_LE(r.tickets.size(), 16u);
}

// The whole 7/20 game less one of its construction's tickets: with tickets from the stored, the
// construction (which needs that ticket) is not the answer, and the cover holds either way.
TEST(ReduceStored, TheConstructionServesOnlyWithTheTicketsItNeedsStored) {
    const Combination missing = split_construction(20, 3).front();
    std::vector<Combination> game = whole_game(20);
    std::erase(game, missing);
    const std::vector<uint8_t> store = store_of(game);
    const uint32_t count = static_cast<uint32_t>(game.size());
    for (TicketsFrom from : {TicketsFrom::Stored, TicketsFrom::Any}) {
        const Reduction r = reduce_stored(store.data(), count, 20, 3, from, {});
        EXPECT_TRUE(verify_reduction(store.data(), count, 3, r.tickets).holds());
        if (from == TicketsFrom::Stored) {
            for (const Combination& ticket : r.tickets) EXPECT_NE(ticket, missing);
        }
    }
}

TEST(ReduceStored, DuplicatesAndOrderOfTheStoreDoNotMatter) {
    const std::vector<Combination> cs = {
        {3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7}, {3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 8}};
    const std::vector<uint8_t> store = store_of(cs);
    const Reduction r = reduce_stored(store.data(), 4, 9, 6, TicketsFrom::Stored, {});
    EXPECT_EQ(r.tickets, (std::vector<Combination>{{1, 2, 3, 4, 5, 6, 7}, {3, 4, 5, 6, 7, 8, 9}}));
}

TEST(ReduceStored, ATimeLimitStillGivesACoverAndSaysSo) {
    Draws d(7);
    const std::vector<uint8_t> store = store_of(random_combinations(d, 3000, 39));
    std::vector<std::size_t> sizes;
    SearchOptions o;
    o.time_limit = 1e-9, o.progress = [&](std::size_t best) { sizes.push_back(best); };
    const Reduction r = reduce_stored(store.data(), 3000, 39, 4, TicketsFrom::Stored, o);
    EXPECT_TRUE(r.stopped_early);
    EXPECT_TRUE(verify_reduction(store.data(), 3000, 4, r.tickets).holds());
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back(), r.tickets.size());
    o.time_limit = 0;
    const Reduction full = reduce_stored(store.data(), 3000, 39, 4, TicketsFrom::Stored, o);
    EXPECT_FALSE(full.stopped_early);
    EXPECT_LT(full.tickets.size(), r.tickets.size());
    const std::atomic<bool> cancelled{true}; // a cancel stops it as the time limit does
    o.cancel = &cancelled;
    const Reduction cut = reduce_stored(store.data(), 3000, 39, 4, TicketsFrom::Stored, o);
    EXPECT_TRUE(cut.stopped_early);
    EXPECT_EQ(cut.tickets, r.tickets);
}

// The scan of the greedy's crowded levels is shared among the threads: the same tickets on any
// number of them, every candidate on some thread. The whole 7/15 game, crowded on few levels, and
// after it a combination of 14..20 that shares two numbers at most with any other, so that only
// itself covers it: its own ticket on every count of threads (three share the 6,436 unevenly).
TEST(ReduceStored, TheTicketsDoNotDependOnTheThreads) {
    std::vector<Combination> game = whole_game(15);
    game.push_back({14, 15, 16, 17, 18, 19, 20});
    const std::vector<uint8_t> store = store_of(game);
    const uint32_t count = static_cast<uint32_t>(game.size());
    // A candidate no thread holds would leave its combination to the deadline.
    SearchOptions o;
    o.time_limit = 60, o.threads = 1;
    const Reduction one = reduce_stored(store.data(), count, 20, 3, TicketsFrom::Stored, o);
    ASSERT_FALSE(one.stopped_early);
    EXPECT_TRUE(std::binary_search(one.tickets.begin(), one.tickets.end(), game.back()));
    o.threads = 3;
    const Reduction three = reduce_stored(store.data(), count, 20, 3, TicketsFrom::Stored, o);
    EXPECT_FALSE(three.stopped_early);
    EXPECT_EQ(three.tickets, one.tickets);
}

TEST(ReduceCounts, GainsAndTheirBoundsAreTheCountsOfSharingCombinations) {
    const struct {
        uint32_t highest;
        int t, stored, split; // split: the largest subsets the bound looks up
    } cases[] = {{9, 2, 36, 3},    {12, 3, 400, 4},  {14, 4, 2000, 5},
                 {39, 3, 3000, 4}, {39, 4, 3000, 5}, {20, 5, 3000, 6},
                 {16, 6, 3000, 6}, {50, 6, 500, 6},  {64, 2, 300, 3}};
    Draws d(77);
    for (const auto& c : cases) {
        std::set<uint64_t> distinct;
        for (int i = 0; i < 4 * c.stored && static_cast<int>(distinct.size()) < c.stored; ++i)
            distinct.insert(mask(test::random_combination(d, static_cast<int>(c.highest)).data()));
        const std::vector<uint64_t> all(distinct.begin(), distinct.end());
        reduce_detail::SubsetCounts before(c.highest, c.t), counts(c.highest, c.t);
        ASSERT_EQ(counts.split(), c.split);
        for (uint64_t m : all) before.add(m, 1), counts.add(m, 1);
        // Every third one taken out again: the counts follow removals too.
        std::vector<uint64_t> kept, removed;
        for (std::size_t i = 0; i < all.size(); ++i)
            (i % 3 == 1 ? removed : kept).push_back(all[i]);
        for (uint64_t m : removed) counts.add(m, -1);
        for (int round = 0; round < 300; ++round) {
            const uint64_t ticket =
                round % 2 ? all[static_cast<std::size_t>(d.between(0, all.size() - 1))]
                          : mask(test::random_combination(d, static_cast<int>(c.highest)).data());
            int64_t sharing = 0;
            for (uint64_t m : kept) sharing += std::popcount(m & ticket) >= c.t;
            const bool itself = std::binary_search(kept.begin(), kept.end(), ticket);
            uint32_t rest_then = 0, rest = 0;
            before.gain(ticket, std::binary_search(all.begin(), all.end(), ticket), rest_then);
            ASSERT_EQ(counts.gain(ticket, itself), sharing)
                << "highest " << c.highest << " t " << c.t << " round " << round;
            ASSERT_EQ(counts.gain(ticket, itself, rest), sharing);
            ASSERT_EQ(counts.gain_bound(ticket, itself, rest), sharing);
            ASSERT_GE(counts.gain_bound(ticket, itself, rest_then), sharing);
        }
    }
}

// The ranks of a store's combinations read in turn, split at the seventh number, are those of all
// their t-subsets, the first six's shared while they stay.
TEST(RunningRanks, SplitTheRanksOfEveryTSubset) {
    std::vector<uint64_t> masks;
    for (const Combination& c : whole_game(10)) masks.push_back(mask(c.data()));
    masks.push_back(masks.front()); // out of order: back to the first
    for (int t = 2; t <= 6; ++t) {
        reduce_detail::RunningRanks running(t);
        uint64_t six = 0;
        for (uint64_t m : masks) {
            const uint64_t first_six = m & ~(uint64_t{1} << (63 - std::countl_zero(m)));
            EXPECT_EQ(running.next(m), m == masks.front() || first_six != six) << t;
            six = first_six;
            std::vector<uint64_t> got(running.prefix().begin(), running.prefix().end());
            got.insert(got.end(), running.last().begin(), running.last().end());
            uint64_t want[35];
            const int n = reduce_detail::subset_ranks(m, t, want);
            std::sort(got.begin(), got.end());
            std::sort(want, want + n);
            ASSERT_EQ(got, std::vector<uint64_t>(want, want + n)) << t << " " << m;
        }
    }
}

TEST(ReduceLevels, EveryGainLiesOnItsLevelAndLevelsRise) {
    for (uint64_t g = 1; g <= UINT32_MAX; g += g < 70'000 ? 1 : g / 997) {
        const uint32_t gain = static_cast<uint32_t>(g);
        const uint32_t level = reduce_detail::level_of(gain);
        ASSERT_GE(reduce_detail::level_top(level), gain) << gain;
        ASSERT_LT(reduce_detail::level_top(level - 1), gain) << gain;
        ASSERT_LE(reduce_detail::level_top(level) - reduce_detail::level_top(level - 1),
                  std::max<uint32_t>(1, gain / 64))
            << gain;
    }
}

TEST(Designs, SplitConstructionsCoverSmallGames) {
    for (uint32_t highest : {7u, 12u, 20u, 22u, 26u, 30u}) {
        const std::vector<uint8_t> store = store_of(whole_game(static_cast<int>(highest)));
        const auto count = static_cast<uint32_t>(store.size() / 7);
        for (int t = 2; t <= 4; ++t) {
            const std::vector<Combination> tickets = split_construction(highest, t);
            ASSERT_FALSE(tickets.empty());
            ASSERT_TRUE(verify_reduction(store.data(), count, t, tickets).holds())
                << highest << " " << t;
        }
    }
    EXPECT_TRUE(split_construction(40, 3).empty());
    EXPECT_TRUE(split_construction(39, 5).empty());
}

TEST(Designs, WholeGameOf39) {
    // Verified over every combination, the designs it lays (C(13,7,3) thrice for 3, C(16,7,4)
    // and S(4,7,23) for 4) cover every t-subset of their parts.
    const std::vector<uint8_t> store = store_of(whole_game(39));
    for (const auto& [t, tickets] : {std::pair<int, std::size_t>{2, 6}, {3, 39}, {4, 331}}) {
        const Reduction r = reduce_stored(store.data(), FullSystem, 39, t, TicketsFrom::Stored, {});
        EXPECT_EQ(r.tickets.size(), tickets);
        const CoverCheck check = verify_reduction(store.data(), FullSystem, t, r.tickets);
        EXPECT_TRUE(check.holds()) << t;
        EXPECT_EQ(check.cases, FullSystem);
    }
}

// A whole game beyond the fixed constructions: its numbers split into parts, each covered by a
// searched wheel, and the result verified over every combination.
TEST(Designs, WholeGameOf40BySearchedParts) {
    const uint32_t count = game_combinations(40);
    std::vector<uint8_t> store(std::size_t{count} * 7);
    Settings s;
    init_defaults(s, 40);
    ASSERT_EQ(run(s, 40, store.data()), count);
    SearchOptions o;
    o.seed = 1, o.work = 100'000'000;
    for (int t : {3, 4}) {
        o.threads = 2;
        const Reduction r = reduce_stored(store.data(), count, 40, t, TicketsFrom::Stored, o);
        EXPECT_FALSE(r.stopped_early);
        if (t == 3) { // parts of two sizes, searched at once: the same tickets one after the other
            o.threads = 1;
            EXPECT_EQ(reduce_stored(store.data(), count, 40, t, TicketsFrom::Stored, o).tickets,
                      r.tickets);
        }
        // 3: three parts of 13 or 14 numbers (C(14,7,3) is 15); 4: two of 20 (C(20,7,4) is 198).
        EXPECT_LE(r.tickets.size(), t == 3 ? 60u : 560u) << t;
        for (const Combination& c : r.tickets) EXPECT_LE(c[6], 40) << t; // within the game
        const CoverCheck check = verify_reduction(store.data(), count, t, r.tickets);
        EXPECT_TRUE(check.holds()) << t;
        EXPECT_EQ(check.cases, count);
    }
}

} // namespace
} // namespace lotto
