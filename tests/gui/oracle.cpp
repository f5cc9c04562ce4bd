#include "tests/gui/oracle.h"

#include <cstdio>

namespace gui {

namespace {

uint64_t choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return r;
}

} // namespace

Combination combination_at(uint32_t index) {
    Combination c{};
    uint64_t rest = index;
    int next = 1;
    for (int pos = 0; pos < 7; ++pos) {
        for (;; ++next) {
            const uint64_t with_next = choose(39 - next, 6 - pos); // combinations starting here
            if (rest < with_next) break;
            rest -= with_next;
        }
        c[static_cast<size_t>(pos)] = next++;
    }
    return c;
}

void for_each_combination(const std::function<void(const Combination&)>& visit) {
    Combination c{1, 2, 3, 4, 5, 6, 7};
    for (;;) {
        visit(c);
        int pos = 6; // the rightmost position that can still grow
        while (pos >= 0 && c[static_cast<size_t>(pos)] == 33 + pos) --pos;
        if (pos < 0) return;
        ++c[static_cast<size_t>(pos)];
        for (int j = pos + 1; j < 7; ++j)
            c[static_cast<size_t>(j)] = c[static_cast<size_t>(j - 1)] + 1;
    }
}

std::vector<Combination> combinations_where(const std::function<bool(const Combination&)>& keep) {
    std::vector<Combination> out;
    for_each_combination([&](const Combination& c) {
        if (keep(c)) out.push_back(c);
    });
    return out;
}

std::string two_digits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string viewer_line(uint32_t number, const Combination& c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08u=", static_cast<unsigned>(number));
    std::string line = buf;
    for (int n : c) line += two_digits(n) + ",";
    return line;
}

std::string export_line(const Combination& c) {
    std::string line;
    for (size_t i = 0; i < c.size(); ++i) line += (i ? ", " : "") + two_digits(c[i]);
    return line + "\r\n";
}

} // namespace gui
