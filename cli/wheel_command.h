// --wheel and --reduce: search (or read with --check-wheel) tickets, verify them independently
// and print them.
#pragma once

#include "cli/options.h"
#include "engine/measure.h"
#include "wheel/search_options.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::cli {

// Runs a wheel or reduction command (wo.active()) and returns the exit status: 0 done (or
// the checked tickets hold), 1 the checked tickets fail or a write failed, 2 bad input, 3 a
// search's result failed its verification (an internal error).
int run_wheel_command(const Common& co, const WheelOptions& wo);

// A wheel shaped by --tickets, --keys, --filtered-tickets or --repair: searched, verified and
// printed as run_wheel_command does, with the same exit statuses.
int run_shaped_wheel(const Common& co, const WheelOptions& wo);

// A reduction shaped by --tickets or --repair over the count stored combinations: searched,
// verified and printed as run_wheel_command does, with the same exit statuses.
int run_shaped_reduction(const Common& co, const WheelOptions& wo, const uint8_t* store,
                         uint32_t count);

// The distinct tickets of --repair's FILE, in file order, into kept; the file's error, or "".
std::string repair_tickets(const std::string& file, uint32_t highest,
                           std::vector<Combination>& kept);

// Whether every ticket is one of the count stored combinations (records in lexicographic order).
bool all_stored(const uint8_t* store, uint32_t count, const std::vector<Combination>& tickets);

// The search's options from the command line: seed, effort, time limit, threads, progress on a
// terminal.
SearchOptions wheel_search_options(const WheelOptions& wo, uint64_t seed, unsigned threads);

// Prints the text to stdout (also for --output -), or writes it to the --output file and says so
// on stderr; the settings of --save-settings - go ahead, once the text has a place. Returns the
// exit status.
int deliver_tickets(const Common& co, const WheelOptions& wo, const std::string& text,
                    std::size_t tickets);

} // namespace lotto::cli
