// The history files lotto739-cli refuses or reads with a note (the analyses' text tables are
// shown and checked in docs/backtest.md, docs/funnel.md and docs/explain.md).
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

// A bad history is refused before any analysis: status 2, nothing on stdout, one line naming
// the file.
TEST(CliHistory, BadFilesAreRefused) {
    TempDir dir;
    write_file(dir.path / "bad.csv", "1,2,3,4,5,6,7\n1,2,3,4,5,6,40\n");
    const std::pair<std::string, std::string> cases[] = {
        {"bad.csv", "bad.csv:2: "},
        {"bad.csv --history-columns 2-8", "bad.csv:1: "},
    };
    for (const auto& [args, fragment] : cases)
        expect_refused(run_cli("-f 7=5 --backtest --history " + args, dir.path), 2, fragment);
    const Outcome skipped =
        run_cli("-f 7=5 --backtest --history bad.csv --skip-bad-lines", dir.path);
    EXPECT_EQ(skipped.status, 0);
    EXPECT_EQ(skipped.err, "lotto739-cli: bad.csv:2: skipped: number 40 is outside 1..39\n"
                           "lotto739-cli: bad.csv: 1 bad line(s) skipped\n");
    EXPECT_TRUE(holds(skipped.out, "on 1 draw from bad.csv")) << skipped.out;
    // An eighth number in the row: one note says which seven were taken.
    write_file(dir.path / "eight.csv", "1,2,3,4,5,6,7,8\n9,10,11,12,13,14,15\n");
    const Outcome eight = run_cli("-f 7=5 --backtest --history eight.csv", dir.path);
    EXPECT_EQ(eight.status, 0);
    EXPECT_EQ(eight.err, "lotto739-cli: eight.csv:1: more than seven numbers stand in a row on 1 "
                         "line(s); the first seven were taken as the draw (wrong when a draw "
                         "counter or a week stands before the numbers: then name the fields with "
                         "--history-columns A-B, or a bonus after them with --bonus-column C)\n");
    // Fourteen after the date: two draws, and a note saying so.
    write_file(dir.path / "two.csv", "2025.11.26.;3;9;12;19;25;30;39;1;8;14;22;27;31;35\n");
    const Outcome two = run_cli("-f 7=5 --backtest --history two.csv", dir.path);
    EXPECT_EQ(two.status, 0);
    EXPECT_TRUE(holds(two.out, "on 2 draws from two.csv")) << two.out;
    EXPECT_EQ(two.err, "lotto739-cli: two.csv:1: fourteen numbers stand in a row after the date on "
                       "1 line(s); each was read as two draws of that date, the first seven and "
                       "then the next (to read one of them only, name its fields with "
                       "--history-columns A-B)\n");
}

} // namespace
