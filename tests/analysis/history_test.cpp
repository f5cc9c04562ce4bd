// The draw history reader: a table of files that read (each published layout, byte-order mark,
// headers, comments, bonus numbers, unsorted draws, quoted fields, odd line ends) and of files
// that do not, with the message each gives; skipping bad lines; named columns; columns a header
// names; the file cases (missing, a directory, empty, unreadable, too large); the escaping of
// echoed text. The shipped sample examples/random-draws.csv must read without options.
#include "analysis/draw_order.h"
#include "analysis/history.h"
#include "analysis/printable.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

namespace fs = std::filesystem;

using Numbers = std::vector<int>;

struct LineDraw {
    uint32_t line;
    Numbers numbers;
    bool operator==(const LineDraw&) const = default;
};

std::vector<LineDraw> line_draws(const History& h) {
    std::vector<LineDraw> out;
    for (const Draw& d : h.draws)
        out.push_back({d.line, Numbers(d.numbers.begin(), d.numbers.end())});
    return out;
}

const HistoryOptions Auto{};
HistoryOptions columns(int first, int last) {
    HistoryOptions o;
    o.first_column = first, o.last_column = last;
    return o;
}

const Numbers OneToSeven{1, 2, 3, 4, 5, 6, 7};
const Numbers Example{1, 3, 7, 12, 15, 20, 39}; // read from "7 3 12 39 1 20 15" and the like

using Case = std::tuple<std::string, HistoryOptions, std::vector<LineDraw>>;

TEST(History, ReadsEachLayout) {
    const std::string nbsp = "\xc2\xa0", narrow = "\xe2\x80\xaf";
    const Case cases[] = {
        {"2013-04-05,7 3 12 39 1 20 15,4 9,Draw 12\n2013-04-12,1 2 3 4 5 6 7,8 9,Draw 13\n",
         Auto,
         {{1, Example}, {2, OneToSeven}}},
        {"Draw 12,2013/4/5,07,3,12,39,1,20,15,4,9,1.5 EUR,x\n", Auto, {{1, Example}}},
        // A header naming the columns 1..7 above dated draws; the same first line above an
        // undated draw is a draw.
        {"Date;1;2;3;4;5;6;7\n2024-03-05;7;3;12;39;1;20;15\n", Auto, {{2, Example}}},
        {"Draw;1;2;3;4;5;6;7\nDraw;7;3;12;39;1;20;15\n", Auto, {{1, OneToSeven}, {2, Example}}},
        {"04.01.2022 20:15;\"7 - 3 - 12 - 39 - 1 - 20 - 15\";31;\"8.706.000,00\";1\n",
         Auto,
         {{1, Example}}},
        {"2022-01-04;7 - 3 - 12 - 39 - 1 - 20 - 15;-\n", columns(2, 2), {{1, Example}}},
        {"1;2;3;4;5;6;7;;\n12\t05.04.2013\t7\t3\t12\t39\t1\t20\t15\n",
         Auto,
         {{1, OneToSeven}, {2, Example}}},
        // Byte-order mark, a title and a header, CR LF, blank and comment lines, no final newline.
        {"\xef\xbb\xbfResults\r\ndraw;date;numbers\r\n\r\n# a note\r\n ; "
         "\r\n1;x;7;3;12;39;1;20;15\r\n"
         "2;2013-04-12;1;2;3;4;5;6;7",
         Auto,
         {{6, Example}, {7, OneToSeven}}},
        {"\"Draw 12, week 3\",\"2013-04-05\",\"7\",\" 3 \",\"12\",\"39\",\"1\",\"20\",\"15\"\n"
         "2013-04-12,\"1, 2, 3, 4, 5, 6, 7\",4\n",
         Auto,
         {{1, Example}, {2, OneToSeven}}},
        {"1,2,3,4,5,6,7\r1 2 3,x,7 3 12 39 1 20 15\r", Auto, {{1, OneToSeven}, {2, Example}}},
        {"12;1;2;3;4;5;6;7\n", Auto, {{1, {1, 2, 3, 4, 5, 6, 12}}}},
        // A header whose column names carry numbers.
        {"Draw,Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Ball 7,Bonus\n"
         "1,2013-04-05,7,3,12,39,1,20,15,4\n",
         Auto,
         {{2, Example}}},
        {"draw,n1,n2\n12;1;2;3;4;5;6;7\n", columns(2, 8), {{2, OneToSeven}}},
        {"2013-04-05,7 3 12 39 1 20 15,4 9\n", columns(2, 2), {{1, Example}}},
        // A doubled quote inside a quoted field, and spaces after the numbers of named columns.
        {"\"Draw \"\"12\"\", late\",7,3,12,39,1,20,15\n", columns(2, 8), {{1, Example}}},
        {"d,7 ,3 ,12 ,39 ,1 ,20 ,15 \n", columns(2, 8), {{1, Example}}},
        // Numbers joined by dashes, beside a date whose dashes join only three.
        {"2013-04-05,07-03-12-39-01-20-15\n2013-04-12;1-2-3-4-5-6-7-9\n",
         Auto,
         {{1, Example}, {2, OneToSeven}}},
        {"2013-04-05,7-3-12-39-1-20-15,4\n", columns(2, 2), {{1, Example}}},
        // UTF-16 as spreadsheets save it: a byte-order mark, tabs, CR LF, a header in German.
        {test::utf16_bytes(u"\uFEFFZiehung\tDatum\tGl\u00fcckszahlen\r\n\r\n"
                           u"12\t05.04.2013\t7\t3\t12\t39\t1\t20\t15\r\n"
                           u"13\t12.04.2013\t1\t2\t3\t4\t5\t6\t7\r\n",
                           false),
         Auto,
         {{3, Example}, {4, OneToSeven}}},
        {test::utf16_bytes(u"\uFEFF2013-04-05;7;3;12;39;1;20;15\n#\n2013-04-12;1;2;3;4;5;6;7",
                           true),
         Auto,
         {{1, Example}, {3, OneToSeven}}},
        // Copied from a web page: no-break spaces, in UTF-8 (also the narrow one) and Windows-1252.
        {"Sat" + nbsp + "5 Apr" + nbsp + "2013\t7" + nbsp + "3" + narrow + "12 39 1 20 15\n",
         Auto,
         {{1, Example}}},
        {"Sat 5 Apr\xa0"
         "2013\t7\xa0"
         "3 12 39 1 20 15\n",
         Auto,
         {{1, Example}}},
    };
    for (const auto& [text, options, draws] : cases) {
        const History h = parse_history(text, "draws.csv", options);
        EXPECT_EQ(h.error, "") << text;
        EXPECT_EQ(line_draws(h), draws) << text;
        EXPECT_TRUE(h.skipped.empty()) << text;
    }
}

