// The known word nearest to a mistyped one, for "did you mean ...?".
#pragma once

#include <string_view>
#include <vector>

namespace lotto::cli {

// The candidate at the fewest edits (a letter added, dropped, changed or two swapped) from word,
// when that is at most two and fewer than half its letters; "" otherwise. The first of equals wins.
std::string_view nearest(std::string_view word, const std::vector<std::string_view>& candidates);

} // namespace lotto::cli
