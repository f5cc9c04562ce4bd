// The real lotto739-cli after the draw: --check-tickets and --history-stats, the values that
// need many draws or odd inputs (the docs pages show the rest), and the inputs it refuses.
#include "tests/analysis/xml_check.h" // occurrences
#include "tests/cli/cli_runner.h"

#include <tuple>

namespace {

using namespace lotto::test;

// A share or count chance gives that is neither none nor all never rounds to look like one: the
// sum of at least 40 keeps all but 181 combinations, and the sums 28..42 hold 433 of them.
TEST(CliAfterDraw, RoundingNeverShowsNoneOrAll) {
    TempDir dir;
    write_file(dir.path / "h.txt", "1 2 3 4 5 6 7\n3 9 12 20 25 30 33\n");
    const Outcome back = run_cli("-f 1=40 --backtest --history h.txt", dir.path);
    EXPECT_TRUE(holds(back.out, "  15380756  >99.99%            2.00  ")) << back.out;
    const Outcome stats = run_cli("--history-stats --history h.txt", dir.path);
    EXPECT_TRUE(holds(stats.out, "\n  28-42      1     <0.01        <0.01%\n")) << stats.out;
}

// A p-value too small for a double reads "below 1e-300" in every format, never 0: 500 draws that
// all hold 1, 2 and 3 are far out of chance for the uniformity test, the back-test of lucky
// number 1 and a ticket of 1..7.
TEST(CliAfterDraw, VanishingPValuesAreNotZero) {
    TempDir dir;
    std::string history;
    for (int d = 0; d < 500; ++d)
        history += "1 2 3 " + std::to_string(4 + d % 9) + " " + std::to_string(13 + d % 7) + " " +
                   std::to_string(20 + d % 11) + " " + std::to_string(31 + d % 8) + "\n";
    write_file(dir.path / "h.txt", history);
    write_file(dir.path / "t.txt", "1 2 3 4 5 6 7\n");
    for (const char* args : {"--history-stats --history h.txt", "-f 7=1 --backtest --history h.txt",
                             "--check-tickets t.txt --history h.txt"})
        for (const auto& [format, shown] : {std::pair<std::string, std::string>("", "below 1e-300"),
                                            {" --format csv", ",below 1e-300"},
                                            {" --format json", "\"p_value\":\"below 1e-300\""}}) {
            const Outcome o = run_cli(args + format, dir.path);
            EXPECT_EQ(o.status, 0) << args << format << o.err;
            EXPECT_TRUE(holds(o.out, shown)) << args << format << o.out;
            EXPECT_FALSE(holds(o.out, "\"p_value\":0.0")) << args << format;
        }
}

// Four draws listed newest first with their dates; the dates put them in order by themselves.
const char* const Dated = "draw,date,numbers,bonus\n"
                          "4,2024-01-27,1 3 4 5 6 7 9,10\n"
                          "3,2024-01-20,2 3 4 5 6 7 8,10\n"
                          "2,2024-01-13,1 2 3 4 5 6 8,10\n"
                          "1,2024-01-06,1 2 3 4 5 6 7,10\n";

// The charts' XML is checked in tests/analysis (Charts); here a chart that cannot be written is the
// one error, with nothing on stdout and none of the history's notes (its header, its game).
TEST(CliAfterDraw, AChartThatCannotBeWrittenIsTheError) {
    TempDir dir;
    write_file(dir.path / "h.csv", Dated);
    for (const char* args : {"--history-stats --history h.csv", "-f 3=2 --backtest --history h.csv",
                             "-f 3=2,36 --funnel"})
        expect_refused(run_cli(std::string(args) + " --chart missing/c.svg", dir.path), 1,
                       "lotto739-cli: cannot write 'missing/c.svg'");
}

// Filters change neither --check-tickets nor --list: the output stays, and one line says so.
TEST(CliAfterDraw, FiltersGivenWhereTheyDoNothingAreNoted) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n");
    write_file(dir.path / "s.txt", "-f 8=3\n");
    const std::string check = "--check-tickets t.txt --draw 1,2,3,4,5,6,8",
                      check_note = "lotto739-cli: the filters do not narrow --check-tickets, which "
                                   "checks every ticket of the file; --backtest shows how the "
                                   "filters did on past draws\n",
                      list_note = "lotto739-cli: the filters do not change --list, which prints "
                                  "every filter with the values it offers\n";
    // the run, the filters, the note
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {check, "-f 7=5", check_note},
        {check + " --format json", "--settings s.txt", check_note},
        {"--list --format json", "--array7 4", list_note},
        {"--list --game 7/35", "-p 1=100", ""},
    };
    for (const auto& [run, filters, note] : cases) {
        const Outcome plain = run_cli(run, dir.path),
                      filtered = run_cli(run + " " + filters, dir.path);
        ASSERT_EQ(plain.status, 0) << run << plain.err;
        EXPECT_EQ(std::tie(filtered.status, filtered.out, filtered.err),
                  std::tie(plain.status, plain.out, note))
            << run << " " << filters;
    }
}

