#include "app/export_file.h"

#include "app/clock.h"
#include "app/format.h"
#include "app/replace_file.h"
#include "engine/run.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace lotto {

namespace {

// "00, 01, ..., 64, ": entry v is the four characters from position 4 * v.
constexpr std::array<char, 260> NumberText = [] {
    std::array<char, 260> t{};
    for (int v = 0; v < 65; ++v) {
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

    const Stopwatch watch;
    build_export_text(store, count, text.get());
    const std::string why = write_replacing(r.path, text.get(), size);
    r.seconds = watch.seconds();
    if (!why.empty()) return failure(r, why);
    r.ok = true;
    r.bytes = size;
    return r;
}

} // namespace lotto
