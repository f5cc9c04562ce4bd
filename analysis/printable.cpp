#include "analysis/printable.h"

#include <algorithm>

namespace lotto {

std::string escaped_head(std::string_view text, std::size_t limit) {
    std::size_t cut = std::min(limit, text.size());
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80)
        --cut;
    std::string s;
    s.reserve(cut + 16);
    for (const char c : text.substr(0, cut)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            s += "\\n";
        } else if (c == '\r') {
            s += "\\r";
        } else if (c == '\t') {
            s += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            constexpr char Hex[] = "0123456789abcdef";
            s += {'\\', 'x', Hex[u >> 4], Hex[u & 15]};
        } else {
            s += c;
        }
    }
    return s;
}

} // namespace lotto
