#include "app/replace_file.h"

#include "app/format.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#ifdef _WIN32
#include <clocale>
#include <cstdlib>
#endif

namespace lotto {

namespace {

// Creates a file beside target that no file held before, under the target's name with ".tmp-"
// and eight hex digits appended; the reason when it cannot.
std::string create_beside(const std::string& target, std::string& path, std::FILE*& file) {
    static std::mt19937 names{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(names()));
        path = target + suffix;
        std::error_code ec;
        if (std::filesystem::exists(file_system_path(path), ec))
            continue; // an error shows in fopen
        errno = 0;
        file = std::fopen(path.c_str(), "wb");
        if (file) return {};
        path.clear();
        return errno != 0 ? std::strerror(errno) : "the file cannot be created";
    }
    path.clear();
    return "no free temporary name beside the file";
}

// Where a write to path lands: path itself, or the end of its chain of symbolic links (so that
// the link stays a link). A loop of links is left to the rename, which reports it. Unless a link
// was followed the name comes back byte for byte: a path's string() need not give back the bytes
// it was made from (on Windows it is UTF-8, while the C library takes the user's code page).
std::string follow_links(const std::string& path) {
    std::filesystem::path p = file_system_path(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec)))
            return hops == 0 ? path : p.string();
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec) return hops == 0 ? path : p.string();
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return path;
}

// The reason a write or a close failed, from the errno each left.
std::string write_failure(std::size_t written, std::size_t size, int write_errno, int close_errno) {
    const int e = written != size ? write_errno : close_errno;
    std::string why = e != 0 ? std::strerror(e) : "the write was incomplete";
    if (written != size)
        why += " (" + format_plain(written) + " of " + format_plain(size) + " bytes written)";
    return why;
}

} // namespace

ReplacingFile::ReplacingFile(const std::string& given, std::size_t size) : size_(size) {
    target_ = follow_links(given);
    std::error_code ec;
    const std::filesystem::file_status status =
        std::filesystem::status(file_system_path(target_), ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status)) {
        // A device or a pipe, which a rename would replace by a plain file: written straight into.
        errno = 0;
        file_ = std::fopen(target_.c_str(), "wb");
        if (!file_) open_failure_ = errno != 0 ? std::strerror(errno) : "the file cannot be opened";
        return;
    }
    open_failure_ = create_beside(target_, temporary_, file_);
}

ReplacingFile::~ReplacingFile() {
    if (file_) std::fclose(file_);
    if (!temporary_.empty()) std::remove(temporary_.c_str());
}

bool ReplacingFile::write(const char* data, std::size_t size) {
    if (!ok()) return false;
    if (size == 0) return true;
    errno = 0;
    const std::size_t n = std::fwrite(data, 1, size, file_);
    written_ += n;
    if (n != size) {
        write_errno_ = errno;
        write_failed_ = true;
    }
    return !write_failed_;
}

bool ReplacingFile::flush() {
    if (!ok()) return false;
    errno = 0;
    if (std::fflush(file_) != 0) {
        write_errno_ = errno;
        write_failed_ = flush_failed_ = true;
    }
    return !write_failed_;
}

std::string ReplacingFile::commit() {
    if (!file_) return open_failure_.empty() ? "the file is closed" : open_failure_;
    if (flush_failed_)
        return write_errno_ != 0 ? std::strerror(write_errno_) : "the write was incomplete";
    errno = 0;
    const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
    const int close_errno = errno;
    if (written_ != size_ || !closed)
        return write_failure(written_, size_, write_errno_, close_errno);
    if (temporary_.empty()) return {};
    std::error_code ec;
    std::filesystem::rename(file_system_path(temporary_), file_system_path(target_), ec);
    if (ec) return ec.message();
    temporary_.clear(); // it is the file at target_ now
    return {};
}

#ifdef _WIN32
// The C library reads a narrow name in the user's code page, while std::filesystem (libstdc++)
// reads it byte by byte as Latin-1, which misses the euro sign (0x80 in code page 1252) and the
// letters of other code pages: it gets the name in UTF-16, converted as the C library converts it.
std::filesystem::path file_system_path(const std::string& name) {
    static const _locale_t user = _create_locale(LC_CTYPE, "");
    std::wstring wide(name.size() + 1, L'\0');
    const std::size_t n =
        user ? _mbstowcs_l(wide.data(), name.c_str(), wide.size(), user) : std::size_t(-1);
    if (n == std::size_t(-1)) return name;
    wide.resize(n);
    return wide;
}
#else
std::filesystem::path file_system_path(const std::string& name) { return name; }
#endif

std::string write_replacing(const std::string& path, const char* data, std::size_t size) {
    ReplacingFile file(path, size);
    file.write(data, size);
    return file.commit();
}

} // namespace lotto