// Lines "PREFIX W SEPARATOR 7 3 12 39 1 20 15 4" for W = each counter.
std::vector<int> from_one_to(int last) {
    std::vector<int> counters(static_cast<std::size_t>(last));
    std::iota(counters.begin(), counters.end(), 1);
    return counters;
}

std::string counted_lines(const std::string& prefix, const std::vector<int>& counters,
                          const char* sep) {
    std::string text;
    for (int w : counters) {
        text += prefix + std::to_string(w);
        for (const char* n : {"7", "3", "12", "39", "1", "20", "15", "4"})
            text.append(sep).append(n);
        text += "\n";
    }
    return text;
}

// A draw counter of 39 or less right before the numbers (a week, a draw number after the date)
// is not one of them, whether it counts up or down, when it steps by one on at least nine of ten
// line pairs, or rises or falls on every one of ten lines or more, gaps allowed; stepping by one
// on eight of ten but neither rising nor falling throughout it is a number (21 here, with the
// first six of the draw).
TEST(History, DrawCounterBeforeTheNumbersIsNoNumber) {
    const std::pair<std::string, Numbers> cases[] = {
        {counted_lines("2013,", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, ","), Example},
        {counted_lines("05.04.2013;", {30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20}, ";"), Example},
        {counted_lines("", {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, "\t"), Example},
        {counted_lines("", {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 40}, ","), Example},
        {counted_lines("", {21, 22, 23, 24, 25, 26, 27, 28, 29, 27, 40}, ","),
         {1, 3, 7, 12, 20, 21, 39}},
        {counted_lines("", from_one_to(1200), ";"), Example},                 // counters past 1000
        {counted_lines("", {1, 2, 4, 5, 6, 8, 9, 10, 13, 14}, ";"), Example}, // gaps
        {counted_lines("", {30, 28, 27, 25, 21, 20, 19, 17, 16, 14, 11}, ","), Example},
        {counted_lines("2024;", {10, 11, 12}, ";"), Example}, // a short file, every step by one
    };
    for (const auto& [text, first] : cases) {
        const History h = parse_history(text, "draws.csv", Auto);
        ASSERT_EQ(h.error, "") << text;
        EXPECT_EQ(line_draws(h).front(), (LineDraw{1, first})) << text;
        EXPECT_EQ(line_draws(h).back(), (LineDraw{uint32_t(h.draws.size()), Example})) << text;
    }
    // Steps by one in a short file of seven numbers a line are numbers.
    const History seven = parse_history("5,8,9,17,29,32,37\n6,8,9,17,29,32,37\n7,8,9,17,29,32,37\n",
                                        "draws.csv", Auto);
    ASSERT_EQ(seven.error, "");
    EXPECT_EQ(line_draws(seven).front(), (LineDraw{1, {5, 8, 9, 17, 29, 32, 37}}));
}

// Draw numbers in a leading field put the draws in order when no dates do: falling from line to
// line they say the file runs newest first, gaps or not; a rising field of the draws' own first
// numbers is no draw number.
TEST(History, DrawNumbersThatFallMeanNewestFirst) {
    std::vector<int> falling, rising;
    for (int i = 0; i < 12; ++i) falling.push_back(5000 - 3 * i), rising.push_back(90 + 2 * i);
    std::string own_first; // the draws' own first numbers rise: no draw number
    for (int i = 1; i <= 12; ++i) own_first += std::to_string(2 * i) + ",31,32,33,34,35,36\n";
    // text, the draws' numbers in file order (empty: none), the order
    const std::tuple<std::string, std::vector<int>, DrawOrder> cases[] = {
        {counted_lines("", falling, ","), falling, DrawOrder::Reversed},
        {counted_lines("x;", rising, ";"), rising, DrawOrder::AsWritten},
        {counted_lines("", {11, 10, 9}, ","), {11, 10, 9}, DrawOrder::Reversed},
        {counted_lines("", {60, 64, 58, 59, 57, 56, 55, 54, 53, 52, 51}, ","),
         {},
         DrawOrder::AsWritten},
        {own_first, {}, DrawOrder::AsWritten},
        {counted_lines("2021-01-02;", falling, ";"), falling, DrawOrder::ByDate},
    };
    for (const auto& [text, numbers, order] : cases) {
        History h = parse_history(text, "draws.csv", Auto);
        ASSERT_EQ(h.error, "") << text;
        std::vector<int> counters;
        for (const Draw& d : h.draws)
            if (d.counter != 0) counters.push_back(static_cast<int>(d.counter));
        EXPECT_EQ(counters, numbers) << text;
        EXPECT_EQ(order_oldest_first(h, false), order) << text;
        if (order == DrawOrder::Reversed) {
            EXPECT_EQ(h.draws.front().line, h.draws.size()) << text;
        }
    }
}

// Year, month and day separated by spaces, or standing in three fields, open the line: the date of
// the draw that follows, which orders the draws; day and month with the year last are read as
// slashed dates are, the whole file month first when one date can only be. A year or a month that
// steps by one from line to line is a draw counter, a day that does so is none, and a line whose
// date leaves no draw after it, or a file with dates that are no dates, reads as without them.
TEST(History, DatesWrittenWithSpaces) {
    HistoryOptions named = columns(2, 8);
    std::string daily;
    std::vector<std::string> daily_draws;
    for (int day = 10; day >= 1; --day) {
        daily +=
            "2024,1," + std::to_string(day) + ",1,2,3,4,5,6," + std::to_string(day + 20) + "\n";
        daily_draws.push_back(std::to_string(11 - day) + " 2024-01-" + (day < 10 ? "0" : "") +
                              std::to_string(day) + " 1 2 3 4 5 6 " + std::to_string(day + 20));
    }
    std::reverse(daily_draws.begin(), daily_draws.end());
    // text, options, each draw oldest first as "line date numbers", the order
    const std::tuple<std::string, HistoryOptions, std::vector<std::string>, DrawOrder> cases[] = {
        {"2024 01 12 38 31 23 19 11 7 3\n2024 01 05 1 2 3 4 5 6 7 8\n",
         Auto,
         {"2 2024-01-05 1 2 3 4 5 6 7", "1 2024-01-12 3 7 11 19 23 31 38"},
         DrawOrder::ByDate},
        {"2 1 2024\t1\t2\t3\t4\t5\t6\t7\n1 13 2024\t7\t3\t12\t39\t1\t20\t15\n"
         "01 06 2024 1 2 3 4 5 6 8\n",
         Auto,
         {"3 2024-01-06 1 2 3 4 5 6 8", "2 2024-01-13 1 3 7 12 15 20 39",
          "1 2024-02-01 1 2 3 4 5 6 7"},
         DrawOrder::ByDate},
        {"13 1 2024 1 2 3 4 5 6 7\n2 1 2024 1 2 3 4 5 6 8\n",
         Auto,
         {"2 2024-01-02 1 2 3 4 5 6 8", "1 2024-01-13 1 2 3 4 5 6 7"},
         DrawOrder::ByDate},
        {"2024 01 12;38;31;23;19;11;7;3\n2024 01 05;1;2;3;4;5;6;7\n",
         named,
         {"2 2024-01-05 1 2 3 4 5 6 7", "1 2024-01-12 3 7 11 19 23 31 38"},
         DrawOrder::ByDate},
        {"1995 3 12 17 22 28 33 39 4 9\n1996 1 5 3 7 11 19 23 31\n1997 2 3 4 5 6 7 8 9\n",
         Auto,
         {"1 - 3 12 17 22 28 33 39", "2 - 1 3 5 7 11 19 23", "3 - 2 3 4 5 6 7 8"},
         DrawOrder::AsWritten},
        {"2013 1 2 3 4 5 6 7\n", Auto, {"1 - 1 2 3 4 5 6 7"}, DrawOrder::AsWritten},
        {"2024 01 05 3 7 11 19 23 31 38\n2024 02 30 3 7 11 19 23 31 38\n",
         Auto,
         {"1 - 1 3 5 7 11 19 23", "2 - 2 3 7 11 19 23 30"},
         DrawOrder::AsWritten},
        {"12 1 5 3 7 11 19 23 31 38\n", Auto, {"1 - 1 3 5 7 11 12 19"}, DrawOrder::AsWritten},
        {"2024,1,12,38,31,23,19,11,7,3\n2024,01,05,1,2,3,4,5,6,7,8\n",
         Auto,
         {"2 2024-01-05 1 2 3 4 5 6 7", "1 2024-01-12 3 7 11 19 23 31 38"},
         DrawOrder::ByDate},
        {"1;13;2024;1;2;3;4;5;6;7\n2\t1\t2024\t1\t2\t3\t4\t5\t6\t8\n",
         Auto,
         {"1 2024-01-13 1 2 3 4 5 6 7", "2 2024-02-01 1 2 3 4 5 6 8"},
         DrawOrder::ByDate},
        {"2013,1,7,3,12,39,1,20,15,4\n2013,2,7,3,12,39,1,20,15,4\n2013,3,7,3,12,39,1,20,15,4\n",
         Auto,
         {"1 - 1 3 7 12 15 20 39 #1", "2 - 1 3 7 12 15 20 39 #2", "3 - 1 3 7 12 15 20 39 #3"},
         DrawOrder::AsWritten},
        {"2024,1,5,3,7,11,19,23\n", Auto, {"1 - 1 3 5 7 11 19 23"}, DrawOrder::AsWritten},
        {daily, Auto, daily_draws, DrawOrder::ByDate},
    };
    for (const auto& [text, options, draws, order] : cases) {
        History h = parse_history(text, "draws.csv", options);
        ASSERT_EQ(h.error, "") << text;
        EXPECT_EQ(order_oldest_first(h, false), order) << text;
        std::vector<std::string> read;
        for (const Draw& d : h.draws) {
            read.push_back(std::to_string(d.line) + " " + (d.date ? date_text(*d.date) : "-"));
            for (int n : d.numbers) read.back().append(" ").append(std::to_string(n));
            if (d.counter != 0) read.back().append(" #").append(std::to_string(d.counter));
        }
        EXPECT_EQ(read, draws) << text;
    }
}

// More than seven numbers in a row: the first seven are the draw, and the lines are counted so
// that the user hears of it, unless a draw counter before them shows where the draw starts; a
// bonus field named with --bonus-column breaks the row.
TEST(History, CountsLinesWithMoreThanSevenNumbersInARow) {
    HistoryOptions bonus_second;
    bonus_second.bonus_column = 2;
    const std::string falling = counted_lines("", {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, ";");
    const struct {
        std::string text;
        HistoryOptions o;
        Numbers first;
        uint32_t longer_runs, first_longer_run;
    } cases[] = {
        {"2022-01-04,31,5,8,9,17,29,32,37\n", Auto, {5, 8, 9, 17, 29, 31, 32}, 1, 1},
        {"2022-01-04,31,5,8,9,17,29,32,37\n", bonus_second, {5, 8, 9, 17, 29, 32, 37}, 0, 0},
        {"1,2,3,4,5,6,7\n7,3,12,39,1,20,15,4\n7,3,12,39,1,20,15,4\n", Auto, OneToSeven, 2, 2},
        {"7,3,12,39,1,20,15,x,4\n", Auto, Example, 0, 0},
        // A draw counter before the numbers, the bonus number after them.
        {falling, Auto, Example, 0, 0},
        {counted_lines("2024-01-05;", from_one_to(12), ";"), Auto, Example, 0, 0},
        // A blank bonus field, a dash or "n/a" is a draw without a bonus.
        {"2022-01-04,,5,8,9,17,29,32,37\n", bonus_second, {5, 8, 9, 17, 29, 32, 37}, 0, 0},
        {"2022-01-04, - ,5,8,9,17,29,32,37\n", bonus_second, {5, 8, 9, 17, 29, 32, 37}, 0, 0},
        {"2022-01-04,\"N/A\",5,8,9,17,29,32,37\n", bonus_second, {5, 8, 9, 17, 29, 32, 37}, 0, 0},
    };
    for (const auto& c : cases) {
        const History h = parse_history(c.text, "draws.csv", c.o);
        ASSERT_EQ(h.error, "") << c.text;
        EXPECT_EQ(line_draws(h).front().numbers, c.first) << c.text;
        EXPECT_EQ(h.longer_runs, c.longer_runs) << c.text;
        EXPECT_EQ(h.first_longer_run, c.first_longer_run) << c.text;
    }
}

// Fourteen numbers in a row after the line's date are two draws of that date (a game drawing
// twice, both on one line), which keep their order however the lines are ordered and share the
// line's draw number; without a date before them, with a bonus field named, with fifteen, or
// with a number twice among the second seven, the first seven are the draw, and the line is
// counted as one whose row holds more than seven numbers.
TEST(History, FourteenNumbersAfterADateAreTwoDraws) {
    HistoryOptions game35;
    game35.highest = 35;
    HistoryOptions bonus_last = game35;
    bonus_last.bonus_column = 16;
    const std::string fourteen = "3;9;12;19;25;30;33;1;8;14;22;27;31;35";
    const std::string skandi = "2025;48;2025.11.26.;0;0 Ft;6;1 243 915 Ft;" + fourteen + "\n" +
                               "2025;47;2025.11.19.;1;95 280 385 Ft;" + fourteen + "\n" +
                               "2025;46;2025.11.12.;0;0 Ft;" + fourteen + "\n";
    // text, options, --newest-first, the draws oldest first as "line date first #counter", the
    // lines read as two draws, the lines counted as longer rows
    const std::tuple<std::string, HistoryOptions, bool, std::vector<std::string>, uint32_t,
                     uint32_t>
        cases[] = {
            {skandi,
             game35,
             true,
             {"3 2025-11-12 3 #46", "3 2025-11-12 1 #46", "2 2025-11-19 3 #47",
              "2 2025-11-19 1 #47", "1 2025-11-26 3 #48", "1 2025-11-26 1 #48"},
             3,
             0},
            {"2024 01 05 " + fourteen + "\n",
             game35,
             false,
             {"1 2024-01-05 3", "1 2024-01-05 1"},
             1,
             0},
            // A line without a date: the draw numbers, falling, order the file, pair by pair.
            {"12;2024-01-12;" + fourteen + "\n11;x;1;2;3;4;5;6;7\n10;2024-01-05;" + fourteen + "\n",
             game35,
             false,
             {"3 2024-01-05 3 #10", "3 2024-01-05 1 #10", "2 - 1 #11", "1 2024-01-12 3 #12",
              "1 2024-01-12 1 #12"},
             2,
             0},
            {fourteen + ";2024-01-05\n", game35, false, {"1 2024-01-05 3"}, 0, 1},
            {"2024-01-05;" + fourteen + ";17\n", bonus_last, false, {"1 2024-01-05 3"}, 0, 1},
            {"2024-01-05;" + fourteen + ";2\n", game35, false, {"1 2024-01-05 3"}, 0, 1},
            {"2024-01-05;" + fourteen.substr(0, fourteen.size() - 2) + "27\n",
             game35,
             false,
             {"1 2024-01-05 3"},
             0,
             1},
            // Seven digits after the draw: a digit game drawn beside it, not a second draw.
            {"2024-01-05;3;9;12;19;25;30;33;4;1;7;2;9;5;3\n",
             game35,
             false,
             {"1 2024-01-05 3"},
             0,
             1},
            {"2025;48;" + fourteen + "\n2025;47;" + fourteen + "\n2025;46;" + fourteen + "\n",
             game35,
             false,
             {"3 - 3 #46", "2 - 3 #47", "1 - 3 #48"},
             0,
             1},
        };
    for (const auto& [text, options, newest_first, draws, two, longer] : cases) {
        History h = parse_history(text, "draws.csv", options);
        ASSERT_EQ(h.error, "") << text;
        order_oldest_first(h, newest_first);
        std::vector<std::string> read;
        for (const Draw& d : h.draws) {
            read.push_back(std::to_string(d.line) + " " + (d.date ? date_text(*d.date) : "-") +
                           " " + std::to_string(d.numbers[0]));
            if (d.counter != 0) read.back().append(" #").append(std::to_string(d.counter));
        }
        EXPECT_EQ(read, draws) << text;
        EXPECT_EQ(h.two_draw_lines, two) << text;
        EXPECT_EQ(h.first_two_draw_line, two == 0 ? 0u : 1u) << text;
        EXPECT_EQ(h.first_longer_run, longer) << text;
    }
}

// Lines whose date does not read though something looks like one (a field, or a bracketed part,
// with a year among other numbers and characters) are counted, so that the user hears the file
// order was taken; numbers alone, amounts, labels and dates that read are no such thing.
TEST(History, CountsDatesThatDoNotRead) {
    // text, lines counted, the first of them
    const std::tuple<std::string, uint32_t, uint32_t> cases[] = {
        {"1;2;3;4;5;6;7\n2015. janu\xc3\xa1r 2.;1;2;3;4;5;6;7\n", 1, 2},
        {"Draw 1599 (KW 1/2015): 1 2 3 4 5 6 7\nDraw 1600 [KW 2/2015] 1 2 3 4 5 6 7\n", 2, 1},
        {"Draw 1599 (2015): 1 2 3 4 5 6 7\n", 0, 0},
        {"\"\xe2\x82\xac 1.234.567\";1;2;3;4;5;6;7\n", 0, 0},
        {"Draw 1599;1;2;3;4;5;6;7\n2015 1 2 3 4 5 6 7\n1.2.3;1;2;3;4;5;6;7\n", 0, 0},
        {"26. Juni 2026;1;2;3;4;5;6;7\n(26/06/2026) 1 2 3 4 5 6 7\n", 0, 0},
        {"5. M\xe4rz 2026;1;2;3;4;5;6;7\n", 0, 0}, // in Windows-1252
        {"2015/20150;1;2;3;4;5;6;7\n1/2/3/2015;1;2;3;4;5;6;7\n", 0, 0},
    };
    for (const auto& [text, lines, first] : cases) {
        const History h = parse_history(text, "draws.csv", Auto);
        ASSERT_EQ(h.error, "") << text;
        EXPECT_EQ(h.unread_dates, lines) << text;
        EXPECT_EQ(h.first_unread_date, first) << text;
    }
}

// A header that names the fields of the numbers and of the bonus number is read by them when the
// options name no fields: the draw counter, the date and further fields are no numbers. A header
// that leaves doubt, a line without those fields, or fields named by options read as without it.
TEST(History, HeaderNamesTheColumns) {
    HistoryOptions bonus_first, bonus_tenth;
    bonus_first.bonus_column = 1, bonus_tenth.bonus_column = 10;
    // text, options, the draws oldest first as "line: numbers +bonus", the names taken
    const std::tuple<std::string, HistoryOptions, std::vector<std::string>, std::string> cases[] = {
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,9\n13,1,4,9,15,22,30,36,5\n"
         "15,2,6,10,17,25,33,39,8\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +9", "3: 1 4 9 15 22 30 36 +5", "4: 2 6 10 17 25 33 39 +8"},
         "N1..N7 Bonus"},
        {"Draw Number;Draw Date;Ball 1;Ball 2;Ball 3;Ball 4;Ball 5;Ball 6;Ball 7;Bonus Ball\n"
         "2;12/01/2024;1;4;9;15;22;30;36;5\n1;05/01/2024;3;7;11;19;23;31;38;12\n",
         Auto,
         {"3: 3 7 11 19 23 31 38 +12", "2: 1 4 9 15 22 30 36 +5"},
         "Ball 1..Ball 7 Bonus Ball"},
        {"# Lotto\n\nNr;Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zahl 7;Zusatzzahl\n"
         "1;05.01.2024;3;7;11;19;23;31;38;\n2;12.01.2024;1;4;9;15;22;30;36;5\n",
         Auto,
         {"4: 3 7 11 19 23 31 38", "5: 1 4 9 15 22 30 36 +5"},
         "Zahl 1..Zahl 7 Zusatzzahl"},
        {"Datum;Nr 1;Nr 2;Nr 3;Nr 4;Nr 5;Nr 6;Nr "
         "7;TILL\xc3\x84GG\n2024-01-05;3;7;11;19;23;31;38;12\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +12"},
         "Nr 1..Nr 7 TILL\xc3\x84GG"},
        {"Datum;Nr 1;Nr 2;Nr 3;Nr 4;Nr 5;Nr 6;Nr 7;Till\xc3\xa4ggsnummer\n"
         "2024-01-05;3;7;11;19;23;31;38;12\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +12"},
         "Nr 1..Nr 7 Till\xc3\xa4ggsnummer"},
        {"Kierros;P\xc3\xa4iv\xc3\xa4m\xc3\xa4\xc3\xa4r\xc3\xa4;Numero 1;Numero 2;Numero 3;Numero "
         "4;"
         "Numero 5;Numero 6;Numero 7;Lis\xc3\xa4numero;Plusnumero\n"
         "48/2025;29.11.2025;2;9;14;21;28;33;39;17;5\n",
         Auto,
         {"2: 2 9 14 21 28 33 39 +17"},
         "Numero 1..Numero 7 Lis\xc3\xa4numero"},
        // A bonus field named by options may hold a label before the number, as on a web page.
        {"Sa., 05.12.2026\t3\t8\t14\t19\t24\t29\t33\tZusatzzahl 5\n"
         "Mi., 02.12.2026\t1\t6\t12\t18\t25\t30\t34\tBonus: 9\n",
         bonus_tenth,
         {"2: 1 6 12 18 25 30 34 +9", "1: 3 8 14 19 24 29 33 +5"},
         " "},
        // Saved in Windows-1252 ("\xe4" for the a-umlaut), named as in UTF-8.
        {"Dragningsdatum;Vinnarnummer;Till\xe4ggsnummer\r\n2024-01-06;3 7 11 19 23 31 38;5\r\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +5"},
         "Vinnarnummer..Vinnarnummer Till\xc3\xa4ggsnummer"},
        {"#, saved 2024\n#,Date,1,2,3,4,5,6,7,Extra\n1,2024-01-05,3,7,11,19,23,31,38,12\n",
         Auto,
         {"3: 3 7 11 19 23 31 38 +12"},
         "1..7 Extra"},
        {"Date;1;2;3;4;5;6;7;Bonus\n2024-01-05;3;7;11;19;23;31;38;12\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +12"},
         "1..7 Bonus"},
        {"Date,\"Winning Numbers\",Supp.\n2024-01-12,1-4-9-15-22-30-36,5\n"
         "2024-01-05,3 7 11 19 23 31 38,12\n",
         Auto,
         {"3: 3 7 11 19 23 31 38 +12", "2: 1 4 9 15 22 30 36 +5"},
         "Winning Numbers..Winning Numbers Supp."},
        {"Lotto results 2024\n\nDraw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,9\n",
         Auto,
         {"4: 3 7 11 19 23 31 38 +9"},
         "N1..N7 Bonus"},
        {"Date,1st,2nd,3rd,4th,5th,6th,7th\n2024-01-05,3,7,11,19,23,31,38\n",
         Auto,
         {"2: 3 7 11 19 23 31 38"},
         "1st..7th "},
        // A first number that falls by one from line to line is no draw number running backwards.
        {"N1,N2,N3,N4,N5,N6,N7,Bonus\n7,10,11,19,23,31,38,12\n6,10,11,19,23,31,38,12\n"
         "5,10,11,19,23,31,38,12\n",
         Auto,
         {"2: 7 10 11 19 23 31 38 +12", "3: 6 10 11 19 23 31 38 +12", "4: 5 10 11 19 23 31 38 +12"},
         "N1..N7 Bonus"},
        // A bonus field holding other text, or 0, is a draw without a bonus.
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,x\n13,1,4,9,15,22,30,36,0\n"
         "14,2,6,10,17,25,33,39,8\n",
         Auto,
         {"2: 3 7 11 19 23 31 38", "3: 1 4 9 15 22 30 36", "4: 2 6 10 17 25 33 39 +8"},
         "N1..N7 Bonus"},
        // Other numbered fields beside the seven.
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus,Prize 1,Prize 2\n12,3,7,11,19,23,31,38,9,1,2\n",
         Auto,
         {"2: 3 7 11 19 23 31 38 +9"},
         "N1..N7 Bonus"},
        // Read as without the header: a bonus above the game, two bonus fields, six numbered ones,
        // numbers out of order, two runs of seven, a line without the named fields, fields named by
        // options, no header.
        {"Draw,N1,N2,N3,N4,N5,N6,N7,M1,M2,M3,M4,M5,M6,M7\n12,3,7,11,19,23,31,38,1,2,3,4,5,6,7\n",
         Auto,
         {"2: 3 7 11 12 19 23 31"},
         " "},
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,40\n",
         Auto,
         {"2: 3 7 11 12 19 23 31"},
         " "},
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus,Extra\n12,3,7,11,19,23,31,38,9,1\n",
         Auto,
         {"2: 3 7 11 12 19 23 31"},
         " "},
        {"Draw,N1,N2,N3,N4,N5,N6,Bonus\n12,3,7,11,19,23,31,9\n",
         Auto,
         {"2: 3 7 11 12 19 23 31"},
         " "},
        // Numbered fields in another order (Lotto Max writes No4 before No3).
        {"Draw,N1,N2,N3,N4,N5,N7,N6\n12,3,7,11,19,23,31,9\n",
         Auto,
         {"2: 3 7 9 11 19 23 31"},
         "N1..N7 "},
        {"Draw,N1,N2,N3,N4,N5,N6,N7\n12,3,7,11,19,23,31,38\n3,7,11,19,23,31,38\n",
         Auto,
         {"2: 3 7 11 12 19 23 31", "3: 3 7 11 19 23 31 38"},
         " "},
        {"Draw,Date,N1,N2,N3,N4,N5,N6,N7,Bonus\n1,2024-01-05,3,7,11,19,23,31,38,12\n",
         columns(4, 10),
         {"2: 7 11 12 19 23 31 38"},
         " "},
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,9\n",
         bonus_first,
         {"2: 3 7 11 19 23 31 38 +12"},
         " "},
        {"12,3,7,11,19,23,31,38,9\n", Auto, {"1: 3 7 11 12 19 23 31"}, " "},
    };
    for (const auto& [text, options, draws, names] : cases) {
        History h = parse_history(text, "draws.csv", options);
        ASSERT_EQ(h.error, "") << text;
        order_oldest_first(h, false);
        std::vector<std::string> read;
        for (const Draw& d : h.draws) {
            read.push_back(std::to_string(d.line) + ":");
            for (int n : d.numbers) read.back().append(" ").append(std::to_string(n));
            if (d.bonus != 0) read.back().append(" +").append(std::to_string(d.bonus));
        }
        EXPECT_EQ(read, draws) << text;
        const std::string taken = h.named_first.empty() ? "" : h.named_first + ".." + h.named_last;
        EXPECT_EQ(taken + " " + h.named_bonus, names) << text;
    }
}

