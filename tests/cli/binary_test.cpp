// The real lotto739-cli, run as a child process: the count run's outputs and bad input.
#include "tests/cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace lotto::test;

// The runs that only print leave the folder as it was (their output is shown in the docs pages).
TEST(CliRun, PrintingRunsWriteNoFile) {
    TempDir dir;
    for (const char* args : {"-f 7=5 -q", "--help", "--version", "--list"})
        EXPECT_EQ(run_cli(args, dir.path).status, 0) << args;
    EXPECT_TRUE(fs::is_empty(dir.path));
}

// Bad input: status 2, nothing on stdout, one line on stderr, no export file; a refused argument
// (empty, or with control characters), a settings file that is a directory, and a page past the
// end, which fails only after the run.
TEST(CliRun, BadInputExitsTwoWithOneLineAndNoOutput) {
    TempDir dir;
    for (const char* args : {"--bogus", "'' 5 -f 62=0", "-f \"$(printf '1\\n2')\"", "--settings .",
                             "-f 1=248 --page 2"}) {
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

} // namespace
