// The odds of ticket sets against a brute force over every draw as a bit mask, with and without
// filters.
#include "analysis/odds.h"
#include "engine/run.h"
#include "engine/settings.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <tuple>

namespace lotto {
namespace {

uint64_t mask_of(const Combination& c) {
    uint64_t m = 0;
    for (uint8_t n : c) m |= uint64_t{1} << (n - 1);
    return m;
}

Combination combination_of(uint64_t mask) {
    Combination c{};
    for (int i = 0; mask != 0; mask &= mask - 1)
        c[i++] = static_cast<uint8_t>(std::countr_zero(mask) + 1);
    return c;
}

// Every draw of 1..highest (those the settings keep, when given), each ticket's matches counted
// one by one.
Odds brute_force(const std::vector<Combination>& tickets, uint32_t highest, const Settings* s) {
    Odds o;
    o.tickets = tickets.size();
    for (uint64_t d = 0; d < uint64_t{1} << highest; ++d) {
        if (std::popcount(d) != 7 || (s && !active_filters_keep(*s, combination_of(d)))) continue;
        ++o.draws;
        int best = 0;
        for (const Combination& t : tickets) {
            const int k = std::popcount(d & mask_of(t));
            ++o.matches[k];
            best = std::max(best, k);
        }
        ++o.best[best];
    }
    return o;
}

std::vector<Combination> random_tickets(std::mt19937_64& rng, uint32_t highest, std::size_t n) {
    std::vector<Combination> tickets;
    while (tickets.size() < n) {
        uint64_t m = 0;
        while (std::popcount(m) < 7) m |= uint64_t{1} << (rng() % highest);
        tickets.push_back(combination_of(m));
        if (rng() % 4 == 0) tickets.push_back(tickets.back()); // a repeated ticket counts again
    }
    return tickets;
}

void expect_same(const Odds& got, const Odds& want) {
    EXPECT_EQ(std::tie(got.draws, got.tickets, got.best, got.matches),
              std::tie(want.draws, want.tickets, want.best, want.matches));
}

TEST(Odds, EqualBruteForceOverEveryDrawOnSmallGames) {
    std::mt19937_64 rng(739);
    for (uint32_t highest = 8; highest <= 16; ++highest)
        for (std::size_t n : {1, 5, 70, 130}) {
            SCOPED_TRACE(std::to_string(highest) + " numbers, " + std::to_string(n) + " tickets");
            const std::vector<Combination> tickets = random_tickets(rng, highest, n);
            const Odds want = brute_force(tickets, highest, nullptr);
            expect_same(count_odds(tickets, highest, 1), want);
            expect_same(count_odds(tickets, highest, 3), want);
        }
}

TEST(Odds, OverTheDrawsTheFiltersKeepEqualBruteForce) {
    // the game's highest number, a filter and its parameter
    const std::tuple<uint32_t, int, uint32_t> cases[] = {
        {16, 1, 60}, {14, 3, 3}, {16, 32, 2}, {12, 2, 50}};
    std::mt19937_64 rng(17);
    for (const auto& [highest, filter, parameter] : cases) {
        SCOPED_TRACE("filter " + std::to_string(filter) + " over " + std::to_string(highest));
        Settings s;
        init_defaults(s, highest);
        turn_filter_on(s, filter);
        set_parameter(s, filter, parameter);
        std::vector<uint8_t> store(store_bytes(highest));
        const uint32_t count = run(s, highest, store.data());
        ASSERT_GT(count, 0u);
        ASSERT_LT(count, game_combinations(highest));
        const std::vector<Combination> tickets = random_tickets(rng, highest, 40);
        const Odds want = brute_force(tickets, highest, &s);
        expect_same(count_odds(tickets, store.data(), count, 1), want);
        expect_same(count_odds(tickets, store.data(), count, 2), want);
    }
    // No draw kept, no share (the shares that follow the counts: docs/tickets.md, two tickets of
    // 7/10).
    EXPECT_EQ(count_odds({{1, 2, 3, 4, 5, 6, 7}}, nullptr, 0, 2).at_least(0), 0);
}

} // namespace
} // namespace lotto
