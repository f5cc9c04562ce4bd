// --wheel and --reduce: search (or read with --check-wheel) tickets, verify them independently
// and print them.
#pragma once

#include "cli/options.h"

namespace lotto::cli {

// Runs a wheel or reduction command (o.wheel.active()) and returns the exit status: 0 done (or
// the checked tickets hold), 1 the checked tickets fail or a write failed, 2 bad input, 3 a
// search's result failed its verification (an internal error).
int run_wheel_command(const Options& o);

} // namespace lotto::cli
