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
void note_threads_unused(const Options& o, const std::string& command);

// A seed nobody chose: the system's random device mixed with the clock.
uint64_t system_seed();

// The threads the runs take: --threads K, or one per core.
unsigned run_threads(const Options& o);

// Notes on stderr the lines of --history skipped, and where more than seven numbers stood in a
// row, which seven were taken.
void note_history(const Options& o, const History& h);

// Notes on stderr, in one line, when the draws of --history never reach the top numbers of the
// game and chance alone makes that very unlikely: they were most likely drawn in a smaller game.
void check_game(const Options& o, const std::vector<Draw>& draws);

// With --save-settings -, prints the settings on stdout; each command calls it once, after what can
// go wrong before its output and ahead of that output. Does nothing otherwise.
void print_settings(const Options& o);

} // namespace lotto::cli