// Fields a header names for the year, month and day are the draw's date, which orders the draws;
// a line whose fields make no date has none, and a header naming one of them twice names no date.
TEST(History, HeaderNamesTheDateFields) {
    // text, each draw oldest first as "line date", the order
    const std::tuple<std::string, std::vector<std::string>, DrawOrder> cases[] = {
        {"Nr;Jahr;Monat;Tag;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zahl 7\n"
         "1;2024;1;12;3;7;11;19;23;31;38\n2;2024;1;5;1;2;3;4;5;6;7\n",
         {"3 2024-01-05", "2 2024-01-12"},
         DrawOrder::ByDate},
        {"Month,Day,Year,N1,N2,N3,N4,N5,N6,N7\n12,1,2024,3,7,11,19,23,31,38\n"
         "Jan,5,24,1,2,3,4,5,6,7\n",
         {"3 2024-01-05", "2 2024-12-01"},
         DrawOrder::ByDate},
        {"Draw,Year,Month,Day,N1,N2,N3,N4,N5,N6,N7\n1,2024,2,30,3,7,11,19,23,31,38\n"
         "2,2024,1,5,1,2,3,4,5,6,7\n",
         {"2 -", "3 2024-01-05"},
         DrawOrder::AsWritten},
        {"Draw,Year,Month,Day,Day,N1,N2,N3,N4,N5,N6,N7\n1,2024,1,5,5,3,7,11,19,23,31,38\n",
         {"2 -"},
         DrawOrder::AsWritten},
    };
    for (const auto& [text, draws, order] : cases) {
        History h = parse_history(text, "draws.csv", Auto);
        ASSERT_EQ(h.error, "") << text;
        EXPECT_EQ(order_oldest_first(h, false), order) << text;
        std::vector<std::string> read;
        for (const Draw& d : h.draws)
            read.push_back(std::to_string(d.line) + " " + (d.date ? date_text(*d.date) : "-"));
        EXPECT_EQ(read, draws) << text;
    }
}

