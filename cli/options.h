// The command line of lotto739-cli: parsed and checked in full before anything runs, into the
// command, what every command reads and that command's own options. Settings are applied through
// the engine's setters in command-line order (a settings file's lines where its --settings
// stands); the first bad argument stops the parse with a one-line message.
#pragma once

#include "analysis/history.h"
#include "cli/command_table.h"
#include "cli/wheel_options.h"
#include "engine/measure.h"
#include "engine/settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lotto::cli {

enum class Format { Text, Csv, Json };

// What every command reads.
struct Common {
    uint32_t highest = 39; // N of the game 7/N (--game); settings.highest is the same
    Settings settings; // the defaults, then every --game, -f, -p, -r, --array7, --array15 in order
    Format format = Format::Text;
    std::string save_settings; // file to write the settings into; "" = none, "-" = stdout
    unsigned threads = 0;      // --threads K; 0 = one per core (default_threads())
};

// The past draws of --history and how its lines are read.
struct HistoryInput {
    std::string file;
    HistoryOptions read;
};

// Which of the history's draws are taken, and in which order they stand.
struct DrawChoice {
    uint32_t last = 0;             // --last: the most recent draws to take; 0 = all
    std::optional<DrawDate> since; // --since: the first date of the draws to take
    bool newest_first = false;     // the history file lists the newest draw first
};

// count: the report, -q, --page, --export, --stats, --sample.
struct CountOptions {
    bool quiet = false; // print only the stored count
    uint32_t page = 0;  // page to print after the report; 0 = none
    bool export_text = false;
    std::string export_dir; // "" = the current directory, "-" = stdout
    bool stats = false;
    uint32_t sample = 0;          // tickets to draw from the result; 0 = none
    std::optional<uint64_t> seed; // the sample's seed; none = from the system

    bool export_to_stdout() const { return export_text && export_dir == "-"; }
    // Whether the run needs only the number (-q without --page, --export, --stats or --sample),
    // which it counts without a store.
    bool count_only() const { return quiet && page == 0 && !export_text && !stats && sample == 0; }
    // Whether the run needs the number and the statistics only, counted without a store.
    bool statistics_only() const { return stats && page == 0 && !export_text && sample == 0; }
};

struct ListOptions {};

struct FunnelOptions {
    std::string chart; // SVG file; "" = none
};

struct ExplainOptions {
    Combination numbers{}; // sorted
};

struct BacktestOptions {
    HistoryInput history;
    std::string chart;
};

struct HistoryStatsOptions {
    HistoryInput history;
    DrawChoice draws;
    std::string chart;
};

struct CheckTicketsOptions {
    std::string tickets;             // the ticket file
    std::optional<Combination> draw; // the one draw to check against, sorted; none = history
    HistoryInput history;
    DrawChoice draws;
};

struct OddsOptions {
    std::string tickets; // the ticket file
};

// Each command's own options; wheel, reduce and check-wheel share WheelOptions.
using CommandOptions =
    std::variant<CountOptions, ListOptions, FunnelOptions, ExplainOptions, BacktestOptions,
                 HistoryStatsOptions, CheckTicketsOptions, WheelOptions, OddsOptions>;

// A command line ready to run.
struct Invocation {
    Command command = Command::Count;
    Common common;
    CommandOptions options;
};

struct ParseResult {
    Invocation run;
    bool help = false;                   // -h, --help, help [COMMAND]
    std::optional<Command> help_command; // the command whose help was asked for
    bool version = false;
    std::string error; // empty when the command line is good
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Stops at -h/--help or --version.
ParseResult parse_options(const std::vector<std::string>& args);

} // namespace lotto::cli
