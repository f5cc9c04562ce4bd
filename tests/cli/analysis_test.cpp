// The real lotto739-cli's analysis modes in text: back-test, funnel and explain, and history
// files it refuses.
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
    for (const auto& [args, fragment] : cases) {
        const Outcome o = run_cli("-f 7=5 --backtest --history " + args, dir.path);
        expect_one_line_error(o, 2);
        EXPECT_EQ(o.out, "") << args;
        EXPECT_TRUE(holds(o.err, fragment)) << o.err;
    }
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

// Filters 7 (lucky 5) and 8 (unlucky 39) on 20 draws that all hold 5, the last also 39: 20 and
// 19 kept where 20 * 7/39 and 20 * 32/39 are expected; p-values (7/39)^20 and by the exact
// binomial test. C(38, 6) combinations hold 5, C(38, 7) lack 39, C(37, 6) both.
TEST(CliAnalysis, TextTables) {
    TempDir dir;
    std::string draws;
    for (int n = 7; n <= 25; ++n) draws += "1,2,3,4,5,6," + std::to_string(n) + "\n";
    write_file(dir.path / "draws.csv", draws + "5,9,12,20,27,33,39\n");
    const Outcome b = run_cli("-f 7=5,8=39 --backtest --history draws.csv", dir.path);
    ASSERT_EQ(b.lines.size(), 33u) << b.err;
    EXPECT_EQ(b.lines[0], "Back-test of the active filters on 20 draws from draws.csv");
    const std::string rows[] = {
        "filter  label                parameter  draws kept    share  combinations kept   share  "
        "expected draws    p-value",
        "     7  07) Lucky number             5          20  100.00%            2760681  17.95%  "
        "          3.59  1.204e-15",
        "     8  08) Unlucky number          39          19   95.00%           12620256  82.05%  "
        "         16.41      0.237",
        "   all  every active filter                     19   95.00%            2324784  15.11%  "
        "          3.02  4.388e-15"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(b.lines[5 + i], rows[i]);
    // Two p-values: one of them below 0.05 by chance alone with chance 1 - 0.95^2.
    EXPECT_EQ(b.lines[9], "Of 2 filters, chance alone gives at least one p-value below 0.05 with "
                          "chance about 0.10");
    EXPECT_EQ(b.lines[13], "   1  01 02 03 04 05 06 07  yes");
    EXPECT_EQ(b.lines[32], "  20  05 09 12 20 27 33 39  no    8");

    EXPECT_EQ(run_cli("-f 7=5,8=39 --funnel", dir.path).out,
              "filter  label               parameter  keeps alone  kept so far  only it rejects\n"
              "     7  07) Lucky number            5      2760681      2760681         10295472\n"
              "     8  08) Unlucky number         39     12620256      2324784           435897\n"
              "Stored combinations: 2324784\n");

    // Every relation's bound; the sum of 1..7 is 28.
    const Outcome e = run_cli("-f 1=100,2=180,7=5,8=39,20 --explain 7,1,2,3,4,5,6", dir.path);
    EXPECT_EQ(e.out, "Combination 01 02 03 04 05 06 07\n"
                     "filter  label                          value  bound       verdict\n"
                     "     1  01) Minimum amount of numbers     28  >= 100      fail\n"
                     "     2  02) Maximum amount of numbers     28  <= 180      pass\n"
                     "     7  07) Lucky number                   1  contains 5  pass\n"
                     "     8  08) Unlucky number                 0  lacks 39    pass\n"
                     "    20  20) No groups                      1  = 0         fail\n"
                     "Rejected by the active filters.\n");
    const Outcome all = run_cli("--explain 1,2,3,4,5,6,7", dir.path);
    EXPECT_EQ(all.lines.size(), 68u);
    EXPECT_EQ(all.lines.back(), "Kept: no filter is active.");
}

} // namespace
