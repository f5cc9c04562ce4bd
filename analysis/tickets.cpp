#include "analysis/tickets.h"

#include "analysis/draw_line.h"
#include "analysis/line_tokens.h"
#include "analysis/text_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace lotto {

namespace {

// The largest ticket or wheel file read, far above any real list of tickets (an export of
// every 7/39 combination, 431 MB, is none): a file or endless device beyond it is refused.
constexpr std::size_t MaxFileBytes = std::size_t{128} << 20;

// Numbers of a line beyond the eight a ticket line may hold are not looked at.
constexpr int MostNumbers = 9;

bool is_separator(char c) {
    return c == ',' || c == ';' || c == '\t' || c == ' ' || c == '=' || c == '"';
}

// Whether the '#' at place i of the line begins a ticket's number ("#1: 3 9 19 ..."), not a
// comment.
bool numbered_label(std::string_view line, std::size_t i) {
    return i + 1 < line.size() && line[i + 1] >= '0' && line[i + 1] <= '9';
}

// Where a comment begins in the line, '#' or "//" (npos when none); "#1: 3 9 19 ..." begins with a
// label, not a comment.
std::size_t comment_start(std::string_view line) {
    std::size_t hash = line.find('#');
    if (hash != std::string_view::npos && numbered_label(line, hash))
        hash = line.find('#', hash + 1);
    return std::min(hash, line.find("//"));
}

bool is_blank_or_comment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (!is_separator(line[i]) && line[i] != '\r') return i == comment_start(line);
    return true;
}

TicketFile failure(std::string message) {
    TicketFile f;
    f.error = std::move(message);
    return f;
}

// How many fields the line has.
int field_count(std::string_view line) {
    history::Fields fields(line);
    int count = 0;
    for (std::string_view field; fields.next(field);) ++count;
    return count;
}

// A header that counts the columns of the numbers after a name for the first
// ("Board,1,2,3,4,5,6,7"), as a spreadsheet's first row may: not the ticket 1..7.
bool counts_columns(std::string_view line) {
    history::Fields fields(line);
    std::string_view field;
    if (!fields.next(field) || field.empty() || history::whole_number(field) != history::NotWhole)
        return false;
    for (int n = 1; n <= 7; ++n)
        if (!fields.next(field) || history::whole_number(field) != n) return false;
    return !fields.next(field);
}

// How many numbers the token joins with single dots or slashes ("1.2.3.4.5.6.7", "1/2/3"), 0 when
// it is anything else. Such numbers are not read: a date or an amount joins numbers so too.
std::size_t dotted_numbers(std::string_view token) {
    const std::size_t parts = history::numbers_joined(token, "./");
    return parts == 1 ? 0 : parts;
}

// What is wrong with a token of the line that joins as many numbers with dots or slashes as a
// ticket's numbers joined by dashes (a ticket written so, never a header), or "" when none does.
std::string dotted_ticket(std::string_view line) {
    std::string why;
    history::for_each_token(line, [&](std::string_view token, int) {
        if (dotted_numbers(token) >= history::MinimumDashed)
            why = history::shown(token) +
                  " joins numbers with dots or slashes, which are not read: put spaces, commas or "
                  "dashes between a ticket's numbers";
        return why.empty();
    });
    return why;
}

// Whether a header names a ticket's number and its seven numbers: eight fields, or nine ending in
// "added" (a repaired wheel's table, whose rows end in yes or no).
bool names_numbered_columns(std::string_view header) {
    const int fields = field_count(header);
    if (fields == 8) return true;
    std::string_view last = header.substr(0, header.find_last_not_of(" \t\r") + 1);
    last = last.substr(last.find_last_of(",;\t ") + 1);
    return fields == 9 && last == "added";
}

