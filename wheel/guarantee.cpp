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
    const std::size_t at = text.find("-if-");
    if (at == std::string_view::npos)
        return "expected T-if-M, e.g. 3-if-4 (T numbers of a ticket if M are drawn)";
    const int t = digit(text.substr(0, at)), m = digit(text.substr(at + 4));
    if (t < 0 || m < 0) return "expected T-if-M with T and M single digits, e.g. 3-if-4";
    if (t < 2 || t > 7) return "T must lie in 2..7";
    if (m < t || m > 7) return "M must lie in T..7";
    g = {t, m};
    return "";
}

uint64_t choose(uint32_t n, uint32_t k) { return binomial(n, k); }

} // namespace lotto
