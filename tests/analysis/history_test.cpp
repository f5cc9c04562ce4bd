// The draw history reader: tables of texts and what each reads as (every draw oldest first with
// its line, date, numbers, bonus numbers and draw counter, and what the notes count) or the error
// it gives; skipping bad lines; the file cases (missing, a directory, empty, unreadable, too
// large); the escaping of echoed text; the shipped sample examples/random-draws.csv.
#include "analysis/draw_order.h"
#include "analysis/history.h"
#include "analysis/printable.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

namespace lotto {
namespace {

namespace fs = std::filesystem;

// Fourteen numbers, two draws: F and S below.
const std::string Fourteen = "3;9;12;19;25;30;33;1;8;14;22;27;31;35";

// What text reads as, in one line: each draw oldest first as "line date numbers +bonus #counter"
// ("-" without a date), apart by " | ", then what the notes count in brackets; or "! error". The
// numbers most rows hold are shown short: E from "7 3 12 39 1 20 15" and the like, 1-7, and the
// first and the second seven of Fourteen as F and S.
std::string read_as(const std::string& text, const HistoryOptions& o = {}, bool newest = false) {
    static const std::pair<std::string, std::string> shortened[] = {
        {" 1 3 7 12 15 20 39", " E"},
        {" 1 2 3 4 5 6 7", " 1-7"},
        {" 3 9 12 19 25 30 33", " F"},
        {" 1 8 14 22 27 31 35", " S"},
    };
    History h = parse_history(text, "h", o);
    if (!h.ok()) return "! " + h.error + (h.draws.empty() ? "" : " (and draws)");
    PartialDates partial = PartialDates::None;
    const DrawOrder order = order_oldest_first(h, newest, &partial);
    std::string s;
    const auto add = [&s](const char* at, uint32_t n) { s.append(at) += std::to_string(n); };
    for (const Draw& d : h.draws) {
        add(s.empty() ? "" : " | ", d.line);
        s.append(" ") += d.date ? date_text(*d.date) : "-";
        std::string numbers;
        for (int n : d.numbers) numbers.append(" ") += std::to_string(n);
        for (const auto& [full, short_form] : shortened)
            if (numbers == full) numbers = short_form;
        s += numbers;
        if (d.bonus) add(" +", d.bonus);
        for (uint8_t m : d.more_bonus)
            if (m) add("+", m);
        if (d.counter) add(" #", d.counter);
    }
    const auto note = [&](const char* what, uint32_t count, uint32_t first) {
        if (count || first) add(what, count), add("@", first), s += "]";
    };
    note(" [longer ", h.longer_runs, h.first_longer_run);
    note(" [two ", h.two_draw_lines, h.first_two_draw_line);
    note(" [undated ", h.unread_dates, h.first_unread_date);
    if (!h.named_first.empty() || !h.named_bonus.empty())
        s += " [" + h.named_first + ".." + h.named_last + " " + h.named_bonus + "]";
    for (const SkippedLine& k : h.skipped) add(" [skipped ", k.line), s.append(": ") += k.why + "]";
    if (order == DrawOrder::Reversed) s += " [reversed]";
    if (partial != PartialDates::None)
        s += partial == PartialDates::Disagree ? " [dates disagree]" : " [dated lines decide]";
    return s;
}

using Case = std::pair<std::string, std::string>; // text, what it reads as

void expect_reads(const std::vector<Case>& cases, const HistoryOptions& o = {}) {
    for (const auto& [text, want] : cases) EXPECT_EQ(read_as(text, o), want) << text;
}

// Lines "PREFIX W SEPARATOR 7 3 12 39 1 20 15 4" for W = each counter.
std::string counted_lines(const std::string& prefix, const std::vector<int>& counters, char sep) {
    std::string text, row = ",7,3,12,39,1,20,15,4\n";
    std::replace(row.begin(), row.end(), ',', sep);
    for (int w : counters) text += prefix + std::to_string(w) + row;
    return text;
}

// The first and the last draw a text reads as.
std::string ends_of(const std::string& text) {
    const std::string all = read_as(text);
    const std::size_t first = all.find(" | "), last = all.rfind(" | ");
    return first == std::string::npos ? all : all.substr(0, first) + " ... " + all.substr(last + 3);
}

TEST(History, ReadsEachLayout) {
    const std::string nbsp = "\xc2\xa0", narrow = "\xe2\x80\xaf";
    expect_reads({
        {"2013-04-05,7 3 12 39 1 20 15,4 9,Draw 12\n2013-04-12,1 2 3 4 5 6 7,8 9,Draw 13\n",
         "1 2013-04-05 E | 2 2013-04-12 1-7 [longer 2@1]"},
        {"Draw 12,2013/4/5,07,3,12,39,1,20,15,4,9,1.5 EUR,x\n", "1 2013-04-05 E [longer 1@1]"},
        // A header naming the columns 1..7 above dated draws; the same above an undated draw is
        // a draw.
        {"Date;1;2;3;4;5;6;7\n2024-03-05;7;3;12;39;1;20;15\n", "2 2024-03-05 E [1..7 ]"},
        {"Draw;1;2;3;4;5;6;7\nDraw;7;3;12;39;1;20;15\n", "1 - 1-7 | 2 - E"},
        {"04.01.2022 20:15;\"7 - 3 - 12 - 39 - 1 - 20 - 15\";31;\"8.706.000,00\";1\n",
         "1 2022-01-04 E [longer 1@1]"},
        // Byte-order mark, a title and a header, CR LF, blank and comment lines, no final newline.
        {"\xef\xbb\xbfResults\r\ndraw;date;numbers\r\n\r\n# a note\r\n ; "
         "\r\n1;x;7;3;12;39;1;20;15\r\n2;2013-04-12;1;2;3;4;5;6;7",
         "6 - E | 7 2013-04-12 1-7"},
        {"\"Draw 12, week 3\",\"2013-04-05\",\"7\",\" 3 "
         "\",\"12\",\"39\",\"1\",\"20\",\"15\"\n2013-04-12,\"1, 2, 3, 4, 5, 6, 7\",4\n",
         "1 2013-04-05 E | 2 2013-04-12 1-7 [longer 1@2]"},
        {"1,2,3,4,5,6,7\r1 2 3,x,7 3 12 39 1 20 15\r", "1 - 1-7 | 2 - E"},
        // Numbers joined by dashes, beside a date whose dashes join only three.
        {"2013-04-05,07-03-12-39-01-20-15\n2013-04-12;1-2-3-4-5-6-7-9\n",
         "1 2013-04-05 E | 2 2013-04-12 1-7 [longer 1@2]"},
        // UTF-16, big-endian, with a byte-order mark.
        {test::utf16_bytes(u"\uFEFF2013-04-05;7;3;12;39;1;20;15\n#\n2013-04-12;1;2;3;4;5;6;7",
                           true),
         "1 2013-04-05 E | 3 2013-04-12 1-7"},
        // Copied from a web page: no-break spaces, in UTF-8 (also the narrow one) and Windows-1252.
        // A JSON document: each object with an array of seven numbers a draw, its date and bonus
        // beside them.
        {"{\"draws\":[{\"drawDate\":\"2024-01-05T20:00\",\"red\":[\"07\",3,12,39,1,20,15],"
         "\"Bonus\":[4]}]}",
         "1 2024-01-05 E +4"},
        // Not a JSON document: lines read as lines.
        {"[2024-01-05] 7 3 12 39 1 20 15\n", "1 2024-01-05 E"},
        {"Sat" + nbsp + "5 Apr" + nbsp + "2013\t7" + nbsp + "3" + narrow + "12 39 1 20 15\n",
         "1 2013-04-05 E"},
    });
}

// Fields named by options: a header that does not fit them, quotes, one field of seven.
TEST(History, ReadsTheFieldsNamed) {
    expect_reads({{"draw,n1,n2\n12;1;2;3;4;5;6;7\n", "2 - 1-7"},
                  {"\"Draw \"\"12\"\", late\",7,3,12,39,1,20,15\n", "1 - E"}},
                 HistoryOptions{2, 8});
    expect_reads({{"2013-04-05,7 3 12 39 1 20 15,4 9\n", "1 2013-04-05 E"},
                  {"2013-04-05,7-3-12-39-1-20-15,4\n", "1 2013-04-05 E"},
                  {"2022-01-04;7 - 3 - 12 - 39 - 1 - 20 - 15;-\n", "1 2022-01-04 E"}},
                 HistoryOptions{2, 2});
}

// A draw counter of 39 or less right before the numbers (a week, a draw number after the date)
// is not one of them, whether it counts up or down, when it steps by one on at least nine of ten
// line pairs, or rises or falls on every one of ten lines or more, gaps allowed; stepping by one
// on eight of ten but neither rising nor falling throughout it is a number (21 here, with the
// first six of the draw). Falling draw numbers say the file runs newest first.
TEST(History, DrawCounters) {
    std::vector<int> to1200(1200), falling;
    std::iota(to1200.begin(), to1200.end(), 1);
    for (int i = 0; i < 12; ++i) falling.push_back(5000 - 3 * i);
    std::string own_first; // the draws' own first numbers rise: no draw number
    for (int i = 1; i <= 12; ++i) own_first += std::to_string(2 * i) + ",31,32,33,34,35,36\n";
    const std::vector<Case> cases = {
        {counted_lines("2013,", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, ','),
         "1 - E #1 ... 12 - E #12"},
        {counted_lines("", {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 40}, ','),
         "1 - E #21 ... 11 - E #40"},
        {counted_lines("", {21, 22, 23, 24, 25, 26, 27, 28, 29, 27, 40}, ','),
         "1 - 1 3 7 12 20 21 39 ... 11 - E [longer 11@1]"},
        {counted_lines("", to1200, ';'), "1 - E #1 ... 1200 - E #1200"},
        {counted_lines("", {30, 28, 27, 25, 21, 20, 19, 17, 16, 14, 11}, ','),
         "11 - E #11 ... 1 - E #30 [reversed]"},
        {counted_lines("2024;", {10, 11, 12}, ';'), "1 - E #10 ... 3 - E #12"},
        // Steps by one in a short file of seven numbers a line are numbers.
        {"5,8,9,17,29,32,37\n6,8,9,17,29,32,37\n7,8,9,17,29,32,37\n",
         "1 - 5 8 9 17 29 32 37 ... 3 - 7 8 9 17 29 32 37"},
        {counted_lines("", falling, ','), "12 - E #4967 ... 1 - E #5000 [reversed]"},
        {counted_lines("", {60, 64, 58, 59, 57, 56, 55, 54, 53, 52, 51}, ','),
         "1 - E ... 11 - E [longer 11@1]"},
        {own_first, "1 - 2 31 32 33 34 35 36 ... 12 - 24 31 32 33 34 35 36"},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(ends_of(text), want) << text;
}

// Year, month and day separated by spaces, or standing in three fields, open the line: the date of
// the draw that follows, which orders the draws; day and month with the year last are read as
// slashed dates are, the whole file month first when one date can only be. A year or a month that
// steps by one from line to line is a draw counter, a day that does so is none, and a line whose
// date leaves no draw after it, or a file with dates that are no dates, reads as without them.
TEST(History, DatesWrittenWithSpaces) {
    std::string daily;
    for (int day = 10; day >= 1; --day)
        daily +=
            "2024,1," + std::to_string(day) + ",1,2,3,4,5,6," + std::to_string(day + 20) + "\n";
    expect_reads({
        {"2024 01 12 38 31 23 19 11 7 3\n2024 01 05 1 2 3 4 5 6 7 8\n",
         "2 2024-01-05 1-7 | 1 2024-01-12 3 7 11 19 23 31 38 [longer 1@2]"},
        {"2 1 2024\t1\t2\t3\t4\t5\t6\t7\n1 13 2024\t7\t3\t12\t39\t1\t20\t15\n"
         "01 06 2024 1 2 3 4 5 6 8\n",
         "3 2024-01-06 1 2 3 4 5 6 8 | 2 2024-01-13 E | 1 2024-02-01 1-7"},
        {"13 1 2024 1 2 3 4 5 6 7\n2 1 2024 1 2 3 4 5 6 8\n",
         "2 2024-01-02 1 2 3 4 5 6 8 | 1 2024-01-13 1-7"},
        {"1995 3 12 17 22 28 33 39 4 9\n1996 1 5 3 7 11 19 23 31\n1997 2 3 4 5 6 7 8 9\n",
         "1 - 3 12 17 22 28 33 39 | 2 - 1 3 5 7 11 19 23 | 3 - 2 3 4 5 6 7 8 [longer 3@1]"},
        {"2024 01 05 3 7 11 19 23 31 38\n2024 02 30 3 7 11 19 23 31 38\n",
         "1 - 1 3 5 7 11 19 23 | 2 - 2 3 7 11 19 23 30 [longer 2@1]"},
        {"2024,1,12,38,31,23,19,11,7,3\n2024,01,05,1,2,3,4,5,6,7,8\n",
         "2 2024-01-05 1-7 | 1 2024-01-12 3 7 11 19 23 31 38 [longer 1@2]"},
        {"2013,1,7,3,12,39,1,20,15,4\n2013,2,7,3,12,39,1,20,15,4\n2013,3,7,3,12,39,1,20,15,4\n",
         "1 - E #1 | 2 - E #2 | 3 - E #3"},
        {"2024,1,5,3,7,11,19,23\n", "1 - 1 3 5 7 11 19 23"},
        // Dates on some lines only: those decide the order (running newest first: the command
        // line's files_test.cpp), or the file's stands when they disagree.
        {"2024-03-01;1;2;3;4;5;6;7\n;1;2;3;4;5;6;7\n2024-03-08;1;2;3;4;5;6;7\n",
         "1 2024-03-01 1-7 | 2 - 1-7 | 3 2024-03-08 1-7 [dated lines decide]"},
        {"2024-03-08;1;2;3;4;5;6;7\n2024-03-01;1;2;3;4;5;6;7\n2024-03-15;1;2;3;4;5;6;7\n"
         ";1;2;3;4;5;6;7\n",
         "1 2024-03-08 1-7 | 2 2024-03-01 1-7 | 3 2024-03-15 1-7 | 4 - 1-7 [dates disagree]"},
    });
    EXPECT_EQ(ends_of(daily), "10 2024-01-01 1 2 3 4 5 6 21 ... 1 2024-01-10 1 2 3 4 5 6 30");
}

// More than seven numbers in a row: the first seven are the draw, and the lines are counted, unless
// a draw counter before them shows where the draw starts; a bonus field named with --bonus-column
// breaks the row, and reads a blank, "-" or "n/a" as no bonus. Fourteen after the line's date are
// two draws of that date (or of an empty date field, when dated lines hold two), which keep their
// order and share the line's draw number; without a date before them, with a bonus field named,
// with fifteen, with a number twice among the second seven, or seven digits after the seven, the
// first seven are the draw. (Eight in a row and fourteen after a date, each with its note:
// docs/history-files.md.)
TEST(History, MoreThanSevenNumbersInARow) {
    expect_reads({
        {"2022-01-04,31,5,8,9,17,29,32,37\n", "1 2022-01-04 5 8 9 17 29 31 32 [longer 1@1]"},
        {"7,3,12,39,1,20,15,x,4\n", "1 - E"},
    });
    EXPECT_EQ(ends_of(counted_lines("", {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, ';')),
              "12 - E #1 ... 1 - E #12 [reversed]");
    expect_reads({{"2022-01-04,31,5,8,9,17,29,32,37\n", "1 2022-01-04 5 8 9 17 29 32 37 +31"},
                  {"2022-01-04,,5,8,9,17,29,32,37\n", "1 2022-01-04 5 8 9 17 29 32 37"}},
                 HistoryOptions{.highest = 39, .bonus_column = 2});
    expect_reads(
        {
            {"12;2024-01-12;" + Fourteen + "\n11;x;1;2;3;4;5;6;7\n10;2024-01-05;" + Fourteen + "\n",
             "3 2024-01-05 F #10 | 3 2024-01-05 S #10 | 2 - 1-7 #11 | 1 2024-01-12 F #12 | "
             "1 2024-01-12 S #12 [two 2@1] [reversed] [dated lines decide]"},
            {"2021;35;2021.09.01.;" + Fourteen + "\n2021;34;;" + Fourteen + "\n",
             "1 2021-09-01 F | 1 2021-09-01 S | 2 - F | 2 - S [two 2@1]"},
            {"2021;35;;" + Fourteen + "\n", "1 - F [longer 1@1]"},
            {Fourteen + ";2024-01-05\n", "1 2024-01-05 F [longer 1@1]"},
            {"2024-01-05;" + Fourteen + ";2\n", "1 2024-01-05 F [longer 1@1]"},
            {"2024-01-05;" + Fourteen.substr(0, Fourteen.size() - 2) + "27\n",
             "1 2024-01-05 F [longer 1@1]"},
            {"2024-01-05;3;9;12;19;25;30;33;4;1;7;2;9;5;3\n", "1 2024-01-05 F [longer 1@1]"},
        },
        HistoryOptions{.highest = 35});
    EXPECT_EQ(read_as("2024-01-05;" + Fourteen + ";17\n",
                      HistoryOptions{.highest = 35, .bonus_column = 16}),
              "1 2024-01-05 F +17 [longer 1@1]");
}

// Lines whose date does not read though something looks like one (a field, or a bracketed part,
// with a year among other numbers and characters) are counted, so that the user hears the file
// order was taken; numbers alone, amounts, labels and dates that read are no such thing.
TEST(History, CountsDatesThatDoNotRead) {
    expect_reads({
        {"Draw 1599 (KW 1/2015): 1 2 3 4 5 6 7\nDraw 1600 [KW 2/2015] 1 2 3 4 5 6 7\n",
         "1 - 1-7 | 2 - 1-7 [undated 2@1]"},
        {"26. Juni 2026;1;2;3;4;5;6;7\n(26/06/2026) 1 2 3 4 5 6 7\n",
         "1 2026-06-26 1-7 | 2 2026-06-26 1-7"},
        {"5. M\xe4rz 2026;1;2;3;4;5;6;7\n", "1 2026-03-05 1-7"}, // in Windows-1252
        {"2015/20150;1;2;3;4;5;6;7\n1/2/3/2015;1;2;3;4;5;6;7\n", "1 - 1-7 | 2 - 1-7"},
    });
}

// A header that names the fields of the numbers (seven numbered alike, in any order, or one for
// all) and of the bonus number, or of the date's year, month and day, is read by them when the
// options name no fields. A header that leaves doubt, a line without those fields, or fields named
// by options read as without it.
TEST(History, HeaderNamesTheColumns) {
    // (Draw,N1..N7,Bonus above a draw counter: docs/history-files.md.)
    expect_reads({
        {"# Lotto\n\nNr;Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zahl 7;Zusatzzahl\n"
         "1;05.01.2024;3;7;11;19;23;31;38;\n2;12.01.2024;1;4;9;15;22;30;36;5\n",
         "4 2024-01-05 3 7 11 19 23 31 38 | 5 2024-01-12 1 4 9 15 22 30 36 +5 "
         "[Zahl 1..Zahl 7 Zusatzzahl]"},
        {"Datum;Nr 1;Nr 2;Nr 3;Nr 4;Nr 5;Nr 6;Nr 7;TILL\xc3\x84GG\n"
         "2024-01-05;3;7;11;19;23;31;38;12\n",
         "2 2024-01-05 3 7 11 19 23 31 38 +12 [Nr 1..Nr 7 TILL\xc3\x84GG]"},
        // A bonus field may hold a label before the number, as on a web page.
        {"Date\tN1\tN2\tN3\tN4\tN5\tN6\tN7\tBonus\n"
         "2026-12-05\t3\t8\t14\t19\t24\t29\t33\tZusatzzahl 5\n",
         "2 2026-12-05 3 8 14 19 24 29 33 +5 [N1..N7 Bonus]"},
        {"#, saved 2024\n#,Date,1,2,3,4,5,6,7,Extra\n1,2024-01-05,3,7,11,19,23,31,38,12\n",
         "3 2024-01-05 3 7 11 19 23 31 38 +12 [1..7 Extra]"},
        {"Date,\"Winning Numbers\",Supp.\n2024-01-12,1-4-9-15-22-30-36,5\n",
         "2 2024-01-12 1 4 9 15 22 30 36 +5 [Winning Numbers..Winning Numbers Supp.]"},
        {"Date,1st,2nd,3rd,4th,5th,6th,7th\n2024-01-05,3,7,11,19,23,31,38\n",
         "2 2024-01-05 3 7 11 19 23 31 38 [1st..7th ]"},
        // Japan's names, their digits full-width (Lotto Max's No4 before No3: the published
        // histories).
        {"\xe6\x8a\xbd\xe9\x81\xb8\xe6\x97\xa5,\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x91,"
         "\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x92,\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x93,"
         "\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x94,\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x95,"
         "\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x96,\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x97,B\n"
         "2013-04-05,7,10,12,17,23,28,34,3\n",
         "2 2013-04-05 7 10 12 17 23 28 34 "
         "[\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x91..\xe6\x95\xb0\xe5\xad\x97\xef\xbc\x97 ]"},
        // A first number that falls by one from line to line is no draw number running
        // backwards.
        {"N1,N2,N3,N4,N5,N6,N7,Bonus\n7,10,11,19,23,31,38,12\n6,10,11,19,23,31,38,12\n"
         "5,10,11,19,23,31,38,12\n",
         "2 - 7 10 11 19 23 31 38 +12 | 3 - 6 10 11 19 23 31 38 +12 | "
         "4 - 5 10 11 19 23 31 38 +12 [N1..N7 Bonus]"},
        // A bonus field holding other text, or 0, is a draw without a bonus.
        {"Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,x\n13,1,4,9,15,22,30,36,0\n",
         "2 - 3 7 11 19 23 31 38 | 3 - 1 4 9 15 22 30 36 [N1..N7 Bonus]"},
        // Read as without the header: a line without the named fields (below, two runs of seven,
        // a bonus above the game, two bonus fields).
        {"Draw,N1,N2,N3,N4,N5,N6,N7\n12,3,7,11,19,23,31,38\n3,7,11,19,23,31,38\n",
         "2 - 3 7 11 12 19 23 31 | 3 - 3 7 11 19 23 31 38 [longer 1@2]"},
        // Fields named for the date: a line whose fields make no date has none, and a header
        // naming one twice names no date.
        {"Nr;Jahr;Monat;Tag;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zahl 7\n"
         "1;2024;1;12;3;7;11;19;23;31;38\n2;2024;1;5;1;2;3;4;5;6;7\n",
         "3 2024-01-05 1-7 | 2 2024-01-12 3 7 11 19 23 31 38 [Zahl 1..Zahl 7 ]"},
        {"Draw,Year,Month,Day,N1,N2,N3,N4,N5,N6,N7\n1,2024,2,30,3,7,11,19,23,31,38\n",
         "2 - 3 7 11 19 23 31 38 [N1..N7 ]"},
        {"Draw,Year,Month,Day,Day,N1,N2,N3,N4,N5,N6,N7\n1,2024,1,5,5,3,7,11,19,23,31,38\n",
         "2 - 3 7 11 19 23 31 38 [N1..N7 ]"},
    });
    for (const char* header :
         {"Draw,N1,N2,N3,N4,N5,N6,N7,M1,M2,M3,M4,M5,M6,M7\n12,3,7,11,19,23,31,38,1,2,3,4,5,6,7\n",
          "Draw,N1,N2,N3,N4,N5,N6,N7,Bonus\n12,3,7,11,19,23,31,38,40\n",
          "Draw,N1,N2,N3,N4,N5,N6,N7,Bonus,Extra\n12,3,7,11,19,23,31,38,9,1\n"})
        EXPECT_EQ(read_as(header), "2 - 3 7 11 12 19 23 31 [longer 1@2]") << header;
    // Fields named by options: the header is not read.
    const std::string header =
        "Draw,Date,N1,N2,N3,N4,N5,N6,N7,Bonus\n1,2024-01-05,3,7,11,19,23,31,38,12\n";
    EXPECT_EQ(read_as(header, HistoryOptions{4, 10}), "2 2024-01-05 7 11 12 19 23 31 38");
    EXPECT_EQ(read_as(header, HistoryOptions{.highest = 39, .bonus_column = 1}),
              "2 2024-01-05 3 7 11 19 23 31 38 +1 [longer 1@2]");
}

// (A number above the game with the hint naming a larger one: the JSON case below, and the
// command line's files_test.cpp.)
TEST(History, NamesFileLineAndFault) {
    const HistoryOptions bonus8{.highest = 39, .bonus_column = 8};
    // A bonus field of five numbers, one above the game, a number after a word holding a digit.
    for (const char* bonus : {"Bonus 9 10 11 12 13", "9 40", "2nd 9"})
        EXPECT_EQ(read_as("1,2,3,4,5,6,7," + std::string(bonus) + "\n", bonus8),
                  "! h:1: field 8 holds no bonus number in 1..39");
    EXPECT_EQ(read_as("1,2,3,4,5,6,7,Bonus 9 10 9\n", bonus8),
              "! h:1: the bonus number 9 is given twice");
    EXPECT_EQ(
        read_as("1,2,3,4,5,6,7\n1,2,3,4,5,6,8\n", HistoryOptions{.highest = 39, .bonus_column = 9}),
        "! h: no draw's line has a field 9 for the bonus number");
    const HistoryOptions named{.game_named = true};
    EXPECT_EQ(read_as("1;2;3;4;5;6;40\n1;2;3;4;5;6;47\n", named),
              "! h:1: number 40 is outside 1..39");
    expect_reads({
        {"7\n", "! h:1: only 1 number in 1..39 found"},
        {"1,2,3,4,5,6\n", "! h:1: only 6 numbers in 1..39 found"},
        {"1;2;3;4;5;6;65\n", "! h:1: number 65 is outside 1..39"},
        {"2022-01-04;3;12;17;22;28;45;47\n", "! h:1: only 5 numbers in 1..39 found, and 2 more up "
                                             "to 47: for a game of more numbers give --game 7/N"},
        {"00,1,2,3,4,5,6\n", "! h:1: number 0 is outside 1..39"},
        {"1,2,3,99999999999999999999999999,4,5,6\n",
         "! h:1: number 99999999999999999999... is outside 1..39"},
        {"07,1,2,3,4,5,7,8\n", "! h:1: number 7 appears twice"},
        {"head\n1,2,3,4,5,6,7\n1,2,3,x,4,5,6,7\n",
         "! h:3: \"x\" between the numbers is not a number"},
        {"1,2,,3,4,5,6\n", "! h:1: an empty field stands between the numbers"},
        {"1,2,3,4,5,x,6\n", "! h:1: only 6 numbers in 1..39 found"}, // one after x
        {"1,2,3,x,y,4,5,6,7\n", "! h:1: only 4 numbers in 1..39 stand in a row"},
        {"2\t2020-01-08\t3 8 15 22 29 30\n", "! h:1: only 6 numbers in 1..39 stand in a row"},
        {"2013,2014\n", "! h:1: no numbers in 1..39 found"},
        {"1,2,3,4,5,6,7\nTotal,,,\n", "! h:2: no numbers found"},
        {"\xef\xbb\xbf\r\n \r\n", "! h: is empty"},
        {"draw,date,n1\n# comment\n", "! h: is empty: no line holds a draw"},
        {"Results\n\ndraw,date\n2013-04-05,01-02-03 04-05-06\n", "! h:3: no numbers found"},
        {"[]", "! h: is empty: no line holds a draw"}, // JSON without a draw: read as lines
        {"[\n{\"n\": [1, 2, 3, 4, 5, 6, 40]}]",
         "! h:2: number 40 is outside 1..39; if the game is 7/40, give --game 7/40 first"},
        {"[{\"n\": [1, 2, 3, 4, 5, 6, 6]}]", "! h:1: number 6 appears twice"},
        {"\xff\xfe\x31", "! h: is not valid UTF-16 text (an odd number of bytes)"},
    });
    expect_reads({{"1,2013-04-05,1,2,3,4,5,6\n",
                   "! h:1: the line ends after field 8; the numbers are in fields 3-9"}},
                 HistoryOptions{3, 9});
    expect_reads(
        {{"1,x,1,2,3,4,5,6,7\n", "! h:1: field 2: \"x\" is not a whole number"},
         {"1,1,2, ,3,4,5,6,7\n", "! h:1: field 4 is empty"},
         {"1,1,2,40,3,4,5,6\n9,1,2,3,4,5,6,47\n", "! h:1: field 4: number 40 is outside 1..39; if "
                                                  "the game is 7/47, give --game 7/47 first"},
         {"1,1,2,3,4,5,6,2\n", "! h:1: number 2 appears twice"}},
        HistoryOptions{2, 8});
    expect_reads({{"d,1 2 3 4 5 6\n", "! h:1: field 2 holds only 6 numbers"},
                  {"d,1\n", "! h:1: field 2 holds only 1 number"},
                  {"d,1 2 3 4 5 6 7 8\n", "! h:1: field 2 holds more than 7 numbers"}},
                 HistoryOptions{2, 2});
    EXPECT_EQ(read_as("1,2,3,4,5,6,7\n", HistoryOptions{3, 5}),
              "! history columns 3-5 name neither seven fields nor one");
    EXPECT_EQ(read_as("1,2,3,4,5,6,7\n", HistoryOptions{0, 4}),
              "! history columns 0-4 name neither seven fields nor one");
}

TEST(History, SkipsBadLinesAndSaysWhich) {
    const HistoryOptions skip{0, 0, true};
    EXPECT_EQ(
        read_as("n1;n2\n1;2;3;4;5;6;7\n1;2;3\n\n7;3;12;39;1;20;15\n1;1;2;3;4;5;6\nno numbers\n",
                skip),
        "2 - 1-7 | 5 - E [skipped 3: only 3 numbers in 1..39 found] [skipped 6: number 1 "
        "appears twice] [skipped 7: no numbers found]");
    EXPECT_EQ(
        read_as("1,2\n3,4\n", skip),
        "! h: no draw left after skipping 2 bad lines; line 1: only 2 numbers in 1..39 found");
}

// The file cases of both readers (read_text_file; the ticket reader's cap: tickets_test.cpp).
TEST(ReadHistory, FileCases) {
    const test::TempDir dir;
    const std::string missing = (dir.path / "missing.csv").string();
    const std::string sub = (dir.path / "sub").string();
    fs::create_directory(sub);
    const std::string large = test::write_file(dir.path / "large.csv", "");
    fs::resize_file(large, (std::uintmax_t{256} << 20) + 1);
    EXPECT_EQ(read_history(missing, {}).error, missing + ": no such file");
    EXPECT_EQ(read_history(sub, {}).error, sub + ": is a directory");
    EXPECT_EQ(read_history(large, {}).error,
              large + ": is too large for a draw history (over 256 MB)");
    // Failures root gets too: a link that points at itself, and a file whose reading fails
    // (this process's memory at address 0).
    const fs::path loop = dir.path / "loop.csv";
    fs::create_symlink(loop, loop);
    EXPECT_EQ(read_history(loop.string(), {}).error, loop.string() + ": cannot be read");
    if (fs::exists("/proc/self/mem")) {
        EXPECT_EQ(read_history("/proc/self/mem", {}).error, "/proc/self/mem: cannot be read");
    }
    // The shipped sample reads without options.
    const History sample =
        read_history((fs::path(LOTTO_SOURCE_DIR) / "examples/random-draws.csv").string(), {});
    ASSERT_EQ(sample.draws.size(), 150u) << sample.error;
    EXPECT_EQ(sample.draws.front().line, 4u);
    EXPECT_EQ(sample.draws.back().line, 153u);
}

// Every class of control character is escaped, DEL included; other bytes pass, and the cut
// never splits a UTF-8 character.
TEST(EscapedHead, ControlCharactersAndTheCut) {
    EXPECT_EQ(escaped_head("a\nb\rc\td\x01\x1f\x7f ~\xc3\xa9", 99),
              "a\\nb\\rc\\td\\x01\\x1f\\x7f ~\xc3\xa9");
    EXPECT_EQ(escaped_head("ab\xc3\xa9", 3), "ab");
    EXPECT_EQ(escaped_head("ab\xc3\xa9", 4), "ab\xc3\xa9");
}

} // namespace
} // namespace lotto
