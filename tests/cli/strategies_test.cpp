// The real lotto739-cli: saved settings and ticket samples.
#include "tests/cli/cli_runner.h"

#include <set>

namespace {

namespace fs = std::filesystem;
using namespace lotto::test;

// "00000012=33,34,35,36,37,38,39,": the record number.
uint32_t index_of(const std::string& line) { return std::stoul(line.substr(0, 8)); }

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
    const Outcome saved = run_cli("-f 32=6 --page 1 --save-settings s.txt", dir.path);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(read_file(dir.path / "s.txt").ends_with("\n--filter 32=6\n"));
    // "-" is stdout, ahead of the run's own lines, and no file of that name.
    EXPECT_TRUE(run_cli("-f 32=6 -q --save-settings -", dir.path).out.ends_with("32=6\n36\n"));
    EXPECT_FALSE(fs::exists(dir.path / "-"));
}

// A sample's tickets are distinct records of the result in store order; a drawn seed is shown and
// gives the same tickets again. (The sampler's own tests hold distinct, ascending indices on
// results of every size; docs/count.md shows a sample larger than the result.)
TEST(CliStrategies, Samples) {
    TempDir dir;
    const Outcome all = run_cli("-f 1=248 -q --page 1", dir.path);
    ASSERT_EQ(all.lines.size(), 13u) << all.out;
    const Outcome drawn = run_cli("-f 1=248 -q --sample 5", dir.path);
    ASSERT_TRUE(drawn.err.starts_with("lotto739-cli: seed ")) << drawn.err;
    ASSERT_EQ(drawn.lines.size(), 6u) << drawn.out;
    const std::set<std::string> stored(all.lines.begin() + 1, all.lines.end());
    for (std::size_t i = 1; i < drawn.lines.size(); ++i) {
        EXPECT_EQ(stored.count(drawn.lines[i]), 1u) << drawn.lines[i];
        EXPECT_TRUE(i == 1 || index_of(drawn.lines[i - 1]) < index_of(drawn.lines[i]));
    }
    const std::string seed = drawn.err.substr(19, drawn.err.size() - 20);
    EXPECT_EQ(run_cli("-f 1=248 -q --sample 5 --seed " + seed, dir.path).out, drawn.out);
}

} // namespace
