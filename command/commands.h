// The commands of lotto739-cli, one function each, run from a parsed command line. A new command is
// a row of cli/command_table.h, a row of CommandRuns (commands.cpp) and its own file here.
#pragma once

#include "cli/options.h"

namespace lotto::command {

using cli::Command;
using cli::Options;

// Each runs its command and returns the exit status; output, notes and the error go to the run
// (cli/run_io.h).
int count(const Options& o);
int list(const Options& o);
int funnel(const Options& o);
int explain(const Options& o);
int backtest(const Options& o);
int history_stats(const Options& o);
int check_tickets(const Options& o);
int wheel(const Options& o); // wheel, reduce and check-wheel

int run_command(Command c, const Options& o);

// Runs the command and returns the exit status: 0 done, 1 a write or the store failed, 2 bad
// input found after the parse (a history file, a page past the end). A --save-settings file is
// written only when the command succeeds.
int execute(const Options& o);

} // namespace lotto::command
