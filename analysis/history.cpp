#include "analysis/history.h"

#include "analysis/draw_line.h"
#include "analysis/history_header.h"
#include "analysis/history_json.h"
#include "analysis/line_tokens.h"
#include "analysis/text_file.h"
#include "engine/settings.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace lotto {
namespace {

// Files beyond this size are refused rather than read into memory: a century of daily draws
// takes under 2 MB.
constexpr std::size_t MaxFileBytes = std::size_t{256} << 20;

bool is_blank_char(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }

// Whether the line holds nothing but spaces and separators, or is a comment starting with '#'.
bool is_blank_or_comment(std::string_view line) {
    for (char c : line)
        if (!is_blank_char(c)) return c == '#';
    return true;
}

bool columns_valid(const HistoryOptions& o) {
    if (o.first_column == 0) return o.last_column == 0;
    return o.first_column >= 1 &&
           (o.last_column == o.first_column || o.last_column - o.first_column == 6);
}

History failure(std::string message) {
    History h;
    h.error = std::move(message);
    return h;
}

std::string file_error(std::string_view name, const char* what) {
    return std::string(name) + ": " + what;
}

// How many fields of the line hold a lone number in 1..highest.
int fields_in_range(std::string_view line, uint32_t highest) {
    history::Fields fields(line);
    std::string_view field;
    int count = 0;
    for (int number = 1; fields.next(field); ++number)
        count += history::in_draw_range(history::lone_number(field, number), highest);
    return count;
}

// The first of the leading fields that holds a draw counter on most lines: a lone whole number
// that steps by one from line to line, up or down (1, 2, 3, .. or a week number), so that a
// counter of 39 or less standing right before the numbers is not taken for one of them. 0 when
// no field does so on at least nine steps out of ten over ten lines or more, or, in a file of
// three to nine draws, on every step while every line holds more than seven numbers; nor rises
// or falls (gaps allowed) on every one of ten lines or more, each holding more than seven numbers.
int counter_field(std::string_view text, uint32_t highest) {
    constexpr int Fields = 3;
    std::array<int, Fields> last{};
    std::array<uint32_t, Fields> pairs{}, steps{}, rises{}, falls{}, holes{};
    last.fill(history::NotWhole);
    bool every_line_longer = true;
    uint32_t lines = 0;
    for_each_line(text, [&](std::string_view line, uint32_t) {
        if (is_blank_or_comment(line)) return;
        const bool header = history::looks_like_header(line);
        lines += !header;
        for (int f = 0; f < Fields; ++f) {
            const int value = history::single_number_field(line, f + 1, history::LargeCounter);
            if (value != history::NotWhole && last[f] != history::NotWhole) {
                ++pairs[f];
                steps[f] += value == last[f] + 1 || value == last[f] - 1;
                rises[f] += value > last[f];
                falls[f] += value < last[f];
            }
            holes[f] += value == history::NotWhole && !header;
            last[f] = value;
        }
        if (!header) every_line_longer &= fields_in_range(line, highest) > 7;
    });
    for (int f = 0; f < Fields; ++f)
        if (pairs[f] >= 9 && steps[f] * 10 >= pairs[f] * 9) return f + 1;
    for (int f = 0; f < Fields; ++f)
        if (pairs[f] >= 2 && pairs[f] < 9 && steps[f] == pairs[f] && every_line_longer)
            return f + 1;
    // Draw numbers with gaps.
    for (int f = 0; f < Fields; ++f)
        if (pairs[f] >= 9 && holes[f] == 0 && pairs[f] + 1 == lines &&
            (rises[f] == pairs[f] || falls[f] == pairs[f]) && every_line_longer)
            return f + 1;
    return 0;
}

// How many tokens a date written with spaces ("2024 01 05") or in three fields takes.
constexpr int SpacedDateTokens = 3;

// The date the line opens with: written with spaces in its first field ("2024 01 05 3 7 ...") or
// with its year, month and day in fields of their own ("2024,1,5,3,7,...").
SpacedDate leading_date(std::string_view line) {
    const SpacedDate s = spaced_date(line);
    return s.year != 0 ? s : fields_date(line);
}

// Whether the lines open with dates (leading_date): none; written with spaces; some in three
// fields.
enum class LeadingDates { None, Spaced, InFields };

// Whether the lines open with dates: some line does, nine in ten of the lines that open with three
// whole numbers, the first or the last a year of four digits, make a date of them, and neither
// those years nor the dates' months step by one from every line to the next over three lines or
// more (a draw counter such as 2013 before the numbers 1 5 ..., or a week after the year).
LeadingDates leading_dates(std::string_view text) {
    uint32_t lines = 0, dates = 0, steps = 0, month_steps = 0;
    int last = 0, last_month = 0;
    bool in_fields = false;
    const auto by_one = [](int a, int b) { return a == b + 1 || a == b - 1; };
    for_each_line(text, [&](std::string_view line, uint32_t) {
        if (is_blank_or_comment(line)) return;
        const SpacedDate s = leading_date(line);
        if (s.year == 0) return;
        dates += s.date.has_value();
        in_fields |= s.date && spaced_date(line).year == 0;
        const int month = s.date ? s.date->month : 0;
        month_steps += lines > 0 && month != 0 && by_one(month, last_month);
        steps += lines++ > 0 && by_one(s.year, last);
        last = s.year, last_month = month;
    });
    const auto counts = [&](uint32_t n) { return lines >= 3 && n == lines - 1; };
    if (dates == 0 || dates * 10 < lines * 9 || counts(steps) || counts(month_steps))
        return LeadingDates::None;
    return in_fields ? LeadingDates::InFields : LeadingDates::Spaced;
}

// The leading fields a draw number may stand in, and what each holds on one line.
constexpr int CounterFields = 3;
using LeadingValues = std::array<int, CounterFields>;

LeadingValues leading_values(std::string_view line) {
    LeadingValues values{};
    for (int f = 0; f < CounterFields; ++f)
        values[f] = history::single_number_field(line, f + 1, history::LargeCounter);
    return values;
}

// Gives each draw its number from the first leading field that numbers the draws: a whole number
// of 1 or more on every draw's line, never one of its seven, rising or falling strictly from
// line to line; on ten draws or more, or the counter field found before (a draw number that
// steps by one). values[i] are the leading fields of draw i's line; a field of the date
// (is_date_field) numbers none.
template <class IsDateField>
void number_draws(History& h, const std::vector<LeadingValues>& values, int counter,
                  IsDateField&& is_date_field) {
    const std::size_t n = h.draws.size();
    for (int f = 0; f < CounterFields; ++f) {
        if (n < 2 || (n < 10 && counter != f + 1) || is_date_field(f + 1)) continue;
        bool whole = true, rising = true, falling = true;
        for (std::size_t i = 0; i < n && whole; ++i) {
            const int v = values[i][f];
            const Combination& numbers = h.draws[i].numbers;
            whole =
                v != history::NotWhole && v >= 1 &&
                (counter == f + 1 || std::find(numbers.begin(), numbers.end(), v) == numbers.end());
            // Two draws of one line share its number.
            if (i > 0 && h.draws[i].line != h.draws[i - 1].line)
                rising &= v > values[i - 1][f], falling &= v < values[i - 1][f];
        }
        if (!whole || !(rising || falling)) continue;
        for (std::size_t i = 0; i < n; ++i)
            h.draws[i].counter = static_cast<uint32_t>(values[i][f]);
        return;
    }
}

// Adds the second draw of each undated line of fourteen numbers (the index of its first draw and
// the second seven) right after its first, as a line read as two draws.
void add_second_draws(History& h, std::vector<LeadingValues>& values,
                      const std::vector<std::pair<std::size_t, Combination>>& pairs) {
    std::vector<Draw> draws;
    std::vector<LeadingValues> leading;
    draws.reserve(h.draws.size() + pairs.size()), leading.reserve(draws.capacity());
    auto pair = pairs.begin();
    for (std::size_t i = 0; i < h.draws.size(); ++i) {
        draws.push_back(h.draws[i]), leading.push_back(values[i]);
        if (pair == pairs.end() || pair->first != i) continue;
        draws.push_back(h.draws[i]), leading.push_back(values[i]);
        draws.back().numbers = pair->second;
        ++h.two_draw_lines;
        h.first_two_draw_line = std::min(h.first_two_draw_line, h.draws[i].line);
        ++pair;
    }
    h.draws = std::move(draws), values = std::move(leading);
}

std::string line_error(std::string_view name, const SkippedLine& bad) {
    return std::string(name) + ":" + std::to_string(bad.line) + ": " + bad.why;
}

bool has_letter(std::string_view line) {
    return std::any_of(line.begin(), line.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// Whether the text looks like a date: besides digits and spaces it holds other characters, and it
// has two or three groups of digits, each of one, two or four digits, one a year of four
// (1900..2199): "2. Januar 2015", "2015. 01. 02.", "(26/06/2026)".
bool date_like(std::string_view text) {
    int groups = 0;
    bool year = false, other = false;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789", i), text.size());
        if (end == i) {
            other |= text[i] != ' ';
            ++i;
            continue;
        }
        const std::size_t digits = end - i;
        if (digits == 3 || digits > 4 || ++groups > 3) return false;
        const int value = history::whole_number(text.substr(i, digits), 10000);
        year |= digits == 4 && value >= 1900 && value <= 2199;
        i = end;
    }
    return other && groups >= 2 && year;
}

// Whether a field of the line, or a bracketed part of one, looks like a date (date_like).
bool holds_date_like(std::string_view line) {
    history::Fields fields(line);
    for (std::string_view field; fields.next(field);) {
        if (date_like(field)) return true;
        for (std::size_t open = field.find_first_of("(["); open != std::string_view::npos;
             open = field.find_first_of("([", open + 1)) {
            const std::size_t close = field.find(field[open] == '(' ? ')' : ']', open);
            if (close != std::string_view::npos && date_like(field.substr(open, close - open + 1)))
                return true;
        }
    }
    return false;
}

// Field column (1-based) of the line; none when the line ends before it.
std::optional<std::string_view> field_at(std::string_view line, int column) {
    history::Fields fields(line);
    std::string_view field;
    for (int number = 1; fields.next(field); ++number)
        if (number == column) return field;
    return std::nullopt;
}

// Whether field column (1-based) of the line is missing or holds no value: nothing but spaces,
// quotes and punctuation (a dash), "n/a" or "none".
bool blank_field(std::string_view line, int column) {
    const std::optional<std::string_view> field = field_at(line, column);
    if (!field) return true;
    const std::string key = history::key_of(*field);
    return key.empty() || key == "na" || key == "none" || key == "\xe2\x80\x93" ||
           key == "\xe2\x80\x94";
}

// The whole numbers the field holds alone or after a label without digits ("Zusatzzahl 5",
// "Bonus: 11", "03 15", as copied from a web page): at most MostBonus, else none.
constexpr std::size_t MostBonus = 4;
std::vector<int> labelled_numbers(std::string_view field, int column) {
    std::vector<int> values;
    const bool labelled =
        history::for_each_field_token(field, column, [&](std::string_view t, int) {
            const int value = history::whole_number(t);
            if (value != history::NotWhole)
                return values.push_back(value), values.size() <= MostBonus;
            // A label before the numbers, never after one.
            return values.empty() && t.find_first_of("0123456789") == std::string_view::npos;
        });
    if (!labelled) values.clear();
    return values;
}

// Reads the bonus numbers from field column (0: none) into the draw, alone in it or after a
// label (labelled_numbers), one to four; a blank field, or one holding a dash or "n/a", is a draw
// without one (older draws often have none), and so, in a field the header named (named), is any
// other text and 0. False with why set when the field holds no number in 1..N, one of the seven,
// or one twice.
bool read_bonus(std::string_view line, int column, bool named, uint32_t highest, Draw& draw,
                std::string& why) {
    if (column == 0 || blank_field(line, column)) return true;
    const std::vector<int> values = labelled_numbers(*field_at(line, column), column);
    if (named && (values.empty() || values.front() == 0)) return true;
    const auto fault = [&](std::string text) { return why = std::move(text), false; };
    const std::string none = "field " + std::to_string(column) + " holds no bonus number in 1.." +
                             std::to_string(highest);
    if (values.empty()) return fault(none);
    std::array<uint8_t, MostBonus> read{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int value = values[i];
        const std::string bonus = "the bonus number " + std::to_string(value);
        if (!history::in_draw_range(value, highest)) return fault(none);
        if (std::find(draw.numbers.begin(), draw.numbers.end(), value) != draw.numbers.end())
            return fault(bonus + " is one of the seven");
        if (std::find(read.begin(), read.end(), value) != read.end())
            return fault(bonus + " is given twice");
        read[i] = static_cast<uint8_t>(value);
    }
    draw.bonus = read[0];
    std::copy(read.begin() + 1, read.end(), draw.more_bonus.begin());
    return true;
}

// Whether the comment line is a header whose first field is "#" ("#,Date,1,2,...").
bool hash_header(std::string_view line) {
    history::Fields fields(line);
    std::string_view first, second;
    return fields.next(first) && first == "#" && fields.next(second);
}

// A header line and the columns it names.
struct Header {
    uint32_t line = 0;
    history::NamedColumns columns;
};

// The columns named by the file's header: its first line that is neither blank nor a comment (or
// a comment that names them, its first field "#") and names them, after at most MostTitles lines
// that read as a title or a header and name none ("Lotto results 2024"). A line
// that names the fields 1..7 with bare numbers ("Date;1;2;3;4;5;6;7") reads as a draw unless the
// next line holds a date, as the pass over the lines takes it.
std::optional<Header> header_columns(std::string_view text) {
    constexpr int MostTitles = 3;
    std::optional<Header> header;
    bool looked = false, date_needed = false;
    int titles = 0;
    for_each_line(text, [&](std::string_view line, uint32_t line_number) {
        if (looked && !date_needed) return;
        const bool comment = is_blank_or_comment(line);
        if (date_needed) {
            if (comment) return;
            date_needed = false;
            if (!find_draw_date(line)) header.reset();
            return;
        }
        if (comment && !hash_header(line)) return;
        std::optional<history::NamedColumns> named = history::named_columns(line);
        if (!named && !comment && history::looks_like_header(line) && ++titles <= MostTitles)
            return;
        looked = !comment || named;
        if (!named) return;
        if (!comment && !history::looks_like_header(line)) {
            if (!has_letter(line) || find_draw_date(line)) return;
            date_needed = true;
        }
        header = Header{line_number, std::move(*named)};
    });
    if (date_needed) header.reset();
    return header;
}

// What a pass over the lines takes besides the options: the line of the header that named the
// columns (0: none), the field of a draw counter (0: none), whether the draws are given their
// numbers from a leading field, and the fields of the date's year, month and day the header
// named (0: none).
struct Pass {
    uint32_t header_line = 0;
    int counter = 0;
    bool number_draws = false;
    std::array<int, 3> date_fields{};
};

// The date that the fields of year, month and day make on the line; none without such fields.
std::optional<DrawDate> date_in_fields(std::string_view line, const std::array<int, 3>& fields) {
    if (fields[0] == 0) return std::nullopt;
    std::array<std::string_view, 3> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<std::string_view> field = field_at(line, fields[i]);
        if (!field) return std::nullopt;
        parts[i] = *field;
    }
    return date_of_parts(parts[0], parts[1], parts[2]);
}

// One pass over the lines. Blank lines and comments are passed over, and so are lines that look
// like a title or a header before the first line that does not; when no draw follows, the second
// of them is the fault.
History read_lines(std::string_view text, std::string_view name, const HistoryOptions& o,
                   const Pass& pass) {
    History h;
    bool headers_allowed = true, any_content = false, failed = false;
    uint32_t headers = 0;
    SkippedLine second_header;
    std::string why;
    const LeadingDates leading = leading_dates(text);
    const bool spaced = leading != LeadingDates::None;
    // The fields that hold the date are no draw counter.
    const auto is_date_field = [&](int field) {
        return std::find(pass.date_fields.begin(), pass.date_fields.end(), field) !=
                   pass.date_fields.end() ||
               (leading == LeadingDates::InFields && field <= SpacedDateTokens);
    };
    const int counter = pass.counter != 0 && is_date_field(pass.counter) ? 0 : pass.counter;
    std::optional<Draw> numbered_header;
    std::optional<LeadingValues> header_values;
    std::pair<int, int> header_place; // where the numbers of numbered_header stand (SecondDraw)
    // The undated lines of fourteen numbers in a row: the index of the line's first draw and the
    // second seven, read as a second draw once some dated line of the file reads as two.
    std::vector<std::pair<std::size_t, Combination>> undated_pairs;
    bool header_unread = false; // the line of numbered_header holds a date that does not read
    const auto count_unread = [&h](bool unread, uint32_t line_number) {
        if (unread && h.unread_dates++ == 0) h.first_unread_date = line_number;
    };
    std::vector<LeadingValues> values; // the leading fields of each draw's line
    bool bonus_field_seen = false;     // some draw's line has the field of --bonus-column
    for_each_line(text, [&](std::string_view line, uint32_t line_number) {
        if (failed || line_number == pass.header_line) return;
        if (is_blank_or_comment(line)) {
            any_content |= line.find('#') != std::string_view::npos;
            return;
        }
        any_content = true;
        Draw draw;
        draw.line = line_number;
        bool longer_run = false;
        history::SecondDraw second;
        const auto read = [&](int date_tokens) {
            why.clear();
            return history::read_draw(line, o.first_column, o.last_column, counter, draw.numbers,
                                      why, o.highest, o.bonus_column, &longer_run, date_tokens,
                                      &second);
        };
        // A date written with spaces or in three fields is the line's when the numbers after it
        // hold the draw; else the whole line is read as any other.
        std::optional<DrawDate> date = spaced ? leading_date(line).date : std::nullopt;
        const bool after_date = date && o.first_column == 0 && read(SpacedDateTokens);
        if (!after_date && o.first_column == 0) date.reset();
        if ((after_date || read(0)) &&
            read_bonus(line, o.bonus_column, pass.header_line != 0, o.highest, draw, why)) {
            bonus_field_seen = bonus_field_seen || field_at(line, o.bonus_column).has_value();
            draw.date = date_in_fields(line, pass.date_fields);
            if (!draw.date) draw.date = date ? date : find_draw_date(line);
            const bool unread = !draw.date && holds_date_like(line);
            // "Date;1;2;3;4;5;6;7", "Format: Draw, Date, Winning Number 1, 2, .., 7, ...": a line
            // with words whose numbers count the columns 1..7 reads as the draw 1-7 without a
            // date; it is a header when the next draw has a date or its numbers stand elsewhere
            // (another field, or another place among the field's words).
            const std::pair<int, int> place{second.run_field, second.run_token};
            if (h.draws.empty() && !numbered_header && !draw.date &&
                draw.numbers == Combination{1, 2, 3, 4, 5, 6, 7} && has_letter(line)) {
                numbered_header = draw;
                header_values = leading_values(line);
                header_unread = unread;
                header_place = place;
                return;
            }
            if (numbered_header && !draw.date && place == header_place) {
                h.draws.push_back(*numbered_header), values.push_back(*header_values);
                count_unread(header_unread, numbered_header->line);
            }
            numbered_header.reset();
            h.draws.push_back(draw);
            values.push_back(leading_values(line));
            // Fourteen numbers in a row after the date: two draws of that date. Without a date
            // before them, they are two draws when some dated line of the file is.
            if (second.found && o.bonus_column == 0) {
                if (after_date || find_draw_date(line.substr(0, second.run_start))) {
                    draw.numbers = second.numbers;
                    h.draws.push_back(draw);
                    values.push_back(values.back());
                    if (h.two_draw_lines++ == 0) h.first_two_draw_line = line_number;
                    longer_run = false;
                } else {
                    undated_pairs.emplace_back(h.draws.size() - 1, second.numbers);
                    longer_run = false; // counted at the end unless read as two draws
                }
            }
            if (longer_run && h.longer_runs++ == 0) h.first_longer_run = line_number;
            count_unread(unread, line_number);
            headers_allowed = false;
            return;
        }
        if (headers_allowed && history::looks_like_header(line)) {
            if (++headers == 2) second_header = {line_number, why};
            return;
        }
        headers_allowed = false;
        if (!o.skip_bad_lines) {
            h.error = line_error(name, {line_number, why});
            failed = true;
            return;
        }
        h.skipped.push_back({line_number, why});
    });
    if (failed) return failure(std::move(h.error));
    if (h.two_draw_lines != 0 && !undated_pairs.empty()) {
        add_second_draws(h, values, undated_pairs);
    } else if (!undated_pairs.empty()) {
        const uint32_t first = h.draws[undated_pairs.front().first].line;
        if (h.longer_runs == 0 || first < h.first_longer_run) h.first_longer_run = first;
        h.longer_runs += static_cast<uint32_t>(undated_pairs.size());
    }
    if (numbered_header) {
        h.draws.insert(h.draws.begin(), *numbered_header);
        values.insert(values.begin(), *header_values);
        count_unread(header_unread, numbered_header->line);
    }
    if (!h.draws.empty() && o.bonus_column != 0 && !bonus_field_seen)
        return failure(std::string(name) + ": no draw's line has a field " +
                       std::to_string(o.bonus_column) + " for the bonus number");
    if (!h.draws.empty()) {
        if (pass.number_draws) number_draws(h, values, counter, is_date_field);
        return h;
    }
    if (!h.skipped.empty())
        h.error = std::string(name) + ": no draw left after skipping " +
                  std::to_string(h.skipped.size()) + " bad lines; line " +
                  std::to_string(h.skipped.front().line) + ": " + h.skipped.front().why;
    else if (second_header.line != 0)
        h.error = line_error(name, second_header);
    else
        h.error = file_error(name, any_content ? "is empty: no line holds a draw" : "is empty");
    return h;
}

// The largest whole number token of the lines, not counting comments, above highest and at most
// LargestGame; 0 when none.
uint32_t largest_above(std::string_view text, uint32_t highest) {
    uint32_t largest = 0;
    for_each_line(text, [&](std::string_view line, uint32_t) {
        if (is_blank_or_comment(line)) return;
        history::for_each_token(line, [&](std::string_view token, int) {
            const int value = history::whole_number(token);
            if (value > static_cast<int>(highest) && value <= static_cast<int>(LargestGame))
                largest = std::max(largest, static_cast<uint32_t>(value));
            return true;
        });
    });
    return largest;
}

std::string game_hint_text(uint32_t n) {
    const std::string game = "7/" + std::to_string(n);
    return "; if the game is " + game + ", give --game " + game + " first";
}

} // namespace

