// The real lotto739-cli: saved settings, ticket samples and the export on stdout.
#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace fs = std::filesystem;
using lotto::test::Outcome;
using lotto::test::run_cli;
using lotto::test::TempDir;

// "00000012=33,34,35,36,37,38,39,": the record number.
uint32_t index_of(const std::string& line) { return std::stoul(line.substr(0, 8)); }

TEST(CliStrategies, SaveEditLoad) {
    TempDir dir;
    const std::string settings = "-f 1=100,2=180 -p 7=5 -r C2=5-25 --array7 1,0,39 -f 41=2";
    const Outcome direct = run_cli(settings + " -q", dir.path);
    const Outcome saved = run_cli(settings + " --save-settings s.txt -q", dir.path);
    EXPECT_EQ(std::tie(saved.status, saved.out), std::tie(direct.status, direct.out)) << saved.err;
    const std::string text = lotto::test::read_file(dir.path / "s.txt");
    EXPECT_EQ(text.substr(text.find('\n') + 1), "--filter 1=100\n--filter 2=180\n--filter 41=2\n"
                                                "--param 7=5\n--range C2=5-25\n"
                                                "--array7 1,0,39,0,0,0,0\n");
    const Outcome loaded = run_cli("--settings s.txt -q", dir.path);
    EXPECT_EQ(loaded.out, direct.out);
    std::ofstream(dir.path / "s.txt", std::ios::app) << "--filter 7\n";
    const Outcome edited = run_cli("--settings s.txt -q", dir.path);
    const Outcome edited_direct = run_cli(settings + " -f 7 -q", dir.path);
    EXPECT_EQ(edited.out, edited_direct.out);
    EXPECT_NE(edited.out, direct.out);
}

// A save that fails exits 1, leaves the earlier file as it was and no temporary file beside it.
TEST(CliStrategies, FailedSaveLeavesTheEarlierFile) {
    TempDir dir;
    std::ofstream(dir.path / "s.txt") << "-f 7=5\n";
    const struct {
        std::string setup, target, fragment;
    } cases[] = {
        {"", "missing/s.txt", "cannot write 'missing/s.txt': No such file or directory"},
        {"", ".", "cannot write '.': it is a directory"},
#ifdef __linux__
        // 512 bytes: room for the message, not for the 64 lines of settings
        {"trap '' XFSZ; ulimit -f 1", "s.txt", "cannot write 's.txt': File too large"},
#endif
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli("-f 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,"
                                  "24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,"
                                  "45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,64 -q "
                                  "--save-settings " +
                                      c.target,
                                  dir.path, c.setup);
        EXPECT_EQ(o.status, 1) << c.target;
        EXPECT_EQ(o.err, "lotto739-cli: " + c.fragment + "\n");
        EXPECT_EQ(o.out, "");
    }
    EXPECT_EQ(lotto::test::read_file(dir.path / "s.txt"), "-f 7=5\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(CliStrategies, SampleIsRepeatableDistinctAndFromTheResult) {
    TempDir dir;
    const Outcome all = run_cli("-f 1=248 -q --page 1", dir.path); // the 12 stored combinations
    const std::set<std::string> stored(all.lines.begin() + 1, all.lines.end());
    ASSERT_EQ(stored.size(), 12u);
    const Outcome a = run_cli("-f 1=248 -q --sample 5 --seed 42", dir.path);
    const Outcome b = run_cli("-f 1=248 -q --seed 42 --sample 5", dir.path);
    EXPECT_EQ(std::tie(a.status, a.err), std::tuple(0, ""));
    EXPECT_EQ(a.out, b.out);
    ASSERT_EQ(a.lines.size(), 6u) << a.out;
    for (std::size_t i = 1; i < a.lines.size(); ++i) {
        EXPECT_EQ(stored.count(a.lines[i]), 1u) << a.lines[i];
        if (i > 1) { // store order
            EXPECT_LT(index_of(a.lines[i - 1]), index_of(a.lines[i]));
        }
    }

    // A large result: every ticket holds the lucky number, no index twice, another seed differs.
    const Outcome big = run_cli("-f 7=5 -q --sample 200 --seed 1", dir.path);
    ASSERT_EQ(big.lines.size(), 201u) << big.err;
    std::set<uint32_t> indices;
    for (std::size_t i = 1; i < big.lines.size(); ++i) {
        EXPECT_NE(big.lines[i].find("05,"), std::string::npos) << big.lines[i];
        indices.insert(index_of(big.lines[i]));
    }
    EXPECT_EQ(indices.size(), 200u);
    EXPECT_LE(*indices.rbegin(), 2760681u);
    EXPECT_NE(run_cli("-f 7=5 -q --sample 200 --seed 2", dir.path).out, big.out);
}

TEST(CliStrategies, SampleSeedFromTheSystemIsShownAndRepeats) {
    TempDir dir;
    const Outcome drawn = run_cli("-f 1=248 -q --sample 3", dir.path);
    ASSERT_TRUE(drawn.err.starts_with("lotto739-cli: seed ")) << drawn.err;
    const std::string seed = drawn.err.substr(19, drawn.err.size() - 20);
    EXPECT_EQ(run_cli("-f 1=248 -q --sample 3 --seed " + seed, dir.path).out, drawn.out);

    const Outcome more = run_cli("-f 1=248 -q --sample 20 --seed 7", dir.path);
    EXPECT_EQ(more.lines.size(), 13u);
    EXPECT_NE(more.err.find("--sample 20: the run stored only 12 combinations; printing all"),
              std::string::npos)
        << more.err;
}

// stdout carries exactly the file's bytes; the report goes to stderr.
TEST(CliStrategies, ExportToStdoutHasTheFileBytes) {
    TempDir dir;
    const Outcome file = run_cli("-f 1=248 -q --export", dir.path);
    ASSERT_EQ(file.status, 0) << file.err;
    const Outcome piped = run_cli("-f 1=248 --export=-", dir.path);
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, lotto::test::read_file(dir.path / "kvx7_00000012.txt"));
    EXPECT_TRUE(piped.err.starts_with("Active filters\n")) << piped.err;
    EXPECT_NE(piped.err.find("Number of filtered combinations:12\n"), std::string::npos);
    const Outcome quiet = run_cli("-f 1=248 --export=- -q --format json", dir.path);
    EXPECT_EQ(quiet.out, piped.out);
    EXPECT_EQ(quiet.err, "{\"stored\":12,\"export\":{\"path\":\"-\",\"bytes\":336,\"seconds\":" +
                             quiet.err.substr(quiet.err.rfind(':') + 1));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

} // namespace
