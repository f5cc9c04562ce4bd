#include "analysis/game_check.h"

#include "engine/mask.h"
#include "engine/settings.h"

#include <algorithm>
#include <cmath>

namespace lotto {

double top_numbers_absent_chance(uint32_t highest, uint32_t missing, uint32_t draws) {
    if (missing == 0 || draws == 0) return 1;
    if (highest < missing + 7) return 0;
    // C(N - j, 7) / C(N, 7) is the product of (N - j - i) / (N - i) for i = 0..6.
    double log_one_draw = 0;
    for (uint32_t i = 0; i < 7; ++i)
        log_one_draw += std::log(static_cast<double>(highest - missing - i) / (highest - i));
    return std::exp(log_one_draw * draws);
}

TopNumbersCheck check_top_numbers(const std::vector<Draw>& draws, uint32_t highest) {
    TopNumbersCheck c;
    Mask drawn = 0;
    for (const Draw& d : draws) {
        c.highest_drawn = std::max<uint32_t>(c.highest_drawn, d.numbers[6]);
        for (uint8_t n : d.numbers) drawn |= number_bit(n);
    }
    c.smaller_game_drawn = is_game(c.highest_drawn) && drawn == numbers_up_to(c.highest_drawn);
    if (draws.empty() || c.highest_drawn >= highest) return c;
    c.missing = highest - c.highest_drawn;
    c.chance = top_numbers_absent_chance(highest, c.missing, static_cast<uint32_t>(draws.size()));
    return c;
}

GameChange find_game_change(const std::vector<Draw>& draws) {
    GameChange best;
    uint32_t top = 0;
    for (const Draw& d : draws) top = std::max<uint32_t>(top, d.numbers[6]);
    // first_above[m]: the first draw holding a number above m.
    std::vector<std::size_t> first_above(top + 1, draws.size());
    for (std::size_t i = draws.size(); i-- > 0;)
        for (uint32_t m = 0; m < draws[i].numbers[6]; ++m) first_above[m] = i;
    // No game is smaller than 7/SmallestGame: a first draw 1..7 says nothing of an earlier one.
    for (uint32_t m = SmallestGame; m < top; ++m) {
        const std::size_t first = first_above[m];
        if (first == 0 || first == draws.size()) continue;
        const double chance = top_numbers_absent_chance(top, top - m, static_cast<uint32_t>(first));
        if (chance < best.chance) best = {false, m, top, first, chance};
    }
    best.found = best.chance < GameChangeChance;
    return best;
}

} // namespace lotto
