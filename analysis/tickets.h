// Ticket files: one ticket of seven numbers a line, in any of the layouts the program writes (the
// export's "01, 02, 03, 04, 05, 06, 07" lines, the viewer's "00000001=01,02,...,07," lines, CSV
// rows with a record or ticket number before the seven numbers, the wheel outputs, the JSON
// documents) or plainly separated by commas, semicolons, tabs or spaces.
#pragma once

#include "engine/measure.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

struct Ticket {
    uint32_t line = 0;     // line number in the file, counting from 1
    Combination numbers{}; // sorted ascending
};

// A ticket holding the same numbers as an earlier one: its line and the earlier one's.
struct TicketRepeat {
    uint32_t line = 0;
    uint32_t of = 0;
};

// The first five repeats as "line 8 (line 2), line 9 (line 3)", followed by " ..." when there
// are more.
std::string repeats_text(const std::vector<TicketRepeat>& repeats);

struct TicketFile {
    std::vector<Ticket> tickets; // in file order
    std::string error;           // "" when read; else one line naming the file (and line)
    bool ok() const { return error.empty(); }
};

// Reads the tickets of the text; name is what messages call it. Blank lines, lines starting with
// '#', header lines before the first ticket (no field begins with a digit) and the lines the count
// run prints around its tickets (the count alone on the first line, as -q prints it, the export's
// "Exported ..." line and the statistics' lines) are passed over. A
// line holds seven numbers, or eight when the first is a record or ticket number (a viewer line
// "00000001=01,...", or a row under a header of eight columns such as "index,n1,...,n7"); each
// number lies in 1..highest and none is repeated; no-break spaces separate numbers as spaces do.
// A line with two runs of numbers (two tickets, "... | ...") or with a number after its seven
// ("+ 5") is refused, neither run read. Any other line is an error "NAME:LINE: what is wrong"; a
// text with no ticket is an error too. A text opening with '{' or '[' is a JSON
// document whose arrays of seven whole numbers are the tickets, each numbered by its place: those
// of its "tickets" array when it has one, else of its "sample", else of its "page", else of the
// whole document; a check's, a back-test's and the history statistics' documents hold none.
// So do their text and CSV outputs and a count run's without its combinations, told by their first
// line and refused ("NAME:LINE: is the output of ..."); a ticket check's text and CSV hold their
// tickets in the rows of its table of each ticket's hits, the draws and totals around it aside.
TicketFile parse_tickets(std::string_view text, std::string_view name, uint32_t highest = 39);

// Reads the file at path: missing, unreadable, empty files and directories are errors.
TicketFile read_tickets(const std::string& path, uint32_t highest = 39);

} // namespace lotto
