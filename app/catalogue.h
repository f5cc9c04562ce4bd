// The filter catalogue: the label shown beside each filter's check box and as its pick prompt.
#pragma once

#include <string_view>

namespace lotto {

// Label of filter k (1..64), verbatim, trailing spaces included; empty outside 1..64.
std::string_view filter_label(int k);

// Name of range r (1..10): "A1", "A2", ..., "E2"; empty outside 1..10.
std::string_view range_name(int r);

} // namespace lotto
