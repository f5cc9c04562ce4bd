#include "app/win32/export_notice.h"

#include "app/format.h"

namespace lotto::win {

std::string export_notice(const std::string& file_name, double seconds) {
    return "We store combinations  in file " + file_name + " in " + format_milliseconds(seconds) +
           " seconds";
}

std::string export_failure(const std::string& file_name, const std::string& reason) {
    return "The combinations could not be stored in file " + file_name + ": " + reason;
}

} // namespace lotto::win
