// What lotto739-cli does with a good command line: the settings file, then the count run and its
// outputs or one of the analysis modes, each printed in the chosen format.
#pragma once

#include "analysis/history.h"
#include "cli/options.h"
#include "cli/run_io.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::cli {

// Runs the command and returns the exit status: 0 done, 1 a write or the store failed, 2 bad
// input found after the parse (a history file, a page past the end). A --save-settings file is
// written only when the command succeeds.
int execute(const Options& o);

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
