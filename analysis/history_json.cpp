#include "analysis/history_json.h"

#include "analysis/history_header.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace lotto::history {

namespace {

using Json = nlohmann::ordered_json;

// The whole number a member holds as a number or as digits ("07"); -1 for anything else.
int64_t whole(const Json& j) {
    if (j.is_number_unsigned() || j.is_number_integer()) return j.get<int64_t>();
    if (!j.is_string()) return -1;
    const std::string& s = j.get_ref<const std::string&>();
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoll(s);
}

// The numbers of an array of one to count whole numbers; empty for anything else.
std::vector<int64_t> numbers_of(const Json& j, std::size_t count) {
    std::vector<int64_t> out;
    const Json one = Json::array({j});
    const Json& list = j.is_array() ? j : one;
    if (list.empty() || list.size() > count) return {};
    for (const Json& n : list)
        if (const int64_t v = whole(n); v >= 0)
            out.push_back(v);
        else
            return {};
    return out;
}

std::string lower(std::string_view key) {
    std::string s(key);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

struct Reader {
    std::string_view text, name;
    const HistoryOptions& o;
    History h;
    std::size_t searched = 0; // where the text is looked through for the next draw's numbers
    uint32_t line = 1;

    // The line of the member key after the draws before, counting from 1.
    uint32_t line_of(const std::string& key) {
        const std::string quoted = "\"" + key + "\"";
        const std::size_t at = text.find(quoted, searched);
        if (at == std::string_view::npos) return line;
        line +=
            static_cast<uint32_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(searched),
                                             text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
        searched = at + quoted.size();
        return line;
    }

    std::string where(uint32_t at) const {
        return std::string(name) + ":" + std::to_string(at) + ": ";
    }

    // An object: a draw when a member holds seven whole numbers, else the members are looked into.
    void object(const Json& j) {
        const auto drawn = std::find_if(j.begin(), j.end(), [](const Json& member) {
            return member.is_array() && member.size() == 7 && numbers_of(member, 7).size() == 7;
        });
        if (drawn == j.end()) {
            for (const Json& member : j) walk(member);
            return;
        }
        Draw d;
        d.line = line_of(drawn.key());
        uint64_t seen = 0;
        std::size_t i = 0;
        for (const int64_t n : numbers_of(*drawn, 7)) {
            if (n < 1 || n > static_cast<int64_t>(o.highest)) {
                h.error = where(d.line) + "number " + std::to_string(n) + " is outside 1.." +
                          std::to_string(o.highest);
                return;
            }
            if (seen >> n & 1) {
                h.error = where(d.line) + "number " + std::to_string(n) + " appears twice";
                return;
            }
            seen |= uint64_t{1} << n;
            d.numbers[i++] = static_cast<uint8_t>(n);
        }
        std::sort(d.numbers.begin(), d.numbers.end());
        for (auto member = j.begin(); member != j.end(); ++member) {
            if (member == drawn) continue;
            const std::string key = lower(member.key());
            if (!d.date && key.find("date") != std::string::npos && member->is_string())
                d.date = parse_draw_date(member->get_ref<const std::string&>().substr(0, 10));
            else if (bonus_count(d) == 0 && names_bonus_field(member.key()))
                if (const std::vector<int64_t> b = numbers_of(*member, 4);
                    !b.empty() && std::all_of(b.begin(), b.end(), [&](int64_t n) {
                        return n >= 1 && n <= static_cast<int64_t>(o.highest);
                    })) {
                    d.bonus = static_cast<uint8_t>(b[0]);
                    for (std::size_t k = 1; k < b.size(); ++k)
                        d.more_bonus[k - 1] = static_cast<uint8_t>(b[k]);
                }
        }
        h.draws.push_back(d);
    }

    void walk(const Json& j) {
        if (!h.error.empty()) return;
        if (j.is_object()) {
            object(j);
        } else if (j.is_array()) {
            for (const Json& element : j) walk(element);
        }
    }
};

} // namespace

std::optional<History> json_history(std::string_view text, std::string_view name,
                                    const HistoryOptions& o) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || (text[first] != '{' && text[first] != '[')) return {};
    const Json doc = Json::parse(text, nullptr, false);
    if (doc.is_discarded()) return {}; // lines that start with a bracket ("[2024-01-05] 3 9 ...")
    Reader r{text, name, o, {}};
    r.walk(doc);
    if (r.h.error.empty() && r.h.draws.empty()) return {}; // no draw as a JSON document holds one
    if (!r.h.error.empty()) r.h.draws.clear();
    return std::move(r.h);
}

} // namespace lotto::history
