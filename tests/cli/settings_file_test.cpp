// Settings files: reading them through the parser, writing them, and the round trip.
#include "app/catalogue.h"
#include "cli/options.h"
#include "cli/settings_file.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lotto::cli {
namespace {

using test::TempDir;
using test::write_file;

// Every field of the settings, for comparing two of them.
auto fields(const Settings& s) {
    return std::tie(s.active, s.params, s.lowest_offered, s.highest_offered, s.entered, s.effective,
                    s.range_masks, s.step3_masks, s.array7, s.array7_mask, s.array15,
                    s.array15_mask);
}

// Every kind of bad file: the run is refused with one line naming the file and, for a bad line,
// its number.
TEST(SettingsFile, BadFilesAreRefusedNamingFileAndLine) {
    TempDir dir;
    const struct {
        std::string text; // file content
        std::string fragment;
    } cases[] = {
        {"-f 1\n--bogus\n", ":2: unknown option '--bogus'"},
        {"\n\n  # ranges\n-r A1=9-1  \n", ":4: -r A1=9-1: start 9 is above end 1"},
        {"-f 1 -f 2", ":1: one option per line, but '-f' follows"},
        {"-f 1\x01", ":1: -f 1\\x01: '1\\x01' is not a number"},
    };
    for (const auto& c : cases) {
        const std::string file = write_file(dir.path / "bad.txt", c.text);
        const ParseResult r = parse_options({"-f", "2", "--settings", file});
        EXPECT_NE(r.error.find(file + c.fragment), std::string::npos)
            << c.fragment << ": " << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
    // Every option that prints, writes or chooses the run, refused before its value is read.
    for (const OptionInfo& o : OptionTable) {
        if (o.setting) continue;
        const std::string name(o.long_name);
        const std::string file = write_file(dir.path / "bad.txt", "-f 7\n" + name + " 2\n");
        EXPECT_NE(parse_options({"--settings", file}).error.find(":2: " + name + " is not a "),
                  std::string::npos)
            << name;
    }
    // A file of 1 MiB reads (one comment line); one byte more is refused.
    for (const std::size_t size : {std::size_t{1} << 20, (std::size_t{1} << 20) + 1}) {
        const std::string file = write_file(dir.path / "big.txt", std::string(size, '#'));
        EXPECT_EQ(parse_options({"--settings", file}).error,
                  size > 1 << 20 ? "settings file '" + file + "' is too large (over 1 MiB)" : "");
    }
    // A directory: CliRun.BadInputExitsTwoWithOneLineAndNoOutput.
    const std::string missing = (dir.path / "missing.txt").string();
    EXPECT_EQ(
        parse_options({"--settings", missing}).error.find("cannot read settings file '" + missing),
        0u);
}

// Comments, blank lines, spaces, CR LF and a byte-order mark are ignored; the file's options take
// effect where --settings stands, so later options override it.
TEST(SettingsFile, OptionsApplyWhereTheFileStands) {
    TempDir dir;
    const std::string a = write_file(dir.path / "a.txt", "\xef\xbb\xbf# strategy\r\n\r\n"
                                                         "  --filter 7=9   # lucky nine\r\n"
                                                         "\t-f1=100\n-p 2=180\n--array15=1 2\t3\n"
                                                         "-r c2=5-25\n--param=3=4#no space");
    const std::string b = write_file(dir.path / "b.txt", "--filter 7 = 11\n--array7 5, 6 8\n"
                                                         "-p 4 =6\n-r A1= 2-9\n");
    const ParseResult r = parse_options(
        {"-f", "7=5", "-f", "9=3", "--settings", a, "-f", "7=3", "--settings", b, "-p", "1=120"});
    ASSERT_TRUE(r.ok()) << r.error;
    const Settings& s = r.run.common.settings;
    EXPECT_EQ(s.active, NumberBit[1] | NumberBit[7] | NumberBit[9]);
    for (const auto& [k, p] : {std::pair(1, 120u), {2, 180u}, {3, 4u}, {4, 6u}, {7, 11u}, {9, 3u}})
        EXPECT_EQ(s.params[k - 1], p) << "filter " << k;
    EXPECT_EQ(s.effective[0], (Range{2, 9}));
    EXPECT_EQ(s.effective[5], (Range{5, 25}));
    EXPECT_EQ(s.array15_mask, NumberBit[1] | NumberBit[2] | NumberBit[3]);
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[6] | NumberBit[8]);
}

// The saved text's order: docs/count.md (--save-settings -).
// Random settings, as the command line gives them, saved and loaded back: every field the same.
TEST(SettingsFile, SavedSettingsLoadBackTheSame) {
    TempDir dir;
    std::mt19937_64 random(739);
    const auto below = [&random](uint32_t n) { return static_cast<uint32_t>(random() % n); };
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> args;
        for (int k = 1; k <= FilterCount; ++k) {
            const bool on = below(4) == 0, with_parameter = has_parameter(k) && below(2) == 0;
            const std::string p =
                with_parameter
                    ? std::string("=").append(std::to_string(below(HighestOffered[k] + 1)))
                    : "";
            if (on || with_parameter)
                args.insert(args.end(), {on ? "-f" : "-p", std::to_string(k) + p});
        }
        for (int r = 1; r <= RangeCount; ++r) {
            if (below(3) != 0) continue;
            const uint32_t start = 1 + below(64), end = start + below(65 - start);
            args.insert(args.end(), {"-r", std::string(range_name(r)) + "=" +
                                               std::to_string(start) + "-" + std::to_string(end)});
        }
        for (const char* array : {"--array7", "--array15"}) {
            std::string list = std::to_string(below(40));
            for (uint32_t n = below(array[7] == '7' ? 7 : 15); n > 0; --n)
                list.append(",").append(std::to_string(below(3) == 0 ? 0 : below(40)));
            if (below(2) == 0) args.insert(args.end(), {array, list});
        }
        const ParseResult given = parse_options(args);
        ASSERT_TRUE(given.ok()) << given.error;
        const std::string text = settings_text(given.run.common.settings);
        const ParseResult loaded =
            parse_options({"--settings", write_file(dir.path / "saved.txt", text)});
        ASSERT_TRUE(loaded.ok()) << loaded.error << "\n" << text;
        EXPECT_EQ(fields(loaded.run.common.settings), fields(given.run.common.settings));
        EXPECT_EQ(settings_text(loaded.run.common.settings), text);
        if (HasFailure()) break;
    }
}

} // namespace
} // namespace lotto::cli
