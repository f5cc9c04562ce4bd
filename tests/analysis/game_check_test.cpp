// The game of a history: the chance that random draws leave out the top numbers, and when the
// draws look like a smaller game; the reader and the back-test in a game other than 7/39.
#include "analysis/backtest.h"
#include "analysis/game_check.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace lotto {
namespace {

TEST(GameCheck, ChanceThatTheTopNumbersStayOut) {
    // One draw of 7/10 leaves out 10 in C(9, 7) / C(10, 7) = 36 / 120 of the cases, 8..10 in
    // C(7, 7) / 120; four numbers cannot stay out.
    const std::tuple<uint32_t, uint32_t, uint32_t, double> cases[] = {
        {10, 1, 1, 0.3},       {10, 1, 2, 0.09},       {10, 3, 1, 1.0 / 120},
        {10, 4, 1, 0},         {39, 0, 642, 1},        {39, 2, 0, 1},
        {39, 1, 1, 32.0 / 39}, {39, 2, 642, 1.3e-112}, // (32 * 31 / (39 * 38))^642
    };
    for (const auto& [n, missing, draws, chance] : cases)
        EXPECT_NEAR(top_numbers_absent_chance(n, missing, draws), chance, 0.05 * chance + 1e-15)
            << n << " " << missing << " " << draws;
}

std::vector<Draw> draws_of(const std::vector<Combination>& numbers) {
    std::vector<Draw> draws;
    for (const Combination& c : numbers) {
        Draw d;
        d.line = static_cast<uint32_t>(draws.size() + 1);
        d.numbers = c;
        draws.push_back(d);
    }
    return draws;
}

TEST(GameCheck, ASmallerGameOnlyWhenItsNumbersAreAllDrawnAndChanceIsTiny) {
    const Combination low{1, 2, 3, 4, 5, 6, 7}, up{2, 3, 4, 5, 6, 7, 8}, gap{1, 2, 4, 5, 6, 7, 8};
    const struct {
        std::vector<Combination> draws;
        uint32_t highest_drawn;
        bool likely;
    } cases[] = {
        {{low}, 7, false},      // 1..7 is no game
        {{low, up}, 8, true},   // 7/8 drawn twice in 7/39: chance about 1e-14
        {{gap, gap}, 8, false}, // 3 never drawn: not the game 7/8
        {{}, 0, false},         {{{1, 2, 3, 4, 5, 6, 39}, low, up}, 39, false},
    };
    for (const auto& c : cases) {
        const TopNumbersCheck check = check_top_numbers(draws_of(c.draws), 39);
        EXPECT_EQ(check.highest_drawn, c.highest_drawn);
        EXPECT_EQ(check.smaller_game_likely(), c.likely) << c.highest_drawn;
    }
    // The same two draws read as 7/9 leave out only 9: chance (C(8,7)/C(9,7))^2 = (8/36)^2.
    const TopNumbersCheck nine = check_top_numbers(draws_of({low, up}), 9);
    EXPECT_EQ(nine.missing, 1u);
    EXPECT_NEAR(nine.chance, 4.0 / 81, 1e-12);
    EXPECT_FALSE(nine.smaller_game_likely());
}

TEST(GameCheck, HistoryNumbersAndBackTestFollowTheGame) {
    HistoryOptions o;
    o.highest = 50;
    const History h = parse_history("1,2,3,4,5,6,50\n44,45,46,47,48,49,50\n", "h.csv", o);
    ASSERT_TRUE(h.ok()) << h.error;
    ASSERT_EQ(h.draws.size(), 2u);

    Settings s;
    init_defaults(s, 50);
    turn_filter_on(s, 7), set_parameter(s, 7, 50); // contains 50: C(49, 6) of C(50, 7)
    const Backtest b = run_backtest(s, h.draws);
    EXPECT_EQ(b.full_system, 99'884'400u);
    EXPECT_EQ(std::tie(b.all.draws_kept, b.all.combinations_kept), std::tuple(2u, 13'983'816u));
    EXPECT_NEAR(b.all.expected_draws_kept, 2 * 0.14, 1e-12);
}

} // namespace
} // namespace lotto
