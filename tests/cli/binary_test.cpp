// The real lotto739-cli, run as a child process with its output caught in files.
#include "tests/app/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;
using lotto::test::TempDir;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with `args` (shell syntax) in directory cwd.
Outcome run_cli(const std::string& args, const fs::path& cwd) {
    static TempDir capture;
    const fs::path out = capture.path() / "stdout", err = capture.path() / "stderr";
    const std::string command = "cd '" + cwd.string() + "' && '" LOTTO_CLI_PATH "' " + args +
                                " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome o;
#ifdef _WIN32
    o.status = raw;
#else
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    o.out = lotto::test::read_file(out);
    o.err = lotto::test::read_file(err);
    return o;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t nl; (nl = text.find('\n', from)) != std::string::npos; from = nl + 1)
        lines.push_back(text.substr(from, nl - from));
    if (from != text.size()) lines.push_back(text.substr(from));
    return lines;
}

bool is_empty_dir(const fs::path& p) {
    return fs::directory_iterator(p) == fs::directory_iterator();
}

TEST(CliRun, QuietPrintsOnlyTheCount) {
    TempDir dir;
    const Outcome o = run_cli("-f 7=5 -q", dir.path());
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "2760681\n");
    EXPECT_EQ(o.err, "");
}

TEST(CliRun, NoArgumentsReportTheFullSystem) {
    TempDir dir;
    const Outcome o = run_cli("", dir.path());
    EXPECT_EQ(o.status, 0);
    const auto lines = lines_of(o.out);
    ASSERT_EQ(lines.size(), 4u) << o.out;
    EXPECT_EQ(lines[0], "Active filters");
    EXPECT_TRUE(lines[1].starts_with("Job done in:") && lines[1].ends_with(" seconds")) << lines[1];
    EXPECT_EQ(lines[2], "Full system 15380937 combinations");
    EXPECT_EQ(lines[3], "Number of filtered combinations:15380937");
    EXPECT_EQ(o.out.find('\r'), std::string::npos);
    EXPECT_TRUE(is_empty_dir(dir.path()));
}

TEST(CliRun, SettingsApplyInCommandLineOrder) {
    TempDir dir;
    EXPECT_EQ(run_cli("-f 1=100 -p 1=248 -q", dir.path()).out, "12\n");
    EXPECT_EQ(run_cli("-p 1=248 -f 1 -q", dir.path()).out, "12\n");
    EXPECT_EQ(run_cli("-p 1=248 -q", dir.path()).out, "15380937\n"); // parameter set, filter off
}

// Every class of bad input: status 2, nothing on stdout, one line on stderr, no run and so no
// export file either.
class CliBadInput : public ::testing::TestWithParam<const char*> {};

TEST_P(CliBadInput, ExitsTwoWithOneLineAndNoOutput) {
    TempDir dir;
    const Outcome o = run_cli(std::string("--export --stats ") + GetParam(), dir.path());
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    EXPECT_TRUE(o.err.ends_with("\n")) << o.err;
    EXPECT_TRUE(o.err.starts_with("lotto739-cli: ")) << o.err;
    EXPECT_TRUE(is_empty_dir(dir.path()));
}

INSTANTIATE_TEST_SUITE_P(Classes, CliBadInput,
                         ::testing::Values("--bogus", "-f", "-f 65", "-f 20=1", "-f 1=253", "-p 7",
                                           "-r A1=9-1", "-r A1=0-9", "-r A1=65-65", "-r A1=1-65",
                                           "-r Z9=1-9", "--array7 40", "--array7 1,2,3,4,5,6,7,8",
                                           "-f 1x", "-f -1", "-f 99999999999", "--page 0",
                                           "--page x", "-f 1 stray"));

TEST(CliRun, PageBeyondThePageCountFailsAfterTheRun) {
    TempDir dir;
    const Outcome o = run_cli("-f 1=248 --page 2 --export", dir.path());
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("1 page"), std::string::npos) << o.err;
    EXPECT_TRUE(is_empty_dir(dir.path()));
}

