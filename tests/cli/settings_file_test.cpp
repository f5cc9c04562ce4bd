// Settings files: reading them through the parser, writing them, and the round trip.
#include "app/catalogue.h"
#include "cli/options.h"
#include "cli/settings_file.h"
#include "cli/write_file.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lotto::cli {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
}

std::string join(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (std::string_view part : parts) s += part;
    return s;
}

void expect_same(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.active, b.active);
    EXPECT_EQ(a.params, b.params);
    EXPECT_EQ(a.lowest_offered, b.lowest_offered);
    EXPECT_EQ(a.highest_offered, b.highest_offered);
    EXPECT_EQ(a.entered, b.entered);
    EXPECT_EQ(a.effective, b.effective);
    EXPECT_EQ(a.range_masks, b.range_masks);
    EXPECT_EQ(a.step3_masks, b.step3_masks);
    EXPECT_EQ(a.array7, b.array7);
    EXPECT_EQ(a.array7_mask, b.array7_mask);
    EXPECT_EQ(a.array15, b.array15);
    EXPECT_EQ(a.array15_mask, b.array15_mask);
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
        {"-f 65", ":1: -f 65: filter 65 is not one of 1..64"},
        {"\n\n  # ranges\n-r A1=9-1  \n", ":4: -r A1=9-1: start 9 is above end 1"},
        {"--page 3", ":1: --page is not a setting: a settings file holds only -f, -p, -r"},
        {"--stats", ":1: --stats is not a setting"},
        {"--export=-", ":1: --export is not a setting"},
        {"--sample 2", ":1: --sample is not a setting"},
        {"--save-settings x", ":1: --save-settings is not a setting"},
        {"--settings other.txt", ":1: --settings is not a setting"},
        {"-h", ":1: --help is not a setting"},
        {"-f 1 -f 2", ":1: one option per line, but '-f' follows"},
        {"-f", ":1: option -f needs a value"},
        {"stray", ":1: unexpected argument 'stray'"},
        {"-f 1\x01", ":1: -f 1\\x01: '1\\x01' is not a number"},
    };
    for (const auto& c : cases) {
        const std::string file = write(dir.path / "bad.txt", c.text);
        const ParseResult r = parse_options({"-f", "2", "--settings", file});
        EXPECT_NE(r.error.find(file + c.fragment), std::string::npos)
            << c.fragment << ": " << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
    fs::create_directory(dir.path / "sub");
    const std::pair<std::string, std::string> unreadable[] = {
        {(dir.path / "missing.txt").string(), "cannot read settings file '"},
        {(dir.path / "sub").string(), "' is a directory"},
    };
    for (const auto& [path, fragment] : unreadable) {
        const ParseResult r = parse_options({"--settings", path});
        EXPECT_NE(r.error.find(fragment), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
    }
}

// Comments, blank lines, spaces, CR LF and a byte-order mark are ignored; the file's options take
// effect where --settings stands, so later options override it.
TEST(SettingsFile, OptionsApplyWhereTheFileStands) {
    TempDir dir;
    const std::string a = write(dir.path / "a.txt", "\xef\xbb\xbf# strategy\r\n\r\n"
                                                    "  --filter 7=9   # lucky nine\r\n"
                                                    "\t-f1=100\n-p 2=180\n--array15=1,2,3\n"
                                                    "-r c2=5-25\n--param=3=4");
    const std::string b = write(dir.path / "b.txt", "--filter 7=11\n--array7 5,6\n");
    const ParseResult r = parse_options(
        {"-f", "7=5", "-f", "9=3", "--settings", a, "-f", "7=3", "--settings", b, "-p", "1=120"});
    ASSERT_TRUE(r.ok()) << r.error;
    const Settings& s = r.options.settings;
    EXPECT_EQ(s.active, NumberBit[1] | NumberBit[7] | NumberBit[9]);
    EXPECT_EQ(s.params[0], 120u);
    EXPECT_EQ(s.params[1], 180u);
    EXPECT_EQ(s.params[2], 4u);
    EXPECT_EQ(s.params[6], 11u);
    EXPECT_EQ(s.params[8], 3u);
    EXPECT_EQ(s.effective[5], (Range{5, 25}));
    EXPECT_EQ(s.array15_mask, NumberBit[1] | NumberBit[2] | NumberBit[3]);
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[6]);
}