TEST(History, NamesFileLineAndFault) {
    const std::string e = "\xc3\xa9"; // two bytes of UTF-8
    HistoryOptions bonus_ninth, bonus_eighth;
    bonus_ninth.bonus_column = 9, bonus_eighth.bonus_column = 8;
    const std::tuple<std::string, HistoryOptions, std::string> cases[] = {
        {"1,2,3,4,5,6,7\n1,2,3,4,5,6,8\n", bonus_ninth,
         "draws.csv: no draw's line has a field 9 for the bonus number"},
        {"1,2,3,4,5,6,7,Bonus 9 10 11 12 13\n", bonus_eighth,
         "draws.csv:1: field 8 holds no bonus number in 1..39"},
        {"1,2,3,4,5,6,7,Bonus 9 10 9\n", bonus_eighth,
         "draws.csv:1: the bonus number 9 is given twice"},
        {"1,2,3,4,5,6,7,9 40\n", bonus_eighth,
         "draws.csv:1: field 8 holds no bonus number in 1..39"},
        {"1,2,3,4,5,6,7,2nd 9\n", bonus_eighth,
         "draws.csv:1: field 8 holds no bonus number in 1..39"},
        {"7\n", Auto, "draws.csv:1: only 1 number in 1..39 found"},
        {"1,2,3,4,5,6\n", Auto, "draws.csv:1: only 6 numbers in 1..39 found"},
        {"2013-04-05,1,2,3,4,5,6\n", Auto, "draws.csv:1: only 6 numbers in 1..39 found"},
        {"1,2,3,4,5,6,40\n", Auto,
         "draws.csv:1: number 40 is outside 1..39; if the game is 7/40, give --game 7/40 first"},
        {"2022-01-04;3;12;17;22;28;45;47\n", Auto,
         "draws.csv:1: only 5 numbers in 1..39 found, and 2 more up to 47: for a game of more "
         "numbers give --game 7/N"},
        {"00,1,2,3,4,5,6\n", Auto, "draws.csv:1: number 0 is outside 1..39"},
        {"1,2,3,99999999999999999999999999,4,5,6\n", Auto,
         "draws.csv:1: number 99999999999999999999... is outside 1..39"},
        {"07,1,2,3,4,5,7,8\n", Auto, "draws.csv:1: number 7 appears twice"},
        {"head\n1,2,3,4,5,6,7\n1,2,3,x,4,5,6,7\n", Auto,
         "draws.csv:3: \"x\" between the numbers is not a number"},
        {"1,2,,3,4,5,6\n", Auto, "draws.csv:1: an empty field stands between the numbers"},
        {"1,2,3,\001abcdefghijklmnopqrstuvwxyz,4,5,6\n", Auto,
         "draws.csv:1: \"\\x01abcdefghijklmnopqrs...\" between the numbers is not a number"},
        {"1,2,3,a" + e + e + e + e + e + e + e + e + e + e + ",4,5,6\n", Auto,
         "draws.csv:1: \"a" + e + e + e + e + e + e + e + e + e +
             "...\" between the numbers is not a number"},
        {"1,2,3,4,x,5,6\n", Auto, "draws.csv:1: \"x\" between the numbers is not a number"},
        {"1,2,3,4,5,x,6\n", Auto, "draws.csv:1: only 6 numbers in 1..39 found"}, // one after x
        {"1,2,3,x,y,4,5,6,7\n", Auto, "draws.csv:1: only 4 numbers in 1..39 stand in a row"},
        {"2\t2020-01-08\t3 8 15 22 29 30\n", Auto,
         "draws.csv:1: only 6 numbers in 1..39 stand in a row"},
        {"2013,2014\n", Auto, "draws.csv:1: no numbers in 1..39 found"},
        {"1,2,3,4,5,6,7\nTotal,,,\n", Auto, "draws.csv:2: no numbers found"},
        {"\xef\xbb\xbf\r\n \r\n", Auto, "draws.csv: is empty"},
        {"draw,date,n1\n# comment\n", Auto, "draws.csv: is empty: no line holds a draw"},
        {"Results\n\ndraw,date\n2013-04-05,01-02-03 04-05-06\n", Auto,
         "draws.csv:3: no numbers found"},
        {"\xff\xfe\x31", Auto, "draws.csv: is not valid UTF-16 text (an odd number of bytes)"},
        {test::utf16_bytes(u"\uFEFF1\r\n\xD800\r\n", true), Auto,
         "draws.csv:2: is not valid UTF-16 text (an unpaired surrogate)"},
        {std::string("1,2,3\0,4", 8), Auto, "draws.csv: is not a text file"},
        {"1,2013-04-05,1,2,3,4,5,6\n", columns(3, 9),
         "draws.csv:1: the line ends after field 8; the numbers are in fields 3-9"},
        {"1,x,1,2,3,4,5,6,7\n", columns(2, 8), "draws.csv:1: field 2: \"x\" is not a whole number"},
        {"1,1,2, ,3,4,5,6,7\n", columns(2, 8), "draws.csv:1: field 4 is empty"},
        {"1,1,2,40,3,4,5,6\n9,1,2,3,4,5,6,47\n", columns(2, 8),
         "draws.csv:1: field 4: number 40 is outside 1..39; if the game is 7/47, give --game 7/47 "
         "first"},
        {"1,1,2,3,4,5,6,2\n", columns(2, 8), "draws.csv:1: number 2 appears twice"},
        {"d,1 2 3 4 5 6\n", columns(2, 2), "draws.csv:1: field 2 holds only 6 numbers"},
        {"d,1\n", columns(2, 2), "draws.csv:1: field 2 holds only 1 number"},
        {"d,1 2 3 4 5 6 7 8\n", columns(2, 2), "draws.csv:1: field 2 holds more than 7 numbers"},
        {"1,2,3,4,5,6,7\n", columns(3, 5), "history columns 3-5 name neither seven fields nor one"},
        {"1,2,3,4,5,6,7\n", columns(0, 4), "history columns 0-4 name neither seven fields nor one"},
    };
    for (const auto& [text, options, error] : cases) {
        const History h = parse_history(text, "draws.csv", options);
        EXPECT_EQ(h.error, error) << text;
        EXPECT_TRUE(h.draws.empty()) << text;
    }
}

