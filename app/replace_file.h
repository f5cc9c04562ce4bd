// Writing a file so that a reader never sees it half-written: the bytes go to a temporary file
// beside the target, which is renamed over the target only when every byte is written and closed.
#pragma once

#include <cstddef>
#include <string>

namespace lotto {

// Writes size bytes of data over the file at path through a temporary file beside it. Returns ""
// when done, else the reason; then the file at path is as it was and the temporary file is gone.
// A symbolic link is followed (the file it names is replaced, the link stays); a device or a pipe
// is written straight into.
std::string write_replacing(const std::string& path, const char* data, std::size_t size);

} // namespace lotto
