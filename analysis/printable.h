// Text from a file or the user, made safe to echo inside a one-line message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lotto {

// The first limit bytes of text (fewer rather than split a UTF-8 character), with control
// characters escaped as \n, \r, \t or \xHH. Callers mark the cut when text is longer than limit.
std::string escaped_head(std::string_view text, std::size_t limit);

} // namespace lotto
