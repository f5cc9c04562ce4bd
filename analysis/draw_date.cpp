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

} // namespace

std::optional<DrawDate> parse_draw_date(std::string_view token) {
    std::array<std::string_view, 3> parts;
    char sep = 0;
    if (!split_three(token, parts, sep)) return std::nullopt;
    const int a = digits_value(parts[0]), b = digits_value(parts[1]), c = digits_value(parts[2]);
    if (parts[0].size() == 4) // year first: 2013-04-05, 2013/04/05, 2013.04.05
        return parts[1].size() <= 2 && parts[2].size() <= 2 ? make(a, b, c) : std::nullopt;
    if (parts[2].size() != 4 || parts[0].size() > 2 || parts[1].size() > 2) return std::nullopt;
    if (sep == '-') return std::nullopt;
    if (sep == '.') return make(c, b, a); // 05.04.2013: day first
    if (b > 12) {                         // 4/25/2013: month first is the only reading
        std::optional<DrawDate> d = make(c, a, b);
        if (d) d->slash = DrawDate::Slash::MonthFirst;
        return d;
    }
    std::optional<DrawDate> d = make(c, b, a);
    if (d) d->slash = a <= 12 ? DrawDate::Slash::Ambiguous : DrawDate::Slash::DayFirst;
    return d;
}

std::optional<DrawDate> find_draw_date(std::string_view line) {
    std::optional<DrawDate> found;
    history::for_each_token(line, [&](std::string_view token, int) {
        found = parse_draw_date(token);
        return !found;
    });
    return found;
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
