// lotto739-cli when its output cannot be written: stdout on a full device, and an export whose
// device runs full (a file-size limit) or that is killed by it in the middle of the write.
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <string>

#ifdef __linux__
#include <csignal>
#include <sys/wait.h>
#endif

namespace {

#ifdef __linux__

namespace fs = std::filesystem;
using lotto::test::TempDir;

struct CliRun {
    int status; // as from waitpid
    std::string out, err;
};

// Runs `setup; exec lotto739-cli args` in cwd with the shell. stdout goes to a file unless args
// redirect it.
CliRun run_cli(const std::string& setup, const std::string& args, const fs::path& cwd) {
    static TempDir capture;
    const fs::path out = capture.path / "out", err = capture.path / "err";
    fs::remove(out), fs::remove(err);
    const std::string command =
        "cd '" + cwd.string() + "' && " + setup + " exec '" + LOTTO_CLI_PATH "' " + args + " 2>'" +
        err.string() + "'" +
        (args.find('>') == std::string::npos ? " >'" + out.string() + "'" : std::string());
    const int status = std::system(command.c_str());
    auto read = [](const fs::path& p) { return fs::exists(p) ? lotto::test::read_file(p) : ""; };
    return {status, read(out), read(err)};
}

// Exit status 1 and exactly one line on stderr, from the program.
void expect_one_line_error(const CliRun& r) {
    EXPECT_TRUE(WIFEXITED(r.status) && WEXITSTATUS(r.status) == 1) << r.status;
    EXPECT_TRUE(r.err.starts_with("lotto739-cli: ")) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

TEST(CliFailure, StdoutOnAFullDeviceIsAnError) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TempDir dir;
    for (const char* args : {"-q", "-f 32=6 --page 1", "--list", "--help", "--version"}) {
        SCOPED_TRACE(args);
        expect_one_line_error(run_cli("", std::string(args) + " >/dev/full", dir.path));
    }
    EXPECT_TRUE(fs::is_empty(dir.path));
}

// Filter 32 with 5: 6435 combinations, a file of 180,180 bytes; the shell's file-size limit of
// one block (512 bytes) fills the device early in the export's write.
TEST(CliFailure, ExportOnAFullDeviceKeepsTheEarlierFile) {
    const std::string name = "kvx7_00006435.txt", old_text = "an earlier export\r\n";
    for (const bool killed : {false, true})
        for (const bool earlier : {false, true}) {
            SCOPED_TRACE(std::string(killed ? "killed" : "write fails") +
                         (earlier ? " over an earlier file" : ""));
            TempDir dir;
            if (earlier) std::ofstream(dir.path / name, std::ios::binary) << old_text;
            const CliRun r = run_cli(killed ? "ulimit -f 1 &&" : "trap '' XFSZ && ulimit -f 1 &&",
                                     "-f 32=5 --export -q", dir.path);
            if (killed) {
                EXPECT_TRUE(WIFSIGNALED(r.status) && WTERMSIG(r.status) == SIGXFSZ) << r.status;
            } else {
                expect_one_line_error(r);
                EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
                EXPECT_EQ(r.out, "6435\n");
            }
            const bool exists = fs::exists(dir.path / name);
            EXPECT_EQ(exists, earlier);
            EXPECT_EQ(exists ? lotto::test::read_file(dir.path / name) : "",
                      earlier ? old_text : "");
            // Besides it at most the temporary file of the killed export, under another name.
            for (const auto& entry : fs::directory_iterator(dir.path)) {
                const std::string file = entry.path().filename();
                EXPECT_TRUE(file == name || (killed && file.starts_with(name + ".tmp-"))) << file;
            }
        }
}

#endif

} // namespace
