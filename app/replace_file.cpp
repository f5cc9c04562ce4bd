#include "app/replace_file.h"

#include "app/format.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

namespace lotto {

namespace {

// The file before it is renamed into place: beside the target, under the target's name with
// ".tmp-" and eight hex digits appended. Removed when dropped unless committed.
struct TemporaryFile {
    std::string path;
    std::FILE* file = nullptr;

    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (file) std::fclose(file);
        if (!path.empty()) std::remove(path.c_str());
    }
};

// Creates a temporary file beside target that no file held before; the reason when it cannot.
std::string create_beside(const std::string& target, TemporaryFile& tmp) {
    static std::mt19937 names{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".tmp-%08x", static_cast<unsigned>(names()));
        const std::string path = target + suffix;
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) continue; // an error shows in fopen
        errno = 0;
        tmp.file = std::fopen(path.c_str(), "wb");
        if (!tmp.file) return errno != 0 ? std::strerror(errno) : "the file cannot be created";
        tmp.path = path;
        return {};
    }
    return "no free temporary name beside the file";
}

// Where a write to path lands: path itself, or the end of its chain of symbolic links (so that
// the link stays a link). A loop of links is left to the rename, which reports it.
std::filesystem::path follow_links(const std::filesystem::path& path) {
    std::filesystem::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec) return p;
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

// Writes straight into a device or a pipe, which a rename would replace by a plain file.
std::string write_through(const std::filesystem::path& path, const char* data, std::size_t size) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f) return errno != 0 ? std::strerror(errno) : "the file cannot be opened";
    errno = 0;
    const std::size_t written = size == 0 ? 0 : std::fwrite(data, 1, size, f);
    const int write_errno = errno;
    errno = 0;
    const bool closed = std::fclose(f) == 0;
    if (written != size || !closed) return write_failure(written, size, write_errno, errno);
    return {};
}

} // namespace

std::string write_replacing(const std::string& given, const char* data, std::size_t size) {
    const std::filesystem::path target = follow_links(given);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(target, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status))
        return write_through(target, data, size);
    const std::string path = target.string();
    TemporaryFile tmp;
    if (std::string why = create_beside(path, tmp); !why.empty()) return why;

    errno = 0;
    const std::size_t written = size == 0 ? 0 : std::fwrite(data, 1, size, tmp.file);
    const int write_errno = errno;
    errno = 0;
    const bool closed = std::fclose(std::exchange(tmp.file, nullptr)) == 0;
    const int close_errno = errno;
    if (written != size || !closed) return write_failure(written, size, write_errno, close_errno);
    std::filesystem::rename(tmp.path, path, ec);
    if (ec) return ec.message();
    tmp.path.clear(); // it is the file at path now
    return {};
}

} // namespace lotto
