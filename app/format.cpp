#include "app/format.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <system_error>

namespace lotto {

std::string format_zero_padded(uint64_t value, int digits) {
    std::string s = format_plain(value);
    if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
    return s;
}

std::string format_plain(uint64_t value) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    assert(ec == std::errc{});
    return std::string(buf, end);
}

std::string format_count(uint64_t value, const std::string& noun) {
    return format_plain(value) + " " + noun + (value == 1 ? "" : "s");
}

std::string format_decimal4(double value) {
    // to_chars rounds the exact binary value correctly, ties to even; the largest double needs
    // 309 integer digits plus sign, point and four decimals.
    char buf[320];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    assert(ec == std::errc{});
    std::string s(buf, end);
    const std::size_t point = s.find('.');
    if (point == std::string::npos) return s; // inf or nan: nothing to trim
    std::size_t last = s.size();
    while (last > point + 1 && s[last - 1] == '0') --last;
    s.resize(last);
    if (s == "-0.") s = "0."; // a tiny negative value rounds to zero, printed without a sign
    return s;
}

std::string format_milliseconds(double seconds) {
    const double ms = std::isfinite(seconds) && seconds > 0 ? std::round(seconds * 1000) : 0;
    const uint64_t whole = static_cast<uint64_t>(ms);
    return format_plain(whole / 1000) + "." + format_zero_padded(whole % 1000, 3);
}

} // namespace lotto
