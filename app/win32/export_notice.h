// The texts the export shows when it is done. Portable.
#pragma once

#include <string>

namespace lotto::win {

// "We store combinations  in file <name> in <seconds> seconds", the seconds with three decimals.
std::string export_notice(const std::string& file_name, double seconds);

// Names the file and says why it could not be written.
std::string export_failure(const std::string& file_name, const std::string& reason);

} // namespace lotto::win
