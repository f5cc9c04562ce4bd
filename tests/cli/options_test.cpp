#include "cli/options.h"

#include "cli/number_list.h"

#include "engine/mask.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace lotto::cli {
namespace {

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Good command lines parse (fragment ""); each bad one fails with one line naming the argument and
// what is allowed.
TEST(Parse, GoodAndBadArguments) {
    const struct {
        std::vector<std::string> args;
        std::string fragment;
    } cases[] = {
        {{}, ""},
        {{"-h", "--bogus"}, ""}, // help and version stop the parse
        {{"--version", "-f", "99"}, ""},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--export", "dir"},
         "unexpected argument 'dir' (a folder for the export goes with an equals sign: "
         "--export=dir)"},
        {{"-f"}, "-f needs a value"},
        {{"--stats=1"}, "--stats takes no value"},
        {{"-f", "0"}, "-f 0: filter 0 is not one of 1..64"},
        {{"-f", "20=1"}, "filter 20 has no parameter"},
        {{"-f", "1=253"}, "parameter 253 of filter 1 is outside 0..252"},
        {{"-p", "7"}, "-p 7: expected K=P"},
        {{"-f", "1="}, "a number is missing"},
        {{"-r", "A1=0-9"}, "start 0 is below 1"},
        {{"-r", "B2=65-65"}, "start 65 is above 64"},
        {{"-r", "d1=1-65"}, "end 65 is above 64"},
        {{"-r", "F1=1-9"}, "unknown range 'F1' (one of A1 A2"},
        {{"-r", "A1=19"}, "expected NAME=S-E"},
        {{"-r", "A1=1-9x"}, "'9x' is not a number"},
        {{"--array7", "40"}, "number 40 at position 1 is outside 0..39"},
        {{"--array7", "1,2,3,4,5,6,7,8"}, "8 positions given, at most 7"},
        {{"--array15", "0,1-15"}, "16 positions given, at most 15"},
        {{"--array7", "3-99999999999"}, "'3-99999999999' is not a range A-B with 1 <= A <= B"},
        {{"--array7", "5-4"}, "'5-4' is not a range"},
        {{"--array7", "0-4"}, "'0-4' is not a range"},
        {{"--array7", "1,38-40"}, "number 40 at position 4 is outside 0..39"},
        {{"--array7", "1 x;3"}, "--array7 1 x;3: 'x' is not a number"},
        {{"--array7", "1;;3"}, "a number is missing"},
        {{"--page", "0"}, "--page 0: the page must be 1 or more"},
        {{"--page=-3"}, "--page=-3: '-3' is not a number"},
        {{"--page", "2147483648"}, "too large"},
        {{"-f", "1x"}, "'1x' is not a number"},
        {{"-f", "99999999999"}, "'99999999999' is too large"},
        {{"", "5", "-f", "62=0"}, "unexpected argument ''"}, // not an option with no short name
        {{"-f", "1\n2\x1b"}, "-f 1\\n2\\x1b: '1\\n2\\x1b' is not a number"},
        {{"-f", std::string(500, '9')}, "...(500 bytes)' is too large"},
        {{"--format", "xml"}, "--format xml: expected text, csv or json"},
        {{"--format=csv", "--page", "1", "--sample", "2"}, "csv prints one table: give --page or"},
        {{"--sample", "0"}, "--sample 0: the number of tickets must be 1 or more"},
        {{"--threads", "-1"}, "--threads -1: '-1' is not a number (digits only)"},
        {{"--threads"}, "option --threads needs a value: a number of threads, 1 or more"},
        {{"--sample", "1", "--seed", "18446744073709551616"}, "is too large"},
        {{"--sample", "1", "--seed", "18446744073709551615"}, ""},
        {{"--seed", "1"}, "--seed needs --sample N"},
        {{"--export=-", "--sample", "1"}, "--export=- fills stdout with the export text"},
        {{"--export=-", "-q", "--format", "json"}, ""},
        {{"--save-settings", "-", "--page", "1", "--format", "json"},
         "--save-settings - would print the settings ahead of the JSON document on stdout; write "
         "them to a file instead: --save-settings FILE"},
        {{"--save-settings", "-", "--funnel", "--format", "csv"}, "ahead of the CSV table"},
        {{"--save-settings", "-", "--export=-"}, "ahead of the export text"},
        {{"--save-settings", "-", "--page", "1"}, ""},
        {{"--save-settings", "s.txt", "--format", "json"}, ""},
        {{"--wheel", "1-9", "--guarantee", "3if4"}, "'3if4': expected T-if-M"},
        {{"--wheel", "1-9", "--guarantee", "3 if 8"}, "'3 if 8': M must lie in T..7"},
        {{"--wheel", "1-9", "--guarantee", " if 4"}, "T and M single digits"},
        {{"--wheel", "1\n2\nx", "--guarantee", "2-if-2"}, "'x' is not a number 1..39"},
        {{"--explain", "7,2,3,4,5,6,7"}, "number 7 is given twice"},
        {{"--explain", "1,2,3,4,5,6,7", "--funnel"}, "--funnel and --explain are separate runs"},
        {{"--funnel", "--page", "1"}, "--funnel prints its own output instead of the count run"},
        {{"--list", "-q"}, "drop --quiet"},
        {{"--backtest"}, "--backtest needs --history FILE"},
        {{"--history", "h.csv"},
         "--history is read by --backtest, --history-stats and --check-tickets only"},
        {{"--skip-bad-lines"}, "need --history FILE"},
        {{"--history-columns", "2-8", "--funnel"}, "need --history FILE"},
        {{"--backtest", "--history="}, "--history=: a file name is missing"},
        {{"--backtest", "--history", "h", "--history-columns", "2-5"}, "seven fields"},
        {{"--backtest", "--history", "h", "--history-columns", "0"}, "fields count from 1"},
        {{"--backtest", "--history", "h", "--history-columns", "3-x"}, "'x' is not a number"},
        // The subcommand form: its own options only, its argument, near misses.
        {{"wheel", "1-9", "--guarantee", "3-if-4", "--threads", "2"},
         "--threads does not go with wheel"},
        {{"funnel", "--backtest"}, "--backtest does not go with funnel"},
        {{"explain", "1", "2", "3", "4", "5", "6", "40", "--game", "7/40"}, ""},
        {{"explain", "1", "2", "3"}, "explain 1 2 3: seven numbers expected, 3 given"},
        {{"explain", "--game", "7/40"}, "explain needs N1,...,N7: seven distinct numbers"},
        {{"check-wheel"}, "check-wheel needs FILE: a file of tickets"},
        {{"help", "bcktest"}, "unknown command 'bcktest'; did you mean backtest?"},
        {{"backtest", "--histroy", "h"}, "unknown option '--histroy'; did you mean --history?"},
        {{"--pgae", "1"}, "unknown option '--pgae'; did you mean --page?"},
        {{"--zzz"}, "unknown option '--zzz' (see --help)"},
        {{"-q", "list"}, "'list' (a command goes first: lotto739-cli list [OPTION]...)"},
        {{"reduce", "3", "--page", "1", "--help"}, "--page does not go with reduce"},
        {{"reduce", "--help"}, ""},
        // The server reads its own options before any parse.
        {{"--port", "80"}, "--port goes with serve only"},
        {{"serve", "--port", "80"}, "serve starts the page's server from the command line"},
        {{"serve", "--help"}, ""},
    };
    for (const auto& c : cases) {
        const ParseResult r = parse_options(c.args);
        EXPECT_TRUE(c.fragment.empty() ? r.ok() : r.error.find(c.fragment) != std::string::npos)
            << c.fragment << ": " << r.error;
        EXPECT_EQ(r.error.find_first_of("\n\r\x1b"), std::string::npos) << r.error;
        EXPECT_LT(r.error.size(), 300u) << r.error;
    }
}

