#include "cli/options.h"

#include "cli/texts.h"
#include "engine/mask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lotto::cli {
namespace {

using Args = std::vector<std::string>;

ParseResult parse(const Args& args) { return parse_options(args); }

TEST(ParseGood, NoArgumentsGiveTheDefaults) {
    const ParseResult r = parse({});
    ASSERT_TRUE(r.ok()) << r.error;
    Settings defaults;
    init_defaults(defaults);
    EXPECT_EQ(r.options.settings.active, 0u);
    EXPECT_EQ(r.options.settings.params, defaults.params);
    EXPECT_EQ(r.options.settings.range_masks, defaults.range_masks);
    EXPECT_FALSE(r.options.quiet || r.options.stats || r.options.export_text || r.options.list);
    EXPECT_EQ(r.options.page, 0u);
}

TEST(ParseGood, FiltersSwitchOnAndSetParametersInOrder) {
    const struct {
        Args args;
        Mask active;
        std::vector<std::pair<int, uint32_t>> params; // filter, expected parameter
    } cases[] = {
        {{"-f", "7"}, NumberBit[7], {{7, 0}}},
        {{"-f", "1,2,7"}, NumberBit[1] | NumberBit[2] | NumberBit[7], {}},
        {{"-f", "1=100,2=180"}, NumberBit[1] | NumberBit[2], {{1, 100}, {2, 180}}},
        {{"--filter", "64=7"}, NumberBit[64], {{64, 7}}},
        {{"--filter=3=0"}, NumberBit[3], {{3, 0}}},
        {{"-f52"}, NumberBit[52], {}},
        {{"-f", "20", "-f", "20"}, NumberBit[20], {}},
        {{"-p", "1=252"}, 0, {{1, 252}}}, // parameter only
        {{"--param", "9=33,10=33"}, 0, {{9, 33}, {10, 33}}},
        {{"-p", "1=248", "-f", "1"}, NumberBit[1], {{1, 248}}},     // -f K keeps the parameter
        {{"-f", "1=100", "-p", "1=248"}, NumberBit[1], {{1, 248}}}, // the later value wins
    };
    for (const auto& c : cases) {
        const ParseResult r = parse(c.args);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.options.settings.active, c.active) << c.args[0];
        for (auto [k, p] : c.params) EXPECT_EQ(r.options.settings.params[k - 1], p) << k;
    }
}

TEST(ParseGood, RangesGoThroughTheSetterInEitherCase) {
    const ParseResult r = parse({"-r", "A1=5-5", "--range", "e2=40-64", "-r", "c1=1-39"});
    ASSERT_TRUE(r.ok()) << r.error;
    const Settings& s = r.options.settings;
    EXPECT_EQ(s.range_masks[0], NumberBit[5]);
    EXPECT_EQ(s.effective[0].start, 5);
    EXPECT_EQ(s.entered[0].end, 5);
    EXPECT_EQ(s.range_masks[9], span_mask(40, 64));
    EXPECT_EQ(s.range_masks[4], span_mask(1, 39));
    EXPECT_EQ(s.range_masks[1], span_mask(1, 9)); // untouched ranges keep their defaults
}

TEST(ParseGood, ArraysFillPositionsFromOne) {
    const ParseResult r = parse({"--array7", "1,0,39", "--array15",
                                 "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", "--array7", "5"});
    ASSERT_TRUE(r.ok()) << r.error;
    const Settings& s = r.options.settings;
    EXPECT_EQ(s.array7[0], 5);
    EXPECT_EQ(s.array7[1], 0);
    EXPECT_EQ(s.array7[2], 39);
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[39]);
    EXPECT_EQ(s.array15_mask, span_mask(1, 15));
}

