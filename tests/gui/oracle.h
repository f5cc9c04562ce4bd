// What the windows should show, worked out here from first principles (binomial ranking and
// plain loops) rather than with the program's own code.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gui {

using Combination = std::array<int, 7>;

// Combination number index (0-based) of 7 out of 1..39 in lexicographic order.
Combination combination_at(uint32_t index);

// Calls visit for every combination of 7 out of 1..39, in lexicographic order.
void for_each_combination(const std::function<void(const Combination&)>& visit);

// Every combination that keep accepts, in lexicographic order.
std::vector<Combination> combinations_where(const std::function<bool(const Combination&)>& keep);

// "00000001=01,02,03,04,05,06,07," for record number (1-based).
std::string viewer_line(uint32_t number, const Combination& c);

// "01, 02, 03, 04, 05, 06, 07\r\n".
std::string export_line(const Combination& c);

// Two digits with a leading zero.
std::string two_digits(int n);

} // namespace gui
