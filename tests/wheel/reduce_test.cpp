// The reduction: its verifier against brute force, the search against the verifier and a plain
// greedy, and the fixed designs and split constructions.
#include "wheel/cover_index.h"
#include "wheel/designs.h"
#include "wheel/reduce.h"
#include "wheel/reduce_counts.h"
#include "wheel/reduce_levels.h"
#include "wheel/reduce_verify.h"

#include "tests/engine/combinatorics.h"
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

// The records of every combination of the 7/39 game, as a run with every filter off stores them.
std::vector<uint8_t> whole_game() {
    std::vector<uint8_t> store(std::size_t{FullSystem} * 7);
    Settings s;
    init_defaults(s);
    EXPECT_EQ(run(s, 39, store.data()), FullSystem);
    return store;
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
        if (hit) continue;
        ++r.uncovered;
        if (r.first_uncovered.size() < keep) {
            Combination u;
            std::memcpy(u.data(), &store[i], 7);
            r.first_uncovered.push_back(u);
        }
    }
    return r;
}

// The reference: a plain lazy greedy over the stored combinations as candidates, gains counted by
// popcount, the first in store order among equal gains.
std::size_t reference_greedy_reduction(const std::vector<uint8_t>& store, int t) {
    std::vector<uint64_t> m;
    for (std::size_t i = 0; i < store.size(); i += 7) m.push_back(mask(&store[i]));
    std::vector<uint8_t> covered(m.size(), 0);
    const auto gain = [&](std::size_t c) {
        uint32_t g = 0;
        for (std::size_t d = 0; d < m.size(); ++d)
            g += !covered[d] && std::popcount(m[c] & m[d]) >= t;
        return g;
    };
    std::vector<uint32_t> bound(m.size());
    for (std::size_t c = 0; c < m.size(); ++c) bound[c] = gain(c);
    std::size_t tickets = 0, left = m.size();
    while (left > 0) {
        std::size_t best = 0;
        uint32_t best_gain = 0;
        for (std::size_t c = 0; c < m.size(); ++c) {
            if (bound[c] <= best_gain) continue;
            bound[c] = gain(c);
            if (bound[c] > best_gain) best_gain = bound[c], best = c;
        }
        ++tickets;
        for (std::size_t d = 0; d < m.size(); ++d)
            if (!covered[d] && std::popcount(m[best] & m[d]) >= t) covered[d] = 1, --left;
        bound[best] = 0;
    }
    return tickets;
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
    while (true) {
        cs.push_back(c);
        int i = 6;
        while (i >= 0 && c[i] == highest - 6 + i) --i;
        if (i < 0) return cs;
        ++c[i];
        for (int j = i + 1; j < 7; ++j) c[j] = static_cast<uint8_t>(c[j - 1] + 1);
    }
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

TEST(ReduceStored, CoversFilteredSystemsWithNoMoreThanGreedy) {
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
        ASSERT_TRUE(verify_reduction(stored.data(), count, t, r.tickets).holds())
            << "round " << round;
        ASSERT_LE(r.tickets.size(), reference_greedy_reduction(stored, t)) << "round " << round;
        std::vector<uint64_t> stored_masks;
        for (uint32_t i = 0; i < count; ++i) stored_masks.push_back(mask(&stored[7 * i]));
        for (const Combination& c : r.tickets) {
            ASSERT_TRUE(std::is_sorted(c.begin(), c.end()) && c[0] >= 1 && c[6] <= highest);
            if (from == TicketsFrom::Stored) {
                ASSERT_NE(std::count(stored_masks.begin(), stored_masks.end(), mask(c.data())), 0);
            }
        }
        const Reduction again = reduce_stored(stored.data(), count, highest, t, from, o);
        ASSERT_EQ(again.tickets, r.tickets);
        checked += count > 0;
    }
    EXPECT_GE(checked, 20);
}