TEST(ParseGood, OutputOptions) {
    const ParseResult r = parse({"-q", "--page", "3", "--export=out/dir", "--stats"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.options.quiet);
    EXPECT_EQ(r.options.page, 3u);
    EXPECT_TRUE(r.options.export_text);
    EXPECT_EQ(r.options.export_dir, "out/dir");
    EXPECT_TRUE(r.options.stats);

    const ParseResult here = parse({"--export", "--page=15381"});
    ASSERT_TRUE(here.ok()) << here.error;
    EXPECT_TRUE(here.options.export_text);
    EXPECT_EQ(here.options.export_dir, "");
    EXPECT_EQ(here.options.page, 15381u);
}

TEST(ParseGood, HelpAndVersionStopTheParse) {
    EXPECT_TRUE(parse({"-h", "--bogus"}).options.help);
    EXPECT_TRUE(parse({"--help"}).ok());
    EXPECT_TRUE(parse({"--version", "-f", "99"}).options.version);
    EXPECT_TRUE(parse({"--list"}).options.list);
}

// Each bad argument: the parse fails with one line naming the argument and what is allowed.
TEST(ParseBad, FailsWithOneLineNamingTheProblem) {
    const struct {
        Args args;
        std::string fragment;
    } cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--export", "dir"}, "unexpected argument 'dir'"},
        {{"-f"}, "-f needs a value"},
        {{"--range"}, "--range needs a value"},
        {{"--array7"}, "--array7 needs a value"},
        {{"-q", "--page"}, "--page needs a value"},
        {{"--stats=1"}, "--stats takes no value"},
        {{"--bogus", "-h"}, "unknown option"},
        {{"-f", "0"}, "-f 0: filter 0 is not one of 1..64"},
        {{"-f", "65"}, "filter 65 is not one of 1..64"},
        {{"-f", "1,65"}, "-f 1,65: filter 65"},
        {{"-f", "1=100", "-f", "70"}, "-f 70"},
        {{"-f", "20=1"}, "filter 20 has no parameter"},
        {{"-p", "52=0"}, "filter 52 has no parameter"},
        {{"-f", "1=253"}, "parameter 253 of filter 1 is outside 0..252"},
        {{"-p", "7=40"}, "outside 0..39"},
        {{"-p", "28=2"}, "outside 0..1"},
        {{"-p", "7"}, "-p 7: expected K=P"},
        {{"-f", "1,,2"}, "a number is missing"},
        {{"-f", "1="}, "a number is missing"},
        {{"-r", "A1=9-1"}, "-r A1=9-1: start 9 is above end 1"},
        {{"-r", "A1=0-9"}, "start 0 is below 1"},
        {{"-r", "B2=65-65"}, "start 65 is above 64"},
        {{"-r", "d1=1-65"}, "end 65 is above 64"},
        {{"-r", "F1=1-9"}, "unknown range 'F1' (one of A1 A2"},
        {{"-r", "A1"}, "expected NAME=S-E"},
        {{"-r", "A1=19"}, "expected NAME=S-E"},
        {{"-r", "A1=-1-9"}, "'-1' is not a number"},
        {{"-r", "A1=1-9x"}, "'9x' is not a number"},
        {{"--array7", "40"}, "number 40 at position 1 is outside 0..39"},
        {{"--array15", "1,2,64"}, "at position 3 is outside 0..39"},
        {{"--array7", "1,2,3,4,5,6,7,8"}, "8 positions given, at most 7"},
        {{"--array15", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"}, "at most 15"},
        {{"--array7", "1,-2"}, "'-2' is not a number"},
        {{"--page", "0"}, "--page 0: the page must be 1 or more"},
        {{"--page", "x"}, "'x' is not a number"},
        {{"--page=-3"}, "--page=-3: '-3' is not a number"},
        {{"-f", "1x"}, "'1x' is not a number"},
        {{"-f", "-1"}, "'-1' is not a number"},
        {{"-f", "+1"}, "'+1' is not a number"},
        {{"-f", " 1"}, "' 1' is not a number"},
        {{"-f", "1.5"}, "'1.5' is not a number"},
        {{"-f", "99999999999"}, "'99999999999' is too large"},
        {{"-f", "1=4294967296"}, "too large"},
        {{"--page", "2147483648"}, "too large"},
    };
    for (const auto& c : cases) {
        const ParseResult r = parse(c.args);
        ASSERT_FALSE(r.ok()) << c.fragment;
        EXPECT_NE(r.error.find(c.fragment), std::string::npos) << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
}

TEST(CatalogueListing, OneLinePerFilterWithItsParameterRange) {
    const auto lines = catalogue_lines();
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[0], "1\t01) Minimum amount of numbers \t0..252");
    EXPECT_EQ(lines[19], "20\t20) No groups\tno parameter");
    EXPECT_EQ(lines[41], "42\t42) Minimumu in range D1\t0..7");
    EXPECT_EQ(lines[63], "64\t64) Maximum numbers from 15 el. array\t0..7");
}

} // namespace
} // namespace lotto::cli
