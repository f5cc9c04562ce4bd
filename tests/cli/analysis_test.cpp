// The real lotto739-cli's analysis modes in text: back-test, funnel and explain, and history
// files it refuses.
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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
    EXPECT_TRUE(holds(skipped.out, "on 1 draws from bad.csv")) << skipped.out;
}

TEST(CliAnalysis, TextTables) {
    TempDir dir;
    write_file(dir.path / "draws.csv",
               "date;numbers\n2024-01-06;1 2 3 4 5 6 7\n2024-01-13;9 12 20 27 33 39 5\n");
    const std::string filters = "-f 7=5,20,1=100 ";
    const Outcome b =
        run_cli(filters + "--backtest --history draws.csv --history-columns 2", dir.path);
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_TRUE(holds(b.out, "Lottery draws are random")) << b.out;
    EXPECT_TRUE(holds(b.out, "it predicts nothing about future draws")) << b.out;
    EXPECT_TRUE(holds(b.out, "\n     7  07) Lucky number ")) << b.out;
    EXPECT_TRUE(holds(b.out, "\n   all  every active filter ")) << b.out;
    EXPECT_TRUE(holds(b.out, "\n   2  01 02 03 04 05 06 07  no    1 20\n")) << b.out;
    EXPECT_TRUE(holds(b.out, "\n   3  05 09 12 20 27 33 39  yes\n")) << b.out;

    const Outcome f = run_cli(filters + "--funnel", dir.path);
    ASSERT_EQ(f.lines.size(), 5u) << f.out;
    EXPECT_EQ(f.lines[0], "filter  label                          parameter  keeps alone  kept so "
                          "far  only it rejects");
    EXPECT_EQ(f.lines[4], "Stored combinations: 709596"); // as the count run stores

    const Outcome e = run_cli(filters + "--explain 1,2,3,4,5,6,7", dir.path);
    EXPECT_EQ(e.out, "Combination 01 02 03 04 05 06 07\n"
                     "filter  label                          value  bound       verdict\n"
                     "     1  01) Minimum amount of numbers     28  >= 100      fail\n"
                     "     7  07) Lucky number                   1  contains 5  pass\n"
                     "    20  20) No groups                      1  = 0         fail\n"
                     "Rejected by the active filters.\n");
    const Outcome all = run_cli("--explain 1,2,3,4,5,6,7", dir.path);
    EXPECT_EQ(all.lines.size(), 68u);
    EXPECT_EQ(all.lines.back(), "Kept: no filter is active.");
}

} // namespace