TEST(SettingsFile, SavedTextHasAFixedOrder) {
    const ParseResult r =
        parse_options({"--array7", "1,0,39", "-r", "C2=5-25", "-r", "A1=1-9", "-p", "7=5", "-f",
                       "20", "-f", "1=100", "-f", "3", "-p", "8=0"});
    ASSERT_TRUE(r.ok()) << r.error;
    const std::string text = settings_text(r.options.settings);
    ASSERT_TRUE(text.starts_with("# lotto739-cli ")) << text;
    EXPECT_EQ(text.substr(text.find('\n') + 1), "--filter 1=100\n"
                                                "--filter 3=0\n"
                                                "--filter 20\n"
                                                "--param 7=5\n"
                                                "--range C2=5-25\n"
                                                "--array7 1,0,39,0,0,0,0\n");
    Settings defaults;
    init_defaults(defaults);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_EQ(settings_text(defaults).find('\n'), settings_text(defaults).size() - 1);
}

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
                with_parameter ? join({"=", std::to_string(below(HighestOffered[k] + 1))}) : "";
            if (on)
                args.insert(args.end(), {"-f", std::to_string(k) + p});
            else if (with_parameter)
                args.insert(args.end(), {"-p", std::to_string(k) + p});
        }
        for (int r = 1; r <= RangeCount; ++r) {
            if (below(3) != 0) continue;
            const uint32_t start = 1 + below(64), end = start + below(65 - start);
            args.insert(args.end(), {"-r", join({range_name(r), "=", std::to_string(start), "-",
                                                 std::to_string(end)})});
        }
        for (const char* array : {"--array7", "--array15"}) {
            std::string list = std::to_string(below(40));
            for (uint32_t n = below(array[7] == '7' ? 7 : 15); n > 0; --n)
                list += join({",", std::to_string(below(3) == 0 ? 0 : below(40))});
            if (below(2) == 0) args.insert(args.end(), {array, list});
        }
        const ParseResult given = parse_options(args);
        ASSERT_TRUE(given.ok()) << given.error;
        const std::string text = settings_text(given.options.settings);
        const ParseResult loaded =
            parse_options({"--settings", write(dir.path / "saved.txt", text)});
        ASSERT_TRUE(loaded.ok()) << loaded.error << "\n" << text;
        expect_same(loaded.options.settings, given.options.settings);
        EXPECT_EQ(settings_text(loaded.options.settings), text);
        if (HasFailure()) break;
    }
}

TEST(WriteFile, ReplacesTheFileOrLeavesItAsItWas) {
    TempDir dir;
    const fs::path target = dir.path / "s.txt";
    write(target, "earlier");
    EXPECT_EQ(write_file_replacing(target.string(), "new\n"), "");
    EXPECT_EQ(test::read_file(target), "new\n");
    fs::create_directory(dir.path / "sub");
    write(dir.path / "plain", "x");
    const std::pair<fs::path, std::string> failures[] = {
        {dir.path / "sub", "it is a directory"},
        {dir.path / "missing" / "s.txt", "No such file or directory"},
        {dir.path / "plain" / "s.txt", "Not a directory"},
    };
    for (const auto& [path, why] : failures) {
        const std::string error = write_file_replacing(path.string(), "text");
        EXPECT_NE(error.find("cannot write '" + path.string() + "': " + why), std::string::npos)
            << error;
    }
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"plain", "s.txt", "sub"}));
    EXPECT_TRUE(fs::is_empty(dir.path / "sub"));
}

TEST(LineWords, SplitsAtBlanksAndDropsComments) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"  # only a comment", {}},
        {"--filter 1=100\r", {"--filter", "1=100"}},
        {"\t-r  C2=5-25 # wide", {"-r", "C2=5-25"}},
        {"-f1=2#no space", {"-f1=2"}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(line_words(line), expected) << line;
}

} // namespace
} // namespace lotto::cli
