// A count run that stores nothing with filters on: one note on stderr names the filters that let
// nothing through on their own, while stdout and the exit status stay those of any other run.
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

const std::string Filter2 =
    "lotto739-cli: note: filter 2 (Maximum amount of numbers) alone lets no "
    "combination through with its value 0\n";

TEST(EmptyResult, NoteNamesTheFiltersThatLetNothingThrough) {
    TempDir dir;
    const struct {
        std::string args, out, err;
    } cases[] = {
        // Filter 2 at its default 0: no sum is at most 0.
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
        EXPECT_EQ(o.out, c.out);
        EXPECT_EQ(o.err, c.err);
    }
}

// The runs with a store or with statistics print their usual report, and the note after it.
TEST(EmptyResult, NoteFollowsEveryRunThatStoresNothing) {
    TempDir dir;
    const struct {
        std::string args, last_line;
    } cases[] = {{"-f 1,2", "Number of filtered combinations:0"},
                 {"-f 2 --stats -q", "0 combinations"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome o = run_cli(c.args, dir.path);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, Filter2);
        ASSERT_FALSE(o.lines.empty());
        EXPECT_EQ(o.lines.back(), c.last_line);
    }
}

} // namespace
