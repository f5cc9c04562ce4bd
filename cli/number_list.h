// The items of a list of numbers as people type or paste it: commas, semicolons, spaces, tabs and
// line ends stand between the items ("1-5, 9 12", "3;7;11", "3 7 11" from a spreadsheet row, or a
// column pasted one number a line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lotto::cli {

// The items in order. Blanks (spaces, tabs, line ends) around a comma or semicolon belong to it,
// and blanks at either end are dropped, as is a comma or semicolon at either end ("1,2,3,"). A
// range comes out as "A-B" however it was written: "A-B", "A - B", "A–B" (en dash), "A—B" (em
// dash) or "A..B". A comma or semicolon with nothing between it and the next leaves an empty item,
// and so does a list with nothing in it.
inline std::vector<std::string> number_list_items(std::string_view value) {
    // Every way of writing a range becomes '-', line ends become blanks, and the blanks beside a
    // dash go.
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string_view rest = value.substr(i);
        char c = value[i];
        if (rest.starts_with("\xE2\x80\x93") || rest.starts_with("\xE2\x80\x94"))
            c = '-', i += 2;
        else if (rest.starts_with(".."))
            c = '-', i += 1;
        if (c == '\n' || c == '\r') c = ' ';
        if (c == '-')
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
        else if ((c == ' ' || c == '\t') && !text.empty() && text.back() == '-')
            continue;
        text += c;
    }
    const auto blank = [&](std::size_t at) {
        return at < text.size() && (text[at] == ' ' || text[at] == '\t');
    };
    const auto mark = [&](std::size_t at) {
        return at < text.size() && (text[at] == ',' || text[at] == ';');
    };
    std::vector<std::string> items;
    std::size_t at = 0;
    while (blank(at)) ++at;
    for (;;) {
        std::size_t end = at;
        while (end < text.size() && !blank(end) && !mark(end)) ++end;
        items.push_back(text.substr(at, end - at));
        for (at = end; blank(at);) ++at;
        if (at == text.size()) break;
        if (mark(at))
            for (++at; blank(at);) ++at;
    }
    // A separator at either end stands before or after nothing.
    if (items.size() > 1 && items.back().empty()) items.pop_back();
    if (items.size() > 1 && items.front().empty()) items.erase(items.begin());
    return items;
}

} // namespace lotto::cli
