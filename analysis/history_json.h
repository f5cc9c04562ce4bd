// Draw histories published as JSON documents (data repositories keep them so): each object holding
// an array of seven numbers is a draw, with its date and bonus numbers from the members beside it.
#pragma once

#include "analysis/history.h"

#include <optional>
#include <string_view>

namespace lotto::history {

// The history of text when it is a JSON document (its first character past spaces '{' or '[')
// holding a draw, else nullopt. A draw's line is the line of its numbers in the text.
std::optional<History> json_history(std::string_view text, std::string_view name,
                                    const HistoryOptions& o);

} // namespace lotto::history
