// The date on a line of a draw history: the first token that reads as a calendar date in one of
// the common layouts, "2013-04-05" (also with '/' or '.', and "2013.04.05." with a dot after it),
// "05.04.2013", "05/04/2013", "05-04-2013", "4/5/2013", any of these with a two-digit year
// ("05.04.13": 00..69 are 20xx, 70..99 19xx), or with the month's name ("5-Apr-2013", or the
// three tokens "5 Apr 2013", "Apr 5, 2013", "2. Januar 2015", "2 de enero de 2015": English,
// German, French, Spanish, Italian, Dutch, Polish and Swedish names and their abbreviations,
// where they name one month only), or three numbers ending in dots ("26. 6. 2026",
// "2026. 06. 26."); brackets around a date are no part of it ("(26/06/2026):"). Slashed and
// dashed dates are read day first, as most of the world writes them, unless only month first
// makes a date ("4/25/2013"); settle_slashed_dates then reads the file's other such dates month
// first too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

struct DrawDate {
    uint16_t year = 0;
    uint8_t month = 0; // 1..12
    uint8_t day = 0;   // 1..31
    // How a slashed date, or one written with spaces with its year last, was read: neither; both
    // parts 12 or less, read day first though month first may be meant; day first, the only
    // reading; month first, the only reading.
    enum class Slash : uint8_t { None, Ambiguous, DayFirst, MonthFirst };
    Slash slash = Slash::None;

    // The date as a number that grows with time: year * 10000 + month * 100 + day.
    uint32_t key() const { return year * 10000u + month * 100u + day; }
};

// The date the token holds, if it reads as one (years 1900..2199, a real day of the month).
std::optional<DrawDate> parse_draw_date(std::string_view token);

// The first token of the line that reads as a date.
std::optional<DrawDate> find_draw_date(std::string_view line);

// Three whole numbers separated by spaces that open the first field of a line, the first or the
// last a year of four digits (1900..2199): a date written with spaces, "2024 01 05" (year, month,
// day) or "05 01 2024" and "5 1 2024" (day first, or month first when only that makes a date, and
// marked so, as slashed dates are), or numbers that only look like one.
struct SpacedDate {
    uint16_t year = 0;            // 0: the line does not open so
    std::optional<DrawDate> date; // the date, when the three make one
};
SpacedDate spaced_date(std::string_view line);

// The same for three leading fields that each hold one whole number: a date whose year, month
// and day stand in fields of their own, "2024,1,5" or "5;1;2024", read as spaced_date reads it.
SpacedDate fields_date(std::string_view line);

// The date that a year (four digits, or two as in "05.04.13"), a month (a number or its name)
// and a day, each given apart, make.
std::optional<DrawDate> date_of_parts(std::string_view year, std::string_view month,
                                      std::string_view day);

// Settles the ambiguous slashed dates of one file: when some slashed date can only be read month
// first and none only day first, every ambiguous one is read month first too.
void settle_slashed_dates(std::vector<DrawDate*>& dates);

// The date as "2013-04-05".
std::string date_text(const DrawDate& d);

} // namespace lotto