TEST(History, SkipsBadLinesAndSaysWhich) {
    const HistoryOptions skip{0, 0, true};
    const History h =
        parse_history("n1;n2\n1;2;3;4;5;6;7\n1;2;3\n\n7;3;12;39;1;20;15\n1;1;2;3;4;5;6\n"
                      "no numbers\n",
                      "draws.csv", skip);
    EXPECT_EQ(h.error, "");
    EXPECT_EQ(line_draws(h), (std::vector<LineDraw>{{2, OneToSeven}, {5, Example}}));
    std::vector<std::pair<uint32_t, std::string>> skipped;
    for (const SkippedLine& k : h.skipped) skipped.emplace_back(k.line, k.why);
    EXPECT_EQ(skipped, (decltype(skipped){{3, "only 3 numbers in 1..39 found"},
                                          {6, "number 1 appears twice"},
                                          {7, "no numbers found"}}));

    const History none = parse_history("1,2\n3,4\n", "draws.csv", skip);
    EXPECT_EQ(none.error, "draws.csv: no draw left after skipping 2 bad lines; line 1: "
                          "only 2 numbers in 1..39 found");
    EXPECT_TRUE(none.draws.empty());
}

TEST(ReadHistory, FileCases) {
    const test::TempDir dir;
    const std::string good = test::write_file(dir.path / "good.csv", "x\n7,3,12,39,1,20,15\n");
    EXPECT_EQ(line_draws(read_history(good, Auto)), (std::vector<LineDraw>{{2, Example}}));

    const std::string bad = test::write_file(dir.path / "bad.csv", "1,2,3,4,5,6,7\n1,2\n");
    EXPECT_EQ(read_history(bad, Auto).error, bad + ":2: only 2 numbers in 1..39 found");

    const std::string missing = (dir.path / "missing.csv").string();
    const std::string empty = test::write_file(dir.path / "empty.csv", "");
    const std::string sub = (dir.path / "sub").string();
    fs::create_directory(sub);
    const std::string large = test::write_file(dir.path / "large.csv", "");
    fs::resize_file(large, (std::uintmax_t{256} << 20) + 1);
    EXPECT_EQ(read_history(missing, Auto).error, missing + ": no such file");
    EXPECT_EQ(read_history(empty, Auto).error, empty + ": is empty");
    EXPECT_EQ(read_history(sub, Auto).error, sub + ": is a directory");
    EXPECT_EQ(read_history(large, Auto).error,
              large + ": is too large for a draw history (over 256 MB)");
}

