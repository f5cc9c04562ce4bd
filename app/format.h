// The number formatting masks used by every text the program shows or writes.
#pragma once

#include <cstdint>
#include <string>

namespace lotto {

// Mask "0...0" of `digits` places: exactly that many digits, leading zeros; a longer number
// keeps all its digits.
std::string format_zero_padded(uint64_t value, int digits);

// Masks "#...#": the digits without padding; 0 prints as "0".
std::string format_plain(uint64_t value);

// A count and its noun, singular for one: "1 combination", "12 combinations".
std::string format_count(uint64_t value, const std::string& noun);

// Masks "##.####" and "###.####": rounded to four decimals (ties to even), integer part without
// padding (0 below 1), the point always kept, trailing decimal zeros dropped ("3.", "2.751").
std::string format_decimal4(double value);

// An elapsed time to the millisecond, three decimals always shown ("0.042", "12.500"); a negative
// or non-finite value prints as "0.000".
std::string format_milliseconds(double seconds);

} // namespace lotto
