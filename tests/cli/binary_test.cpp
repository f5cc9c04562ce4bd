// The real lotto739-cli, run as a child process: the count run's outputs and bad input.
#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using lotto::test::Outcome;
using lotto::test::run_cli;
using lotto::test::TempDir;

TEST(CliRun, QuietHelpVersionAndList) {
    TempDir dir;
    const Outcome quiet = run_cli("-f 7=5 -q", dir.path);
    EXPECT_EQ(std::tie(quiet.status, quiet.out, quiet.err), std::tuple(0, "2760681\n", ""));
    const Outcome help = run_cli("--help", dir.path), version = run_cli("--version", dir.path);
    EXPECT_TRUE(help.status == 0 && help.out.starts_with("Usage: lotto739-cli ")) << help.out;
    EXPECT_TRUE(version.status == 0 && version.out.starts_with("lotto739-cli ")) << version.out;
    EXPECT_TRUE(version.out.ends_with("\nLicense: MIT (see LICENSE)\n")) << version.out;
    const Outcome list = run_cli("--list", dir.path);
    EXPECT_EQ(list.status, 0);
    ASSERT_EQ(list.lines.size(), 64u);
    EXPECT_EQ(list.lines[0], "1\t01) Minimum amount of numbers \t0..252");
    EXPECT_EQ(list.lines[6], "7\t07) Lucky number \t0..39");
    EXPECT_EQ(list.lines[19], "20\t20) No groups\tno parameter");
    EXPECT_EQ(list.lines[63], "64\t64) Maximum numbers from 15 el. array\t0..7");
    EXPECT_TRUE(fs::is_empty(dir.path));
}

TEST(CliRun, FullSystemReportAndStatistics) {
    TempDir dir;
    const Outcome o = run_cli("", dir.path);
    EXPECT_EQ(o.status, 0);
    ASSERT_EQ(o.lines.size(), 4u) << o.out;
    EXPECT_EQ(o.lines[0], "Active filters");
    EXPECT_TRUE(o.lines[1].starts_with("Job done in:") && o.lines[1].ends_with(" seconds"));
    EXPECT_EQ(o.lines[2], "Full system 15380937 combinations");
    EXPECT_EQ(o.lines[3], "Number of filtered combinations:15380937");
    EXPECT_TRUE(o.out.ends_with("\n") && o.out.find('\r') == std::string::npos) << o.out;
    const Outcome stats = run_cli("--stats -q", dir.path);
    ASSERT_EQ(stats.lines.size(), 41u) << stats.out;
    EXPECT_EQ(stats.lines[1], "15380937 combinations");
    EXPECT_EQ(stats.lines[2], "0002760681=01");
    EXPECT_EQ(stats.lines[40], "0002760681=39");
    EXPECT_TRUE(fs::is_empty(dir.path));
}

// Every class of bad input: status 2, nothing on stdout, one line on stderr, no export file. A page
// past the end fails only after the run.
class CliBadInput : public ::testing::TestWithParam<std::string> {};

TEST_P(CliBadInput, ExitsTwoWithOneLineAndNoOutput) {
    TempDir dir;
    const Outcome o = run_cli("--export --stats " + GetParam(), dir.path);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_TRUE(o.err.starts_with("lotto739-cli: ")) << o.err;
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
    EXPECT_TRUE(fs::is_empty(dir.path));
    EXPECT_TRUE(!GetParam().ends_with("--page 2") || o.err.find("1 page") != o.err.npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(Classes, CliBadInput,
                         ::testing::Values("--bogus", "-f", "-f 65", "-f 20=1", "-f 1=253", "-p 7",
                                           "-r A1=9-1", "-r A1=0-9", "-r A1=65-65", "-r A1=1-65",
                                           "-r Z9=1-9", "--array7 40", "--array7 1,2,3,4,5,6,7,8",
                                           "-f 1x", "-f -1", "-f 99999999999", "--page 0",
                                           "--page x", "-f 1 stray", "'' 5 -f 62=0",
                                           "-f \"$(printf '1\\n2')\"", "--sample 0", "--seed 1",
                                           "--format xml", "--explain 1,2",
                                           "--settings missing.txt", "--settings .", "--backtest",
                                           "--funnel", "-f 1=248 --page 2"));

TEST(CliRun, OutputOrderIsCountPageExportStats) {
    TempDir dir;
    const Outcome o = run_cli("--stats --export -f 1=248 --page 1 -q", dir.path);
    EXPECT_EQ(o.status, 0) << o.err;
    ASSERT_EQ(o.lines.size(), 26u) << o.out;
    EXPECT_EQ(o.lines[0], "12");
    EXPECT_EQ(o.lines[1], "00000001=29,34,35,36,37,38,39,");
    EXPECT_EQ(o.lines[12], "00000012=33,34,35,36,37,38,39,");
    EXPECT_TRUE(o.lines[13].starts_with("Exported kvx7_00000012.txt: 336 bytes in ")) << o.out;
    EXPECT_TRUE(o.lines[13].ends_with(" seconds")) << o.out;
    EXPECT_EQ(o.lines[14], "12 combinations");
    EXPECT_EQ(o.lines[15], "0000000001=29");
    EXPECT_EQ(fs::file_size(dir.path / "kvx7_00000012.txt"), 336u);
}

// Root ignores permissions, so the failures come from paths that cannot be directories.
TEST(CliRun, ExportThatCannotBeWrittenIsAnError) {
    TempDir dir;
    std::ofstream(dir.path / "plain") << "x";
    for (const char* target : {"missing", "plain"}) {
        const Outcome o = run_cli(std::string("-f 1=248 -q --export=") + target, dir.path);
        EXPECT_EQ(o.status, 1) << target;
        EXPECT_NE(o.err.find("kvx7_00000012.txt"), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "12\n");
    }
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

} // namespace