// Failures root gets too: a link that points at itself, and a file whose reading fails (this
// process's memory at address 0).
TEST(ReadHistory, UnreadableFile) {
    const test::TempDir dir;
    const fs::path loop = dir.path / "loop.csv";
    fs::create_symlink(loop, loop);
    EXPECT_EQ(read_history(loop.string(), Auto).error, loop.string() + ": cannot be read");
    if (fs::exists("/proc/self/mem")) {
        EXPECT_EQ(read_history("/proc/self/mem", Auto).error, "/proc/self/mem: cannot be read");
    }
}

// Every class of control character is escaped, DEL included; other bytes pass, and the cut
// never splits a UTF-8 character.
TEST(EscapedHead, ControlCharactersAndTheCut) {
    EXPECT_EQ(escaped_head("a\nb\rc\td\x01\x1f\x7f ~\xc3\xa9", 99),
              "a\\nb\\rc\\td\\x01\\x1f\\x7f ~\xc3\xa9");
    EXPECT_EQ(escaped_head("ab\xc3\xa9", 3), "ab");
    EXPECT_EQ(escaped_head("ab\xc3\xa9", 4), "ab\xc3\xa9");
}

TEST(ReadHistory, ShippedSampleReadsWithoutOptions) {
    const fs::path sample = fs::path(LOTTO_SOURCE_DIR) / "examples/random-draws.csv";
    const History h = read_history(sample.string(), Auto);
    EXPECT_EQ(h.error, "");
    ASSERT_EQ(h.draws.size(), 150u);
    EXPECT_EQ(line_draws(h).front(), (LineDraw{4, {3, 5, 9, 12, 13, 23, 31}}));
    EXPECT_EQ(h.draws.back().line, 153u);
}

} // namespace
} // namespace lotto