TEST(CliRun, PagePrintsViewerLinesAfterTheCount) {
    TempDir dir;
    const Outcome o = run_cli("-f 1=248 -q --page 1", dir.path());
    EXPECT_EQ(o.status, 0);
    const auto lines = lines_of(o.out);
    ASSERT_EQ(lines.size(), 13u) << o.out;
    EXPECT_EQ(lines[0], "12");
    EXPECT_EQ(lines[1], "00000001=29,34,35,36,37,38,39,");
    EXPECT_EQ(lines[12], "00000012=33,34,35,36,37,38,39,");
}

TEST(CliRun, LastPageOfTheFullSystem) {
    TempDir dir;
    const Outcome o = run_cli("--page 15381 -q", dir.path());
    EXPECT_EQ(o.status, 0);
    const auto lines = lines_of(o.out);
    ASSERT_EQ(lines.size(), 938u);
    EXPECT_EQ(lines[1].substr(0, 9), "15380001=");
    EXPECT_EQ(lines.back(), "15380937=33,34,35,36,37,38,39,");
}

TEST(CliRun, StatsOfTheFullSystem) {
    TempDir dir;
    const Outcome o = run_cli("--stats -q", dir.path());
    EXPECT_EQ(o.status, 0);
    const auto lines = lines_of(o.out);
    ASSERT_EQ(lines.size(), 41u) << o.out;
    EXPECT_EQ(lines[0], "15380937");
    EXPECT_EQ(lines[1], "15380937 combinations");
    for (int n = 1; n <= 39; ++n)
        EXPECT_EQ(lines[n + 1], "0002760681=" + std::string(n < 10 ? "0" : "") + std::to_string(n));
}

TEST(CliRun, ExportIntoTheCurrentDirectory) {
    TempDir dir;
    const Outcome o = run_cli("-f 1=248 --export -q", dir.path());
    EXPECT_EQ(o.status, 0) << o.err;
    const fs::path file = dir.path() / "kvx7_00000012.txt";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 336u);
    const auto lines = lines_of(o.out);
    ASSERT_EQ(lines.size(), 2u) << o.out;
    EXPECT_EQ(lines[0], "12");
    EXPECT_NE(lines[1].find("kvx7_00000012.txt"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("336 bytes"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(" seconds"), std::string::npos) << lines[1];
}

TEST(CliRun, OutputOrderIsCountPageExportStats) {
    TempDir dir;
    fs::create_directory(dir.path() / "out");
    const Outcome ordered = run_cli("--stats --export=out -f 1=248 --page 1 -q", dir.path());
    EXPECT_EQ(ordered.status, 0) << ordered.err;
    const auto lines = lines_of(ordered.out);
    ASSERT_GE(lines.size(), 15u) << ordered.out;
    EXPECT_EQ(lines[0], "12");
    EXPECT_EQ(lines[1].substr(0, 9), "00000001=");
    EXPECT_EQ(lines[12].substr(0, 9), "00000012=");
    EXPECT_NE(lines[13].find("out/kvx7_00000012.txt"), std::string::npos) << lines[13];
    EXPECT_EQ(lines[14], "12 combinations");
    EXPECT_TRUE(fs::exists(dir.path() / "out" / "kvx7_00000012.txt"));
}

TEST(CliRun, ExportThatCannotBeWrittenIsAnError) {
    TempDir dir;
    lotto::test::write_file(dir.path() / "plain", "x");
    for (const char* target : {"missing", "plain"}) {
        const Outcome o = run_cli(std::string("-f 1=248 -q --export=") + target, dir.path());
        EXPECT_EQ(o.status, 1) << target;
        EXPECT_NE(o.err.find("kvx7_00000012.txt"), std::string::npos) << o.err;
        EXPECT_EQ(o.out.find("Exported"), std::string::npos) << o.out;
    }
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

TEST(CliInfo, HelpVersionAndList) {
    TempDir dir;
    const Outcome help = run_cli("--help", dir.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: lotto739-cli")) << help.out;
    EXPECT_EQ(help.err, "");
    const Outcome version = run_cli("--version", dir.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("lotto739-cli ")) << version.out;
    const Outcome list = run_cli("--list", dir.path());
    EXPECT_EQ(list.status, 0);
    const auto lines = lines_of(list.out);
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[6], "7\t07) Lucky number \t0..39");
    EXPECT_TRUE(is_empty_dir(dir.path()));
}

} // namespace
