// The real lotto739-cli, run as a child process: the count run's outputs, its notes and bad input,
// saved settings and ticket samples.
#include "tests/cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace lotto::test;

// Bad input: status 2, nothing on stdout, one line on stderr, no export file; a refused argument
// (the messages of every kind: Parse.GoodAndBadArguments), a settings file that is a directory,
// and a page past the end, which fails only after the run.
TEST(CliRun, BadInputExitsTwoWithOneLineAndNoOutput) {
    TempDir dir;
    for (const char* args : {"--bogus", "--settings .", "-f 1=248 --page 2"}) {
        const Outcome o = run_cli(std::string("--export --stats ") + args, dir.path);
        expect_one_line_error(o, 2);
        EXPECT_EQ(o.out, "") << args;
        EXPECT_TRUE(fs::is_empty(dir.path)) << args;
        if (std::string_view(args).ends_with("--page 2")) {
            EXPECT_TRUE(o.err.ends_with("stored 12 combinations in 1 page(s)\n")) << o.err;
        }
    }
}

// The export of C(20, 7) = 77520 records (more than one slice of the streamed export) on stdout,
// byte for byte the file, with the report on stderr. (The outputs' order: docs/count.md.)
TEST(CliRun, TheExportOnStdout) {
    TempDir dir;
    EXPECT_EQ(run_cli("-f 18=20 --export -q", dir.path).status, 0);
    const Outcome piped = run_cli("-f 18=20 --export=-", dir.path);
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out.size(), 77520u * 28);
    EXPECT_TRUE(piped.out == read_file(dir.path / "kvx7_00077520.txt")); // not printed: 2 MB
    const std::size_t time = piped.err.find("\nJob done in:") + 1;
    EXPECT_EQ(piped.err.substr(0, time), "Active filters\n") << piped.err;
    EXPECT_EQ(
        piped.err.substr(piped.err.find(" seconds\n", time)),
        " seconds\nFull system 15380937 combinations\nNumber of filtered combinations:77520\n");
    EXPECT_EQ(names_in(dir.path), std::vector<std::string>{"kvx7_00077520.txt"});
}

// A count run that stores nothing with filters on: one note on stderr names the filters that let
// nothing through on their own, while stdout and the exit status stay those of any other run.
const std::string Filter2 =
    "lotto739-cli: note: filter 2 (Maximum amount of numbers) alone lets no "
    "combination through with its value 0\n";

