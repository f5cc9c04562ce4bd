// The game of a history: random draws of 7/N reach the top numbers of N sooner or later, so a
// history that never does was most likely drawn in a smaller game.
#pragma once

#include "analysis/history.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lotto {

// Below this chance the back-test says that the draws look like a smaller game.
inline constexpr double SmallerGameChance = 0.001;

struct TopNumbersCheck {
    uint32_t highest_drawn = 0; // the largest number of any draw (0 without draws)
    uint32_t missing = 0;       // how many top numbers of the game no draw holds
    double chance = 1;          // that random draws of the game leave out that many top numbers
    bool smaller_game_drawn = false; // every number of 1..highest_drawn is drawn, a game 7/8..

    // The draws look like the game 7/highest_drawn: they hold each of its numbers, none above,
    // and chance alone would rarely keep the game's top numbers out of so many draws.
    bool smaller_game_likely() const { return smaller_game_drawn && chance < SmallerGameChance; }
};

// Below this chance a history's top numbers that appear only from some draw on say that the
// game grew there.
inline constexpr double GameChangeChance = 1e-6;

// A game that grew within a history: no draw before draw `first` holds a number above
// earlier_highest, and chance alone would rarely keep them out of so many draws of the game the
// history shows later (7/later_highest, its largest number drawn).
struct GameChange {
    bool found = false;
    uint32_t earlier_highest = 0, later_highest = 0;
    std::size_t first = 0; // index of the first draw holding a number above earlier_highest
    double chance = 1;     // of `first` random draws of 7/later_highest holding none above it
};

// Looks for the draw, oldest first, from which on the top numbers appear: of every earlier game
// 7/M (M below the largest number drawn) whose numbers above M first appear after some draws,
// the one least likely by chance, when below GameChangeChance.
GameChange find_game_change(const std::vector<Draw>& draws);

// The chance that none of `draws` random draws of 7/highest holds any of the top `missing`
// numbers: (C(N - j, 7) / C(N, 7))^D.
double top_numbers_absent_chance(uint32_t highest, uint32_t missing, uint32_t draws);

// How far below N the draws stay, and how likely chance alone makes that in the game 7/highest.
TopNumbersCheck check_top_numbers(const std::vector<Draw>& draws, uint32_t highest);

} // namespace lotto
