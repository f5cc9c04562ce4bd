// Text taken from the user or the system, made safe to echo inside a one-line message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lotto::cli {

inline constexpr std::size_t EchoLimit = 60;

// text with control characters escaped (\n, \r, \t, \xHH) and, when longer than limit bytes,
// cut to its first limit bytes followed by "...(N bytes)".
std::string printable(std::string_view text, std::size_t limit = EchoLimit);

// A probability in two significant digits ("0.0012", "3.4e-45"), or "below 1e-300" where it is
// too small for that (a double's 0 included), so that no vanishing chance reads as an impossible
// one.
std::string chance_text(double p);

// The text of the smallest probabilities, which a double holds badly or (a p-value of 0 having
// underflowed) not at all.
inline constexpr const char* BelowShown = "below 1e-300";
inline bool below_shown(double p) { return p < 1e-300; }

// A p-value through a printf format, or BelowShown.
std::string p_value_text(double p, const char* format);

} // namespace lotto::cli
