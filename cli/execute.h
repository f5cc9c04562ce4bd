// What the commands of lotto739-cli share: the threads, the seed, the history's notes and the
// settings printed ahead of the output.
#pragma once

#include "analysis/history.h"
#include "cli/options.h"
#include "cli/run_io.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::cli {

// Whether the settings hold filters: one switched on, a range moved from the game's default or a
// chosen-number array holding a number.
bool filters_given(const Settings& s);

// Notes that a --threads given changes nothing for the command, told as "--list, which ...".
void note_threads_unused(const Common& c, const std::string& command);

// A seed nobody chose: the system's random device mixed with the clock.
uint64_t system_seed();

// The threads the runs take: --threads K, or one per core.
unsigned run_threads(const Common& c);

// Notes on stderr the lines of the history file skipped, and where more than seven numbers stood
// in a row, which seven were taken.
void note_history(const std::string& file, const History& h);

// Notes on stderr, in one line, when the draws of the history file never reach the top numbers of
// the game 7/highest and chance alone makes that very unlikely: they were most likely drawn in a
// smaller game.
void check_game(uint32_t highest, const std::string& file, const std::vector<Draw>& draws);

// Notes a game that grew within the history (find_game_change), its draws oldest first; `cut`
// says how to take only the draws since (--last, --since), else the back-test takes them all.
void check_game_change(const std::string& file, const std::vector<Draw>& oldest_first, bool cut);

// With --save-settings -, prints the settings on stdout; each command calls it once, after what can
// go wrong before its output and ahead of that output. Does nothing otherwise.
void print_settings(const Common& c);

} // namespace lotto::cli
