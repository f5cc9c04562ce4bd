// The game of a history: the chance that random draws leave out the top numbers, and when the
// draws look like a smaller game (the reader and the back-test in other games: the published
// histories, and the back-test chart's line of chance in 7/50 in after_draw_test.cpp).
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
    for (const Combination& c : numbers) draws.push_back({uint32_t(draws.size() + 1), c, {}});
    return draws;
}

TEST(GameCheck, ASmallerGameOnlyWhenItsNumbersAreAllDrawnAndChanceIsTiny) {
    const Combination low{1, 2, 3, 4, 5, 6, 7}, up{2, 3, 4, 5, 6, 7, 8}, gap{1, 2, 4, 5, 6, 7, 8};
    // the draws, the highest number drawn, whether a smaller game is likely
    const std::tuple<std::vector<Combination>, uint32_t, bool> cases[] = {
        {{low}, 7, false},      // 1..7 is no game
        {{low, up}, 8, true},   // 7/8 drawn twice in 7/39: chance about 1e-14
        {{gap, gap}, 8, false}, // 3 never drawn: not the game 7/8
        {{}, 0, false},         {{{1, 2, 3, 4, 5, 6, 39}, low, up}, 39, false},
    };
    for (const auto& [draws, highest_drawn, likely] : cases) {
        const TopNumbersCheck check = check_top_numbers(draws_of(draws), 39);
        EXPECT_EQ(std::pair(check.highest_drawn, check.smaller_game_likely()),
                  std::pair(highest_drawn, likely));
    }
    // The same two draws read as 7/9 leave out only 9: chance (C(8,7)/C(9,7))^2 = (8/36)^2.
    const TopNumbersCheck nine = check_top_numbers(draws_of({low, up}), 9);
    EXPECT_EQ(nine.missing, 1u);
    EXPECT_NEAR(nine.chance, 4.0 / 81, 1e-12);
    EXPECT_FALSE(nine.smaller_game_likely());
}

} // namespace
} // namespace lotto
