// Writing a small file so that a reader never sees it half-written.
#pragma once

#include <string>

namespace lotto::cli {

// Writes text to a temporary file beside path and renames it over path. On failure the file at
// path is left as it was, the temporary file is removed and a one-line message is returned;
// "" on success.
std::string write_file_replacing(const std::string& path, const std::string& text);

} // namespace lotto::cli
