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

} // namespace lotto::cli
