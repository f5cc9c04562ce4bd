// Draw history: past draws read from a text file, one draw per line, in the layouts results
// are published in (comma, semicolon or tab separated; the seven numbers in seven fields or
// together in one field; labels, dates, bonus numbers and further fields around them).
#pragma once

#include "analysis/draw_date.h"
#include "engine/measure.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

struct Draw {
    uint32_t line = 0;            // line number in the file, counting from 1
    Combination numbers{};        // sorted ascending
    std::optional<DrawDate> date; // the line's first date, when it holds one
    uint8_t bonus = 0;            // the bonus number, with bonus_column; 0 = none
    // The field's further bonus numbers, where a game draws two to four (0 = none).
    std::array<uint8_t, 3> more_bonus{};
    uint32_t counter = 0; // the draw's number from a leading draw-number field; 0 = none
};

// How many bonus numbers the draw has: 0 to 4.
inline int bonus_count(const Draw& d) {
    int n = d.bonus != 0;
    for (uint8_t b : d.more_bonus) n += b != 0;
    return n;
}

struct HistoryOptions {
    int first_column = 0;        // 1-based field holding the first number; 0 = find the numbers
    int last_column = 0;         // 1-based field holding the last; == first_column: one field
    bool skip_bad_lines = false; // skip lines without a draw instead of failing
    uint32_t highest = 39;       // N of the game 7/N: every number lies in 1..N
    int bonus_column = 0;        // 1-based field holding the bonus numbers (1..4); 0 = none
    // The game was named (--game): a number above N is then not met with a hint to name it.
    bool game_named = false;
};

struct SkippedLine {
    uint32_t line = 0;
    std::string why;
};

struct History {
    std::vector<Draw> draws;
    std::vector<SkippedLine> skipped; // only with skip_bad_lines
    // Draws found on lines where more than seven numbers stand in a row with no draw counter
    // before them, or fourteen not read as two draws (the first seven taken), and the first such
    // line; 0 when none.
    uint32_t longer_runs = 0, first_longer_run = 0;
    // Lines read as two draws of their date, and the first such line (0 when none): with no
    // bonus_column, exactly fourteen numbers in 1..N stand in a row after the line's date and
    // each seven differ, as where a game draws twice on one day and both stand on one line. The
    // two draws keep their order, whatever the order of the lines.
    uint32_t two_draw_lines = 0, first_two_draw_line = 0;
    // Draws whose lines hold what looks like a date but does not read as one (a field, or a
    // bracketed part of one, with a year among one or two more numbers and other characters),
    // and the first such line; 0 when none.
    uint32_t unread_dates = 0, first_unread_date = 0;
    // The names of the fields read when the file's header named them (options naming no
    // columns): the first and the last of the seven numbers ("N1", "N7"; one name twice when one
    // field holds them all), and the bonus number's ("" when none). All "" when not so read.
    std::string named_first, named_last, named_bonus;
    std::string error; // "" when read; else one line naming file, line and fault
    bool ok() const { return error.empty(); }
};

// Reads the draws of the text; name is what messages call it (the file name). When the options
// name neither the numbers' fields nor the bonus number's, a header that names them decides them
// (named_first and the like say so), unless some line after it does not read by them.
History parse_history(std::string_view text, std::string_view name, const HistoryOptions& o);

// "; if the game is 7/N, give --game 7/N first", N the largest whole number of the text (its runs
// of digits) above highest and at most the largest game's; "" when none is.
std::string history_game_hint(std::string_view text, uint32_t highest);

// Reads the file at path: missing, unreadable, empty files and directories are errors.
History read_history(const std::string& path, const HistoryOptions& o);

} // namespace lotto
