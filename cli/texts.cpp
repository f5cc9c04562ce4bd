#include "cli/texts.h"

#include "app/catalogue.h"
#include "engine/settings.h"

namespace lotto::cli {

std::string version_text() {
    return std::string("lotto739-cli ") + LOTTO_VERSION + "\nLicense: MIT (see LICENSE)\n";
}

std::vector<std::string> catalogue_lines(uint32_t highest) {
    std::vector<std::string> lines;
    for (int k = 1; k <= FilterCount; ++k) {
        std::string line = std::to_string(k) + "\t" + std::string(filter_label(k)) + "\t";
        line +=
            has_parameter(k) ? "0.." + std::to_string(highest_offered(k, highest)) : "no parameter";
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace lotto::cli
