// The commands of lotto739-cli and the options each takes: the one table the parser, --help, the
// manual page and the shell completion are made from. A new option is a row of OptionTable, a field
// of its command's options (cli/options.h) and its case in the parser; a new command is a row of
// CommandTable, its options and its own file in command/.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lotto::cli {

enum class Command {
    Count,
    List,
    Funnel,
    Explain,
    Backtest,
    HistoryStats,
    CheckTickets,
    Wheel,
    Reduce,
    CheckWheel,
    Odds,
    Serve
};
constexpr std::size_t CommandCount = 12;

// A set of commands, one bit each.
using Commands = uint32_t;
constexpr Commands bit(Command c) { return Commands{1} << static_cast<int>(c); }
constexpr Commands AllCommands = (Commands{1} << CommandCount) - 1;

enum class Opt {
    Game,
    Filter,
    Param,
    Range,
    Array7,
    Array15,
    Settings,
    SaveSettings,
    Page,
    Export,
    Stats,
    Sample,
    Seed,
    Format,
    History,
    HistoryColumns,
    SkipBadLines,
    Backtest,
    Funnel,
    Explain,
    CheckTickets,
    Draw,
    BonusColumn,
    HistoryStats,
    Last,
    Since,
    Chart,
    NewestFirst,
    Quiet,
    Threads,
    List,
    Help,
    Version,
    Wheel,
    Guarantee,
    Reduce,
    TicketsFrom,
    Effort,
    TimeLimit,
    CheckWheel,
    Output,
    Budget,
    Keys,
    FilteredTickets,
    Repair,
    Odds,
    Port,
    Bind,
    NoOpen
};
enum class Takes { Nothing, Value, AttachedValue }; // AttachedValue: only as --name=VALUE

struct OptionInfo {
    std::string_view short_name;
    std::string_view long_name;
    Opt opt;
    Takes takes;
    std::string_view value_help; // what the value may be, for "needs a value" messages
    bool setting = false;        // may stand in a settings file
    Commands commands = 0;       // the commands it goes with; 0 = a command's flag form only
    std::string_view value_name; // in the help: "FILE", "7/N"
    std::string_view help;       // what it does, one sentence or two
    std::string_view completion; // "file" for a file name, else the values offered, spaces between
};

namespace detail {
// serve takes no settings: the page sends them with each run.
constexpr Commands Runs = AllCommands & ~bit(Command::Serve);
constexpr Commands HistoryReaders =
    bit(Command::Backtest) | bit(Command::HistoryStats) | bit(Command::CheckTickets);
constexpr Commands Searches = bit(Command::Wheel) | bit(Command::Reduce);
constexpr Commands Counting = bit(Command::Count) | bit(Command::Funnel) | bit(Command::Backtest) |
                              bit(Command::Reduce) | bit(Command::CheckWheel) | bit(Command::Odds);
} // namespace detail

