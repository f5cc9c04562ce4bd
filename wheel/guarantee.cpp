#include "wheel/guarantee.h"

#include "engine/settings.h"

namespace lotto {

namespace {

// One digit 0..9 as a number, or -1.
int digit(std::string_view text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
}

} // namespace

std::string parse_guarantee(std::string_view text, Guarantee& g) {
    // "if" between the two digits, in either case, with dashes or blanks around it: "3-if-4",
    // "3 if 4", "3 IF 4".
    std::size_t at = std::string_view::npos;
    for (std::size_t i = 0; i + 1 < text.size() && at == std::string_view::npos; ++i)
        if ((text[i] == 'i' || text[i] == 'I') && (text[i + 1] == 'f' || text[i + 1] == 'F'))
            at = i;
    const auto between = [](std::string_view side) {
        const std::size_t first = side.find_first_not_of(" \t-"),
                          last = side.find_last_not_of(" \t-");
        return first == std::string_view::npos ? side.substr(0, 0)
                                               : side.substr(first, last - first + 1);
    };
    // A separator on each side keeps "3if4" and "33-if-4" from reading as anything.
    const auto separated = [](std::string_view side, bool before) {
        if (side.empty()) return false;
        const char c = before ? side.back() : side.front();
        return c == '-' || c == ' ' || c == '\t';
    };
    if (at == std::string_view::npos || !separated(text.substr(0, at), true) ||
        !separated(text.substr(at + 2), false))
        return "expected T-if-M, e.g. 3-if-4 (T numbers of a ticket if M are drawn)";
    const int t = digit(between(text.substr(0, at))), m = digit(between(text.substr(at + 2)));
    if (t < 0 || m < 0) return "expected T-if-M with T and M single digits, e.g. 3-if-4";
    if (t < 2 || t > 7) return "T must lie in 2..7";
    if (m < t || m > 7) return "M must lie in T..7";
    g = {t, m};
    return "";
}

uint64_t choose(uint32_t n, uint32_t k) { return binomial(n, k); }

} // namespace lotto
