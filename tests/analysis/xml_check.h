// A small well-formedness check for the charts: every tag closes in order, attribute values are
// quoted, and text holds no bare '<' or '&' outside the five entities.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lotto::test {

// "" when the text is a well-formed XML document with one root element; else what is wrong.
inline std::string xml_fault(std::string_view x) {
    std::vector<std::string> open;
    int roots = 0;
    for (std::size_t i = 0; i < x.size();) {
        if (x[i] == '&') {
            const std::size_t end = x.find(';', i);
            const std::string_view entity = x.substr(i, end == x.npos ? 1 : end - i + 1);
            if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;" &&
                entity != "&apos;")
                return "bare & at " + std::to_string(i);
            i = end + 1;
            continue;
        }
        if (x[i] == '>') return "bare > at " + std::to_string(i);
        if (x[i] != '<') {
            if (open.empty() && x[i] != '\n' && x[i] != ' ') return "text outside the root";
            ++i;
            continue;
        }
        if (x.substr(i, 5) == "<?xml") {
            if (i != 0) return "declaration not first";
            i = x.find("?>", i) + 2;
            continue;
        }
        // A tag: its name, then attributes name="value" up to '>' or '/>'.
        std::size_t j = i + 1;
        const bool closing = x[j] == '/';
        j += closing;
        const std::size_t name_start = j;
        while (j < x.size() && x[j] != ' ' && x[j] != '>' && x[j] != '/') ++j;
        const std::string name(x.substr(name_start, j - name_start));
        if (name.empty()) return "tag without a name at " + std::to_string(i);
        bool self_closing = false;
        for (;;) {
            while (j < x.size() && x[j] == ' ') ++j;
            if (j >= x.size()) return "unfinished tag " + name;
            if (x[j] == '>') break;
            if (x.substr(j, 2) == "/>") {
                self_closing = true, ++j;
                break;
            }
            const std::size_t eq = x.find('=', j);
            if (eq == x.npos || x[eq + 1] != '"') return "unquoted attribute in " + name;
            const std::size_t close = x.find('"', eq + 2);
            const std::string_view value = x.substr(eq + 2, close - eq - 2);
            if (close == x.npos || value.find('<') != value.npos) return "bad attribute in " + name;
            j = close + 1;
        }
        i = j + 1;
        if (closing) {
            if (open.empty() || open.back() != name) return "</" + name + "> closes nothing open";
            open.pop_back();
        } else if (!self_closing) {
            roots += open.empty();
            open.push_back(name);
        } else {
            roots += open.empty();
        }
    }
    if (!open.empty()) return "<" + open.back() + "> never closes";
    return roots == 1 ? "" : "not one root element";
}

// How often the text holds the part.
inline std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != text.npos; at = text.find(part, at + 1)) ++n;
    return n;
}

} // namespace lotto::test
