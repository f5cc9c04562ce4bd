// The commands of lotto739-cli, one function each from what every command reads and its own
// options. A new command is a row of cli/command_table.h, its options in cli/options.h, a case of
// run_command (commands.cpp) and its own file here.
#pragma once

#include "cli/options.h"

namespace lotto::command {

using cli::BacktestOptions;
using cli::CheckTicketsOptions;
using cli::Command;
using cli::Common;
using cli::CountOptions;
using cli::ExplainOptions;
using cli::FunnelOptions;
using cli::HistoryStatsOptions;
using cli::Invocation;
using cli::ListOptions;
using cli::OddsOptions;
using cli::WheelOptions;

// Each runs its command and returns the exit status; output, notes and the error go to the run
// (cli/run_io.h).
int count(const Common& c, const CountOptions& o);
int list(const Common& c, const ListOptions& o);
int funnel(const Common& c, const FunnelOptions& o);
int explain(const Common& c, const ExplainOptions& o);
int backtest(const Common& c, const BacktestOptions& o);
int history_stats(const Common& c, const HistoryStatsOptions& o);
int check_tickets(const Common& c, const CheckTicketsOptions& o);
int wheel(const Common& c, const WheelOptions& o); // wheel, reduce and check-wheel
int odds(const Common& c, const OddsOptions& o);

// The command of the invocation, with its own options.
int run_command(const Invocation& i);

// Runs the command and returns the exit status: 0 done, 1 a write or the store failed, 2 bad
// input found after the parse (a history file, a page past the end). A --save-settings file is
// written only when the command succeeds.
int execute(const Invocation& i);

} // namespace lotto::command
