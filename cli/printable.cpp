#include "cli/printable.h"

#include "analysis/printable.h"

namespace lotto::cli {

std::string printable(std::string_view text, std::size_t limit) {
    std::string s = escaped_head(text, limit);
    if (text.size() > limit) s += "...(" + std::to_string(text.size()) + " bytes)";
    return s;
}

} // namespace lotto::cli