// Reads the ticket of one line into numbers, or says why the line holds none. Eight numbers are a
// ticket when the first stands before '=' (a viewer line, which needs all eight) or when numbered
// is set (a table whose header names eight columns, the first for the record or ticket number).
// labelled says that a label stood before the line's numbers, as why then says.
bool read_ticket(std::string_view line, uint32_t highest, bool numbered, Combination& numbers,
                 std::string& why, bool labelled = false) {
    int values[MostNumbers];
    int count = 0;
    const std::size_t equals = line.find('=');
    const bool viewer_line =
        equals != std::string_view::npos && line.find_first_not_of(" 0123456789") == equals;
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && (is_separator(line[i]) || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && !is_separator(line[i]) && line[i] != '\r') ++i;
        if (i == start) break;
        const std::string_view token = line.substr(start, i - start);
        if (token == "-") continue; // "5 - 8 - 9": a dash between numbers
        bool too_many = false;
        const bool all_numbers = history::for_each_part(token, [&](std::string_view part) {
            const int value = history::whole_number(part);
            if (value == history::NotWhole) return false;
            if (count == MostNumbers) return too_many = true, false;
            values[count++] = value;
            return true;
        });
        if (too_many) {
            ++count;
            break;
        }
        if (!all_numbers) {
            why = history::shown(token) + " is not a number";
            return false;
        }
    }
    // A viewer line's record number before '=' is never one of the seven.
    if (viewer_line ? count != 8 : count != 7 && !(count == 8 && numbered)) {
        const int held = viewer_line ? count - 1 : count;
        why = "the line holds " +
              (held > 8    ? std::string("more than eight numbers")
               : held == 1 ? std::string("1 number")
                           : std::to_string(held) + " numbers") +
              (viewer_line ? " after its record number"
               : labelled  ? " after its label"
                           : "") +
              "; a ticket holds seven";
        return false;
    }
    const int* first = values + (count - 7); // a record or ticket number stands before the seven
    for (int i = 0; i < 7; ++i) {
        if (first[i] < 1 || static_cast<uint32_t>(first[i]) > highest) {
            why =
                "number " + std::to_string(first[i]) + " is outside 1.." + std::to_string(highest);
            return false;
        }
        numbers[i] = static_cast<uint8_t>(first[i]);
    }
    std::sort(numbers.begin(), numbers.end());
    for (int i = 1; i < 7; ++i)
        if (numbers[i] == numbers[i - 1]) {
            why = "number " + std::to_string(numbers[i]) + " appears twice";
            return false;
        }
    return true;
}

// The line without the spaces and the carriage return around it.
std::string_view trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

bool all_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether the line is one the count run prints around the tickets of its page or sample, which a
// ticket file may keep: the count alone that -q prints first (first is set for the file's first
// line of content), the export's "Exported PATH: 336 bytes in 0.001 seconds", and the statistics'
// "12 combinations" (or "1 combination") and "0000000012=05" lines.
bool is_run_line(std::string_view line, bool first) {
    line = trimmed(line);
    if (first && all_digits(line)) return true;
    for (const std::string_view noun : {" combinations", " combination"})
        if (line.ends_with(noun)) return all_digits(line.substr(0, line.size() - noun.size()));
    if (line.size() == 13 && line[10] == '=')
        return all_digits(line.substr(0, 10)) && all_digits(line.substr(11));
    if (!line.starts_with("Exported ") || !line.ends_with(" seconds")) return false;
    const std::size_t colon = line.rfind(": ");
    if (colon == std::string_view::npos) return false;
    const std::string_view rest = line.substr(colon + 2); // "336 bytes in 0.001 seconds"
    const std::size_t bytes = rest.find(" bytes in ");
    if (bytes == std::string_view::npos || !all_digits(rest.substr(0, bytes))) return false;
    const std::string_view seconds = rest.substr(bytes + 10, rest.size() - bytes - 18);
    const std::size_t point = seconds.find('.');
    return point != std::string_view::npos && all_digits(seconds.substr(0, point)) &&
           all_digits(seconds.substr(point + 1));
}

// A label followed by this many numbers or more is a ticket someone typed, never a title or a
// header line: what is wrong with it is said about its numbers.
constexpr int LeastTypedNumbers = 4;

