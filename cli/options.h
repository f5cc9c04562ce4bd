// The command line of lotto739-cli: parsed and checked in full before anything runs. Settings are
// applied through the engine's setters in command-line order (a settings file's lines where its
// --settings stands); the first bad argument stops the parse with a one-line message.
#pragma once

#include "analysis/history.h"
#include "cli/command_table.h"
#include "cli/wheel_options.h"
#include "engine/measure.h"
#include "engine/settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lotto::cli {

enum class Format { Text, Csv, Json };

struct Options {
    uint32_t highest = 39; // N of the game 7/N (--game); settings.highest and
                           // history_options.highest are the same
    Settings settings; // the defaults, then every --game, -f, -p, -r, --array7, --array15 in order
    std::array<bool, RangeCount> ranges_given{}; // set by -r: a later --game keeps them
    bool quiet = false;                          // print only the stored count
    uint32_t page = 0;                           // page to print after the report; 0 = none
    bool export_text = false;
    std::string export_dir; // "" = the current directory, "-" = stdout
    bool stats = false;
    uint32_t sample = 0;          // tickets to draw from the result; 0 = none
    std::optional<uint64_t> seed; // the sample's or search's seed; none = from the system
    Format format = Format::Text;
    std::string save_settings; // file to write the settings into; "" = none
    std::string history;       // draw history file for --backtest
    HistoryOptions history_options;
    bool backtest = false;
    bool funnel = false;
    std::optional<Combination> explain; // sorted
    std::string check_tickets;          // ticket file for --check-tickets; "" = none
    std::optional<Combination> draw;    // the one draw --check-tickets checks against, sorted
    bool history_stats = false;
    uint32_t last = 0;         // --last: the most recent draws to take; 0 = all
    std::string chart;         // SVG file for --history-stats, --backtest, --funnel; "" = none
    bool newest_first = false; // the history file lists the newest draw first
    bool list = false;         // print the catalogue instead of running
    unsigned threads = 0;      // --threads K; 0 = one per core (default_threads())
    bool help = false;
    std::optional<Command> command; // the subcommand given (its help with --help); none = flag form
    bool version = false;
    WheelOptions wheel; // --wheel or --reduce and their options

    bool export_to_stdout() const { return export_text && export_dir == "-"; }
    // Whether the count run needs only the number (-q without --page, --export, --stats or
    // --sample), which it counts without a store.
    bool count_only() const { return quiet && page == 0 && !export_text && !stats && sample == 0; }
    // Whether a mode replaces the count run: --list, --backtest, --funnel, --explain,
    // --check-tickets or --history-stats.
    bool runs_store() const {
        return !list && !backtest && !funnel && !explain && check_tickets.empty() && !history_stats;
    }
};

struct ParseResult {
    Options options;
    std::string error; // empty when the command line is good
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Stops at -h/--help or --version.
ParseResult parse_options(const std::vector<std::string>& args);

} // namespace lotto::cli
