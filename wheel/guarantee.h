// What a wheel promises: if m of the drawn numbers are among the chosen ones, some ticket holds t
// of them ("t if m"); t if t is the classic covering design.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lotto {

struct Guarantee {
    int t = 0; // numbers one ticket is sure to match, 2..7
    int m = 0; // drawn numbers among the chosen ones, t..7
};

// Reads "T-if-M" (2 <= T <= M <= 7; also "T if M", "T IF M") into g; returns "" or what is wrong
// with the text.
std::string parse_guarantee(std::string_view text, Guarantee& g);

// The binomial coefficient n choose k for n <= 64, k <= 8 (0 when k > n).
uint64_t choose(uint32_t n, uint32_t k);

} // namespace lotto