// Calls visit(word, place) for each word of the line as read_ticket cuts it, place being where the
// word begins.
template <class Visit> void for_each_word(std::string_view line, Visit&& visit) {
    for (std::size_t i = 0; i < line.size();) {
        while (i < line.size() && (is_separator(line[i]) || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && !is_separator(line[i]) && line[i] != '\r') ++i;
        if (i == start) break; // spaces end the line
        visit(line.substr(start, i - start), start);
    }
}

// How many numbers the word stands for: 0 for a dash standing alone, -1 for a word that is no
// number.
int numbers_in(std::string_view word) {
    if (word == "-") return 0;
    int count = 0;
    const bool numbers = history::for_each_part(word, [&](std::string_view part) {
        ++count;
        return history::whole_number(part) != history::NotWhole;
    });
    return numbers ? count : -1;
}

// A run of numbers in a line: where it begins and ends, and how many numbers it holds.
struct Run {
    std::size_t begin = 0, end = 0;
    int numbers = 0;
};

// A line as a person types a ticket: a label ("Ticket 12:", "Row A)"), the last run of numbers
// (dashes standing alone among them) and words after it ("lucky").
struct TypedLine {
    std::string_view label, run;
    int numbers = 0; // in the run
    bool label_begins_with_word = false;
    bool words_after = false;
    bool digit_after = false; // in the words after the run: a stray number, perhaps
    std::vector<Run> runs;    // all of the line's, the last one's included
};

TypedLine cut_typed_line(std::string_view line) {
    TypedLine t;
    bool in_run = false, first = true;
    for_each_word(line, [&](std::string_view word, std::size_t at) {
        const int count = numbers_in(word);
        // Numbers joined by dashes too few to stand apart ("1-2-3") are no word.
        if (first) t.label_begins_with_word = count < 0 && history::dashed_numbers(word) == 0;
        first = false;
        if (count < 0) {
            in_run = false;
            return;
        }
        if (!in_run) t.runs.push_back({at, at, 0}), in_run = true;
        t.runs.back().numbers += count;
        t.runs.back().end = at + word.size();
    });
    const Run last = t.runs.empty() ? Run{} : t.runs.back();
    const std::size_t begin = last.begin, end = last.end;
    t.numbers = last.numbers;
    t.label = line.substr(0, begin);
    t.run = line.substr(begin, end - begin);
    for_each_word(line.substr(end), [&](std::string_view word, std::size_t) {
        t.words_after = true;
        t.digit_after = t.digit_after || word.find_first_of("0123456789") != std::string_view::npos;
    });
    return t;
}

// The run without a leading ticket number and the dash standing alone after it ("Ticket 2 - 3 9
// 19 ..."); the whole run when it does not begin so or when more dashes stand alone in it, as in
// "3 - 9 - 19 - ...".
std::string_view without_ticket_number(std::string_view run) {
    int place = 0;
    std::size_t rest = 0;
    bool ticket_number = false;
    for_each_word(run, [&](std::string_view word, std::size_t at) {
        if (place == 0) ticket_number = history::whole_number(word) != history::NotWhole;
        if (place == 1) ticket_number = ticket_number && word == "-", rest = at + 1;
        if (place > 1 && word == "-") ticket_number = false;
        ++place;
    });
    return ticket_number && place > 2 ? run.substr(rest) : run;
}

// What stands between two runs of the line, the separators around it aside.
std::string_view between(std::string_view line, const Run& a, const Run& b) {
    std::size_t from = a.end, to = b.begin;
    while (from < to && (is_separator(line[from]) || line[from] == '\r')) ++from;
    while (to > from && (is_separator(line[to - 1]) || line[to - 1] == '\r')) --to;
    return line.substr(from, to - from);
}

// What is wrong with a line holding numbers besides a ticket, or "" when it holds none: two runs of
// numbers, each long enough to be typed as a ticket ("3 9 12 19 25 30 33 | 1 2 4 5 6 7 8", "A: ...
// B: ..."), or seven numbers followed by more that holds a digit ("+ 5", "Superzahl 5", "x2"). No
// run is read then: either may be the ticket meant, or neither.
std::string numbers_besides_ticket(std::string_view line, const std::vector<Run>& runs) {
    const auto typed_run = [](const Run& r) { return r.numbers >= LeastTypedNumbers; };
    const auto second = std::find_if(runs.rbegin(), runs.rend(), typed_run);
    const auto first =
        second == runs.rend() ? runs.rend() : std::find_if(second + 1, runs.rend(), typed_run);
    if (first != runs.rend()) {
        const bool tickets = first->numbers == 7 && second->numbers == 7;
        return "the line holds " +
               std::string(tickets ? "more than one ticket" : "more than one run of numbers") +
               ": " + std::to_string(first->numbers) + " numbers before " +
               history::shown(between(line, *first, *second)) + " and " +
               std::to_string(second->numbers) + " after it; a line holds one ticket of seven";
    }
    const auto seven =
        std::find_if(runs.begin(), runs.end(), [](const Run& r) { return r.numbers == 7; });
    if (seven == runs.end()) return {};
    const std::string_view after = between(line, *seven, Run{line.size(), line.size(), 0});
    if (after.find_first_of("0123456789") == std::string_view::npos) return {};
    return "the line holds " + history::shown(after) +
           " after its seven numbers; a ticket holds seven, and words after them may hold no digit";
}

// Reads the ticket of a line as people type it: the whole line; else the last run of numbers,
// after a label and before words without a digit, and without a ticket number before a lone dash.
// A line whose words after the numbers hold a digit is no ticket: "7 lucky 8" may be a stray
// number. When the whole line is no ticket, why says why; about the run's numbers when they are a
// ticket someone typed (typed is set then), else about the first word that is no number.
bool read_typed_line(std::string_view line, uint32_t highest, bool numbered, Combination& numbers,
                     std::string& why, bool& typed) {
    typed = false;
    if (read_ticket(line, highest, numbered, numbers, why)) return true;
    const TypedLine t = cut_typed_line(line);
    if (std::string stray = numbers_besides_ticket(line, t.runs); !stray.empty()) {
        why = std::move(stray);
        typed = true;
        return false;
    }
    // A label beginning with a number ("1 2 x 4 5 6 ...") may hold numbers of the ticket.
    const bool plain_label = t.label.empty() || t.label_begins_with_word;
    if (t.digit_after || (t.words_after && !plain_label)) return false;
    std::string run_why;
    // A table's row may give its ticket's number first, and words after ("yes" of `added`).
    if (read_ticket(without_ticket_number(t.run), highest, numbered && t.label.empty(), numbers,
                    run_why, !t.label.empty())) {
        // A label holding numbers side by side ("1 2 x 4 5 6 ..."): the run is no whole ticket.
        const auto side_by_side = [](const Run& r) { return r.numbers > 1; };
        if (std::none_of(t.runs.begin(), t.runs.end() - 1, side_by_side)) return true;
        const Run& before = *std::find_if(t.runs.rbegin() + 1, t.runs.rend(), side_by_side);
        why = history::shown(between(line, before, t.runs.back())) +
              " is not a number, and the line holds " + std::to_string(before.numbers) +
              " numbers before it and " + std::to_string(t.numbers) +
              " after; a ticket holds seven";
        typed = true;
        return false;
    }
    typed = t.numbers >= LeastTypedNumbers && plain_label && (!t.label.empty() || t.words_after);
    if (typed) why = std::move(run_why);
    return false;
}

// The line without a note in brackets at its end ("3 9 19 23 24 25 28 (birthdays)").
std::string_view without_closing_note(std::string_view line) {
    const std::size_t last = line.find_last_not_of(" \t\r");
    if (last == std::string_view::npos || line[last] != ')') return line;
    const std::size_t open = line.rfind('(', last);
    return open == std::string_view::npos ? line : line.substr(0, open);
}

// The tickets of a JSON document: every array of seven whole numbers in its "tickets" array when
// it has one, else in its "sample", else in its "page", else in the whole document, in the
// document's order; a ticket's line is its place among them, counting from 1. A check's document
// holds no tickets.
TicketFile parse_json_tickets(std::string_view text, std::string_view name, uint32_t highest) {
    const auto doc = nlohmann::ordered_json::parse(text, nullptr, false);
    if (doc.is_discarded()) return failure(std::string(name) + ": is not a valid JSON document");
    TicketFile f;
    const auto walk = [&](const auto& self, const nlohmann::ordered_json& j) -> void {
        if (!f.error.empty()) return;
        const bool ticket =
            j.is_array() && j.size() == 7 && std::all_of(j.begin(), j.end(), [](const auto& n) {
                return n.is_number_integer() && n.template get<int64_t>() >= 0 &&
                       n.template get<int64_t>() < 1000;
            });
        if (!ticket) {
            if (j.is_structured())
                for (const auto& element : j) self(self, element);
            return;
        }
        std::string line, why;
        for (const auto& n : j) line += std::to_string(n.template get<int64_t>()) + " ";
        Ticket t{static_cast<uint32_t>(f.tickets.size() + 1), {}};
        if (read_ticket(line, highest, false, t.numbers, why))
            f.tickets.push_back(t);
        else
            f.error = std::string(name) + ": ticket " + std::to_string(t.line) + ": " + why;
    };
    if (doc.is_object() && doc.contains("holds") && doc.contains("first_uncovered"))
        return failure(std::string(name) +
                       ": is the output of a check (holds, first_uncovered), which holds no "
                       "tickets; give the ticket file it checked");
    if (doc.is_object() && doc.contains("draw_count") && !doc.contains("tickets"))
        return failure(std::string(name) +
                       ": is the output of a back-test or of the history statistics, whose "
                       "numbers are past draws, not tickets");
    // A document with a "tickets" array (the wheel's, the ticket check's) holds its tickets there
    // only: the ticket check's draws are no tickets. The count run's holds its sample, its page
    // or both: the sample is the tickets drawn, the page a view of the result.
    const nlohmann::ordered_json* list = &doc;
    if (doc.is_object())
        for (const char* key : {"tickets", "sample", "page"})
            if (const auto at = doc.find(key); at != doc.end() && at->is_structured()) {
                list = &*at;
                break;
            }
    walk(walk, *list);
    if (!f.error.empty()) return failure(std::move(f.error));
    if (f.tickets.empty())
        return failure(std::string(name) + ": no array of seven numbers in the JSON document");
    return f;
}

// The program's outputs that a ticket file may be made of, told by their first line, besides those
// the line-by-line reading takes (the count run's pages, samples and exports, the wheel outputs).
enum class Output { Other, TicketCheck, TicketCheckCsv, NoTickets };

struct OutputStart {
    std::string_view start; // how the first line begins
    bool whole;             // the first line is start and nothing more (a CSV header)
    Output output;
    std::string_view what; // with NoTickets: what the output is, and that it holds no tickets
};

constexpr std::string_view BacktestOutput =
    "is the output of a back-test, whose numbers are past draws, not tickets";
constexpr std::string_view HistoryStatsOutput =
    "is the output of the history statistics, whose numbers are past draws, not tickets";
constexpr std::string_view CheckOutput =
    "is the output of a check, which holds no tickets; give the ticket file it checked";
constexpr std::string_view CountOutput = "is the output of a count run without its combinations, "
                                         "which holds no tickets (--page and --sample print them)";

constexpr OutputStart OutputStarts[] = {
    {"kind,line,numbers,hits_0,hits_1,hits_2,hits_3,hits_4,hits_5,hits_6,hits_7,p_value",
     true,
     Output::TicketCheckCsv,
     {}},
    {"Back-test of the active filters on ", false, Output::NoTickets, BacktestOutput},
    {"filter,label,parameter,draws_kept,draw_share,combinations_kept,combination_share,"
     "expected_draws_kept,p_value",
     true, Output::NoTickets, BacktestOutput},
    {"History statistics of ", false, Output::NoTickets, HistoryStatsOutput},
    {"section,name,value,count,expected,since_last,longest_gap,combinations,kept", true,
     Output::NoTickets, HistoryStatsOutput},
    {"holds,tickets,cases,uncovered,repeated", true, Output::NoTickets, CheckOutput},
    {"stored", true, Output::NoTickets, CountOutput},
    {"stored,seconds", true, Output::NoTickets, CountOutput},
    {"number,count", true, Output::NoTickets,
     "is the output of a count run's number statistics, which holds no tickets"},
};

// Whether the line is the first of a ticket check's text: "Ticket check: 2 ticket(s) from t.txt
// against ...".
bool ticket_check_title(std::string_view line) {
    return line.starts_with("Ticket check: ") &&
           line.find(" ticket(s) from ") != std::string_view::npos &&
           line.find(" against ") != std::string_view::npos;
}

// Whether the line is the first of a check's text: "guarantee 3 if 4 fails for the 2 tickets of
// ..." or "reduction to 4 matches holds for the ...".
bool check_title(std::string_view line) {
    return (line.starts_with("guarantee ") || line.starts_with("reduction to ")) &&
           (line.find(" holds for the ") != std::string_view::npos ||
            line.find(" fails for the ") != std::string_view::npos);
}

// Which of the program's outputs the text is, by its first line that is neither blank nor a
// comment (set into first, with its number); what says what a NoTickets output is.
Output own_output(std::string_view text, uint32_t& first, std::string& what) {
    Output output = Output::Other;
    for_each_line(text, [&](std::string_view line, uint32_t number) {
        if (is_blank_or_comment(line)) return true;
        first = number;
        line = trimmed(line);
        if (ticket_check_title(line)) {
            output = Output::TicketCheck;
            return false;
        }
        if (check_title(line)) {
            output = Output::NoTickets, what = CheckOutput;
            return false;
        }
        for (const OutputStart& s : OutputStarts)
            if (s.whole ? line == s.start : line.starts_with(s.start)) {
                output = s.output, what = s.what;
                return false;
            }
        return false;
    });
    return output;
}

// The tickets of a ticket check's text: the rows of its table of each ticket's hits, each its
// ticket's line in the checked file, the seven numbers and the counts (5, or 9 with the bonus);
// a ticket's line is its row's line. The other tables (the draws, the totals) hold no tickets.
TicketFile parse_check_text(std::string_view text, std::string_view name, uint32_t highest) {
    TicketFile f;
    enum { Before, Header, Rows, After } place = Before;
    for_each_line(text, [&](std::string_view line, uint32_t number) {
        if (!f.error.empty()) return;
        // After the table, a line of seven numbers or more is a ticket added to the file, which
        // is never passed over; the output's own lines after it hold fewer.
        if (place == After) {
            std::size_t numbers = 0;
            history::for_each_token(line, [&](std::string_view token, int) {
                return (numbers += history::whole_number(token) != history::NotWhole) < 7;
            });
            if (numbers >= 7)
                f.error = std::string(name) + ":" + std::to_string(number) +
                          ": stands after the table of the ticket check's tickets, which holds "
                          "them all; put a ticket added to it in the table or in a file of its own";
            return;
        }
        if (place == Before) {
            if (line.starts_with("Draws in which each ticket hit ")) place = Header;
            return;
        }
        if (place == Header) {
            place = Rows;
            return;
        }
        if (trimmed(line).empty()) {
            place = After;
            return;
        }
        if (trimmed(line).starts_with('#')) return; // a comment, as anywhere else
        std::size_t words = 0, from = 0, to = 0;
        bool whole = true;
        for_each_word(line, [&](std::string_view word, std::size_t at) {
            whole = whole && history::whole_number(word) != history::NotWhole;
            if (++words == 2) from = at;
            if (words == 8) to = at + word.size();
        });
        Ticket t{number, {}};
        std::string why;
        if (!whole || (words != 13 && words != 17))
            why = "is no row of the ticket check's table (the ticket's line, its seven numbers "
                  "and the counts)";
        else
            read_ticket(line.substr(from, to - from), highest, false, t.numbers, why);
        if (why.empty())
            f.tickets.push_back(t);
        else
            f.error = std::string(name) + ":" + std::to_string(number) + ": " + why;
    });
    if (!f.error.empty()) return failure(std::move(f.error));
    if (f.tickets.empty())
        return failure(std::string(name) +
                       ": is the output of a ticket check without its table of tickets");
    return f;
}

// The tickets of a ticket check's CSV: the numbers of its rows of kind "ticket"; a ticket's line
// is its row's line. Rows of other kinds (the totals) hold no tickets.
TicketFile parse_check_csv(std::string_view text, std::string_view name, uint32_t highest) {
    TicketFile f;
    for_each_line(text, [&](std::string_view line, uint32_t number) {
        if (!f.error.empty()) return;
        history::Fields fields(line);
        std::string_view kind, ticket_line, numbers;
        if (!fields.next(kind)) return;
        if (history::whole_number(kind) != history::NotWhole) {
            f.error = std::string(name) + ":" + std::to_string(number) +
                      ": holds numbers where the ticket check's rows name their kind; put a "
                      "ticket added to it in a row of kind \"ticket\" or in a file of its own";
            return;
        }
        if (kind != "ticket") return;
        Ticket t{number, {}};
        std::string why;
        if (!fields.next(ticket_line) || !fields.next(numbers))
            why = "the row of a ticket has no field of numbers";
        else if (read_ticket(numbers, highest, false, t.numbers, why))
            f.tickets.push_back(t);
        if (!why.empty()) f.error = std::string(name) + ":" + std::to_string(number) + ": " + why;
    });
    if (!f.error.empty()) return failure(std::move(f.error));
    if (f.tickets.empty())
        return failure(std::string(name) +
                       ": is the output of a ticket check without its rows of tickets");
    return f;
}

} // namespace

