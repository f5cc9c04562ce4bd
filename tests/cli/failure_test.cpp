// lotto739-cli when its output cannot be written: stdout on a full device, and an export whose
// device runs full (a file-size limit) or that is killed by it in the middle of the write.
#include "cli/write_file.h"
#include "tests/cli/cli_runner.h"

namespace {

// The folder a message names is cut from the bytes given, so that a name outside ASCII comes back
// as it was given.
TEST(CliFailure, TheFolderOfAPathIsItsBytesBeforeTheName) {
    const char* const cases[][2] = {
        {"J\xfcrgen/r\xe4.txt", "J\xfcrgen"},
        {"a/b//c.txt", "a/b"},
        {"/c.txt", "/"},
        {"c.txt", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(lotto::cli::folder_of(c[0]), c[1]) << c[0];
}

#ifdef __linux__

namespace fs = std::filesystem;
using namespace lotto::test;

// A full stdout fails the run, and no printing run leaves a file behind.
TEST(CliFailure, StdoutOnAFullDeviceIsAnError) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    for (const char* args : {"-f 32=6 --page 1", "-f 7=5 -q", "--list", "--help", "--version"}) {
        SCOPED_TRACE(args);
        expect_one_line_error(run_cli(std::string(args) + " >/dev/full", dir.path), 1);
    }
    EXPECT_TRUE(fs::is_empty(dir.path));
}

// Filter 32 with 5: 6435 combinations, a file of 180,180 bytes; the shell's file-size limit of
// one block (512 bytes) fills the device early in the export's write. No format prints anything
// on stdout: the run failed, as a page past the end or a bad history fails. The
// export's own tests cover an export killed by the limit, and the cases without an earlier file.
TEST(CliFailure, ExportOnAFullDeviceKeepsTheEarlierFile) {
    TempDir dir;
    const std::string name = "kvx7_00006435.txt";
    write_file(dir.path / name, "an earlier export\r\n");
    for (const char* format : {"text", "csv", "json"}) {
        expect_refused(run_cli("-f 32=5 --export -q --format " + std::string(format), dir.path,
                               "trap '' XFSZ; ulimit -f 1"),
                       1, "cannot write " + name + ": File too large");
    }
    EXPECT_EQ(read_file(dir.path / name), "an earlier export\r\n");
    EXPECT_EQ(names_in(dir.path), std::vector<std::string>{name});
}

// A run that fails prints its one error line alone: the notes found before the failure are
// dropped (a --threads that changes nothing; a history's notes: CliAfterDraw's chart test).
TEST(CliFailure, NotesAreHeldBackWhenTheRunFails) {
    TempDir dir;
    write_file(dir.path / "bad.txt", "1 2 3\n");
    const struct {
        const char* args;
        const char* setup;
        int status;
        const char* error;
    } cases[] = {
        {"--threads 2 --wheel 1-10 --guarantee 3-if-4 --check-wheel bad.txt", "", 2, "bad.txt:1:"},
        // 570 bytes of tickets, more than the file-size limit of one block lets through.
        {"--threads 2 --wheel 1-16 --guarantee 3-if-4 --seed 1 --output w.txt",
         "trap '' XFSZ; ulimit -f 1", 1, "cannot write"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli(c.args, dir.path, c.setup);
        expect_one_line_error(o, c.status);
        EXPECT_TRUE(holds(o.err, c.error)) << c.args << ": " << o.err;
    }
}

#endif

// --export=DIR given something other than a folder says what it takes, before the run.
TEST(CliFailure, ExportToSomethingOtherThanAFolder) {
    using namespace lotto::test;
    TempDir dir;
    std::filesystem::create_directory(dir.path / "sub");
    write_file(dir.path / "sub" / "kvx7_00000036.txt", "earlier\r\n");
    const std::string takes = "lotto739-cli: --export=%: --export takes a folder and writes "
                              "kvx7_NNNNNNNN.txt into it (NNNNNNNN the number of stored "
                              "combinations), but ";
    for (const std::string target : {"sub/kvx7_00000036.txt", "sub/kvx7_00000036.txt/"}) {
        const Outcome o = run_cli("-f 32=6 --export=" + target, dir.path);
        std::string message = takes + "this is a file; give its folder: --export=sub\n";
        message.replace(message.find('%'), 1, target);
        EXPECT_EQ(std::tie(o.status, o.out, o.err), std::tuple(1, "", message)) << target;
    }
    const Outcome here = run_cli("-f 32=6 --export=kvx7_00000036.txt", dir.path / "sub");
    EXPECT_TRUE(holds(here.err, "--export alone writes into the current folder"));
    EXPECT_EQ(read_file(dir.path / "sub" / "kvx7_00000036.txt"), "earlier\r\n");
}

} // namespace
