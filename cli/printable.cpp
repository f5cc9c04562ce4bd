#include "cli/printable.h"

#include "analysis/printable.h"

#include <cstdio>

namespace lotto::cli {

std::string printable(std::string_view text, std::size_t limit) {
    std::string s = escaped_head(text, limit);
    if (text.size() > limit) s += "...(" + std::to_string(text.size()) + " bytes)";
    return s;
}

std::string chance_text(double p) { return p_value_text(p, "%.2g"); }

std::string p_value_text(double p, const char* format) {
    if (below_shown(p)) return BelowShown;
    char text[64];
    std::snprintf(text, sizeof text, format, p);
    return text;
}

} // namespace lotto::cli