TicketFile parse_tickets(std::string_view text, std::string_view name, uint32_t highest) {
    std::string decoded;
    if (std::string fault = as_utf8(text, name, decoded); !fault.empty())
        return failure(std::move(fault));
    if (const std::size_t first = text.find_first_not_of(" \t\r\n");
        first != std::string_view::npos && (text[first] == '{' || text[first] == '['))
        return parse_json_tickets(text, name, highest);
    uint32_t first = 0;
    std::string what;
    switch (own_output(text, first, what)) {
    case Output::TicketCheck: return parse_check_text(text, name, highest);
    case Output::TicketCheckCsv: return parse_check_csv(text, name, highest);
    case Output::NoTickets:
        return failure(std::string(name) + ":" + std::to_string(first) + ": " + what);
    case Output::Other: break;
    }
    TicketFile f;
    bool failed = false, any_content = false, any_comment = false, numbered = false;
    std::string why, first_skipped;
    // Other spaces as plain ones, and en dashes (U+2013, which a word processor makes of a dash
    // between numbers) as dashes standing alone.
    std::string spaced, dashed;
    text = replaced(plain_spaces(text, spaced), {{"\xe2\x80\x93", " - "}}, dashed);
    for_each_line(text, [&](std::string_view line, uint32_t number) {
        if (failed) return;
        if (is_blank_or_comment(line)) {
            any_comment = any_comment || comment_start(line) != std::string_view::npos;
            return;
        }
        if (is_run_line(line, !any_content)) {
            if (first_skipped.empty())
                first_skipped = std::string(name) + ":" + std::to_string(number) +
                                ": the program's count or summary, not a ticket";
            any_content = true;
            return;
        }
        if (!any_content && counts_columns(line)) {
            numbered = true; // the rows may give their board's number first
            first_skipped = std::string(name) + ":" + std::to_string(number) +
                            ": a header counting the columns, not a ticket";
            any_content = true;
            return;
        }
        any_content = true;
        Ticket t{number, {}};
        line = without_closing_note(line.substr(0, comment_start(line)));
        bool typed = false;
        if (read_typed_line(line, highest, numbered, t.numbers, why, typed)) {
            f.tickets.push_back(t);
            return;
        }
        // Header lines stand before the first ticket.
        if (std::string dotted = dotted_ticket(line); !dotted.empty())
            why = std::move(dotted);
        else if (!typed && f.tickets.empty() && history::looks_like_header(line)) {
            numbered = names_numbered_columns(line);
            if (first_skipped.empty())
                first_skipped = std::string(name) + ":" + std::to_string(number) + ": " + why;
            return;
        }
        f.error = std::string(name) + ":" + std::to_string(number) + ": " + why;
        failed = true;
    });
    if (failed) return failure(std::move(f.error));
    if (f.tickets.empty())
        return failure(any_content   ? first_skipped + "; no line holds a ticket"
                       : any_comment ? std::string(name) + ": holds only comments, no ticket"
                                     : std::string(name) + ": is empty");
    return f;
}

std::string repeats_text(const std::vector<TicketRepeat>& repeats) {
    std::string s;
    for (std::size_t i = 0; i < repeats.size(); ++i) {
        if (i == 5) return s + " ...";
        s += (i == 0 ? "line " : ", line ") + std::to_string(repeats[i].line) + " (line " +
             std::to_string(repeats[i].of) + ")";
    }
    return s;
}

TicketFile read_tickets(const std::string& path, uint32_t highest) {
    const TextFile file = read_text_file(
        path, MaxFileBytes,
        "is too large for a ticket or wheel file (over 128 MB, some six million tickets)");
    if (!file.ok()) return failure(file.error);
    return parse_tickets(file.text, path, highest);
}

} // namespace lotto
