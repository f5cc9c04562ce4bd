// The ticket file reader: the layouts the program and players write, each read as its tickets
// with their lines, and every way a line can fail (a file's, the reading the history reader
// shares: history_test.cpp; the program's outputs read back: tests/cli/round_trip_test.cpp).
#include "analysis/tickets.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

// The tickets of text as "line: numbers", apart by " | "; or "! error".
std::string read_as(const std::string& text, uint32_t highest = 39) {
    const TicketFile f = parse_tickets(text, "t", highest);
    if (!f.ok()) return "! " + f.error;
    std::string s;
    for (const Ticket& t : f.tickets) {
        s.append(s.empty() ? "" : " | ") += std::to_string(t.line);
        s += ":";
        for (int n : t.numbers) s.append(" ") += std::to_string(n);
    }
    return s;
}

// Heads of a ticket check's outputs, text and CSV.
const std::string Check = "Ticket check: 1 ticket(s) from t.txt against h.csv\nDraws in which "
                          "each ticket hit 3..7 numbers:\nticket line  numbers\n";
const std::string CheckCsv = "kind,line,numbers,hits_0,hits_1,hits_2,hits_3,hits_4,hits_5,hits_6,"
                             "hits_7,p_value\n";

TEST(Tickets, ReadsEachLayout) {
    const std::string nbsp = "\xc2\xa0", narrow = "\xe2\x80\xaf", dash = "\xe2\x80\x93";
    const std::string nbsp_1252 = "\xa0";
    const std::pair<std::string, std::string> cases[] = {
        {"\xef\xbb\xbf# a wheel\n39 2 13 4 5 6 7\n\n# 1 ticket, guarantee 3 if 3\n",
         "2: 2 4 5 6 7 13 39"},
        {"n1;n2;n3;n4;n5;n6;n7\n\"1\";2;3;4;5;6;7\n", "2: 1 2 3 4 5 6 7"},
        {"03-12-17-22-28-33-39\n1 2-3-4-5 6 7\n", "1: 3 12 17 22 28 33 39 | 2: 1 2 3 4 5 6 7"},
        {"Ticket 1: 1 2 3 4 5 6 7 \nTicket 2: 8 9 10 11 12 13 14\t\n",
         "1: 1 2 3 4 5 6 7 | 2: 8 9 10 11 12 13 14"},
        {"Row A) 5 8 9 17 29 32 37\n", "1: 5 8 9 17 29 32 37"},
        {"#1: 3 9 19 23 24 25 28\n#2 1 2 3 4 5 6 7 # mine\n",
         "1: 3 9 19 23 24 25 28 | 2: 1 2 3 4 5 6 7"},
        {"1 2 3 4 5 6 7 // test\n// mine\n1,2,3,4,5,6,8 ; lucky\n",
         "1: 1 2 3 4 5 6 7 | 3: 1 2 3 4 5 6 8"},
        {"Draw 12\nTicket 3: 3 9 19 23 24 25 28 my lucky one\n", "2: 3 9 19 23 24 25 28"},
        // A header counting the columns, the rows giving their board's number.
        {"Board,1,2,3,4,5,6,7\n1,3,9,12,19,25,30,33\nB,5,8,9,17,29,32,37\n",
         "2: 3 9 12 19 25 30 33 | 3: 5 8 9 17 29 32 37"},
        // A repaired wheel's table, its rows ending in whether the ticket was added.
        {"ticket,n1,n2,n3,n4,n5,n6,n7,added\r\n1,1,2,3,4,5,6,7,no\r\n2,1,2,3,4,8,9,10,yes\r\n",
         "2: 1 2 3 4 5 6 7 | 3: 1 2 3 4 8 9 10"},
        {"{\"tickets\":[[1,2,3,4,5,6,9],[9,8,7,6,5,4,3]],\"numbers\":[1,2,3,4,5,6,7,8,9]}",
         "1: 1 2 3 4 5 6 9 | 2: 3 4 5 6 7 8 9"},
        // A page and a sample: the sample's tickets only, wherever it stands.
        {"{\"sample\":{\"seed\":1,\"combinations\":[{\"numbers\":[1,2,3,4,5,6,7]}]},\"page\":{"
         "\"combinations\":[{\"numbers\":[8,9,10,11,12,13,14]},{\"numbers\":[1,2,3,4,5,6,8]}]}}",
         "1: 1 2 3 4 5 6 7"},
        // No-break and narrow no-break spaces, in UTF-8 and in Windows-1252; en dashes.
        {"3" + nbsp + "9" + nbsp + "12 19" + narrow + "25 30 33\n", "1: 3 9 12 19 25 30 33"},
        {"Tipp" + nbsp_1252 + "1:" + nbsp_1252 + "3" + nbsp_1252 + "9 12 19 25 30 33\n",
         "1: 3 9 12 19 25 30 33"},
        {"3 " + dash + " 9 " + dash + " 12 19 25 30 33\n1" + dash + "2" + dash + "3 4 5 6 8\n",
         "1: 3 9 12 19 25 30 33 | 2: 1 2 3 4 5 6 8"},
        // A comment inside a ticket check's table, as anywhere else.
        {Check + "# week 12\n  4  03 09 19 23 24 25 28  0  0  0  1  0\n", "5: 3 9 19 23 24 25 28"},
        // UTF-16 without a byte-order mark, as some web pages save it.
        {test::utf16_bytes(u"# Tipp\u00e9\r\n\r\n39 2 13 4 5 6 7\r\n", false),
         "3: 2 4 5 6 7 13 39"},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(read_as(text), want) << text;
    EXPECT_EQ(read_as("1,2,3,4,5,6,45\n", 50), "1: 1 2 3 4 5 6 45");
}

TEST(Tickets, NamesTheFileAndLineOfABadLine) {
    const std::string seven = "; a ticket holds seven", label = " after its label" + seven;
    const std::string dotted = "\" joins numbers with dots or slashes, which are not read: put "
                               "spaces, commas or dashes between a ticket's numbers";
    const std::string words = " after its seven numbers; a ticket holds seven, and words after "
                              "them may hold no digit";
    const std::string check = "is the output of a check, which holds no tickets; give the ticket "
                              "file it checked";
    const std::string past = ", whose numbers are past draws, not tickets";
    const std::string two = "! t:1: the line holds more than one ",
                      one = " it; a line holds one ticket of seven";
    const std::pair<std::string, std::string> cases[] = {
        {"1,2,3,4,5,6\n", "! t:1: the line holds 6 numbers" + seven},
        {"1,2,3,4,5,6,7,8\n", "! t:1: the line holds 8 numbers" + seven},
        {"1,2,3,4,5,6,7,8,9,10\n", "! t:1: the line holds more than eight numbers" + seven},
        {"1,2,3,4,5,6,7\n1,2,3,4,5,6,40\n", "! t:2: number 40 is outside 1..39"},
        {"1,2,3,4,5,6,6\n", "! t:1: number 6 appears twice"},
        {"1,2,x,4,5,6,7\n", "! t:1: \"x\" is not a number"},
        {"1-2-3,4,5,6,7\n", "! t:1: \"1-2-3\" is not a number"},
        // Numbers joined by dots or slashes, even on the first line, where a header may stand.
        {"1.2.3.4.5.6.7\n1 2 3 4 5 6 7\n", "! t:1: \"1.2.3.4.5.6.7" + dotted},
        {"Ticket 1: 1/2/3/4/5/6/7\n", "! t:1: \"1/2/3/4/5/6/7" + dotted},
        {"Tickets of 05.04.2013\n1 2 3 4 5 6 7\n1 2 3 4 5.6 7\n", "! t:3: \"5.6\" is not a number"},
        {"1,2,3,4,5,6,7\nnotes\n", "! t:2: \"notes\" is not a number"},
        // A label or words after the numbers: what is wrong with the numbers.
        {"1,2,3,4,5,6,7\nTicket 2: 1 2 3 4 5 6\n", "! t:2: the line holds 6 numbers" + label},
        {"Ticket 1: 1 3 5 7 9 11 13 15\nTicket 2: 1 2 3 4 5 6 7\n",
         "! t:1: the line holds 8 numbers" + label},
        // Words after the numbers that may hide one more number, or after numbers and a word;
        // not passed over as a header either.
        {"1 2 3 4 5 6 7 lucky 8\n", "! t:1: the line holds \"lucky 8\"" + words},
        {"A: 1 2 3 4 5 6 7 +8\n1 2 3 4 5 6 9\n", "! t:1: the line holds \"+8\"" + words},
        {"1 2 x 4 5 6 7 8 9 10\n",
         "! t:1: \"x\" is not a number, and the line holds 2 numbers before it and 7 after" +
             seven},
        // Two boards on a line: neither is read.
        {"3 9 12 19 25 30 33 | 1 2 4 5 6 7 8\n",
         two + "ticket: 7 numbers before \"|\" and 7 after" + one},
        {"A: 3 9 12 19 25 30 33 B: 1 2 4 5 6 7 8\n1 2 3 4 5 6 7\n",
         two + "ticket: 7 numbers before \"B:\" and 7 after" + one},
        {"3 9 12 19 25 30 33 / 1 2 4 5 6 7\n",
         two + "run of numbers: 7 numbers before \"/\" and 6 after" + one},
        {"// my tickets\n", "! t: holds only comments, no ticket"},
        {"", "! t: is empty"},
        {"1,2,3,4,5,6,7\n12\n", "! t:2: the line holds 1 number" + seven},
        {"12\n", "! t:1: the program's count or summary, not a ticket; no line holds a ticket"},
        {"Board,1,2,3,4,5,6,7\n",
         "! t:1: a header counting the columns, not a ticket; no line holds a ticket"},
        {"1,2,3,4,5,6,7\n1 2 combinations\n", "! t:2: \"combinations\" is not a number"},
        {"12\n1,2,3,4,5,6,7\n0000000012=1\n",
         "! t:3: the line holds 1 number after its record number" + seven},
        {"00000012=01,02,03,04,05,06,\n",
         "! t:1: the line holds 6 numbers after its record number" + seven},
        {"# nothing\nn1,n2\n", "! t:2: \"n1\" is not a number; no line holds a ticket"},
        {"{\"tickets\":[[1,2,3,4,5,6,7],", "! t: is not a valid JSON document"},
        {"{\"tickets\":[[1,2,3,4,5,6,7],[1,2,3,4,5,6,40]]}",
         "! t: ticket 2: number 40 is outside 1..39"},
        {"[[1,2,3,4,5,6]]", "! t: no array of seven numbers in the JSON document"},
        {"{\"holds\":false,\"tickets\":6,\"verified_cases\":9,\"uncovered\":2,"
         "\"first_uncovered\":[[1,5,9,15,19,24,28],[1,5,9,15,19,24,30]]}",
         "! t: is the output of a check (holds, first_uncovered), which holds no tickets; give the "
         "ticket file it checked"},
        {"{\"draw_count\":1,\"draws\":[{\"line\":2,\"numbers\":[1,2,3,4,5,6,7]}]}",
         "! t: is the output of a back-test or of the history statistics" + past},
        // The program's outputs that hold no tickets (a reduction check's text:
        // tests/cli/round_trip_test.cpp), and a ticket check's that are cut or spoilt.
        {"\nguarantee 3 if 4 fails for the 2 tickets of a.txt: 185 of 210 4-subsets uncovered\n",
         "! t:2: " + check},
        {"holds,tickets,cases,uncovered,repeated\r\nno,2,210,185,0\r\n", "! t:1: " + check},
        {"Back-test of the active filters on 150 draws from h.csv\n",
         "! t:1: is the output of a back-test" + past},
        {"filter,label,parameter,draws_kept,draw_share,combinations_kept,combination_share,"
         "expected_draws_kept,p_value\n",
         "! t:1: is the output of a back-test" + past},
        {"# mine\nHistory statistics of 150 draw(s) from h.csv, ordered by date\n",
         "! t:2: is the output of the history statistics" + past},
        {"section,name,value,count,expected,since_last,longest_gap,combinations,kept\n",
         "! t:1: is the output of the history statistics" + past},
        {"stored\n36\n", "! t:1: is the output of a count run without its combinations, which "
                         "holds no tickets (--page and --sample print them)"},
        {"number,count\n1,28\n",
         "! t:1: is the output of a count run's number statistics, which holds no tickets"},
        {"Ticket check: 1 ticket(s) from t.txt against the draw given\n",
         "! t: is the output of a ticket check without its table of tickets"},
        {Check + "  1  01 02 03 04 05 06 07  0  0  0  1\n",
         "! t:4: is no row of the ticket check's table (the ticket's line, its seven numbers and "
         "the counts)"},
        {Check + "  1  01 02 03 04 05 06 40  0  0  0  1  0\n", "! t:4: number 40 is outside 1..39"},
        {CheckCsv + "ticket,1,1 2 3 4 5 6 6,0,0,0,0,0,0,1,0,\n", "! t:2: number 6 appears twice"},
        {CheckCsv + "ticket,1\n", "! t:2: the row of a ticket has no field of numbers"},
        {CheckCsv + "observed,,,0,1,0,0,0,0,1,0,0.178814\n",
         "! t: is the output of a ticket check without its rows of tickets"},
        // A ticket added after a check's tickets is never passed over.
        {Check + "  1  01 02 03 04 05 06 07  0  0  0  1  0\n\nhits  ticket-draws  expected\n"
                 "   0             1      1.31\n1, 1, 1, 1, 1, 1, 1, 1, 99\n",
         "! t:8: stands after the table of the ticket check's tickets, which holds them all; put a "
         "ticket added to it in the table or in a file of its own"},
        {CheckCsv + "ticket,1,1 2 3 4 5 6 7,0,0,0,0,0,0,1,0,\n1, 1, 1, 1, 1, 1, 1, 1, 1, 99\n",
         "! t:3: holds numbers where the ticket check's rows name their kind; put a ticket added "
         "to it in a row of kind \"ticket\" or in a file of its own"},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(read_as(text), want) << text;
    EXPECT_EQ(read_as("1,2,3,4,5,6,45\n", 44), "! t:1: number 45 is outside 1..44");
}

// An endless device is refused at the cap, with the cap named (the other file cases, which the
// history reader shares: history_test.cpp).
TEST(Tickets, AnEndlessDeviceIsRefusedAtTheCap) {
#ifndef _WIN32
    EXPECT_EQ(read_tickets("/dev/zero").error,
              "/dev/zero: is too large for a ticket or wheel file (over 128 MB, some six million "
              "tickets)");
#endif
}

} // namespace
} // namespace lotto
