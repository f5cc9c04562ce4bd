// What the command line says of real files: the game named in the hint for numbers above 7/39,
// a game that grew and --since, dates on some lines only, several bonus numbers in one field.
#include "tests/cli/cli_runner.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>

namespace lotto::test {
namespace {

// 100 dated draws: 60 of 7/45, then 40 of 7/47 (the 61st, line 61, dated 2020-03-05).
std::string grown_game() {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        const int low = 1 + i * 7 % 30, top = i < 60 ? 45 : 47;
        char date[32];
        std::snprintf(date, sizeof date, "2020-%02d-%02d", 1 + i / 28, 1 + i % 28);
        text += date;
        for (int n : {low, low + 1, low + 2, low + 3, low + 4, top - 1, top}) {
            text += ';';
            text += std::to_string(n);
        }
        text += "\n";
    }
    return text;
}

TEST(CliFiles, SaysWhatTheFileAsks) {
    TempDir dir;
    write_file(dir.path / "grow.csv", grown_game());
    write_file(dir.path / "big.csv", "1;2;3;4;5;6;40\n1;2;3;4;5;6;46\n");
    write_file(dir.path / "partial.csv",
               "2024-03-08;1;2;3;4;5;6;39\n;1;2;3;4;5;6;38\n2024-03-01;1;2;3;4;5;6;37\n");
    write_file(dir.path / "bonus.csv", "3 9 12 19 25 30 33;1 2 4 5\n");
    write_file(dir.path / "t.txt", "3 9 12 19 25 30 5\n");
    // arguments, exit status, stderr, a line of stdout ("" none)
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"--wheel 1-47 --guarantee 3", 2,
         "lotto739-cli: --wheel 1-47: number 40 is outside 1..39; if the game is 7/47, give "
         "--game 7/47 first\n",
         ""},
        {"--draw 1,2,3,4,5,6,45 --check-tickets t.txt", 2,
         "lotto739-cli: --draw 1,2,3,4,5,6,45: number 45 is outside 1..39; if the game is 7/45, "
         "give --game 7/45 first\n",
         ""},
        {"--game 7/39 --explain 1,2,3,4,5,6,45", 2,
         "lotto739-cli: --explain 1,2,3,4,5,6,45: number 45 is outside 1..39\n", ""},
        {"--history-stats --history big.csv", 2,
         "lotto739-cli: big.csv:1: number 40 is outside 1..39; if the game is 7/46, give --game "
         "7/46 first\n",
         ""},
        {"--game 7/47 --history-stats --history grow.csv --since 2020-03-05", 0,
         "lotto739-cli: grow.csv:61: no draw before this one (draw 61 of 100, oldest first) holds "
         "a number above 45 (chance 3.1e-09 in 7/47): the game was likely 7/45 before; to take "
         "only the draws since, give --last 40 or --since 2020-03-05\n",
         "History statistics of 40 draw(s) from grow.csv (the latest of 100), ordered by date"},
        {"--game 7/47 --history-stats --history grow.csv --since 2031-01-01", 2,
         "lotto739-cli: grow.csv: no draw dated 2031-01-01 or later\n", ""},
        {"--history-stats --history grow.csv --since 2020-13-01", 2,
         "lotto739-cli: --since 2020-13-01: not a date (e.g. 2024-01-31)\n", ""},
        {"--check-tickets t.txt --draw 1,2,3,4,5,6,7 --since 2020-01-01", 2,
         "lotto739-cli: --since needs --history FILE\n", ""},
        {"--history-stats --history partial.csv", 0,
         "lotto739-cli: partial.csv: 2 of 3 draws' lines carry a date; they run newest first, and "
         "so was the whole file taken\n",
         "History statistics of 3 draw(s) from partial.csv, in file order, newest first"},
        {"--game 7/35 --check-tickets t.txt --history bonus.csv --bonus-column 2", 0, "",
         "   1  -     03 09 12 19 25 30 33  01 02 04 05            1  6 + bonus"},
    };
    for (const auto& [args, status, err, line] : cases) {
        const Outcome o = run_cli(args, dir.path);
        EXPECT_EQ(o.status, status) << args;
        EXPECT_EQ(o.err, err) << args;
        if (!line.empty()) {
            EXPECT_NE(std::find(o.lines.begin(), o.lines.end(), line), o.lines.end())
                << args << "\n"
                << o.out;
        }
    }
}

} // namespace
} // namespace lotto::test