// Over most of a large game the cover starts from the whole game's construction: with some of its
// tickets not stored, the rest of them and a stored ticket where one is missing (the greedy alone
// takes over 50).
TEST(ReduceStored, MostOfALargeGameIsCoveredFromTheConstruction) {
    const std::vector<uint8_t> game = whole_game();
    const struct {
        int t;
        TicketsFrom from;
        std::size_t missing; // the first tickets of the construction not stored
        std::size_t most;    // tickets
    } cases[] = {{3, TicketsFrom::Stored, 1, 40}, {3, TicketsFrom::Any, 1, 39}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "t " << c.t << " missing " << c.missing);
        const std::vector<Combination> built = split_construction(39, c.t);
        std::set<uint64_t> gone;
        for (std::size_t i = 0; i < c.missing; ++i) gone.insert(mask(built[i].data()));
        std::vector<uint8_t> store;
        store.reserve(game.size());
        for (std::size_t at = 0; at < game.size(); at += 7)
            if (!gone.contains(mask(&game[at])))
                store.insert(store.end(), &game[at], &game[at + 7]);
        const uint32_t count = static_cast<uint32_t>(store.size() / 7);
        ASSERT_EQ(count, FullSystem - c.missing);
        const Reduction r = reduce_stored(store.data(), count, 39, c.t, c.from, {});
        EXPECT_TRUE(verify_reduction(store.data(), count, c.t, r.tickets).holds());
        EXPECT_LE(r.tickets.size(), c.most);
        if (c.from != TicketsFrom::Stored) continue;
        for (const Combination& ticket : r.tickets)
            EXPECT_FALSE(gone.contains(mask(ticket.data())));
    }
}