// Each command line runs one command with its own options, in either form.
TEST(Parse, EachCommandGetsItsOwnOptions) {
    const struct {
        std::string line;
        Command command;
        std::size_t options; // the index of the options' type in CommandOptions
    } cases[] = {
        {"-q", Command::Count, 0},
        {"--list", Command::List, 1},
        {"list", Command::List, 1},
        {"--funnel --chart f.svg", Command::Funnel, 2},
        {"--explain 1,2,3,4,5,6,7", Command::Explain, 3},
        {"--backtest --history h", Command::Backtest, 4},
        {"--history-stats --history h --last 2", Command::HistoryStats, 5},
        {"--check-tickets t --draw 1,2,3,4,5,6,7", Command::CheckTickets, 6},
        {"--wheel 1-9 --guarantee 3-if-4 --seed 3", Command::Wheel, 7},
        {"--reduce 3", Command::Reduce, 7},
        {"--check-wheel t --reduce 3", Command::CheckWheel, 7},
        {"check-wheel t --reduce 3", Command::CheckWheel, 7},
        {"--odds t", Command::Odds, 8},
        // A subcommand's argument may follow its options.
        {"odds --game 7/40 t", Command::Odds, 8},
        {"wheel --guarantee 3-if-4 --game 7/40 1-7,40", Command::Wheel, 7},
    };
    for (const auto& c : cases) {
        const ParseResult r = parse_options(words(c.line));
        ASSERT_TRUE(r.ok()) << c.line << ": " << r.error;
        EXPECT_EQ(r.run.command, c.command) << c.line;
        EXPECT_EQ(r.run.options.index(), c.options) << c.line;
    }
    // An argument after the options is read in the game they set.
    const auto late = std::get<WheelOptions>(parse_options(words(cases[14].line)).run.options);
    EXPECT_EQ(late.numbers, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 40}));
    EXPECT_EQ(late.guarantee->m, 4);
}

