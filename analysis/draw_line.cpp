#include "analysis/draw_line.h"

#include "analysis/line_tokens.h"
#include "analysis/printable.h"
#include "engine/mask.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

namespace lotto::history {
namespace {

constexpr std::size_t ShownBytes = 20;

// A whole number as messages show it: without leading zeros, long ones cut short.
std::string number_text(std::string_view digits) {
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
    digits.remove_prefix(first);
    return digits.size() > ShownBytes ? std::string(digits.substr(0, ShownBytes)) + "..."
                                      : std::string(digits);
}

// The range of the game's numbers, "1..N".
std::string draw_range(uint32_t highest) { return "1.." + std::to_string(highest); }

std::string outside(std::string_view token, uint32_t highest) {
    return "number " + number_text(token) + " is outside " + draw_range(highest);
}

std::string in_field(int field, const std::string& why) {
    return "field " + std::to_string(field) + ": " + why;
}

// Checks that the seven numbers differ and sorts them; otherwise says which comes twice.
bool distinct_sorted(Combination& numbers, std::string& why) {
    Mask seen = 0;
    for (uint8_t n : numbers) {
        if (seen & NumberBit[n]) {
            why = "number " + std::to_string(n) + " appears twice";
            return false;
        }
        seen |= NumberBit[n];
    }
    std::sort(numbers.begin(), numbers.end());
    return true;
}

// What is wrong with a line where no seven tokens in a row are numbers in 1..N. The first
// stretch of seven tokens that holds six such numbers and one token X points at X when X is a
// whole number outside 1..N (say 40 or 0 next to six good numbers) or when X stands between good
// numbers, at least two on each side (a label and a date before six numbers are no such case);
// otherwise the count of numbers in 1..N, or the longest row of them, tells.
std::string why_no_run(std::string_view line, uint32_t highest, int date_tokens) {
    std::vector<std::string_view> tokens;
    int skipped = 0;
    for_each_token(line, [&](std::string_view t, int) {
        if (skipped++ >= date_tokens) tokens.push_back(t);
        return true;
    });
    auto good = [&](std::size_t i) { return in_draw_range(whole_number(tokens[i]), highest); };
    for (std::size_t start = 0; start + 7 <= tokens.size(); ++start) {
        std::size_t bad = 0, bad_count = 0;
        for (std::size_t i = start; i < start + 7; ++i)
            if (!good(i)) bad = i, ++bad_count;
        if (bad_count != 1) continue;
        if (whole_number(tokens[bad]) != NotWhole) return outside(tokens[bad], highest);
        if (bad < start + 2 || bad > start + 4) continue;
        return tokens[bad].empty() ? "an empty field stands between the numbers"
                                   : shown(tokens[bad]) + " between the numbers is not a number";
    }
    std::size_t count = 0, row = 0, longest = 0, above = 0;
    bool any_whole = false;
    int top = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int value = whole_number(tokens[i]);
        count += good(i), any_whole |= value != NotWhole;
        row = good(i) ? row + 1 : 0, longest = std::max(longest, row);
        if (value > static_cast<int>(highest) && value <= 64) ++above, top = std::max(top, value);
    }
    if (!any_whole) return "no numbers found";
    const std::string range = " in " + draw_range(highest);
    // "only 1 number in 1..N", "only 2 numbers in 1..N".
    const auto only = [&](std::size_t n) {
        return "only " + std::to_string(n) + (n == 1 ? " number" : " numbers") + range;
    };
    if (count == 0) return "no numbers" + range + " found";
    if (count < 7 && count + above >= 7)
        return only(count) + " found, and " + std::to_string(above) + " more up to " +
               std::to_string(top) + ": for a game of more numbers give --game 7/N";
    if (count < 7) return only(count) + " found";
    return only(longest) + (longest == 1 ? " stands" : " stand") + " in a row";
}

// The first seven of the first run of at least seven numbers in 1..N; the tokens of the fields
// counter_field and bonus_field (0: none) and the first date_tokens tokens break runs. longer_run
// says whether an eighth follows while no draw counter stands before the run, which would show
// that the draw starts where the run does, or the run holds exactly fourteen (perhaps two draws:
// second then holds the other seven).
bool find_draw(std::string_view line, int counter_field, int bonus_field, int date_tokens,
               uint32_t highest, Combination& numbers, std::string& why, bool& longer_run,
               SecondDraw& second) {
    constexpr int Two = 14;
    std::array<uint8_t, Two> run_numbers{};
    int run = 0, index = 0, last_field = 0, in_field = 0, start_field = 0, start_token = 0;
    bool counter_before = false;
    std::size_t start = 0;
    for_each_token(line, [&](std::string_view token, int field) {
        in_field = field == last_field ? in_field + 1 : 0, last_field = field;
        const int value = whole_number(token);
        const bool number = index++ >= date_tokens && in_draw_range(value, highest) &&
                            field != counter_field && field != bonus_field;
        if (run >= 7 && !number) return false;
        if (!number) return run = 0, counter_before |= field == counter_field, true;
        if (run == 0)
            start = static_cast<std::size_t>(token.data() - line.data()), start_field = field,
            start_token = in_field;
        if (run < Two) run_numbers[static_cast<std::size_t>(run)] = static_cast<uint8_t>(value);
        return ++run <= Two;
    });
    longer_run = run > 7 && (!counter_before || run == Two);
    second = {};
    if (run < 7) {
        why = why_no_run(line, highest, date_tokens);
        return false;
    }
    std::copy_n(run_numbers.begin(), 7, numbers.begin());
    second.run_field = start_field, second.run_token = start_token;
    if (run == Two) {
        std::string ignored;
        std::copy_n(run_numbers.begin() + 7, 7, second.numbers.begin());
        // Seven single digits after the draw are a digit game drawn beside it (a "Joker"), not
        // a second draw, in any game where a draw of digits only is all but impossible.
        const bool digits = std::all_of(second.numbers.begin(), second.numbers.end(),
                                        [](uint8_t n) { return n <= 9; });
        second.found = (!digits || highest < 16) && distinct_sorted(second.numbers, ignored);
        second.run_start = start;
    }
    return distinct_sorted(numbers, why);
}

// Adds the token of field to numbers; false with why set when it is not a number in 1..N.
bool take_number(std::string_view token, int field, uint32_t highest, Combination& numbers,
                 int& count, std::string& why) {
    const int value = whole_number(token);
    if (value == NotWhole)
        why = token.empty() ? "field " + std::to_string(field) + " is empty"
                            : in_field(field, shown(token) + " is not a whole number");
    else if (!in_draw_range(value, highest))
        why = in_field(field, outside(token, highest));
    else
        numbers[count++] = static_cast<uint8_t>(value);
    return why.empty();
}

// The seven numbers in fields first..last, or all in field first when last == first.
bool read_fields(std::string_view line, int first, int last, uint32_t highest, Combination& numbers,
                 std::string& why) {
    Fields fields(line);
    std::string_view field;
    int number = 0, count = 0;
    while (number < last && fields.next(field)) {
        if (++number < first) continue;
        if (first < last) {
            if (!take_number(field, number, highest, numbers, count, why)) return false;
            continue;
        }
        const bool fits = for_each_field_token(field, number, [&](std::string_view token, int) {
            if (count == 7) {
                why = "field " + std::to_string(number) + " holds more than 7 numbers";
                return false;
            }
            return take_number(token, number, highest, numbers, count, why);
        });
        if (!fits) return false;
        if (count < 7) {
            why = "field " + std::to_string(number) + " holds only " + std::to_string(count) +
                  (count == 1 ? " number" : " numbers");
            return false;
        }
    }
    if (number < last) {
        why = "the line ends after field " + std::to_string(number) + "; the numbers are in ";
        why += first == last ? "field " + std::to_string(first)
                             : "fields " + std::to_string(first) + "-" + std::to_string(last);
        return false;
    }
    assert(count == 7);
    return distinct_sorted(numbers, why);
}

} // namespace

