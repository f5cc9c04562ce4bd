#include "app/win32/export_notice.h"

#include "app/format.h"

#include <cmath>
#include <cstdint>

namespace lotto::win {

namespace {

// Seconds rounded to the millisecond, three decimals always shown ("0.042"); never negative.
std::string seconds_text(double seconds) {
    const double ms = std::isfinite(seconds) && seconds > 0 ? std::round(seconds * 1000) : 0;
    const uint64_t whole = static_cast<uint64_t>(ms);
    return format_plain(whole / 1000) + "." + format_zero_padded(whole % 1000, 3);
}

} // namespace

std::string export_notice(const std::string& file_name, double seconds) {
    return "We store combinations  in file " + file_name + " in " + seconds_text(seconds) +
           " seconds";
}

std::string export_failure(const std::string& file_name, const std::string& reason) {
    return "The combinations could not be stored in file " + file_name + ": " + reason;
}

} // namespace lotto::win