// Stdout is given whole, or by its last line after "...".
TEST(EmptyResult, NoteNamesTheFiltersThatLetNothingThrough) {
    TempDir dir;
    const struct {
        std::string args, out, err;
    } cases[] = {
        // Filter 2 at its default 0: no sum is at most 0. A run with a store or with statistics
        // prints its usual report, the note after it.
        {"-f 1,2", "...Number of filtered combinations:0\n", Filter2},
        {"-f 2 --stats -q", "...\n0 combinations\n", Filter2},
        {"-f 1,2 -q --format json", "{\"stored\":0}\n", Filter2},
        {"-f 2 --export=- -q", "", "0\n" + Filter2}, // the count goes to stderr
        {"-f 2,18 -q", "0\n",
         "lotto739-cli: note: filter 2 (Maximum amount of numbers) with its value 0 and filter 18 "
         "(Maximum 7.number) with its value 0 each alone let no combination through\n"},
        {"--game 7/8 -f 2,10,12,14,16,18,20 -q", "0\n", // seven such filters: five named
         "lotto739-cli: note: filter 2 (Maximum amount of numbers) with its value 0, filter 10 "
         "(Maximum 1.number) with its value 0, filter 12 (Maximum 2.number) with its value 0, "
         "filter 14 (Maximum 5.number) with its value 0, filter 16 (Maximum 6.number) with its "
         "value 0 and 2 more filters each alone let no combination through (--funnel shows them "
         "all)\n"},
        {"-f 3=7,5=7 -q", "0\n", // seven even numbers and seven odd ones
         "lotto739-cli: note: each active filter alone lets combinations through, but the 2 "
         "filters together leave none (--funnel shows what each keeps)\n"},
        // Not for the modes that show the counts themselves (nor when something is stored:
        // docs/command-line.md).
        {"-f 2 --explain 1,2,3,4,5,6,7 --format csv",
         "filter,label,parameter,value,kept\r\n2,\"02) Maximum amount of numbers \",0,28,false\r\n"
         "all,,,,false\r\n",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome o = run_cli(c.args, dir.path);
        EXPECT_EQ(o.status, 0);
        if (c.out.starts_with("..."))
            EXPECT_TRUE(o.out.ends_with(c.out.substr(3))) << o.out;
        else
            EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
    }
}

// A save that fails exits 1, leaves the earlier file as it was and no temporary file beside it.
TEST(CliStrategies, FailedSaveLeavesTheEarlierFile) {
    TempDir dir;
    write_file(dir.path / "s.txt", "-f 7=5\n");
    std::string every_filter = "-f 1";
    for (int k = 2; k <= 64; ++k) every_filter.append(",").append(std::to_string(k));
    const std::pair<std::string, std::string> cases[] = {
        {"", "cannot write '.': it is a directory"},
#ifdef __linux__
        // 512 bytes: room for the message, not for the 64 lines of settings
        {"trap '' XFSZ; ulimit -f 1", "cannot write 's.txt': File too large"},
#endif
    };
    for (const auto& [setup, message] : cases) {
        const std::string target = setup.empty() ? "." : "s.txt";
        const Outcome o = run_cli(every_filter + " -q --save-settings " + target, dir.path, setup);
        EXPECT_EQ(std::tie(o.status, o.err, o.out),
                  std::tuple(1, "lotto739-cli: " + message + "\n", ""));
    }
    EXPECT_EQ(read_file(dir.path / "s.txt"), "-f 7=5\n");
    EXPECT_EQ(names_in(dir.path), std::vector<std::string>{"s.txt"});
}

// Settings are saved only by a command that succeeds; with "-" a command that fails before its
// output prints none of them. Filter 32 with 6 stores 36 combinations, one page.
TEST(CliStrategies, FailedCommandSavesNoSettings) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n");
    write_file(dir.path / "short.txt", "1,2,3\n");
    const std::pair<std::string, std::string> cases[] = {
        {"--backtest --history none.csv", "none.csv: no such file"},
        {"--page 2 -q", "--page 2: the run stored 36 combinations in 1 page(s)"},
        {"--check-tickets t.txt --history none.csv", "none.csv: no such file"},
        {"--wheel 1-9 --guarantee 3-if-3 --check-wheel none.txt", "none.txt: no such file"},
        {"--reduce 3 --check-wheel short.txt", "short.txt:1: the line holds 3 numbers"},
        {"--wheel 1-9 --guarantee 3-if-3 --output no/w.txt", "the folder 'no' does not exist"},
        {"--export=t.txt -q", "but this is a file"},
    };
    for (const auto& [args, message] : cases)
        for (const char* target : {"s.txt", "-"}) {
            const Outcome o = run_cli("-f 32=6 " + args + " --save-settings " + target, dir.path);
            EXPECT_NE(o.status, 0) << args;
            EXPECT_TRUE(holds(o.err, message)) << args << ": " << o.err;
            EXPECT_EQ(o.out, "") << args << " " << target;
        }
    // A check whose guarantee fails did not succeed either.
    EXPECT_EQ(run_cli("--wheel 1-9 --guarantee 3-if-3 --check-wheel t.txt --save-settings s.txt",
                      dir.path)
                  .status,
              1);
    EXPECT_EQ(names_in(dir.path), (std::vector<std::string>{"short.txt", "t.txt"}));
    // "-" is stdout (its order: docs/file-formats.md), never a file of that name.
    EXPECT_EQ(run_cli("-f 32=6 -q --save-settings -", dir.path).status, 0);
    EXPECT_FALSE(fs::exists(dir.path / "-"));
}

// A drawn seed is shown and gives the same tickets again (the sampler's distinct, ascending
// records: tests/analysis sample_test; a sample's lines and a sample larger than the result:
// docs/count.md).
TEST(CliStrategies, ADrawnSeedRepeatsTheSample) {
    TempDir dir;
    const Outcome drawn = run_cli("-f 1=248 -q --sample 5", dir.path);
    ASSERT_TRUE(drawn.err.starts_with("lotto739-cli: seed ")) << drawn.err;
    ASSERT_EQ(drawn.lines.size(), 6u) << drawn.out;
    const std::string seed = drawn.err.substr(19, drawn.err.size() - 20);
    EXPECT_EQ(run_cli("-f 1=248 -q --sample 5 --seed " + seed, dir.path).out, drawn.out);
}

} // namespace
