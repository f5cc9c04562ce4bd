#include "app/export_file.h"

#include "app/clock.h"
#include "app/format.h"
#include "engine/run.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <utility>

namespace lotto {

namespace {

// "00, 01, ..., 39, ": entry v is the four characters from position 4 * v.
constexpr std::array<char, 160> NumberText = [] {
    std::array<char, 160> t{};
    for (int v = 0; v < 40; ++v) {
        t[4 * v] = static_cast<char>('0' + v / 10);
        t[4 * v + 1] = static_cast<char>('0' + v % 10);
        t[4 * v + 2] = ',';
        t[4 * v + 3] = ' ';
    }
    return t;
}();

std::string join_path(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    const char last = dir.back();
    if (last == '/' || last == '\\') return dir + name;
    return dir + "/" + name;
}

ExportResult failure(ExportResult r, const std::string& why) {
    r.ok = false;
    r.bytes = 0;
    r.reason = why;
    r.error = "cannot write " + r.path + ": " + why;
    return r;
}

// The text's file before it is renamed into place: beside the target, under the target's name
// with ".tmp-" and eight hex digits appended. Removed when dropped unless committed.
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

} // namespace

std::string export_file_name(uint32_t count) {
    return "kvx7_" + format_zero_padded(count, 8) + ".txt";
}

void build_export_text(const uint8_t* store, uint32_t count, char* out) {
    const uint8_t* rec = store;
    for (uint32_t i = 0; i < count; ++i, rec += RecordBytes, out += ExportLineBytes) {
        for (std::size_t j = 0; j < RecordBytes; ++j)
            std::memcpy(out + 4 * j, &NumberText[4 * rec[j]], 4);
        out[26] = '\r';
        out[27] = '\n';
    }
}

ExportResult export_to_file(const std::string& dir, const uint8_t* store, uint32_t count) {
    ExportResult r;
    r.path = join_path(dir, export_file_name(count));
    const std::size_t size = std::size_t{count} * ExportLineBytes;

    std::unique_ptr<char[]> text(new (std::nothrow) char[size == 0 ? 1 : size]);
    if (!text) return failure(r, "out of memory for " + format_plain(size) + " bytes of text");

    TemporaryFile tmp;
    if (const std::string why = create_beside(r.path, tmp); !why.empty()) return failure(r, why);

    const Stopwatch watch;
    build_export_text(store, count, text.get());
    errno = 0;
    const std::size_t written = size == 0 ? 0 : std::fwrite(text.get(), 1, size, tmp.file);
    const int write_errno = errno;
    r.seconds = watch.seconds();

    errno = 0;
    const bool closed = std::fclose(std::exchange(tmp.file, nullptr)) == 0;
    const int close_errno = errno;
    if (written != size || !closed) {
        const int e = written != size ? write_errno : close_errno;
        std::string why = e != 0 ? std::strerror(e) : "the write was incomplete";
        if (written != size)
            why += " (" + format_plain(written) + " of " + format_plain(size) + " bytes written)";
        return failure(r, why);
    }
    std::error_code ec;
    std::filesystem::rename(tmp.path, r.path, ec);
    if (ec) return failure(r, ec.message());
    tmp.path.clear(); // it is the export file now
    r.ok = true;
    r.bytes = size;
    return r;
}

} // namespace lotto
