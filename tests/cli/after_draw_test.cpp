// The real lotto739-cli after the draw: --check-tickets and --history-stats with their values in
// text, CSV and JSON, the --chart files, and the inputs it refuses.
#include "tests/analysis/xml_check.h"
#include "tests/cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

using namespace lotto::test;
using Json = nlohmann::json;

// C(n, k) in floating point, for the chances by hand.
double choose(int n, int k) {
    double c = 1;
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return c;
}

// P(a ticket holds exactly k of the seven numbers drawn from 39).
double hit_chance(int k) { return choose(7, k) * choose(32, 7 - k) / choose(39, 7); }

// The JSON's chances against C(7, k) C(32, 7 - k) / C(39, 7) by hand; a draw written with spaces
// or dashes reads as with commas. (docs/check-tickets.md shows the text and CSV of a check.)
TEST(CliAfterDraw, CheckTicketsAgainstChanceByHand) {
    TempDir dir;
    write_file(dir.path / "tickets.txt", "# mine\n1,2,3,4,5,6,7\n08 09 10 11 12 13 14\n");
    const std::string args = "--check-tickets tickets.txt --draw 10,9,8,1,2,3,4 --format json";
    const Outcome o = run_cli(args, dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    for (const char* draw : {"\"10 9 8 1 2 3 4\"", "10-09-08-01-02-03-04"})
        EXPECT_EQ(run_cli("--check-tickets tickets.txt --format json --draw " + std::string(draw),
                          dir.path)
                      .out,
                  o.out)
            << draw;
    const double three_up =
        hit_chance(3) + hit_chance(4) + hit_chance(5) + hit_chance(6) + hit_chance(7);
    const Json j = Json::parse(o.out);
    EXPECT_EQ(j["draw_count"], 1);
    EXPECT_EQ(j["tickets"][0]["line"], 2);
    EXPECT_EQ(j["tickets"][0]["numbers"], Json({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(j["tickets"][0]["hits"], Json({0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(j["tickets"][1]["hits"], Json({0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(j["totals"]["observed"], Json({0, 0, 0, 1, 1, 0, 0, 0}));
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(j["totals"]["expected"][k].get<double>(), 2 * hit_chance(k), 1e-12) << k;
    // Both pairs hit 3 or more, the least likely outcome of two: p = P(3 or more)^2.
    EXPECT_NEAR(j["p_value"].get<double>(), three_up * three_up, 1e-12);
}

// Beside the best ticket of each draw and each ticket's hits stands what chance gives, in every
// format; a repeated ticket counts once in the best of the tickets and is named beside the p-value.
TEST(CliAfterDraw, ChanceBesideTheBestTicketAndOneTicket) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n7 6 5 4 3 2 1\n8,9,10,11,12,13,14\n");
    const std::string args = "--check-tickets t.txt --draw 10,9,8,1,2,3,4";
    // The best of two tickets holds at most k: P(at most k)^2.
    std::array<double, 8> best{}, one{};
    double previous = 0;
    for (int k = 0; k < 8; ++k) {
        double at_most = 0;
        for (int i = 0; i <= k; ++i) at_most += hit_chance(i);
        best[k] = at_most * at_most - previous, previous = at_most * at_most;
        one[k] = hit_chance(k);
    }
    const Outcome text = run_cli(args, dir.path);
    ASSERT_EQ(text.status, 0) << text.err;
    char row[128];
    std::snprintf(row, sizeof row, "\n   4      1  %8.2f\n", best[4]);
    EXPECT_TRUE(holds(text.out, "expected by chance for the best of 2 tickets\n")) << text.out;
    EXPECT_TRUE(holds(text.out, row)) << row << text.out;
    std::snprintf(row, sizeof row, "\nexpected  %.2f  %.2f  <0.01  <0.01  <0.01\n", one[3], one[4]);
    EXPECT_TRUE(holds(text.out, row)) << row << text.out;
    EXPECT_TRUE(holds(text.out, "The p-value assumes tickets fixed before the draws;")) << text.out;
    EXPECT_TRUE(holds(text.out, "\n1 ticket(s) repeat the numbers of an earlier ticket and are "
                                "counted again, which the p-value does not allow for: line 2 "
                                "(line 1).\n"))
        << text.out;

    const Json j = Json::parse(run_cli(args + " --format json", dir.path).out);
    EXPECT_EQ(j["repeated_tickets"], 1);
    EXPECT_EQ(j["repeats"], Json::parse(R"([{"line":2,"of":1}])"));
    EXPECT_EQ(run_cli(args + " --format csv", dir.path).err,
              "lotto739-cli: 1 ticket(s) repeat the numbers of an earlier ticket and are counted "
              "again: line 2 (line 1)\n");
    EXPECT_EQ(j["p_value_assumes"], "tickets fixed before the draws");
    // The most hits, 4, in one of 3 ticket-draws: at least one of 3 with 4 or more by chance.
    const double four_up = one[4] + one[5] + one[6] + one[7];
    const double most = 1 - std::pow(1 - four_up, 3);
    EXPECT_EQ(j["most_hits"]["observed"], 4);
    EXPECT_NEAR(j["most_hits"]["chance_at_least_one"].get<double>(), most, 1e-12);
    std::snprintf(
        row, sizeof row,
        "\nMost hits in one ticket-draw: 4; chance of 4 or more in any of these 3: %.2g.\n", most);
    EXPECT_TRUE(holds(text.out, row)) << row << text.out;
    EXPECT_EQ(j["best"]["observed"], Json({0, 0, 0, 0, 1, 0, 0, 0}));
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(j["best"]["expected"][k].get<double>(), best[k], 1e-12) << k;
        EXPECT_NEAR(j["ticket_expected"]["hits"][k].get<double>(), one[k], 1e-12) << k;
        EXPECT_EQ(j["ticket_expected"]["bonus_hits"][k], 0.0) << k; // the draw has no bonus
    }

    const Outcome csv = run_cli(args + " --format csv", dir.path);
    ASSERT_EQ(csv.lines.size(), 11u) << csv.out;
    std::snprintf(row, sizeof row, "most_hits,,4,,,,,,,,,%.6g\r", most);
    EXPECT_EQ(csv.lines[6], row);
    EXPECT_EQ(csv.lines[7], "best,,,0,0,0,0,1,0,0,0,\r");
    std::string best_row = "best_expected,,", one_row = "ticket_expected,,";
    for (int k = 0; k < 8; ++k) {
        std::snprintf(row, sizeof row, ",%.4f", best[k]);
        best_row += row;
        std::snprintf(row, sizeof row, ",%.4f", one[k]);
        one_row += row;
    }
    EXPECT_EQ(csv.lines[8], best_row + ",\r");
    EXPECT_EQ(csv.lines[9], one_row + ",\r");
}

// With bonus numbers in the draws, the CSV gives each ticket's draws with k numbers and the bonus
// in a row of its own, as the text and JSON do.
TEST(CliAfterDraw, CsvHasTheBonusHitsOfEachTicket) {
    TempDir dir;
    write_file(dir.path / "h.csv", "1,2,3,4,5,6,7,9\n11,12,13,14,15,16,17,9\n");
    write_file(dir.path / "t.txt", "1 2 3 4 5 6 9\n");
    const Outcome csv = run_cli("--check-tickets t.txt --history h.csv --history-columns 1-7 "
                                "--bonus-column 8 --format csv",
                                dir.path);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.lines[1], "ticket,1,1 2 3 4 5 6 9,1,0,0,0,0,0,1,0,\r");
    EXPECT_EQ(csv.lines[2], "ticket_bonus,1,1 2 3 4 5 6 9,1,0,0,0,0,0,1,0,\r");
}

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
                             "--check-tickets t.txt --history h.txt"}) {
        const Outcome text = run_cli(args, dir.path);
        ASSERT_EQ(text.status, 0) << args << text.err;
        EXPECT_TRUE(holds(text.out, "below 1e-300")) << args << text.out;
        const Outcome csv = run_cli(std::string(args) + " --format csv", dir.path);
        EXPECT_TRUE(holds(csv.out, ",below 1e-300")) << args << csv.out;
        const std::string json = run_cli(std::string(args) + " --format json", dir.path).out;
        EXPECT_TRUE(holds(json, "\"p_value\":\"below 1e-300\"")) << args << json;
        EXPECT_FALSE(holds(json, "\"p_value\":0.0")) << args;
    }
}

// Four draws listed newest first with their dates; the dates put them in order by themselves.
const char* const Dated = "draw,date,numbers,bonus\n"
                          "4,2024-01-27,1 3 4 5 6 7 9,10\n"
                          "3,2024-01-20,2 3 4 5 6 7 8,10\n"
                          "2,2024-01-13,1 2 3 4 5 6 8,10\n"
                          "1,2024-01-06,1 2 3 4 5 6 7,10\n";

TEST(CliAfterDraw, HistoryStatsInEveryFormat) {
    TempDir dir;
    write_file(dir.path / "h.csv", Dated);
    const std::string args = "--history-stats --history h.csv --history-columns 3";
    const Outcome text = run_cli(args, dir.path);
    ASSERT_EQ(text.status, 0) << text.err;
    // number, count, expected, since last, longest gap
    EXPECT_TRUE(holds(text.out, "\n     1      3      0.72           0            1\n"
                                "     2      3      0.72           1            1\n"))
        << text.out;
    EXPECT_TRUE(holds(text.out, "\n     9      1      0.72           0            3\n"
                                "    10      0      0.72           4            4\n"))
        << text.out;
    EXPECT_TRUE(holds(text.out, "38 degrees of freedom")) << text.out;
    // 4 draws give each number 0.72 expected appearances: too few for the test's verdict.
    EXPECT_TRUE(holds(text.out, "too few draws for the test")) << text.out;
    EXPECT_FALSE(holds(text.out, "fair draw")) << text.out;
    // pair, count, expected for one pair, expected at its rank (the largest of 741 counts)
    EXPECT_TRUE(holds(text.out, "\n03 04      4      0.11     ")) << text.out;

    const Json j = Json::parse(run_cli(args + " --format json", dir.path).out);
    EXPECT_EQ(j["draw_count"], 4);
    EXPECT_EQ(j["numbers"][8], Json::parse(R"({"number":9,"count":1,"expected":0.717948717948718,
                                              "since_last":0,"longest_gap":3})"));
    EXPECT_EQ(j["chi_square"]["df"], 38);
    EXPECT_EQ(j["pairs"][0]["numbers"], Json({3, 4}));
    EXPECT_EQ(j["pairs"][0]["count"], 4);
    // The k-th largest of 741 counts by chance lies above one pair's mean and falls with k.
    for (std::size_t k = 0; k < 10; ++k) {
        const double at_rank = j["pairs"][k]["expected_at_rank"].get<double>();
        EXPECT_GT(at_rank, j["pairs"][k]["expected"].get<double>()) << k;
        if (k > 0) {
            EXPECT_LE(at_rank, j["pairs"][k - 1]["expected_at_rank"].get<double>()) << k;
        }
    }
    EXPECT_EQ(j["distributions"][0]["name"], "sum");
    const Json& least = j["distributions"][0]["values"][0]; // the sum 28: 1 2 3 4 5 6 7
    EXPECT_EQ(least["value"], 28);
    EXPECT_EQ(least["draws"], 1);
    EXPECT_EQ(least["combinations"], 1);
    EXPECT_NEAR(least["expected"].get<double>(), 4.0 / 15380937, 1e-18);

    const Outcome csv = run_cli(args + " --format csv --last 1 -f 7=9", dir.path);
    EXPECT_EQ(csv.lines[0],
              "section,name,value,count,expected,since_last,longest_gap,combinations,kept\r");
    EXPECT_EQ(csv.lines[1], "number,,1,1,0.1795,0,0,,\r");
    EXPECT_EQ(csv.lines[2], "number,,2,0,0.1795,1,1,,\r");
    // One draw: a number misses it with chance 32/39, both means alike.
    EXPECT_EQ(csv.lines[40], "gaps,expected,,,,0.8205,0.8205,,\r");
    // The lucky number 9 is kept by filter 7; the last draw holds it. The sum is no filter's.
    const auto filter_rows = std::find(csv.lines.begin(), csv.lines.end(),
                                       "distribution,filter 7,0,0,0.8205,,,12620256,false\r");
    ASSERT_NE(filter_rows, csv.lines.end()) << csv.out;
    EXPECT_EQ(filter_rows[1], "distribution,filter 7,1,1,0.1795,,,2760681,true\r");
    EXPECT_TRUE(holds(csv.out, "\ndistribution,sum,28,0,0.0000,,,1,\r\n")) << csv.out;
    // One draw holds 21 pairs once each: every one of the ten ranks is 1 in any history.
    EXPECT_TRUE(holds(csv.out, "\npair_at_rank,1,,,1.0000,,,,\r\n")) << csv.out;
    EXPECT_TRUE(holds(csv.out, "\npair_at_rank,10,,,1.0000,,,,\r\n")) << csv.out;
}

// What chance gives for since last and the longest gap in 4 draws of 7/39, from the 16 ways
// of holding a number or not, in text and JSON.
TEST(CliAfterDraw, GapsBesideTheirExpectation) {
    TempDir dir;
    write_file(dir.path / "h.csv", Dated);
    const double p = 7.0 / 39;
    double since = 0, longest = 0;
    for (int hits = 0; hits < 16; ++hits) {
        double chance = 1;
        int run = 0, most = 0;
        for (int i = 0; i < 4; ++i) {
            chance *= (hits >> i & 1) ? p : 1 - p;
            run = (hits >> i & 1) ? 0 : run + 1;
            most = std::max(most, run);
        }
        since += chance * run, longest += chance * most;
    }
    const std::string args = "--history-stats --history h.csv --history-columns 3";
    char line[120];
    std::snprintf(line, sizeof line,
                  "\nBy chance one number's since last is %.2f draws and its longest gap %.2f "
                  "draws on average;\n",
                  since, longest);
    const Outcome text = run_cli(args, dir.path);
    EXPECT_TRUE(holds(text.out, line)) << line << text.out;
    const Json j = Json::parse(run_cli(args + " --format json", dir.path).out);
    EXPECT_NEAR(j["gaps"]["expected_since_last"].get<double>(), since, 1e-12);
    EXPECT_NEAR(j["gaps"]["expected_longest_gap"].get<double>(), longest, 1e-12);
}

// The bonus number of field 4 (10 in every draw) and --last 2: the two latest draws by date.
TEST(CliAfterDraw, BonusColumnAndLast) {
    TempDir dir;
    write_file(dir.path / "h.csv", Dated);
    write_file(dir.path / "t.txt", "1,3,4,5,6,7,10\n");
    const Json j = Json::parse(run_cli("--check-tickets t.txt --history h.csv --history-columns 3 "
                                       "--bonus-column 4 --last 2 --format json",
                                       dir.path)
                                   .out);
    EXPECT_EQ(j["draw_count"], 2);
    EXPECT_EQ(j["tickets"][0]["hits"], Json({0, 0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(j["tickets"][0]["bonus_hits"], Json({0, 0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(j["draws"][1], Json::parse(R"({"line":2,"date":"2024-01-27","numbers":[1,3,4,5,6,7,9],
        "bonus":10,"best_ticket_line":1,"hits":6,"bonus_hit":true})"));
}

// A header naming the fields: the draw number before the numbers is none of them, the bonus is
// read, and one note names the fields taken.
TEST(CliAfterDraw, HeaderNamesTheColumns) {
    TempDir dir;
    write_file(dir.path / "h.csv", "Draw;N1;N2;N3;N4;N5;N6;N7;Bonus\n12;3;7;11;19;23;31;38;9\n"
                                   "14;1;4;9;15;22;30;36;5\n");
    write_file(dir.path / "t.txt", "3 7 11 19 23 31 9\n");
    const Outcome o = run_cli("--check-tickets t.txt --history h.csv", dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "lotto739-cli: h.csv: columns N1..N7 taken from the header, Bonus as the "
                     "bonus number\n");
    EXPECT_TRUE(holds(o.out, "\n   2  -     03 07 11 19 23 31 38     09            1  6 + bonus\n"
                             "   3  -     01 04 09 15 22 30 36     05            1  1\n"))
        << o.out;
}

// Files as spreadsheets and Notepad save them: tickets in UTF-16 with a byte-order mark, tabs and
// CR LF; a history in big-endian UTF-16, newest first, its dates written with spaces.
TEST(CliAfterDraw, Utf16FilesAndDatesWrittenWithSpaces) {
    TempDir dir;
    write_file(dir.path / "t.txt",
               utf16_bytes(u"\uFEFF# Tipps f\u00fcr Samstag\r\n"
                           u"1\t2\t3\t4\t5\t6\t7\r\n08\t09\t10\t11\t12\t13\t14\r\n",
                           false));
    write_file(dir.path / "h.txt", utf16_bytes(u"\uFEFF2024 01 13 8 9 10 11 1 2 39\r\n"
                                               u"2024 01 06 1 2 3 4 5 6 38\r\n",
                                               true));
    const Json j =
        Json::parse(run_cli("--check-tickets t.txt --history h.txt --format json", dir.path).out);
    EXPECT_EQ(j["order"], "by date");
    EXPECT_EQ(j["tickets"][1]["line"], 3);
    EXPECT_EQ(j["tickets"][1]["numbers"], Json({8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(j["draws"], Json::parse(R"([
        {"line":2,"date":"2024-01-06","numbers":[1,2,3,4,5,6,38],"bonus":null,
         "bonus_hit":false,"best_ticket_line":2,"hits":6},
        {"line":1,"date":"2024-01-13","numbers":[1,2,8,9,10,11,39],"bonus":null,
         "bonus_hit":false,"best_ticket_line":3,"hits":4}])"));
    write_file(dir.path / "odd.txt", "\xff\xfe\x31");
    expect_refused(run_cli("--check-tickets odd.txt --draw 1,2,3,4,5,6,7", dir.path), 2,
                   "odd.txt: is not valid UTF-16 text (an odd number of bytes)\n");
}

// Undated draws are oldest first unless --newest-first says otherwise.
TEST(CliAfterDraw, NewestFirstTurnsAnUndatedFile) {
    TempDir dir;
    write_file(dir.path / "u.csv", "1,2,3,4,5,6,7\n8,9,10,11,12,13,14\n");
    // option, since_last of 1 and of 8, the order's words
    const std::tuple<std::string, int, int, std::string> cases[] = {
        {"", 1, 0, "file order, oldest first"},
        {"--newest-first", 0, 1, "file order, newest first"}};
    for (const auto& [option, one, eight, order] : cases) {
        const Json j = Json::parse(
            run_cli("--history-stats --history u.csv --format json " + option, dir.path).out);
        EXPECT_EQ(j["numbers"][0]["since_last"], one) << option;
        EXPECT_EQ(j["numbers"][7]["since_last"], eight) << option;
        EXPECT_EQ(j["order"], order);
        const std::string text = run_cli("--history-stats --history u.csv " + option, dir.path).out;
        EXPECT_TRUE(holds(text, "2 draw(s) from u.csv, in " + order + "\n")) << text;
    }
    // Dates that do not read on most lines are noted, unless --newest-first settles the order.
    write_file(dir.path / "hu.csv", "2015. janu\xc3\xa1r 9.;1;2;3;4;5;6;7\n"
                                    "2015. janu\xc3\xa1r 2.;8;9;10;11;12;13;14\n"
                                    "2015. 01. 01.;1;2;3;4;5;6;9\n");
    write_file(dir.path / "few.csv", "2015. janu\xc3\xa1r 9.;1;2;3;4;5;6;7\n"
                                     "8;9;10;11;12;13;14\n1;2;3;4;5;6;9\n");
    // arguments, the note ("" none)
    const std::pair<std::string, std::string> notes[] = {
        {"--history hu.csv",
         "lotto739-cli: hu.csv:1: what looks like a date on 2 of 3 draws' lines does not read as "
         "one; the file's order was taken as oldest first (give --newest-first if it lists the "
         "newest draw first)\n"},
        {"--history hu.csv --newest-first", ""},
        {"--history few.csv", ""},
        {"--history u.csv", ""}};
    for (const auto& [args, note] : notes) {
        const Outcome o = run_cli("--history-stats --game 7/14 " + args, dir.path);
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.err, note) << args;
    }
}

TEST(CliAfterDraw, ChartsAreWellFormedFiles) {
    TempDir dir;
    write_file(dir.path / "h.csv", Dated);
    // arguments, marks in the chart
    const std::pair<std::string, std::size_t> cases[] = {
        {"--history-stats --history h.csv --chart c.svg", 39},
        {"-f 3=2,36 --backtest --history h.csv --chart c.svg", 3},
        {"-f 3=2,36,40 --funnel --chart c.svg", 3},
    };
    for (const auto& [args, marks] : cases) {
        fs::remove(dir.path / "c.svg");
        const Outcome o = run_cli(args, dir.path);
        ASSERT_EQ(o.status, 0) << o.err;
        const std::string svg = read_file(dir.path / "c.svg");
        EXPECT_EQ(xml_fault(svg), "") << args;
        EXPECT_EQ(occurrences(svg, "class=\"mark\""), marks) << args;
        // A chart that cannot be written is the one error, with nothing on stdout.
        const Outcome missing =
            run_cli(args.substr(0, args.size() - 5) + "missing/c.svg", dir.path);
        EXPECT_EQ(missing.status, 1) << args;
        EXPECT_NE(missing.err.find("lotto739-cli: cannot write 'missing/c.svg'"), std::string::npos)
            << args;
        EXPECT_EQ(missing.out, "") << args;
    }
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
        {check + " --format csv", "--settings s.txt", check_note},
        {check + " --format json", "--array15 1-3", check_note},
        {"--list", "-r A1=2-9", list_note},
        {"--list --format json", "--array7 4", list_note},
        {"--list --game 7/35", "-p 1=100", ""},
    };
    for (const auto& [run, filters, note] : cases) {
        const Outcome plain = run_cli(run, dir.path),
                      filtered = run_cli(run + " " + filters, dir.path);
        ASSERT_EQ(plain.status, 0) << run << plain.err;
        EXPECT_EQ(filtered.status, 0) << run << " " << filters;
        EXPECT_EQ(filtered.out, plain.out) << run << " " << filters;
        EXPECT_EQ(filtered.err, note) << run << " " << filters;
    }
}

TEST(CliAfterDraw, BadInputsGiveOneLineAndStatus2) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1,2,3,4,5,6,7\n1,2,3,4,5,6\n");
    write_file(dir.path / "good.txt", "1,2,3,4,5,6,7\n");
    write_file(dir.path / "l.txt", "Line 1: 2 4 6 8 10 12\n");
    write_file(dir.path / "h.csv", Dated);
    // arguments, a part of the message
    const std::pair<std::string, std::string> cases[] = {
        {"--check-tickets t.txt --draw 1,2,3,4,5,6,7", "t.txt:2: "},
        {"--check-tickets t.txt --draw 1,2,3,4,5,6,7 -f 7=5", "t.txt:2: "}, // and no note
        {"--check-tickets l.txt --draw 1,2,3,4,5,6,7",
         "l.txt:1: the line holds 6 numbers after its label; a ticket holds seven"},
        {"--check-tickets good.txt --draw 1,2,3,4,5,6,6", "number 6 is given twice"},
        {"--check-tickets good.txt --draw 1,2,3,4,5,6,40", "number 40 is outside 1..39"},
        {"--history-stats --history h.csv --last 0", "1 or more"},
        {"--check-tickets good.txt", "either --history FILE or --draw"},
        {"--check-tickets good.txt --history h.csv --draw 1,2,3,4,5,6,7", "not both"},
        {"--check-tickets good.txt --draw -1-2-3-4-5-6-7", "'-1' is not a number"},
        {"--check-tickets good.txt --draw \"1 2 3\"", "seven numbers expected, 3 given"},
        {"--draw 1,2,3,4,5,6,7", "--draw is read by --check-tickets only"},
        {"--history-stats", "--history-stats needs --history FILE"},
        {"--history-stats --backtest --history h.csv", "separate runs"},
        {"--chart c.svg", "--chart draws the chart of"},
        {"--explain 1,2,3,4,5,6,7 --chart c.svg", "--chart draws the chart of"},
        {"--history-stats --history h.csv --chart c.PNG", "give the file a .svg name"},
        {"--bonus-column 4", "need --history FILE"},
        {"--backtest --history h.csv --last 2", "--last is for"},
        {"--backtest --history h.csv --newest-first", "the back-test lists them as the file"},
        {"--history-stats --history h.csv --bonus-column 2", "h.csv:2: field 2 holds no bonus"},
        {"--history-stats --history h.csv --bonus-column 1", "h.csv:2: the bonus number 4 is one"},
    };
    for (const auto& [args, fragment] : cases) expect_refused(run_cli(args, dir.path), 2, fragment);
}

// The note on draws that never reach the game's top numbers gives their chance, or says that it
// lies below what a double holds: 7/39 draws read as 7/64 have (C(39,7) / C(64,7))^D.
TEST(CliAfterDraw, SmallerGameNoteNamesAVanishingChance) {
    TempDir dir;
    // draws, the chance in the note
    char ten[16];
    std::snprintf(ten, sizeof ten, "%.2g", std::pow(choose(39, 7) / choose(64, 7), 10));
    const std::pair<int, std::string> cases[] = {{10, ten}, {200, "below 1e-300"}};
    for (const auto& [draws, chance] : cases) {
        std::string history;
        for (int d = 0; d < draws; ++d) {
            for (int i = 0; i < 7; ++i)
                history += std::to_string((7 * d + i) % 39 + 1) + (i < 6 ? " " : "\n");
        }
        write_file(dir.path / "h.txt", history);
        const Outcome o = run_cli("--history-stats --history h.txt --game 7/64", dir.path);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_TRUE(
            holds(o.err, " draws read as 7/64 (chance " + chance + "); if the game is 7/39"))
            << o.err;
    }
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