// With a cap on what it may index, most of a large game is mended from the construction even
// where it leaves more than a fiftieth uncovered (7/28 without the construction's tickets holding
// 5), and refused where what it leaves would pass the cap; a store that is not most of its game
// and passes the cap is refused at once.
TEST(ReduceStored, ACapOnTheIndexMendsOrRefuses) {
    std::vector<Combination> kept_tickets, game;
    std::set<Combination> gone;
    for (const Combination& c : split_construction(28, 3)) {
        if (std::find(c.begin(), c.end(), 5) != c.end())
            gone.insert(c);
        else
            kept_tickets.push_back(c);
    }
    for (const Combination& c : whole_game(28))
        if (!gone.contains(c)) game.push_back(c);
    const std::vector<uint8_t> store = store_of(game);
    const uint32_t count = static_cast<uint32_t>(game.size());
    const uint64_t left = verify_reduction(store.data(), count, 3, kept_tickets).uncovered;
    ASSERT_GT(left, count / 50);
    const struct { uint64_t cap, refused; } cases[] = {{left * 35 - 1, left}, {left * 35, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cap);
        const Reduction r =
            reduce_stored(store.data(), count, 28, 3, TicketsFrom::Stored, {}, c.cap);
        EXPECT_EQ(r.refused, c.refused);
        if (c.refused != 0) {
            EXPECT_TRUE(r.tickets.empty());
            continue;
        }
        EXPECT_TRUE(verify_reduction(store.data(), count, 3, r.tickets).holds());
        EXPECT_LT(r.tickets.size(), 100u);
        for (const Combination& ticket : r.tickets) EXPECT_FALSE(gone.contains(ticket));
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
    o.seed = 1;
    o.work = 200'000'000;
    const Reduction r = reduce_stored(store.data(), 3432, 14, 5, TicketsFrom::Stored, o);
    EXPECT_TRUE(verify_reduction(store.data(), 3432, 5, r.tickets).holds());
    EXPECT_LE(r.tickets.size(), 16u);
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
    o.time_limit = 1e-9;
    o.progress = [&](std::size_t best) { sizes.push_back(best); };
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

TEST(ReduceCounts, SubsetRanksAreColexRanks) {
    Draws d(5);
    for (int round = 0; round < 200; ++round) {
        // The last round takes the top seven numbers of 1..64.
        const Combination c = round == 199 ? Combination{58, 59, 60, 61, 62, 63, 64}
                                           : test::random_combination(d, 64);
        for (int k = 1; k <= 7; ++k) {
            std::vector<uint64_t> want;
            for (uint32_t pick = 0; pick < 128; ++pick) {
                if (std::popcount(pick) != k) continue;
                uint64_t rank = 0;
                for (int i = 0, j = 0; i < 7; ++i)
                    if (pick >> i & 1) rank += test::choose(c[i] - 1u, static_cast<uint64_t>(++j));
                want.push_back(rank);
            }
            uint64_t got[35];
            const int n = reduce_detail::subset_ranks(mask(c.data()), k, got);
            std::vector<uint64_t> ranks(got, got + n);
            std::sort(want.begin(), want.end());
            std::sort(ranks.begin(), ranks.end());
            ASSERT_EQ(ranks, want) << "round " << round << " k " << k;
        }
    }
    uint64_t top[1];
    reduce_detail::subset_ranks(mask(Combination{58, 59, 60, 61, 62, 63, 64}.data()), 7, top);
    EXPECT_EQ(top[0], test::choose(64, 7) - 1);
}

TEST(ReduceCounts, GainsAndTheirBoundsAreTheCountsOfSharingCombinations) {
    const struct {
        uint32_t highest;
        int t;
        int stored;
        int split; // the largest subsets the bound looks up
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
        std::vector<uint64_t> kept;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (i % 3 == 1)
                counts.add(all[i], -1);
            else
                kept.push_back(all[i]);
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

TEST(ReduceLevels, EveryGainLiesOnItsLevelAndLevelsRise) {
    const struct {
        uint32_t gain, level, top;
    } known[] = {{0, 0, 0},       {127, 127, 127},       {128, 128, 129},
                 {129, 128, 129}, {130, 129, 131},       {255, 191, 255},
                 {256, 192, 259}, {95'882, 733, 96'255}, {UINT32_MAX, 1727, UINT32_MAX}};
    for (const auto& k : known) {
        EXPECT_EQ(reduce_detail::level_of(k.gain), k.level) << k.gain;
        EXPECT_EQ(reduce_detail::level_top(k.level), k.top) << k.level;
    }
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

// Every t-subset of points 0..v-1 lies in at least `least` blocks, and in at most `most`.
void expect_covers(const std::vector<Block>& blocks, int v, int t, int least, int most) {
    std::vector<int> times(std::size_t{1} << v, 0);
    for (const Block& b : blocks) {
        uint32_t m = 0;
        for (uint8_t p : b) m |= 1u << p;
        ASSERT_EQ(std::popcount(m), 7);
        ASSERT_LT(b[6], v);
        for (uint32_t s = m; s; s = (s - 1) & m) times[s] += std::popcount(s) == t;
    }
    for (uint32_t s = 0; s < times.size(); ++s)
        if (std::popcount(s) == t) {
            ASSERT_TRUE(times[s] >= least && times[s] <= most) << s;
        }
}

TEST(Designs, CoverEveryTSubset) {
    EXPECT_EQ(covering_13_7_3().size(), 13u);
    expect_covers(covering_13_7_3(), 13, 3, 1, 13);
    EXPECT_EQ(steiner_4_7_23().size(), 253u);
    expect_covers(steiner_4_7_23(), 23, 4, 1, 1);
    EXPECT_EQ(covering_16_7_4().size(), 78u);
    expect_covers(covering_16_7_4(), 16, 4, 1, 78);
}

TEST(Designs, OctadsHoldEveryFiveSubsetOnce) {
    const std::vector<uint32_t> octads = steiner_5_8_24();
    EXPECT_EQ(octads.size(), 759u);
    const SubsetIndex fives(24, 5);
    std::vector<int> times(fives.size(), 0);
    for (uint32_t o : octads) {
        ASSERT_EQ(std::popcount(o), 8);
        ASSERT_LT(o, 1u << 24);
        for_each_subset(o, 5, [&](uint64_t s) { ++times[fives.rank(s)]; });
    }
    EXPECT_EQ(std::count(times.begin(), times.end(), 1), static_cast<long>(times.size()));
}

TEST(Designs, SplitConstructionsCoverSmallGames) {
    std::vector<uint8_t> store(std::size_t{FullSystem} * 7);
    Settings s;
    init_defaults(s);
    for (uint32_t highest : {7u, 12u, 20u, 22u, 26u, 30u}) {
        const uint32_t count = run(s, highest, store.data());
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
    const std::vector<uint8_t> store = whole_game();
    const struct {
        int t;
        std::size_t tickets;
    } cases[] = {{2, 6}, {3, 39}, {4, 331}};
    for (const auto& c : cases) {
        const Reduction r =
            reduce_stored(store.data(), FullSystem, 39, c.t, TicketsFrom::Stored, {});
        EXPECT_EQ(r.tickets.size(), c.tickets);
        const CoverCheck check = verify_reduction(store.data(), FullSystem, c.t, r.tickets);
        EXPECT_TRUE(check.holds()) << c.t;
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
    o.seed = 1;
    o.work = 100'000'000;
    for (int t : {3, 4}) {
        const Reduction r = reduce_stored(store.data(), count, 40, t, TicketsFrom::Stored, o);
        EXPECT_FALSE(r.stopped_early);
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
