#include "cli/printable.h"

#include <algorithm>

namespace lotto::cli {

std::string printable(std::string_view text, std::size_t limit) {
    std::size_t cut = std::min(limit, text.size());
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80)
        --cut; // never split a UTF-8 character
    const std::string_view head = text.substr(0, cut);
    std::string s;
    s.reserve(head.size() + 16);
    for (const char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            s += "\\n";
        } else if (c == '\r') {
            s += "\\r";
        } else if (c == '\t') {
            s += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            constexpr char Hex[] = "0123456789abcdef";
            s += "\\x";
            s += Hex[u >> 4];
            s += Hex[u & 15];
        } else {
            s += c;
        }
    }
    if (cut < text.size()) s += "...(" + std::to_string(text.size()) + " bytes)";
    return s;
}

} // namespace lotto::cli