// Commas, semicolons, spaces, tabs and line ends all stand between items; blanks beside a comma or
// a semicolon belong to it, one at either end of the list is dropped, two in a row leave an empty
// item; every way of writing a range comes out as A-B.
TEST(Parse, NumberListItems) {
    using Items = std::vector<std::string>;
    const struct {
        std::string_view value;
        Items items;
    } cases[] = {
        {"1,2,3", {"1", "2", "3"}},
        {"3 7 11", {"3", "7", "11"}},
        {"  1-5, 9 12\t;13  ", {"1-5", "9", "12", "13"}},
        {"1,,2", {"1", "", "2"}},
        {"1, ", {"1"}},
        {",1,2,", {"1", "2"}},
        {",,1", {"", "1"}},
        {"", {""}},
        {" \t", {""}},
        {",", {""}},
        {"1\n2\n3\n", {"1", "2", "3"}},
        {"1\r\n2\r\n", {"1", "2"}},
        {"1 - 9, 12 -14 ,20- 22", {"1-9", "12-14", "20-22"}},
        {"1\xE2\x80\x93"
         "10 11\xE2\x80\x94"
         "12",
         {"1-10", "11-12"}},
        {"1..10;12", {"1-10", "12"}},
        {"1...3", {"1-.3"}},
    };
    for (const auto& c : cases) EXPECT_EQ(number_list_items(c.value), c.items) << c.value;
}

// Settings go through the engine's setters in command-line order, later values winning.
TEST(Parse, SettingsAndOutputOptions) {
    Settings defaults;
    init_defaults(defaults);
    const ParseResult none = parse_options({"--export"});
    EXPECT_EQ(none.run.common.settings.params, defaults.params);
    EXPECT_EQ(none.run.common.settings.range_masks, defaults.range_masks);
    const auto& count = std::get<CountOptions>(none.run.options);
    EXPECT_FALSE(count.quiet || count.stats || count.page != 0);
    EXPECT_TRUE(count.export_text && count.export_dir.empty() && !count.export_to_stdout());
    EXPECT_FALSE(
        std::get<CountOptions>(parse_options({"--export=./-"}).run.options).export_to_stdout());

    const ParseResult r = parse_options(words(
        "-p 1=248 -f 1 -f 2=100,7 -p 2=180,9=33 --filter=64=7 -f52 -r A1=5-5 --range e2=40-64 "
        "--array7 1,0,39,4,7,9 --array15 1-3,4,5-14,15 --array7 5,0,38-39 -q "
        "--page=15381 --export=out/dir --stats"));
    ASSERT_TRUE(r.ok()) << r.error;
    const Settings& s = r.run.common.settings;
    EXPECT_EQ(s.active, NumberBit[1] | NumberBit[2] | NumberBit[7] | NumberBit[52] | NumberBit[64]);
    EXPECT_EQ(s.range_masks[1], span_mask(1, 9)); // untouched ranges keep their defaults
    // Positions count from 1; the later list replaces the whole array.
    EXPECT_EQ(s.array7, (std::array<int32_t, 7>{5, 0, 38, 39}));
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[38] | NumberBit[39]);
    EXPECT_EQ(s.array15_mask, span_mask(1, 15));
    const auto& o = std::get<CountOptions>(r.run.options);
    EXPECT_TRUE(o.quiet && o.export_text && o.stats);
    EXPECT_EQ(o.page, 15381u);
    EXPECT_EQ(o.export_dir, "out/dir");
}

} // namespace
} // namespace lotto::cli
