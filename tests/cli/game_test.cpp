// The real lotto739-cli in games other than 7/39 (docs/games-and-filters.md shows the outputs and
// settings files): the back-test of a 7/37 history with and without --game, the ranges a later
// game moves, and every bad game input.
#include "tests/cli/cli_runner.h"

#include "cli/options.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <tuple>
#include <vector>

namespace lotto::cli {
namespace {

using test::holds;
using test::Outcome;
using test::run_cli;
using test::TempDir;

std::string game(uint64_t n) { return "--game 7/" + std::to_string(n) + " "; }

// A history of several hundred random 7/37 draws: read as 7/39 the back-test runs and says once
// on stderr that the game looks like 7/37; with --game 7/37 it says nothing and measures against
// the 7/37 system.
TEST(CliGame, BackTestOfASevenOfThirtySevenHistory) {
    TempDir dir;
    std::mt19937_64 random(37);
    std::string history;
    std::vector<int> numbers(37);
    std::iota(numbers.begin(), numbers.end(), 1);
    for (int draw = 0; draw < 600; ++draw) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int i = 0; i < 7; ++i) history += std::to_string(numbers[i]) + (i < 6 ? "," : "\n");
    }
    test::write_file(dir.path / "h37.csv", history);
    test::write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n");
    const Outcome as37 =
        run_cli(game(37) + "-f 18=37 --backtest --history h37.csv --format csv", dir.path);
    EXPECT_TRUE(holds(as37.out, ",600,1.000000,10295472,1.000000,")) << as37.out;
    // Each reader of the history says once that the game looks like 7/37 (the chance itself:
    // tests/analysis game_check_test), and nothing with --game 7/37.
    // The history's own statistics and the ticket check say the same, once.
    for (const char* args :
         {"--history-stats --history h37.csv", "-f 7=5 --backtest --history h37.csv",
          "--check-tickets t.txt --history h37.csv"}) {
        const Outcome other = run_cli(args, dir.path);
        EXPECT_EQ(other.status, 0) << args << other.err;
        EXPECT_TRUE(other.err.ends_with("); if the game is 7/37, give --game 7/37\n")) << other.err;
        EXPECT_EQ(std::count(other.err.begin(), other.err.end(), '\n'), 1) << other.err;
        EXPECT_EQ(run_cli(game(37) + args, dir.path).err, "") << args;
    }
}

// The file, its reading back and a later game refused: docs/games-and-filters.md.
TEST(CliGame, ALaterGameMovesTheRangesNoOptionSet) {
    // Ranges no -r has set move with the game; those set stay, even at the old game's defaults.
    const ParseResult moved =
        parse_options({"--game", "7/50", "-r", "A2=1-5", "-r", "A1=1-12", "--game", "7/64"});
    ASSERT_TRUE(moved.ok()) << moved.error;
    std::array<Range, RangeCount> expected = default_ranges(64);
    expected[0] = default_ranges(50)[0];
    expected[1] = {1, 5};
    ASSERT_NE(expected[0], default_ranges(64)[0]);
    EXPECT_EQ(moved.run.common.settings.effective, expected);
    EXPECT_EQ(std::tie(moved.run.common.highest, moved.run.common.settings.highest),
              std::tuple(64u, 64u));
}

// Every bad game input: status 2, one line naming the argument and the game's limit.
TEST(CliGame, BadGameInputExitsTwoWithOneLine) {
    TempDir dir;
    test::write_file(dir.path / "g.txt", "--game 7/99\n");
    const std::pair<std::string, std::string> cases[] = {
        {"--game 39", "--game 39: expected 7/N"},
        {"--game 7/x", "--game 7/x: expected 7/N"},
        {"--game 6/39", "--game 6/39: only pick-7 games are supported"},
        {"--game 7/7", "--game 7/7: N = 7 is outside 8..64"},
        {"--game 7/65", "--game 7/65: N = 65 is outside 8..64"},
        {"--game 7/4294967335", "--game 7/4294967335: N = 4294967335 is outside 8..64"},
        {"--game 739",
         "--game 739: expected 7/N, the pick-7 game of the numbers 1..N, e.g. 7/37\n"},
        {"--game 7/37 -f 1=239", "-f 1=239: parameter 239 of filter 1 is outside 0..238"},
        {"--game 7/37 -f 17=38", "-f 17=38: parameter 38 of filter 17 is outside 0..37"},
        {"--game 7/50 -r E2=45-51", "-r E2=45-51: end 51 is above 50 (1 <= start <= end <= 50)"},
        {"--game 7/37 --array15 1,38", "number 38 at position 2 is outside 0..37"},
        {"--game 7/37 --explain 1,2,3,4,5,6,38", "number 38 is outside 1..37"},
        {"-r A1=30-39 --game 7/37", "range A1's end 39 is above 37 (game 7/37)"},
        {"--array7 38 --game 7/37", "--array7 number 38 is above 37 (game 7/37)"},
        {"--settings g.txt", "g.txt:1: --game 7/99: N = 99 is outside 8..64"},
    };
    for (const auto& [args, fragment] : cases)
        test::expect_refused(run_cli(args, dir.path), 2, fragment);
}

} // namespace
} // namespace lotto::cli