std::string history_game_hint(std::string_view text, uint32_t highest) {
    uint32_t largest = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = std::min(text.find_first_not_of("0123456789", i), text.size());
        if (end == i) {
            ++i;
            continue;
        }
        const int value = history::whole_number(text.substr(i, end - i));
        if (value > static_cast<int>(highest) && value <= static_cast<int>(LargestGame))
            largest = std::max(largest, static_cast<uint32_t>(value));
        i = end;
    }
    return largest == 0 ? "" : game_hint_text(largest);
}

// A look for a draw counter, then one pass over the lines with the columns the header names
// when the options name none and every line after the header reads with them; else (or when
// that pass fails) one pass as without the header.
History parse_history(std::string_view text, std::string_view name, const HistoryOptions& o) {
    if (!columns_valid(o))
        return failure("history columns " + std::to_string(o.first_column) + "-" +
                       std::to_string(o.last_column) + " name neither seven fields nor one");
    std::string decoded;
    if (std::string fault = as_utf8(text, name, decoded); !fault.empty())
        return failure(std::move(fault));
    std::string spaced;
    text = plain_spaces(text, spaced);
    // A number above the game read without --game: the hint names the game of the largest
    // (in a JSON document, of any run of digits).
    const auto hinted = [&](History h, bool json) {
        if (!h.ok() && !o.game_named && o.highest == DefaultGame &&
            h.error.find(" is outside 1..") != std::string::npos) {
            if (json)
                h.error += history_game_hint(text, o.highest);
            else if (const uint32_t largest = largest_above(text, o.highest); largest != 0)
                h.error += game_hint_text(largest);
        }
        return h;
    };
    if (std::optional<History> json = history::json_history(text, name, o))
        return hinted(std::move(*json), true);

    const bool find_columns = o.first_column == 0;
    const int counter = find_columns ? counter_field(text, o.highest) : 0;
    if (find_columns && o.bonus_column == 0)
        if (const std::optional<Header> header = header_columns(text)) {
            const history::NamedColumns& c = header->columns;
            HistoryOptions named = o;
            named.first_column = c.first, named.last_column = c.last, named.bonus_column = c.bonus;
            named.skip_bad_lines = false;
            // A draw counter found among the named fields is none.
            const bool named_field =
                (counter >= c.first && counter <= c.last) || counter == c.bonus;
            History h = read_lines(
                text, name, named,
                {header->line, named_field ? 0 : counter, true, {c.year, c.month, c.day}});
            if (h.ok()) {
                h.named_first = c.first_name, h.named_last = c.last_name;
                h.named_bonus = c.bonus_name;
                return h;
            }
        }
    return hinted(read_lines(text, name, o, {0, counter, find_columns}), false);
}

History read_history(const std::string& path, const HistoryOptions& o) {
    const TextFile file =
        read_text_file(path, MaxFileBytes, "is too large for a draw history (over 256 MB)");
    if (!file.ok()) return failure(file.error);
    return parse_history(file.text, path, o);
}

} // namespace lotto
