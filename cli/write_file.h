// Writing a small file so that a reader never sees it half-written.
#pragma once

#include <string>

namespace lotto::cli {

// Writes text to a temporary file beside path and renames it over path. On failure the file at
// path is left as it was, the temporary file is removed and a one-line message is returned;
// "" on success.
std::string write_file_replacing(const std::string& path, const std::string& text);

// The message write_file_replacing would give for a path that is a directory or lies in a folder
// that does not exist, told before long work; "" otherwise.
std::string unwritable_path(const std::string& path);

// The folder part of path, cut from the bytes given ("a/b/c" -> "a/b", "/c" -> "/", "c" -> ""),
// for messages: a std::filesystem::path's string() need not give back those bytes (on Windows it
// is UTF-8, while the command line holds the user's code page).
std::string folder_of(const std::string& path);

} // namespace lotto::cli
