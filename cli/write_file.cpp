#include "cli/write_file.h"

#include "app/replace_file.h"
#include "cli/printable.h"

#include <filesystem>
#include <system_error>

namespace lotto::cli {

std::string write_file_replacing(const std::string& path, const std::string& text) {
    const std::string failed = "cannot write '" + printable(path) + "': ";
    std::error_code ec;
    if (std::filesystem::is_directory(file_system_path(path), ec))
        return failed + "it is a directory";
    const std::string why = write_replacing(path, text.data(), text.size());
    return why.empty() ? why : failed + why;
}

std::string unwritable_path(const std::string& path) {
    const std::string failed = "cannot write '" + printable(path) + "': ";
    std::error_code ec;
    const std::filesystem::path named = file_system_path(path);
    if (std::filesystem::is_directory(named, ec)) return failed + "it is a directory";
    std::filesystem::path folder = named.parent_path();
    if (folder.empty()) folder = ".";
    if (!std::filesystem::is_directory(folder, ec))
        return failed + "the folder '" + printable(folder_of(path)) + "' does not exist";
    return "";
}

std::string folder_of(const std::string& path) {
    const char* separators = std::filesystem::path::preferred_separator == '/' ? "/" : "/\\";
    const std::size_t name = path.find_last_of(separators);
    if (name == std::string::npos) return "";
    const std::size_t end = path.find_last_not_of(separators, name);
    return end == std::string::npos ? path.substr(0, 1) : path.substr(0, end + 1);
}

} // namespace lotto::cli