bool read_draw(std::string_view line, int first_column, int last_column, int counter_field,
               Combination& numbers, std::string& why, uint32_t highest, int bonus_field,
               bool* longer_run, int date_tokens, SecondDraw* second) {
    bool longer = false;
    SecondDraw two;
    const bool read = first_column == 0
                          ? find_draw(line, counter_field, bonus_field, date_tokens, highest,
                                      numbers, why, longer, two)
                          : read_fields(line, first_column, last_column, highest, numbers, why);
    if (longer_run) *longer_run = longer;
    if (second) *second = two;
    return read;
}

int lone_number(std::string_view field, int field_number, int cap) {
    int value = NotWhole, tokens = 0;
    for_each_field_token(field, field_number, [&](std::string_view t, int) {
        value = whole_number(t, cap);
        return ++tokens == 1;
    });
    return tokens == 1 ? value : NotWhole;
}

int single_number_field(std::string_view line, int field_number, int cap) {
    Fields fields(line);
    std::string_view field;
    for (int number = 1; fields.next(field); ++number)
        if (number == field_number) return lone_number(field, number, cap);
    return NotWhole;
}

bool looks_like_header(std::string_view line) {
    if (for_each_token(line, [](std::string_view t, int) { return whole_number(t) == NotWhole; }))
        return true;
    Fields fields(line);
    for (std::string_view field; fields.next(field);)
        if (!field.empty() && field[0] >= '0' && field[0] <= '9') return false;
    return true;
}

std::string shown(std::string_view text) {
    std::string out(1, '"');
    out += escaped_head(text, ShownBytes);
    out += text.size() > ShownBytes ? "...\"" : "\"";
    return out;
}

} // namespace lotto::history
