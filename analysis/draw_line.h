// The draw on one line of a history: the seven numbers found automatically (the first seven of the
// first run of at least seven tokens that are whole numbers in 1..N, N = highest) or read from
// named fields, and, when the line holds none, a short text saying what is wrong.
#pragma once

#include "analysis/line_tokens.h"
#include "engine/measure.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace lotto::history {

// The second draw of a line whose run of numbers, found automatically, holds exactly fourteen: the
// seven after the first seven, sorted, when they differ and are not all single digits in a game of
// 16 numbers or more (found), and where the run starts in the line (a byte offset).
struct SecondDraw {
    bool found = false;
    Combination numbers{};
    std::size_t run_start = 0;
    // Where the draw's first number stands, whenever a draw is found automatically: its field
    // (1-based) and its place among that field's tokens (from 0).
    int run_field = 0, run_token = 0;
};

// Reads the line's draw into numbers, sorted: found automatically when first_column is 0 (the
// fields counter_field and bonus_field, when not 0, holding a draw counter and a bonus number
// that are never among the seven), else from the fields first_column..last_column (1-based; one
// field holding all seven when equal). Returns false and says why when the line holds no draw.
// Found automatically, *longer_run (when given) says whether an eighth number in 1..N follows
// the seven in their run while no draw counter (counter_field) stands before the run, or the run
// holds exactly fourteen, which leaves it open which seven are the draw, and the first date_tokens
// tokens of the line (a date written with spaces) are never among the seven; *second (when given)
// holds the line's second draw, if any (SecondDraw).
bool read_draw(std::string_view line, int first_column, int last_column, int counter_field,
               Combination& numbers, std::string& why, uint32_t highest = 39, int bonus_field = 0,
               bool* longer_run = nullptr, int date_tokens = 0, SecondDraw* second = nullptr);

// The whole number (capped at cap) that a field, number field_number (1-based) of its line, holds
// as its only token, else NotWhole.
int lone_number(std::string_view field, int field_number, int cap = LargeWhole);

// The whole number (capped at cap) that field field_number (1-based) holds as its only token,
// else NotWhole.
int single_number_field(std::string_view line, int field_number, int cap = LargeWhole);

// Whether the line reads as a title or a column header: no token is a whole number, or every
// non-empty field begins with something other than a digit ("Draw,Date,Ball 1,...,Ball 7").
bool looks_like_header(std::string_view line);

// The text as a one-line message shows it: in double quotes, at most 20 bytes (cut at a character
// boundary, "..." marking the cut), control characters as \xNN.
std::string shown(std::string_view text);

} // namespace lotto::history
