// The fixed texts of lotto739-cli: the version and the catalogue listing (the help is made from
// the command table, cli/help_text.h).
#pragma once

#include <string>
#include <vector>

namespace lotto::cli {

std::string version_text();

// One line per filter: number, label (verbatim) and "0..H" or "no parameter", tab-separated.
std::vector<std::string> catalogue_lines(uint32_t highest = 39);

} // namespace lotto::cli
