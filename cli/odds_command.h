// odds FILE (--odds FILE): the exact odds of a ticket file over every draw of the game, or over
// the draws that pass the active filters.
#pragma once

#include "cli/options.h"

namespace lotto::cli {

// Reads the tickets, walks the draws and prints the odds; returns the exit status: 0 done, 1 no
// memory for the filters' draws, 2 a missing, bad or empty ticket file or filters that keep no
// draw.
int run_odds_command(const Options& o);

} // namespace lotto::cli