TEST(CliAfterDraw, BadInputsGiveOneLineAndStatus2) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n1,2,3,4,5,6\n");
    write_file(dir.path / "h.csv", Dated);
    // arguments, a part of the message
    const std::pair<std::string, std::string> cases[] = {
        {"--check-tickets t.txt --draw 1,2,3,4,5,6,7", "t.txt:2: "},
        {"--history-stats --history h.csv --last 0", "1 or more"},
        {"--check-tickets t.txt", "either --history FILE or --draw"},
        {"--check-tickets t.txt --history h.csv --draw 1,2,3,4,5,6,7", "not both"},
        {"--check-tickets t.txt --draw -1-2-3-4-5-6-7", "'-1' is not a number"},
        {"--draw 1,2,3,4,5,6,7", "--draw is read by --check-tickets only"},
        {"--history-stats", "--history-stats needs --history FILE"},
        {"--history-stats --backtest --history h.csv", "separate runs"},
        {"--chart c.svg", "--chart draws the chart of"},
        {"--history-stats --history h.csv --chart c.PNG", "give the file a .svg name"},
        {"--bonus-column 4", "need --history FILE"},
        {"--backtest --history h.csv --last 2", "--last is for"},
        {"--backtest --history h.csv --newest-first", "the back-test lists them as the file"},
        {"--history-stats --history h.csv --bonus-column 1", "h.csv:2: the bonus number 4 is one"},
    };
    for (const auto& [args, fragment] : cases) expect_refused(run_cli(args, dir.path), 2, fragment);
}

// The note on draws that never reach the game's top numbers says when their chance lies below what
// a double holds (the chance itself: tests/analysis game_check_test).
TEST(CliAfterDraw, SmallerGameNoteNamesAVanishingChance) {
    TempDir dir;
    std::string history;
    for (int d = 0; d < 200; ++d)
        for (int i = 0; i < 7; ++i)
            history += std::to_string((7 * d + i) % 39 + 1) + (i < 6 ? " " : "\n");
    write_file(dir.path / "h.txt", history);
    const Outcome o = run_cli("--history-stats --history h.txt --game 7/64", dir.path);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(holds(o.err, " draws read as 7/64 (chance below 1e-300); if the game is 7/39"))
        << o.err;
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// In 60 MB of address space: 200,000 tickets are checked in CSV, JSON and text, each written as
// it goes; in 30 MB the check fails with one line naming the work. The history's statistics start
// no threads, so --threads 5000 cannot fail them.
TEST(CliAfterDraw, LittleMemoryIsEnoughOrOneLine) {
    TempDir dir;
    std::string tickets;
    for (int i = 0; i < 200000; ++i)
        for (int n = 0; n < 7; ++n)
            tickets += std::to_string(i % 33 + 1 + n) + (n < 6 ? " " : "\n");
    write_file(dir.path / "t.txt", tickets);
    write_file(dir.path / "h.csv", Dated);
    const std::string limit = "ulimit -v 60000";
    const std::string check = "--check-tickets t.txt --draw 1,2,3,4,5,6,7";
    const Outcome json = run_cli(check + " --format json", dir.path, limit);
    ASSERT_EQ(json.status, 0) << json.err;
    // The tickets, the draw and the 199,967 tickets repeating one of the 33 distinct ones.
    EXPECT_EQ(occurrences(json.out, "{\"line\":"), 399968u);
    EXPECT_TRUE(json.out.ends_with(",\"bonus_hit\":false}]}\n"));
    const Outcome csv = run_cli(check + " --format csv", dir.path, limit);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.lines.size(), 200008u);
    const Outcome text = run_cli(check, dir.path, limit);
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_EQ(text.lines.size(), 200042u);
    EXPECT_EQ(text.lines[200021], "     200000  20 21 22 23 24 25 26  0  0  0  0  0");
    const Outcome tight = run_cli(check, dir.path, "ulimit -v 30000");
    expect_one_line_error(tight, 1);
    EXPECT_EQ(tight.err, "lotto739-cli: out of memory: checking 200000 ticket(s) against 1 draw(s) "
                         "needs more memory than the system gives\n");
    const std::string stats = "--history-stats --history h.csv --history-columns 3 -f 34=2";
    const Outcome many = run_cli(stats + " --threads 5000", dir.path, limit);
    EXPECT_EQ(many.status, 0) << many.err;
    EXPECT_EQ(many.out, run_cli(stats, dir.path).out);
}
#endif

} // namespace
