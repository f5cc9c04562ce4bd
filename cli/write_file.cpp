#include "cli/write_file.h"

#include "cli/printable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace lotto::cli {

namespace {

std::string reason(int e, const char* otherwise) { return e != 0 ? std::strerror(e) : otherwise; }

} // namespace

std::string write_file_replacing(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const std::string failed = "cannot write '" + printable(path) + "': ";
    std::error_code ec;
    if (fs::is_directory(path, ec)) return failed + "it is a directory";
    std::random_device rd;
    const std::string temp = path + ".tmp-" + std::to_string(rd()) + std::to_string(rd());

    errno = 0;
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return failed + reason(errno, "the file cannot be created");
    errno = 0;
    const bool written =
        std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
    const int write_errno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        fs::remove(temp, ec);
        return failed + reason(write_errno, "the write was incomplete");
    }
    fs::rename(temp, path, ec);
    if (ec) {
        const std::string why = ec.message();
        fs::remove(temp, ec);
        return failed + why;
    }
    return "";
}

} // namespace lotto::cli