constexpr auto OptionTable = std::to_array<OptionInfo>({
    {"", "--game", Opt::Game, Takes::Value, "7/N with N 8..64, e.g. 7/37", true, detail::Runs,
     "7/N", "play the game 7 out of 1..N (N 8..64; default 7/39)",
     "7/35 7/36 7/37 7/38 7/39 7/40 7/45 7/49"},
    {"-f", "--filter", Opt::Filter, Takes::Value, "K[=P][,K[=P]...] with K 1..64", true,
     detail::Runs, "K[=P][,...]", "switch filter K (1..64) on, with parameter P if given", ""},
    {"-p", "--param", Opt::Param, Takes::Value, "K=P[,K=P...] with K 1..64", true, detail::Runs,
     "K=P[,...]", "set filter K's parameter without switching it on", ""},
    {"-r", "--range", Opt::Range, Takes::Value, "NAME=S-E with NAME one of A1..E2", true,
     detail::Runs, "NAME=S-E", "set range NAME (A1 A2 B1 B2 C1 C2 D1 D2 E1 E2) to S..E", ""},
    {"", "--array7", Opt::Array7, Takes::Value,
     "up to 7 numbers 0..N or ranges, between commas or spaces", true, detail::Runs, "LIST",
     "numbers 0..N for positions 1.. of the 7-element array (0 or left out = empty; 1-15 stands "
     "for 1 to 15)",
     ""},
    {"", "--array15", Opt::Array15, Takes::Value,
     "up to 15 numbers 0..N or ranges, between commas or spaces", true, detail::Runs, "LIST",
     "numbers 0..N for positions 1.. of the 15-element array", ""},
    {"", "--settings", Opt::Settings, Takes::Value, "a settings file", false, detail::Runs, "FILE",
     "read settings from FILE (one option a line, # comments)", "file"},
    {"", "--save-settings", Opt::SaveSettings, Takes::Value, "the file to write", false,
     detail::Runs, "FILE",
     "write the settings in force to FILE once the command succeeds (- to stdout, ahead of text "
     "output only)",
     "file"},
    {"", "--page", Opt::Page, Takes::Value, "a page number, 1 or more", false, bit(Command::Count),
     "P", "print page P (1000 combinations each) after the report", ""},
    {"", "--export", Opt::Export, Takes::AttachedValue, "", false, bit(Command::Count), "[=DIR]",
     "write the text file into the folder DIR (default: the current folder); --export=- writes "
     "it to stdout, the report to stderr",
     ""},
    {"", "--stats", Opt::Stats, Takes::Nothing, "", false, bit(Command::Count), "",
     "print how often each number occurs", ""},
    {"", "--sample", Opt::Sample, Takes::Value, "a number of tickets, 1 or more", false,
     bit(Command::Count), "N", "print N distinct stored combinations drawn at random", ""},
    {"", "--seed", Opt::Seed, Takes::Value, "a number 0..18446744073709551615", false,
     bit(Command::Count) | detail::Searches, "S",
     "the seed (0..2^64-1) of the sample's draw or of the search, to repeat it", ""},
    {"", "--format", Opt::Format, Takes::Value, "text, csv or json", false, detail::Runs, "FORMAT",
     "text (default), csv or json for what goes to stdout", "text csv json"},
    {"", "--history", Opt::History, Takes::Value, "a file of past draws", false,
     detail::HistoryReaders, "FILE", "the past draws, one a line", "file"},
    {"", "--history-columns", Opt::HistoryColumns, Takes::Value, "A-B or A (fields from 1)", false,
     detail::HistoryReaders, "A-B", "fields holding the numbers (A: one field, all seven)", ""},
    {"", "--skip-bad-lines", Opt::SkipBadLines, Takes::Nothing, "", false, detail::HistoryReaders,
     "", "skip lines without a draw instead of failing", ""},
    {"", "--backtest", Opt::Backtest, Takes::Nothing, "", false, 0, "", "", ""},
    {"", "--funnel", Opt::Funnel, Takes::Nothing, "", false, 0, "", "", ""},
    {"", "--explain", Opt::Explain, Takes::Value,
     "seven distinct numbers 1..N, e.g. 1,5,9,12,20,33,39", false, 0, "", "", ""},
    {"", "--check-tickets", Opt::CheckTickets, Takes::Value, "a file of tickets", false, 0, "", "",
     ""},
    {"", "--draw", Opt::Draw, Takes::Value, "seven distinct numbers 1..N, e.g. 1,5,9,12,20,33,39",
     false, bit(Command::CheckTickets), "N1,...,N7",
     "check against this one draw instead of a history", ""},
    {"", "--bonus-column", Opt::BonusColumn, Takes::Value, "a field number, 1 or more", false,
     detail::HistoryReaders, "C", "field C of the history holds the bonus number", ""},
    {"", "--history-stats", Opt::HistoryStats, Takes::Nothing, "", false, 0, "", "", ""},
    {"", "--last", Opt::Last, Takes::Value, "a number of draws, 1 or more", false,
     bit(Command::HistoryStats) | bit(Command::CheckTickets), "K",
     "take only the K most recent draws", ""},
    {"", "--since", Opt::Since, Takes::Value, "a date, e.g. 2024-01-31", false,
     bit(Command::HistoryStats) | bit(Command::CheckTickets), "DATE",
     "take only the draws from DATE on", ""},
    {"", "--chart", Opt::Chart, Takes::Value, "the SVG file to write", false,
     bit(Command::HistoryStats) | bit(Command::Backtest) | bit(Command::Funnel), "FILE.svg",
     "write an SVG chart of the result", "file"},
    {"", "--newest-first", Opt::NewestFirst, Takes::Nothing, "", false,
     bit(Command::HistoryStats) | bit(Command::CheckTickets), "",
     "the history lists the newest draw first (dates, when every line has one, decide by "
     "themselves)",
     ""},
    {"-q", "--quiet", Opt::Quiet, Takes::Nothing, "", false, bit(Command::Count), "",
     "print only the number of stored combinations", ""},
    {"", "--threads", Opt::Threads, Takes::Value, "a number of threads, 1 or more", false,
     detail::Counting, "K", "share the counting among K threads (default: one per core)", ""},
    {"", "--list", Opt::List, Takes::Nothing, "", false, 0, "", "", ""},
    {"-h", "--help", Opt::Help, Takes::Nothing, "", false, AllCommands, "", "print this help", ""},
    {"", "--version", Opt::Version, Takes::Nothing, "", false, 0, "",
     "print the version and the license", ""},
    {"", "--wheel", Opt::Wheel, Takes::Value,
     "8 or more distinct numbers 1..N or ranges A-B, between commas or spaces", false,
     bit(Command::CheckWheel), "LIST", "the numbers of the wheel the file's tickets should cover",
     ""},
    {"", "--guarantee", Opt::Guarantee, Takes::Value, "T-if-M with 2 <= T <= M <= 7", false,
     bit(Command::Wheel) | bit(Command::CheckWheel), "T-if-M",
     "if M of the numbers are drawn, a ticket has T of them (also written \"T if M\")",
     "3-if-3 3-if-4 3-if-5 3-if-6 3-if-7 4-if-4 4-if-5 4-if-6 4-if-7 5-if-5 5-if-6 5-if-7 "
     "6-if-6 6-if-7 7-if-7"},
    {"", "--reduce", Opt::Reduce, Takes::Value, "a number of matches 2..6", false,
     bit(Command::CheckWheel), "T",
     "the stored combinations the file's tickets should cover with T matches", "2 3 4 5 6"},
    {"", "--tickets-from", Opt::TicketsFrom, Takes::Value, "stored or any", false,
     bit(Command::Reduce), "WHERE", "stored (default) or any combination", "stored any"},
    {"", "--effort", Opt::Effort, Takes::Value, "a whole number, 1 or more", false,
     detail::Searches, "E", "how hard the search tries (1 = default, 2 = twice...)", ""},
    {"", "--time-limit", Opt::TimeLimit, Takes::Value, "seconds, more than 0", false,
     detail::Searches, "SECONDS", "stop the search after SECONDS with the best found", ""},
    {"", "--check-wheel", Opt::CheckWheel, Takes::Value, "a file of tickets", false, 0, "", "", ""},
    {"", "--output", Opt::Output, Takes::Value, "the file to write the tickets into", false,
     detail::Searches, "FILE", "write the tickets into FILE instead of stdout", "file"},
    {"", "--tickets", Opt::Budget, Takes::Value, "a number of tickets, 1 or more", false,
     detail::Searches, "B",
     "at most B tickets covering as many cases as the search finds (the whole guarantee where B "
     "allows it, with as few tickets as it finds)",
     ""},
    {"", "--keys", Opt::Keys, Takes::Value, "1 to 5 numbers 1..N, between commas or spaces", false,
     bit(Command::Wheel), "LIST",
     "1 to 5 key numbers, none of the wheel's, in every ticket beside 7 - k of the wheel's", ""},
    {"", "--filtered-tickets", Opt::FilteredTickets, Takes::Nothing, "", false, bit(Command::Wheel),
     "", "every ticket passes the active filters", ""},
    {"", "--repair", Opt::Repair, Takes::Value, "a file of tickets", false, detail::Searches,
     "FILE", "keep FILE's tickets and add as few as the search finds for the guarantee", "file"},
    {"", "--odds", Opt::Odds, Takes::Value, "a file of tickets", false, 0, "", "", ""},
    {"", "--port", Opt::Port, Takes::Value, "a number 0..65535", false, bit(Command::Serve), "P",
     "the port, 0..65535 (default 7390; 0 takes a free one)", ""},
    {"", "--bind", Opt::Bind, Takes::Value, "an address", false, bit(Command::Serve), "ADDR",
     "the address to listen on (default 127.0.0.1; any other lets everyone who reaches it use "
     "the program)",
     ""},
    {"", "--no-open", Opt::NoOpen, Takes::Nothing, "", false, bit(Command::Serve), "",
     "print the page's address without opening a browser", ""},
});

