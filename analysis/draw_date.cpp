#include "analysis/draw_date.h"

#include "analysis/line_tokens.h"

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

// The month an English name or its abbreviation of three letters or more names ("Feb", "feb.",
// "Sept", "February", any case); 0 for any other word.
int month_of(std::string_view word) {
    if (!word.empty() && word.back() == '.') word.remove_suffix(1);
    if (word.size() < 3) return 0;
    constexpr std::array<std::string_view, 12> Names = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    for (int m = 0; m < 12; ++m) {
        if (word.size() > Names[m].size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i)
            same = (word[i] | 0x20) == Names[m][i];
        if (same) return m + 1;
    }
    return 0;
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

// The token without what may follow a date in it: the time of an ISO timestamp
// ("2013-04-12T20:00:00Z") and a colon ending a title ("Friday 28 July 2023:").
std::string_view date_part(std::string_view token) {
    if (const std::size_t t = token.find('T'); t != std::string_view::npos && t >= 8)
        token = token.substr(0, t);
    while (!token.empty() && token.back() == ':') token.remove_suffix(1);
    return token;
}

} // namespace

std::optional<DrawDate> find_draw_date(std::string_view line) {
    std::optional<DrawDate> found;
    // The last two tokens, for a month's name between a day and a year ("20 Feb 2024") or before
    // them ("Feb 20, 2024").
    std::string_view before_last, last;
    history::for_each_token(line, [&](std::string_view whole, int) {
        const std::string_view token = date_part(whole);
        found = parse_draw_date(token);
        if (!found && year_of(token) != 0) {
            if (const int m = month_of(last); m != 0 && day_of(before_last) != 0)
                found = make(year_of(token), m, day_of(before_last));
            else if (const int n = month_of(before_last); n != 0 && day_of(last) != 0)
                found = make(year_of(token), n, day_of(last));
        }
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
