// One line of a draw history cut into fields and tokens. Fields end at ',', ';' or a tab outside
// double quotes; spaces around a field and the quotes of a quoted field are not part of it. A
// token is a space-separated part of a field (inside quotes commas and semicolons separate tokens
// too), and four or more whole numbers joined by dashes are a token each; a dash standing alone
// between spaces only separates tokens; an empty field is one empty token.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace lotto::history {

constexpr bool is_field_end(char c) { return c == ',' || c == ';' || c == '\t'; }
constexpr bool is_token_end(char c) { return c == ' ' || c == '\r' || is_field_end(c); }

// The values whole_number gives for a token that is not one.
inline constexpr int NotWhole = -1;
inline constexpr int LargeWhole = 1000;

// A cap large enough for a draw counter of any history.
inline constexpr int LargeCounter = 100'000'000;

// The value of a token made of decimal digits only, leading zeros allowed, capped at cap (at most
// LargeCounter); NotWhole for anything else, the empty token included.
constexpr int whole_number(std::string_view token, int cap = LargeWhole) {
    if (token.empty()) return NotWhole;
    int value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return NotWhole;
        value = value * 10 + (c - '0');
        if (value > cap) value = cap;
    }
    return value;
}

constexpr bool in_draw_range(int value, uint32_t highest = 39) {
    return value >= 1 && static_cast<uint32_t>(value) <= highest;
}

// The fields of a line, front to back.
class Fields {
  public:
    constexpr explicit Fields(std::string_view line) : rest_(line) {}

    // Moves to the next field and stores its content in field; false when the line has no more.
    constexpr bool next(std::string_view& field) {
        if (done_) return false;
        std::size_t i = 0;
        while (i < rest_.size() && rest_[i] == ' ') ++i;
        std::size_t end = i;
        if (i < rest_.size() && rest_[i] == '"') {
            std::size_t close = i + 1;
            while (close < rest_.size() &&
                   (rest_[close] != '"' || (close + 1 < rest_.size() && rest_[close + 1] == '"')))
                close += rest_[close] == '"' ? 2 : 1;
            field = rest_.substr(i + 1, close - (i + 1));
            end = close;
        } else {
            while (end < rest_.size() && !is_field_end(rest_[end])) ++end;
            std::size_t last = end;
            while (last > i && rest_[last - 1] == ' ') --last;
            field = rest_.substr(i, last - i);
        }
        while (end < rest_.size() && !is_field_end(rest_[end])) ++end;
        done_ = end >= rest_.size();
        rest_ = done_ ? std::string_view{} : rest_.substr(end + 1);
        return true;
    }

  private:
    std::string_view rest_;
    bool done_ = false;
};

// How many whole numbers a token joins with single characters of separators ("3-12-17" joins 3
// with "-"; a plain number is 1), 0 when it is anything else.
constexpr std::size_t numbers_joined(std::string_view token, std::string_view separators) {
    std::size_t parts = 1, digits = 0;
    for (char c : token) {
        if (separators.find(c) != std::string_view::npos) {
            if (digits == 0) return 0;
            ++parts, digits = 0;
        } else if (c >= '0' && c <= '9') {
            ++digits;
        } else {
            return 0;
        }
    }
    return digits == 0 ? 0 : parts;
}

// How many whole numbers a token joins with single dashes ("3-12-17-22-28-33-39" joins 7), 0 when
// it is anything else.
constexpr std::size_t dashed_numbers(std::string_view token) { return numbers_joined(token, "-"); }

// Numbers joined by dashes stand for separate numbers from this many on; fewer (a date such as
// 2013-04-05, a score) stay one token.
inline constexpr std::size_t MinimumDashed = 4;

// Calls visit(part) for each part a token stands for, in order, while visit returns true: the
// numbers it joins with dashes when they are MinimumDashed or more, else the token itself;
// returns false when visit stopped it.
template <class Visit> constexpr bool for_each_part(std::string_view token, Visit&& visit) {
    if (dashed_numbers(token) < MinimumDashed) return visit(token);
    for (std::size_t from = 0; from <= token.size();) {
        const std::size_t dash = std::min(token.find('-', from), token.size());
        if (!visit(token.substr(from, dash - from))) return false;
        from = dash + 1;
    }
    return true;
}

// Calls visit(token, field_number) for the tokens of the field numbered field_number (from 1),
// in order, while visit returns true (a field without tokens, or with lone dashes only, gives
// one empty token); returns
// false when visit stopped it.
template <class Visit>
constexpr bool for_each_field_token(std::string_view field, int field_number, Visit&& visit) {
    bool any = false;
    for (std::size_t i = 0; i < field.size();) {
        while (i < field.size() && is_token_end(field[i])) ++i;
        const std::size_t start = i;
        while (i < field.size() && !is_token_end(field[i])) ++i;
        if (i == start) break;
        if (field.substr(start, i - start) == "-") continue; // "5 - 8 - 9": a dash between tokens
        any = true;
        if (!for_each_part(field.substr(start, i - start),
                           [&](std::string_view part) { return visit(part, field_number); }))
            return false;
    }
    return any || visit(std::string_view{}, field_number);
}

// Calls visit(token, field_number) for every token of the line, in order, while visit returns
// true; returns false when visit stopped it.
template <class Visit> constexpr bool for_each_token(std::string_view line, Visit&& visit) {
    Fields fields(line);
    std::string_view field;
    for (int number = 1; fields.next(field); ++number)
        if (!for_each_field_token(field, number, visit)) return false;
    return true;
}

} // namespace lotto::history