struct CommandInfo {
    Command command;
    std::string_view name;
    std::optional<Opt> flag;   // the flag that names the command in the flag form
    std::string_view argument; // what follows the name; "" = nothing
    std::string_view summary;  // one line
    std::string_view needs;    // an option the command needs, shown in its usage; "" = none
};

constexpr auto CommandTable = std::to_array<CommandInfo>({
    {Command::Count, "count", std::nullopt, "",
     "count and store the combinations that pass the filters (the default)", ""},
    {Command::List, "list", Opt::List, "", "print the filters with the values they offer", ""},
    {Command::Funnel, "funnel", Opt::Funnel, "", "what each active filter keeps alone and together",
     ""},
    {Command::Explain, "explain", Opt::Explain, "N1,...,N7",
     "each active filter's verdict on one combination", ""},
    {Command::Backtest, "backtest", Opt::Backtest, "", "how the active filters did on past draws",
     "--history FILE"},
    {Command::HistoryStats, "history-stats", Opt::HistoryStats, "",
     "each number's count, gaps, pairs and the filters' measures in past draws, beside chance",
     "--history FILE"},
    {Command::CheckTickets, "check-tickets", Opt::CheckTickets, "FILE",
     "the hits of FILE's tickets in every past draw, or in one draw",
     "--history FILE | --draw N1,...,N7"},
    {Command::Wheel, "wheel", Opt::Wheel, "LIST",
     "tickets over 8..N chosen numbers such that if M of them are drawn, a ticket has T",
     "--guarantee T-if-M"},
    {Command::Reduce, "reduce", Opt::Reduce, "T",
     "tickets such that every stored combination shares T (2..6) numbers with one of them", ""},
    {Command::CheckWheel, "check-wheel", Opt::CheckWheel, "FILE",
     "check FILE's tickets against a wheel's or a reduction's promise (exit 1 when it fails)",
     "--wheel LIST --guarantee T-if-M | --reduce T"},
    {Command::Odds, "odds", Opt::Odds, "FILE",
     "the exact odds of FILE's tickets over every draw, or every draw the filters keep", ""},
    {Command::Serve, "serve", std::nullopt, "",
     "serve every command as a page in the browser on this machine and open it (Ctrl-C stops "
     "the server)",
     ""},
});

// The command of that name, or null.
const CommandInfo* find_command(std::string_view name);

} // namespace lotto::cli
