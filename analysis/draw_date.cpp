#include "analysis/draw_date.h"

#include "analysis/line_tokens.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace lotto {

namespace {

bool leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(int year, int month) {
    constexpr std::array<int, 12> Days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : Days[month - 1];
}

bool real_date(int year, int month, int day) {
    return year >= 1900 && year <= 2199 && month >= 1 && month <= 12 && day >= 1 &&
           day <= days_in_month(year, month);
}

// The three digit groups of the token and the separator between them; false unless the token is
// exactly "digits sep digits sep digits" with one separator of '-', '/' or '.'.
bool split_three(std::string_view token, std::array<std::string_view, 3>& parts, char& sep) {
    const std::size_t first = token.find_first_of("-/.");
    if (first == std::string_view::npos) return false;
    sep = token[first];
    const std::size_t second = token.find(sep, first + 1);
    if (second == std::string_view::npos || token.find(sep, second + 1) != std::string_view::npos)
        return false;
    parts = {token.substr(0, first), token.substr(first + 1, second - first - 1),
             token.substr(second + 1)};
    for (std::string_view p : parts)
        if (p.empty() || p.size() > 4 || history::whole_number(p) == history::NotWhole)
            return false;
    return true;
}

// The value of up to four digits.
int digits_value(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

std::optional<DrawDate> make(int year, int month, int day) {
    if (!real_date(year, month, day)) return std::nullopt;
    DrawDate d;
    d.year = static_cast<uint16_t>(year);
    d.month = static_cast<uint8_t>(month);
    d.day = static_cast<uint8_t>(day);
    return d;
}

// The year of four digits, or of two: 00..69 are 2000..2069, 70..99 1970..1999; 0 for others.
int year_of(std::string_view digits) {
    if ((digits.size() != 2 && digits.size() != 4) ||
        history::whole_number(digits) == history::NotWhole)
        return 0;
    const int value = digits_value(digits);
    return digits.size() == 4 ? value : value < 70 ? 2000 + value : 1900 + value;
}

// The day of one or two digits, else 0.
int day_of(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || history::whole_number(digits) == history::NotWhole)
        return 0;
    return digits_value(digits);
}

// The lower case of a letter of Latin-1 or Latin Extended-A (A-umlaut to a-umlaut, the Polish L
// with stroke to l), given as its code point; other code points as they are.
unsigned lower_code_point(unsigned cp) {
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
    const bool even = cp % 2 == 0;
    if (((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) && even) return cp + 1;
    if (((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) && !even) return cp + 1;
    return cp;
}

// The word in lower case, its UTF-8 letters of two bytes too, in buffer; "" when it does not fit.
std::string_view folded(std::string_view word, std::array<char, 24>& buffer) {
    if (word.size() > buffer.size()) return {};
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        const auto next = i + 1 < word.size() ? static_cast<unsigned char>(word[i + 1]) : 0u;
        if (c >= 0xC3 && c <= 0xC5 && (next & 0xC0) == 0x80) {
            const unsigned cp = lower_code_point(((c & 0x1Fu) << 6) | (next & 0x3Fu));
            buffer[i] = static_cast<char>(0xC0 | (cp >> 6));
            buffer[++i] = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            buffer[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
    }
    return {buffer.data(), word.size()};
}

// Month names in English, German, French, Spanish, Italian, Dutch, Polish (as written alone and
// in a date: "styczen" and "stycznia", with their accents) and Swedish, in lower case, with the
// month each names.
struct MonthName {
    std::string_view name;
    int month;
};
constexpr MonthName MonthNames[] = {
    {"january", 1},
    {"januar", 1},
    {"j\xc3\xa4nner", 1},
    {"janvier", 1},
    {"enero", 1},
    {"gennaio", 1},
    {"januari", 1},
    {"stycze\xc5\x84", 1},
    {"stycznia", 1},
    {"february", 2},
    {"februar", 2},
    {"feber", 2},
    {"f\xc3\xa9vrier", 2},
    {"fevrier", 2},
    {"febrero", 2},
    {"febbraio", 2},
    {"februari", 2},
    {"luty", 2},
    {"lutego", 2},
    {"march", 3},
    {"m\xc3\xa4rz", 3},
    {"maerz", 3},
    {"mrz", 3},
    {"mars", 3},
    {"marzo", 3},
    {"maart", 3},
    {"mrt", 3},
    {"marzec", 3},
    {"marca", 3},
    {"april", 4},
    {"avril", 4},
    {"abril", 4},
    {"aprile", 4},
    {"kwiecie\xc5\x84", 4},
    {"kwietnia", 4},
    {"may", 5},
    {"mai", 5},
    {"mayo", 5},
    {"maggio", 5},
    {"mei", 5},
    {"maj", 5},
    {"maja", 5},
    {"june", 6},
    {"juni", 6},
    {"juin", 6},
    {"junio", 6},
    {"giugno", 6},
    {"czerwiec", 6},
    {"czerwca", 6},
    {"july", 7},
    {"juli", 7},
    {"juillet", 7},
    {"julio", 7},
    {"luglio", 7},
    {"lipiec", 7},
    {"lipca", 7},
    {"august", 8},
    {"augustus", 8},
    {"augusti", 8},
    {"ao\xc3\xbbt", 8},
    {"aout", 8},
    {"agosto", 8},
    {"sierpie\xc5\x84", 8},
    {"sierpnia", 8},
    {"september", 9},
    {"septembre", 9},
    {"septiembre", 9},
    {"setiembre", 9},
    {"settembre", 9},
    {"wrzesie\xc5\x84", 9},
    {"wrze\xc5\x9bnia", 9},
    {"october", 10},
    {"oktober", 10},
    {"octobre", 10},
    {"octubre", 10},
    {"ottobre", 10},
    {"pa\xc5\xba"
     "dziernik",
     10},
    {"pa\xc5\xba"
     "dziernika",
     10},
    {"november", 11},
    {"novembre", 11},
    {"noviembre", 11},
    {"listopad", 11},
    {"listopada", 11},
    {"december", 12},
    {"dezember", 12},
    {"d\xc3\xa9"
     "cembre",
     12},
    {"decembre", 12},
    {"diciembre", 12},
    {"dicembre", 12},
    {"grudzie\xc5\x84", 12},
    {"grudnia", 12},
};

// The month a name or its abbreviation of three letters or more names ("Feb", "feb.", "Sept",
// "Februar", "janv.", "Mrt", any case), when all the names it abbreviates name the same month
// ("jui" may be "juin" or "juillet"); 0 for any other word.
int month_of(std::string_view word) {
    if (!word.empty() && word.back() == '.') word.remove_suffix(1);
    std::array<char, 24> buffer{};
    const std::string_view key = folded(word, buffer);
    const auto letters = std::count_if(key.begin(), key.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (letters < 3) return 0;
    int month = 0;
    for (const MonthName& m : MonthNames) {
        if (!m.name.starts_with(key)) continue;
        if (month != 0 && month != m.month) return 0;
        month = m.month;
    }
    return month;
}

// The date a, b, year: day first, as most of the world writes it, unless only month first makes a
// date (4/25/2013); marked with how it was read.
std::optional<DrawDate> day_or_month_first(int year, int a, int b) {
    if (b > 12) {
        std::optional<DrawDate> d = make(year, a, b);
        if (d) d->slash = DrawDate::Slash::MonthFirst;
        return d;
    }
    std::optional<DrawDate> d = make(year, b, a);
    if (d) d->slash = a <= 12 ? DrawDate::Slash::Ambiguous : DrawDate::Slash::DayFirst;
    return d;
}

// "20-Feb-2024" or "20-feb-24": day, month name and year joined by dashes.
std::optional<DrawDate> named_month_token(std::string_view token) {
    const std::size_t first = token.find('-');
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t second = token.find('-', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const int day = day_of(token.substr(0, first));
    const int month = month_of(token.substr(first + 1, second - first - 1));
    const int year = year_of(token.substr(second + 1));
    if (day == 0 || month == 0 || year == 0) return std::nullopt;
    return make(year, month, day);
}

} // namespace

std::optional<DrawDate> parse_draw_date(std::string_view token) {
    // "2025.11.26.": a dot may end a date that opens with its year, as Hungarian sites write it.
    if (token.ends_with('.') && token.size() > 4 && token[4] == '.') token.remove_suffix(1);
    // "20051018": year, month and day in eight digits, as some published files write them.
    if (token.size() == 8 && history::whole_number(token) != history::NotWhole) {
        return make(digits_value(token.substr(0, 4)), digits_value(token.substr(4, 2)),
                    digits_value(token.substr(6, 2)));
    }
    std::array<std::string_view, 3> parts;
    char sep = 0;
    if (!split_three(token, parts, sep)) return named_month_token(token);
    const int a = digits_value(parts[0]), b = digits_value(parts[1]), c = digits_value(parts[2]);
    if (parts[0].size() == 4) // year first: 2013-04-05, 2013/04/05, 2013.04.05
        return parts[1].size() <= 2 && parts[2].size() <= 2 ? make(a, b, c) : std::nullopt;
    // Day or month first, the year last in four digits or two: 05.04.2013, 05.04.13, 05-04-2013.
    const int year = year_of(parts[2]);
    if (year == 0 || parts[0].size() > 2 || parts[1].size() > 2) return std::nullopt;
    if (sep == '.') return make(year, b, a); // 05.04.2013: day first
    return day_or_month_first(year, a, b);
}

namespace {

// The token without brackets around it ("(26/06/2026):") and what may follow a date in it: the
// time of an ISO timestamp ("2013-04-12T20:00:00Z") and a colon ending a title ("Friday 28 July
// 2023:").
std::string_view date_part(std::string_view token) {
    while (!token.empty() && (token.front() == '(' || token.front() == '[')) token.remove_prefix(1);
    if (const std::size_t t = token.find('T'); t != std::string_view::npos && t >= 8)
        token = token.substr(0, t);
    while (!token.empty() && (token.back() == ':' || token.back() == ')' || token.back() == ']'))
        token.remove_suffix(1);
    return token;
}

// The day a word gives before a month's name: "5", "5." or "5th" ("1st", "2nd", "3rd", the
// French "1er"); else 0.
int day_word(std::string_view word) {
    if (word.ends_with('.')) {
        word.remove_suffix(1);
    } else {
        for (std::string_view ending : {"st", "nd", "rd", "th", "er"})
            if (word.ends_with(ending)) word.remove_suffix(ending.size());
    }
    return day_of(word);
}

// The value of one or two digits followed by a dot ("6." in "26. 6. 2026"), else 0; with four
// digits when year.
int dotted(std::string_view word, bool year = false) {
    if (!word.ends_with('.')) return 0;
    word.remove_suffix(1);
    if (year) return word.size() == 4 ? year_of(word) : 0;
    return day_of(word);
}

// The date that three tokens in a row make: day, month's name and year ("20 Feb 2024",
// "2. Januar 2015"), the name, day and year ("Feb 20 2024"), or numbers ending in dots, day
// first ("26. 6. 2026") or year first ("2026. 06. 26.").
std::optional<DrawDate> date_of_words(std::string_view a, std::string_view b, std::string_view c) {
    if (const int year = year_of(c); year != 0) {
        if (const int m = month_of(b); m != 0 && day_word(a) != 0)
            return make(year, m, day_word(a));
        if (const int m = month_of(a); m != 0 && day_word(b) != 0)
            return make(year, m, day_word(b));
        if (c.size() == 4 && dotted(a) != 0 && dotted(b) != 0)
            return make(year, dotted(b), dotted(a));
    }
    const int year = dotted(a, true), day = c.ends_with('.') ? dotted(c) : day_of(c);
    if (year == 0 || dotted(b) == 0 || day == 0) return std::nullopt;
    return make(year, dotted(b), day);
}

} // namespace

std::optional<DrawDate> find_draw_date(std::string_view line) {
    std::optional<DrawDate> found;
    // The last two tokens, for a date written in three ("20 Feb 2024", "Feb 20, 2024"); "de"
    // between them is passed over ("2 de enero de 2015").
    std::string_view before_last, last;
    history::for_each_token(line, [&](std::string_view whole, int) {
        const std::string_view token = date_part(whole);
        if (token == "de" || token == "del") return true;
        found = parse_draw_date(token);
        if (!found) found = date_of_words(before_last, last, token);
        before_last = last;
        last = token;
        return !found;
    });
    return found;
}

namespace {

// Three whole numbers of up to four digits, the first or the last a year of four digits
// (1900..2199), and the date they make: year, month and day, or day and month (month first
// when only that makes a date) before the year.
SpacedDate three_part_date(const std::array<std::string_view, 3>& parts) {
    for (std::string_view part : parts)
        if (part.size() > 4 || history::whole_number(part) == history::NotWhole) return {};
    const auto four_digit_year = [](std::string_view p) {
        return p.size() == 4 && digits_value(p) >= 1900 && digits_value(p) <= 2199;
    };
    SpacedDate s;
    const bool year_first = four_digit_year(parts[0]);
    if (!year_first && !four_digit_year(parts[2])) return s;
    const std::string_view year = parts[year_first ? 0 : 2];
    const std::string_view a = parts[year_first ? 1 : 0], b = parts[year_first ? 2 : 1];
    s.year = static_cast<uint16_t>(digits_value(year));
    if (a.size() > 2 || b.size() > 2) return s;
    s.date = year_first ? make(s.year, digits_value(a), digits_value(b))
                        : day_or_month_first(s.year, digits_value(a), digits_value(b));
    return s;
}

} // namespace

SpacedDate spaced_date(std::string_view line) {
    std::string_view field;
    history::Fields(line).next(field);
    std::array<std::string_view, 3> parts;
    for (std::string_view& part : parts) {
        const std::size_t start = field.find_first_not_of(' ');
        if (start == std::string_view::npos) return {};
        field.remove_prefix(start);
        part = field.substr(0, field.find(' '));
        field.remove_prefix(part.size());
    }
    return three_part_date(parts);
}

SpacedDate fields_date(std::string_view line) {
    history::Fields fields(line);
    std::array<std::string_view, 3> parts;
    for (std::string_view& part : parts)
        if (!fields.next(part)) return {};
    return three_part_date(parts);
}

std::optional<DrawDate> date_of_parts(std::string_view year, std::string_view month,
                                      std::string_view day) {
    const int y = year_of(year), d = day_of(day);
    const int m = day_of(month) != 0 ? day_of(month) : month_of(month);
    if (y == 0 || m == 0 || d == 0) return std::nullopt;
    return make(y, m, d);
}

void settle_slashed_dates(std::vector<DrawDate*>& dates) {
    using Slash = DrawDate::Slash;
    bool month_first = false, day_first = false;
    for (const DrawDate* d : dates) {
        month_first |= d->slash == Slash::MonthFirst;
        day_first |= d->slash == Slash::DayFirst;
    }
    if (!month_first || day_first) return;
    for (DrawDate* d : dates)
        if (d->slash == Slash::Ambiguous) {
            std::swap(d->day, d->month);
            d->slash = Slash::MonthFirst;
        }
}

std::string date_text(const DrawDate& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{d.year}, unsigned{d.month},
                  unsigned{d.day});
    return text;
}

} // namespace lotto
