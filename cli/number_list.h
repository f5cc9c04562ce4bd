// The items of a list of numbers as people type or paste it: commas, semicolons, spaces and tabs
// stand between the items ("1-5, 9 12", "3;7;11", "3 7 11" from a spreadsheet row).
#pragma once

#include <string_view>
#include <vector>

namespace lotto::cli {

// The items in order. Blanks (spaces, tabs) around a comma or semicolon belong to it, and blanks
// at either end are dropped; a comma or semicolon with nothing before or after it leaves an empty
// item, and so does a list with nothing in it.
inline std::vector<std::string_view> number_list_items(std::string_view value) {
    const auto blank = [&](std::size_t at) {
        return at < value.size() && (value[at] == ' ' || value[at] == '\t');
    };
    const auto mark = [&](std::size_t at) {
        return at < value.size() && (value[at] == ',' || value[at] == ';');
    };
    std::vector<std::string_view> items;
    std::size_t at = 0;
    while (blank(at)) ++at;
    for (;;) {
        std::size_t end = at;
        while (end < value.size() && !blank(end) && !mark(end)) ++end;
        items.push_back(value.substr(at, end - at));
        for (at = end; blank(at);) ++at;
        if (at == value.size()) return items;
        if (mark(at))
            for (++at; blank(at);) ++at;
    }
}

} // namespace lotto::cli
